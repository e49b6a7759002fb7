// What every board tool is to the board: a receiver of pointer input with a cursor.
#pragma once

#include <QCursor>
#include <QString>

#include <memory>

class DeviceInput;
class IBoard;
class IBoardState;
class IModeEventHandle;

class IModeBase
{
public:
    IModeBase();
    virtual ~IModeBase();

    virtual IBoardState* boardState() const;
    virtual void setBoard(IBoard* board);
    virtual void devicePress(DeviceInput& input) = 0;
    virtual void deviceMove(DeviceInput& input) = 0;
    virtual void deviceRelease(DeviceInput& input) = 0;
    virtual QCursor cursor() const;
    virtual void setCursorFile(const QString& path, int width, int height) = 0;
    virtual void setCursor(const QCursor& cursor) = 0;
    virtual void activate() {}
    virtual void deactivate() {}
    // The pointers of the gesture in progress are gone (they left the board,
    // Escape was pressed, the device was lost): drop what the gesture started
    // so that the next press begins afresh. Work that is no gesture, such as
    // text being typed, stays.
    virtual void cancel() = 0;

    IBoard* board() const { return m_board; }
    bool isEnabled() const { return m_enabled; }
    void setEnabled(bool enabled) { m_enabled = enabled; }
    QString name() const { return m_name; }
    void setName(const QString& name) { m_name = name; }
    IModeEventHandle* eventHandle() const { return m_eventHandle.get(); }

protected:
    IBoard* m_board = nullptr;
    bool m_enabled = true;
    QCursor m_cursor{Qt::ArrowCursor};
    QString m_name{QStringLiteral("_unknonw_")};
    std::unique_ptr<IModeEventHandle> m_eventHandle;

private:
    Q_DISABLE_COPY(IModeBase)
};

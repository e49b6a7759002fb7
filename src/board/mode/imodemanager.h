// Owns every board tool and routes the board's input to the current one.
#pragma once

#include "board/mode/ifiguretool.h"
#include "board/mode/imodebase.h"

#include <QHash>
#include <QList>
#include <QString>

#include <memory>
#include <type_traits>
#include <vector>

class DeviceInput;
class IBoard;

class IModeManager
{
public:
    // Creates every tool, fills the table of tool numbers and starts in
    // mode 1, the selector.
    explicit IModeManager(IBoard* board);
    ~IModeManager();

    // Selecting the current number again re-activates only the pencil, so it
    // picks up a colour or width changed meanwhile. Numbers without a tool of
    // their own are recorded but keep the current tool. Any other change
    // cancels the gesture in progress first.
    void setModeType(int type);
    int modeType() const { return m_modeType; }
    IModeBase* currentMode() const { return m_current; }

    // Handed on to the current tool when it is enabled; the event is then accepted.
    void press(DeviceInput& input);
    void move(DeviceInput& input);
    void release(DeviceInput& input);
    // The pointers of the gesture in progress are gone: the current tool
    // drops what it started and forgets its pressed devices.
    void cancel();

    bool isActive() const { return m_active; }
    void setActive(bool active) { m_active = active; }

    // Takes the tool, names it and puts it on this manager's board. Tools
    // no number selects are kept too, and found again by name.
    template <class Mode>
    Mode* addMode(const QString& name, std::unique_ptr<Mode> mode)
    {
        static_assert(std::is_base_of<IModeBase, Mode>::value, "a board tool derives from IModeBase");
        Mode* added = mode.get();
        adopt(name, std::move(mode));
        return added;
    }
    // Tool number `type` selects `mode` (replacing what it selected before).
    void registerMode(int type, IModeBase* mode);
    // Tool number `type` selects `mode` and first tells it to draw `kind`.
    template <class FigureMode>
    void registerFigureMode(int type, FigureMode* mode, int kind)
    {
        static_assert(std::is_base_of<IModeBase, FigureMode>::value
                          && std::is_base_of<IFigureTool, FigureMode>::value,
                      "a figure tool is a board tool that takes a figure kind");
        m_table.insert(type, Entry{mode, mode, kind});
    }

    // The tool a number selects, or null for numbers without one.
    IModeBase* modeFor(int type) const;
    IModeBase* modeNamed(const QString& name) const;
    // Every tool, in the order they were added.
    QList<IModeBase*> modes() const;

private:
    struct Entry
    {
        IModeBase* mode = nullptr;
        IFigureTool* figureTool = nullptr;
        int figureKind = -1;
    };

    void adopt(const QString& name, std::unique_ptr<IModeBase> mode);
    void forward(DeviceInput& input, void (IModeBase::*handler)(DeviceInput&));

    bool m_active = true;
    IBoard* m_board = nullptr;
    IModeBase* m_current = nullptr;
    int m_modeType = 0;
    std::vector<std::unique_ptr<IModeBase>> m_modes;
    QHash<int, Entry> m_table;
};

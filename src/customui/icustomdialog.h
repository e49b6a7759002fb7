// Frameless dialog base: the same title strip as the pop-up panels, for
// windows that are run as dialogs.
#pragma once

#include <QDialog>

class ITitleStrip;

class ICustomDialog : public QDialog
{
    Q_OBJECT
public:
    explicit ICustomDialog(QWidget* parent = nullptr);

    QString title() const;
    // An empty title means no strip: nothing drawn, no close mark, no drag.
    void setTitle(const QString& title);
    bool isClosable() const;
    // The close mark rejects the dialog, like Escape.
    void setClosable(bool closable);
    bool isMovable() const;
    void setMovable(bool movable);
    bool isCloseWhenMoved() const;
    // Dragging the dialog hides it (and counts as closing it).
    void setCloseWhenMoved(bool closeWhenMoved);

    int titleHeight() const;
    QRect closeMarkRect() const;

    // Every way a dialog ends (accept, reject, Escape, close mark) runs
    // through here; sgClose follows.
    void done(int result) override;

signals:
    void sgClose();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

    ITitleStrip* titleStrip() const;

private:
    ITitleStrip* m_strip = nullptr;
};

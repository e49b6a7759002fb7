// The title strip that the frameless window bases draw and react to: title
// text, close mark and dragging by the strip.
#pragma once

#include <QObject>
#include <QPoint>
#include <QRect>
#include <QString>

class QMouseEvent;
class QPainter;
class QWidget;

class ITitleStrip : public QObject
{
    Q_OBJECT
public:
    // Becomes a child of `window`, the widget it draws on and moves.
    explicit ITitleStrip(QWidget* window);

    QString title() const;
    // An empty title turns the strip off: nothing drawn, no close mark, no drag.
    void setTitle(const QString& title);
    bool isClosable() const;
    void setClosable(bool closable);
    bool isMovable() const;
    void setMovable(bool movable);
    bool isCloseWhenMoved() const;
    void setCloseWhenMoved(bool closeWhenMoved);

    // Strip height and close mark, in the window's coordinates, at the
    // current screen scale.
    int height() const;
    QRect closeMarkRect() const;

    bool isCloseArmed() const;
    bool isDragging() const;

    // Each returns true when the event was the strip's business.
    bool mousePress(QMouseEvent* event);
    bool mouseMove(QMouseEvent* event);
    bool mouseRelease(QMouseEvent* event);

    void paint(QPainter* painter) const;

signals:
    // The window was dragged while close-when-moved is on and hid itself.
    void sgHiddenByMove();

private:
    bool isActive() const;
    bool closeMarkWorks() const;

    QWidget* m_window = nullptr;
    QString m_title;
    bool m_closable = false;
    bool m_movable = false;
    bool m_closeWhenMoved = false;
    bool m_closeArmed = false;
    bool m_dragging = false;
    QPoint m_pressGlobal;
    QPoint m_windowPosAtPress;
};

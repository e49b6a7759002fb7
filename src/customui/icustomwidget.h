// Frameless window base of the program's pop-up panels: draws its own title
// strip, can be closed by its close mark and dragged by the strip.
#pragma once

#include <QWidget>

class ITitleStrip;

class ICustomWidget : public QWidget
{
    Q_OBJECT
public:
    explicit ICustomWidget(QWidget* parent = nullptr);

    QString title() const;
    // An empty title means no strip: nothing drawn, no close mark, no drag.
    void setTitle(const QString& title);
    bool isClosable() const;
    void setClosable(bool closable);
    bool isMovable() const;
    void setMovable(bool movable);
    bool isCloseWhenMoved() const;
    // Dragging the window hides it (and counts as closing it).
    void setCloseWhenMoved(bool closeWhenMoved);

    int titleHeight() const;
    QRect closeMarkRect() const;

signals:
    void sgClose();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

    ITitleStrip* titleStrip() const;

private:
    ITitleStrip* m_strip = nullptr;
};

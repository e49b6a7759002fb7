// What the frameless window bases share: a title strip of their own that
// paints the title and close mark and handles closing and dragging.
#pragma once

#include "customui/common/ititlestrip.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyleOption>

#include <utility>

template <typename Base>
class ITitledWindow : public Base
{
public:
    template <typename... Args>
    explicit ITitledWindow(Args&&... args)
        : Base(std::forward<Args>(args)...)
        , m_strip(new ITitleStrip(this))
    {
    }

    QString title() const { return m_strip->title(); }
    // An empty title means no strip: nothing drawn, no close mark, no drag.
    void setTitle(const QString& title)
    {
        m_strip->setTitle(title);
        this->setWindowTitle(title);
    }
    bool isClosable() const { return m_strip->isClosable(); }
    void setClosable(bool closable) { m_strip->setClosable(closable); }
    bool isMovable() const { return m_strip->isMovable(); }
    void setMovable(bool movable) { m_strip->setMovable(movable); }
    bool isCloseWhenMoved() const { return m_strip->isCloseWhenMoved(); }
    // Dragging the window hides it (and counts as closing it).
    void setCloseWhenMoved(bool closeWhenMoved) { m_strip->setCloseWhenMoved(closeWhenMoved); }

    int titleHeight() const { return m_strip->height(); }
    QRect closeMarkRect() const { return m_strip->closeMarkRect(); }

protected:
    ITitleStrip* titleStrip() const { return m_strip; }

    void paintEvent(QPaintEvent*) override
    {
        // Through the style, so that subclasses can give themselves a
        // background with a style sheet.
        QStyleOption option;
        option.initFrom(this);
        QPainter painter(this);
        this->style()->drawPrimitive(QStyle::PE_Widget, &option, &painter, this);
        m_strip->paint(&painter);
    }
    void mousePressEvent(QMouseEvent* event) override
    {
        if (!m_strip->mousePress(event))
            Base::mousePressEvent(event);
    }
    void mouseMoveEvent(QMouseEvent* event) override
    {
        if (!m_strip->mouseMove(event))
            Base::mouseMoveEvent(event);
    }
    void mouseReleaseEvent(QMouseEvent* event) override
    {
        if (!m_strip->mouseRelease(event))
            Base::mouseReleaseEvent(event);
    }

private:
    ITitleStrip* m_strip = nullptr;
};

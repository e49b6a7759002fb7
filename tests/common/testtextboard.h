// A shown, active board over an 800 x 450 picture, for tests of text boxes:
// its slide's text frame, and mouse and keys as a presenter gives them.
#pragma once

#include "board/iboard.h"
#include "board/islide.h"
#include "board/item/icommontextelementframe.h"
#include "board/item/ipixmapitem.h"
#include "board/item/itextelement.h"

#include <QApplication>
#include <QMouseEvent>
#include <QtTest>

#include <memory>

struct TestTextBoard
{
    TestTextBoard()
    {
        slide = new ISlide(board.get());
        board->insertSlide(slide, true);
        board->setPictureItem(new IPixmapItem(QSize(800, 450)));
        board->setPictureSize(QSizeF(800, 450));
        QImage picture(800, 450, QImage::Format_RGB888);
        picture.fill(Qt::gray);
        board->setBackgroundImage(picture);
        board->resize(800, 450);
        board->show();
        QApplication::setActiveWindow(board.get());
        ok = QTest::qWaitForWindowActive(board.get());
    }

    ICommonTextElementFrame* frame() const
    {
        return dynamic_cast<ICommonTextElementFrame*>(board->sceneElementFrame());
    }
    QList<ITextElement*> texts() const
    {
        QList<ITextElement*> found;
        for (IElement* element : slide->elements()) {
            if (auto* text = dynamic_cast<ITextElement*>(element))
                found << text;
        }
        return found;
    }
    ITextElement* addText(const QString& content, const QPointF& pos) const
    {
        auto* text = new ITextElement(content);
        text->setTextWidth(300);
        text->setPos(pos);
        slide->addElement(text);
        return text;
    }
    QPoint viewPoint(const QPointF& scenePos) const { return board->mapFromScene(scenePos); }
    void press(const QPoint& pos) const { QTest::mousePress(board->viewport(), Qt::LeftButton, {}, pos); }
    void release(const QPoint& pos) const { QTest::mouseRelease(board->viewport(), Qt::LeftButton, {}, pos); }
    void click(const QPoint& pos) const
    {
        press(pos);
        release(pos);
    }
    // QTest moves the real cursor for widgets, which the offscreen platform ignores.
    void moveTo(const QPoint& pos) const
    {
        QMouseEvent move(QEvent::MouseMove, pos, board->viewport()->mapToGlobal(pos), Qt::NoButton,
                         Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(board->viewport(), &move);
    }
    void drag(const QPoint& from, const QPoint& to, int steps = 4) const
    {
        press(from);
        for (int i = 1; i <= steps; ++i)
            moveTo(from + (to - from) * i / steps);
        release(to);
    }
    void type(const QString& keys) const { QTest::keyClicks(board.get(), keys); }

    std::unique_ptr<IBoard> board = std::make_unique<IBoard>();
    ISlide* slide = nullptr;
    bool ok = false;
};

// A shown board with one slide and a camera picture filling it, driven with
// the mouse like a user does, for the tests of the drawing and erasing tools.
#pragma once

#include "board/iboard.h"
#include "board/iboardstate.h"
#include "board/islide.h"
#include "board/item/ipixmapitem.h"
#include "board/mode/imodemanager.h"

#include <QApplication>
#include <QMouseEvent>
#include <QtTest>

#include <memory>

struct TestBoard
{
    TestBoard()
    {
        slide = new ISlide(board.get());
        board->insertSlide(slide, true);
        board->setPictureItem(new IPixmapItem(QSize(640, 360)));
        board->setPictureSize(QSizeF(640, 360));
        QImage picture(640, 360, QImage::Format_RGB888);
        picture.fill(Qt::white);
        board->setBackgroundImage(picture);
        board->resize(640, 360);
        board->show();
        shown = QTest::qWaitForWindowExposed(board.get());
    }

    // Makes the tool of that name current, also one no tool number selects.
    void use(const QString& name)
    {
        IModeManager* modes = board->modeManager();
        const int number = 100 + modes->modes().indexOf(modes->modeNamed(name));
        modes->registerMode(number, modes->modeNamed(name));
        board->setMode(number);
    }

    IBoardState* state() const { return board->boardState(); }
    QPointF scenePos(const QPoint& viewPos) const { return board->viewportTransform().inverted().map(QPointF(viewPos)); }

    void press(const QPoint& pos) const { QTest::mousePress(board->viewport(), Qt::LeftButton, {}, pos); }
    void release(const QPoint& pos) const { QTest::mouseRelease(board->viewport(), Qt::LeftButton, {}, pos); }
    // QTest moves the real cursor for widgets, which the offscreen platform ignores.
    void moveTo(const QPoint& pos) const
    {
        QMouseEvent move(QEvent::MouseMove, pos, board->viewport()->mapToGlobal(pos), Qt::NoButton,
                         Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(board->viewport(), &move);
    }
    // Press at the first point, through the others, release at the last.
    void stroke(const QList<QPoint>& points) const
    {
        press(points.first());
        for (const QPoint& p : points.mid(1))
            moveTo(p);
        release(points.last());
    }
    void tap(const QPoint& pos) const { stroke({pos}); }

    // Every item of the slide of type T.
    template <class T>
    QList<T*> itemsOf() const
    {
        QList<T*> found;
        for (QGraphicsItem* item : slide->items()) {
            if (item->type() == T::Type)
                found.append(static_cast<T*>(item));
        }
        return found;
    }

    std::unique_ptr<IBoard> board = std::make_unique<IBoard>();
    ISlide* slide = nullptr;
    bool shown = false;
};

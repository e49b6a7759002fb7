// One handle of the text frame: a picture that reports the presses, moves and
// releases it receives to the frame.
#pragma once

#include "board/item/ielementtype.h"

#include <QGraphicsPixmapItem>
#include <QObject>
#include <QString>

class QGraphicsSceneMouseEvent;

class ITextFrameButton : public QObject, public QGraphicsPixmapItem
{
    Q_OBJECT
public:
    enum { Type = TextFrameButtonType };

    // With clickOnPress the click is reported at the press, otherwise at the release.
    explicit ITextFrameButton(bool clickOnPress, const QString& name = QString(), QGraphicsItem* parent = nullptr);

    int type() const override { return Type; }
    QString name() const { return m_name; }
    bool isPressed() const { return m_pressed; }
    // Pictures taken of the slide leave the handle out.
    void setPaintSuppressed(bool suppressed) { m_paintSuppressed = suppressed; }
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

signals:
    void clicked(bool checked = false);
    void mousePress(QGraphicsSceneMouseEvent* event);
    void mouseMove(QGraphicsSceneMouseEvent* event);
    void mouseRelease(QGraphicsSceneMouseEvent* event);

protected:
    void mousePressEvent(QGraphicsSceneMouseEvent* event) override;
    void mouseMoveEvent(QGraphicsSceneMouseEvent* event) override;
    void mouseReleaseEvent(QGraphicsSceneMouseEvent* event) override;

private:
    bool m_pressed = false;
    bool m_clickOnPress = false;
    bool m_paintSuppressed = false;
    QString m_name;
};

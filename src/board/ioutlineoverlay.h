// The locked page outline over the board's camera picture: a quadrilateral
// kept in picture pixels, drawn wherever the view shows them, whose four
// corners the user drags.
#pragma once

#include <QPointF>
#include <QPolygonF>
#include <QSize>
#include <QWidget>

class IBoard;

class IOutlineOverlay : public QWidget
{
    Q_OBJECT
public:
    // Lies on `board`'s viewport, under the board's own pop-ups; hidden
    // until shown. Pointer input passes through it except on the corners.
    explicit IOutlineOverlay(IBoard* board);

    // Corners top-left, top-right, bottom-right, bottom-left in pixels of a
    // picture of `pictureSize`, as the board shows that picture.
    void setOutline(const QPolygonF& corners, const QSize& pictureSize);
    QPolygonF corners() const { return m_corners; }
    // Where corner `index` is on the board's viewport now.
    QPointF cornerInView(int index) const;
    // What the user takes corner `index` by.
    QWidget* handle(int index) const;

    void setVisible(bool visible) override;

signals:
    // A drag ended: the corners as the user left them, in picture pixels.
    void sgCornersChanged(QPolygonF corners);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QPointF toView(const QPointF& picturePoint) const;
    QPointF toPicture(const QPointF& viewPoint) const;
    // The corners' handles follow a zoom, pan, turn or resize.
    void followView();

    IBoard* m_board = nullptr;
    QPolygonF m_corners;
    QSize m_pictureSize;
    QWidget* m_handles[4] = {};
    // The corners where the handles were last put, in viewport pixels.
    QPolygonF m_placed;
    bool m_followPending = false;
    int m_dragged = -1;
    // From the pointer to the dragged corner, in viewport pixels.
    QPointF m_grab;
};

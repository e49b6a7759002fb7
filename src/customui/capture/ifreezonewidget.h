// The adjustable zone of a partial capture: eight handles to resize it, the
// inside to move it, never smaller than 200 x 200 reference pixels and
// never outside the widget.
#pragma once

#include <QPixmap>
#include <QWidget>

class IFreeZoneWidget : public QWidget
{
    Q_OBJECT
public:
    // Hit parts, in the order they are tested.
    enum Part {
        TopLeft = 0,
        TopCentre = 1,
        TopRight = 2,
        BottomLeft = 3,
        BottomCentre = 4,
        BottomRight = 5,
        LeftCentre = 6,
        RightCentre = 7,
        Inside = 8,
        Outside = 9,
    };

    explicit IFreeZoneWidget(QWidget* parent = nullptr);

    // Widget coordinates.
    QRect zone() const;
    // Made at least the minimum size and moved inside the widget.
    void setZone(const QRect& zone);
    int minimumZoneSide() const;
    int handleSize() const;
    // Where a handle's centre is, for each of the eight handles.
    QPoint handleCentre(int part) const;
    int hitPart(const QPoint& pos) const;
    // What shows under the zone (the board at the time the window opened).
    void setBackground(const QPixmap& background);

signals:
    void sgZoneChanged(QRect zone);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QRect fitted(QRect zone) const;
    void updateCursor(int part);

    QRect m_zone;
    QPoint m_pressPos;
    int m_part = Outside;
    bool m_pressed = false;
    QPixmap m_background;
};

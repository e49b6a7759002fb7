// A magnifying lens over the live picture on the board: it follows the
// pointer and shows the camera frame's own pixels under it, enlarged, not
// an enlarged copy of the screen.
#pragma once

#include <QPoint>
#include <QTransform>
#include <QVector>
#include <QWidget>

class IBoard;

class IMagnifierFrame : public QWidget
{
    Q_OBJECT
public:
    // A child of the board, hidden until switched on.
    explicit IMagnifierFrame(IBoard* board);

    bool isActive() const { return m_active; }
    // How much larger than the board shows it the lens shows the picture.
    static const QVector<double>& zoomSteps();
    double zoom() const;
    // The nearest step to `zoom`.
    void setZoom(double zoom);
    // Maps a point of the lens (its own coordinates) to the camera frame's
    // pixels, through the board's view transform.
    QTransform lensToFrame() const;

public slots:
    // Off also hides the lens; both toolbar buttons follow sgActiveChanged.
    void setActive(bool on);

signals:
    void sgActiveChanged(bool on);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    // Centres the lens on `viewportPos` (board viewport coordinates).
    void followPointer(const QPoint& viewportPos);
    void stepZoom(int steps);

    IBoard* m_board = nullptr;
    bool m_active = false;
    int m_step = 0;
    QPoint m_pointer;
};

// "Lock outline": the page outline kept for a series while the camera stays
// put. Every picture taken meanwhile is cut to it and straightened to one
// size, on a thread of its own, before it goes on to the save thread.
#pragma once

#include "icapturejob.h"
#include "opencv/ipageoutline.h"

#include <QObject>
#include <QPolygonF>
#include <QSize>
#include <QThreadPool>

class IImageTansformThread;
class QImage;

class IOutlineLock : public QObject
{
    Q_OBJECT
public:
    explicit IOutlineLock(QObject* parent = nullptr);
    // Waits for the picture being cut; pictures not cut yet are dropped.
    ~IOutlineLock() override;

    bool isLocked() const { return m_locked; }
    // Locks onto the page in `picture` (see IPageOutline::find for `found`).
    // False, and nothing locked, for a null picture.
    bool lock(const QImage& picture, bool* found = nullptr);
    void unlock();

    IPageOutline outline() const { return m_outline; }
    // Corners the user dragged, in the outline's picture pixels. False, and
    // nothing changes, when they cut out no page (crossed or folded).
    bool setCorners(const QPolygonF& corners);

    // The size the pictures of a series come out at, for pictures of
    // `pictureSize`. It follows the corners until a locked picture has been
    // taken or this has been called, then stays until unlocked.
    QSize fixOutputSize(const QSize& pictureSize);

    // Hands `job` on to `saver`: straight away while unlocked; while locked
    // composed with its annotations and cut to the outline first, jobs
    // keeping their order.
    void submit(ICaptureJob job, IImageTansformThread* saver);

signals:
    void sgLockedChanged(bool locked);
    // The corners, locked or dragged, in pixels of a picture of `pictureSize`.
    void sgOutlineChanged(QPolygonF corners, QSize pictureSize);

private:
    bool m_locked = false;
    IPageOutline m_outline;
    // The output size for pictures of the outline's own size, once fixed.
    QSize m_outputSize;
    // One thread: the pictures of a series reach the save thread in order.
    QThreadPool m_cutter;
};

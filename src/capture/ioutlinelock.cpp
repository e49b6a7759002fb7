// "Lock outline": the page outline kept for a series.
#include "capture/ioutlinelock.h"

#include "iimagetansformthread.h"

#include <QDebug>
#include <QPointer>

#include <algorithm>

IOutlineLock::IOutlineLock(QObject* parent)
    : QObject(parent)
{
    m_cutter.setMaxThreadCount(1);
}

IOutlineLock::~IOutlineLock()
{
    m_cutter.clear();
    m_cutter.waitForDone();
}

bool IOutlineLock::lock(const QImage& picture, bool* found)
{
    const IPageOutline outline = IPageOutline::find(picture, found);
    if (!outline.isValid())
        return false;
    m_outline = outline;
    m_outputSize = QSize();
    m_locked = true;
    qDebug() << "outline locked:" << m_outline.corners() << m_outline.pictureSize();
    emit sgOutlineChanged(m_outline.corners(), m_outline.pictureSize());
    emit sgLockedChanged(true);
    return true;
}

void IOutlineLock::unlock()
{
    if (!m_locked)
        return;
    m_locked = false;
    m_outputSize = QSize();
    qDebug() << "outline unlocked";
    emit sgLockedChanged(false);
}

bool IOutlineLock::setCorners(const QPolygonF& corners)
{
    const IPageOutline moved(corners, m_outline.pictureSize());
    if (!m_locked || !moved.isValid())
        return false;
    m_outline = moved;
    emit sgOutlineChanged(m_outline.corners(), m_outline.pictureSize());
    return true;
}

QSize IOutlineLock::fixOutputSize(const QSize& pictureSize)
{
    if (!m_locked || pictureSize.isEmpty())
        return QSize();
    // A series is useful at one size: a corner moved later re-aims the cut
    // but no longer resizes it.
    if (m_outputSize.isEmpty())
        m_outputSize = m_outline.uprightSize(m_outline.pictureSize());
    if (pictureSize == m_outline.pictureSize())
        return m_outputSize;
    const double sx = double(pictureSize.width()) / m_outline.pictureSize().width();
    const double sy = double(pictureSize.height()) / m_outline.pictureSize().height();
    return QSize(std::max(2, 2 * qRound(m_outputSize.width() * sx / 2.0)),
                 std::max(2, 2 * qRound(m_outputSize.height() * sy / 2.0)));
}

void IOutlineLock::submit(ICaptureJob job, IImageTansformThread* saver)
{
    if (!saver)
        return;
    if (!m_locked || (job.picture.isNull() && job.compressed.isNull())) {
        saver->addCaptureJob(job);
        return;
    }
    const QSize size = fixOutputSize(job.picture.isNull() ? job.compressed.size : job.picture.size());
    const IPageOutline outline = m_outline;
    QPointer<IImageTansformThread> target(saver);
    m_cutter.start([this, job, outline, size, target]() mutable {
        job.decodeCompressed();
        // The annotations lie over the page as the board showed them: they
        // are cut and straightened with it.
        const QImage page = outline.straighten(IImageTansformThread::compose(job.picture, job.overlay), size);
        if (page.isNull()) {
            // The whole picture is better than none.
            qDebug() << "outline cut failed; picture kept whole" << job.picture.size() << job.picture.format();
        } else {
            job.picture = page;
            job.overlay = QImage();
        }
        job.edgeAngle = -1.0;
        job.edgePolygon.clear();
        job.cropRect = QRect();
        QMetaObject::invokeMethod(
            this,
            [job, target] {
                if (target)
                    target->addCaptureJob(job);
            },
            Qt::QueuedConnection);
    });
}

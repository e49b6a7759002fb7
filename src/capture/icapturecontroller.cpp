// The capture road.
#include "capture/icapturecontroller.h"

#include "board/iboard.h"
#include "board/ioutlineoverlay.h"
#include "capture/ioutlinelock.h"
#include "customui/capture/icaptureframe.h"
#include "customui/capture/icapturemodeframe.h"
#include "customui/capture/itimercaptureframe.h"
#include "icamera.h"
#include "iimagetansformthread.h"
#include "opencv/ifilterkind.h"
#include "service/iconfigureservice.h"

#include <QClipboard>
#include <QDebug>
#include <QGuiApplication>
#include <QSound>
#include <QTimer>
#include <QWidget>

ICaptureController::ICaptureController(QWidget* window, IBoard* board, QObject* parent)
    : QObject(parent)
    , m_window(window)
    , m_board(board)
{
    // A still, or a network camera's own picture, taken on request.
    ICamera* camera = ICamera::instance();
    connect(camera, &ICamera::sgStillImage, this, &ICaptureController::submit);
    connect(camera, &ICamera::sgCaptureImage, this, &ICaptureController::submit);

    m_outlineLock = new IOutlineLock(this);
    m_outlineOverlay = new IOutlineOverlay(board);
    connect(m_outlineLock, &IOutlineLock::sgOutlineChanged, m_outlineOverlay, &IOutlineOverlay::setOutline);
    connect(m_outlineOverlay, &IOutlineOverlay::sgCornersChanged, this, [this](const QPolygonF& corners) {
        // A crossed or folded outline springs back.
        if (!m_outlineLock->setCorners(corners))
            m_outlineOverlay->setOutline(m_outlineLock->outline().corners(), m_outlineLock->outline().pictureSize());
    });
}

ICaptureController::~ICaptureController()
{
    stop();
}

void ICaptureController::start()
{
    if (m_imageThread)
        return;
    m_imageThread = new IImageTansformThread;
    connect(m_imageThread, &IImageTansformThread::sgCaptureFailed, this,
            [this](const QString&, const QString& error) {
                shotFailed(tr("The picture could not be saved: %1").arg(error));
            });
    // Exports of listed pictures run on the same thread.
    connect(m_imageThread, &IImageTansformThread::sgSaveFilesSuccess, this,
            [this] { emit sgMessage(tr("Save Successful."), 1000); });
    connect(m_imageThread, &IImageTansformThread::sgSaveFilesFailed, this, [this](const QStringList& failures) {
        emit sgMessage(tr("Some files could not be saved:\n%1").arg(failures.join('\n')), 3000);
    });
    m_imageThread->start();
}

void ICaptureController::stop()
{
    delete m_imageThread;
    m_imageThread = nullptr;
}

void ICaptureController::setTimerCapture(ITimerCaptureFrame* series)
{
    m_series = series;
    connect(series, &ITimerCaptureFrame::sgTakePicture, this, [this] { takePicture(FilterNone); });
}

void ICaptureController::snap(int mode)
{
    switch (mode) {
    case DefaultCapture: takePicture(FilterNone); break;
    case ScreenCapture: captureScreen(); break;
    case PartialCapture: showCaptureFrame(); break;
    case TimingCapture:
        if (m_series)
            m_series->showFrame(true);
        break;
    case ClipboardCapture: captureScreenToClipboard(); break;
    case BlackWhiteCapture: takePicture(FilterBlackWhite); break;
    case GrayCapture: takePicture(FilterGray); break;
    default: break;
    }
}

void ICaptureController::takePicture(int filterKind, bool cutToZone)
{
    if (!m_imageThread)
        return;
    m_cutToZone = cutToZone;
    emit sgSnapEnabled(false);
    ICamera* camera = ICamera::instance();
    if (camera->takesStills()) {
        if (camera->triggerStill(filterKind)) {
            // The still arrives through sgStillImage, a Wi-Fi camera's
            // through sgCaptureImage.
            const quint64 shot = ++m_stillShot;
            m_stillPending = true;
            QTimer::singleShot(camera->stillTimeoutMs(), this, [this, shot] {
                if (m_stillPending && shot == m_stillShot)
                    shotFailed(tr("The camera sent no picture."));
            });
            return;
        }
        // A Wi-Fi camera takes no picture while the last one is on its way
        // (nor before it is connected); the one on its way frees "Snap".
        if (ICameraInfo::current().type == NetworkCamera) {
            if (!m_snapHeld && !m_stillPending)
                emit sgSnapEnabled(true);
            emit sgMessage(tr("Saving, please wait!"), 1000);
            return;
        }
    }
    // While the view shows a reduced decode, the full picture is decoded
    // from the camera's own frame on the save thread.
    const ICompressedPicture compressed = camera->compressedPicture();
    if (!compressed.isNull())
        submitFrame(QImage(), compressed, filterKind);
    else
        submit(camera->picture(filterKind));
}

void ICaptureController::submit(const QImage& picture)
{
    submitFrame(picture, ICompressedPicture(), FilterNone);
}

void ICaptureController::submitFrame(const QImage& picture, const ICompressedPicture& compressed, int filterKind)
{
    if (!m_imageThread)
        return;
    m_stillPending = false;
    if (picture.isNull() && compressed.isNull()) {
        shotFailed(tr("The camera sent no picture."));
        return;
    }
    ICaptureJob job;
    job.picture = picture;
    job.compressed = compressed;
    job.filterKind = filterKind;
    const QSize size = picture.isNull() ? compressed.size : picture.size();
    const QSizeF shown = m_board->pictureSceneRect().size();
    job.scaleX = shown.width() > 0 ? size.width() / shown.width() : 1.0;
    job.scaleY = shown.height() > 0 ? size.height() / shown.height() : 1.0;
    job.rotation = m_board->rotation();
    job.overlay = m_board->renderAnnotations(job.scaleX, job.scaleY);
    job.targetFolder = IConfigureService::instance()->photoPath();
    if (m_cutToZone) {
        // The zone is what the user chose; straightening would move it.
        job.cropRect = zoneCrop(size, job.scaleX, job.scaleY);
        if (job.cropRect.isNull()) {
            shotFailed(tr("The chosen area does not cover the picture."));
            return;
        }
    } else if (m_outlineLock->isLocked()) {
        // Cut to the kept outline on the way.
        m_outlineLock->submit(job, m_imageThread);
        return;
    } else if (ICamera::instance()->isEdgeDetectionOn()) {
        // The camera keeps its last outline after automatic edging is
        // switched off; only a picture taken while it is on is cut to it.
        const IEdgeResult edge = ICamera::instance()->edgeResult();
        job.edgeAngle = edge.angle;
        job.edgePolygon = edge.corners;
    }
    m_imageThread->addCaptureJob(job);
}

void ICaptureController::setOutlineLocked(bool locked)
{
    ICamera* camera = ICamera::instance();
    if (locked && !m_outlineLock->isLocked()) {
        bool found = false;
        if (!m_outlineLock->lock(camera->picture(FilterNone), &found)) {
            emit sgMessage(tr("The camera sent no picture."), 3000);
        } else {
            if (!found)
                emit sgMessage(tr("No page was found: drag the corners of the outline onto the page."), 3000);
            // The kept outline stands in for the detector's, which would
            // draw a second one into the picture.
            m_edgeBeforeLock = camera->isEdgeDetectionOn();
            if (m_edgeBeforeLock) {
                camera->setEdgeDetection(false);
                emit sgEdgeDetectionChanged(false);
            }
            m_outlineOverlay->show();
        }
    } else if (!locked && m_outlineLock->isLocked()) {
        m_outlineLock->unlock();
        m_outlineOverlay->hide();
        if (m_edgeBeforeLock && !camera->isEdgeDetectionOn()) {
            camera->setEdgeDetection(true);
            emit sgEdgeDetectionChanged(true);
        }
        m_edgeBeforeLock = false;
    }
    emit sgOutlineLocked(m_outlineLock->isLocked());
}

void ICaptureController::shotFailed(const QString& message)
{
    m_stillPending = false;
    if (m_series)
        m_series->shotDone();
    if (!m_snapHeld)
        emit sgSnapEnabled(true);
    emit sgMessage(message, 3000);
}

void ICaptureController::pictureSaved(const QImage& picture, const QString& path)
{
    if (!path.isEmpty()) {
        qDebug() << "picture saved:" << path;
        playShutterSound();
        emit sgPictureSaved(picture, path);
        if (m_series)
            m_series->shotDone();
    }
    if (!m_snapHeld)
        emit sgSnapEnabled(true);
}

void ICaptureController::playShutterSound()
{
    if (IConfigureService::instance()->photoSound())
        QSound::play(QStringLiteral(":/root/root/photoSound.wav"));
}

void ICaptureController::captureScreen()
{
    if (!m_imageThread)
        return;
    m_snapHeld = true;
    emit sgSnapEnabled(false);
    QTimer::singleShot(1000, this, [this] {
        m_snapHeld = false;
        emit sgSnapEnabled(true);
    });
    // Saved like a camera picture, so that it joins the list with a file
    // that can be viewed, exported and deleted; the shutter sounds when it
    // is saved. The grab already shows the annotations, turned as on screen.
    ICaptureJob job;
    job.picture = m_window->grab().toImage();
    job.targetFolder = IConfigureService::instance()->photoPath();
    m_imageThread->addCaptureJob(job);
}

void ICaptureController::captureScreenToClipboard()
{
    playShutterSound();
    QGuiApplication::clipboard()->setImage(m_window->grab().toImage());
    emit sgMessage(tr("Succeed!"), 1000);
}

void ICaptureController::showCaptureFrame()
{
    if (!m_imageThread)
        return;
    m_board->zoomToFit();
    if (!m_captureFrame) {
        m_captureFrame = new ICaptureFrame(m_window);
        connect(m_captureFrame, &ICaptureFrame::sgSelect, this, [this](const QRect& zone) {
            IConfigureService::instance()->setFreeCaptureRect(zone);
            takePicture(FilterNone, true);
        });
    }
    QWidget* viewport = m_board->viewport();
    const QRect area(viewport->mapToGlobal(QPoint(0, 0)), viewport->size());
    m_captureFrame->showOver(area, viewport->grab(), IConfigureService::instance()->freeCaptureRect());
}

QRect ICaptureController::zoneCrop(const QSize& pictureSize, double scaleX, double scaleY) const
{
    const QRect zone = IConfigureService::instance()->freeCaptureRect();
    const QWidget* viewport = m_board->viewport();
    const QRect onBoard(viewport->mapFromGlobal(zone.topLeft()), zone.size());
    // A turned view maps the zone to a turned square: take what it covers.
    const QRectF picture = m_board->pictureSceneRect();
    const QRectF inScene = m_board->mapToScene(onBoard).boundingRect().intersected(picture);
    if (inScene.isEmpty())
        return QRect();
    const QRectF inPicture = inScene.translated(-picture.topLeft());
    return QRectF(inPicture.x() * scaleX, inPicture.y() * scaleY, inPicture.width() * scaleX,
                  inPicture.height() * scaleY)
        .toAlignedRect()
        .intersected(QRect(QPoint(0, 0), pictureSize));
}

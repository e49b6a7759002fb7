// Picture-in-picture of a second camera.
#include "customui/smallcamera/ismallcameraframe.h"

#include "camera/idshowsource.h"
#include "camera/inetworksource.h"
#include "directshow/idshowthread.h"
#include "icamera.h"
#include "icameraerror.h"
#include "iglobals.h"

#include <QDebug>
#include <QMouseEvent>
#include <QPainter>

namespace {

// Reference pixels.
const int kMargin = 16;
const int kBorder = 3;
const int kTitle = 26;

std::unique_ptr<ICameraSource> sourceFor(const ICameraInfo& camera)
{
    if (camera.type == NetworkCamera)
        return std::make_unique<INetworkSource>();
    auto source = std::make_unique<IDShowSource>();
    source->thread()->setStoresResolution(false);
    return source;
}

} // namespace

ISmallCameraFrame::ISmallCameraFrame(QWidget* board)
    : QWidget(board)
    , m_board(board)
{
    setObjectName(QStringLiteral("smallCameraFrame"));
    setCursor(Qt::SizeAllCursor);
    hide();
    m_board->installEventFilter(this);
}

ISmallCameraFrame::~ISmallCameraFrame()
{
    stop();
}

QList<ICameraInfo> ISmallCameraFrame::otherCameras()
{
    const QString current = ICameraInfo::current().devicePath;
    QList<ICameraInfo> others;
    for (const ICameraInfo& camera : ICamera::instance()->knownCameraInfo()) {
        if (camera.devicePath.compare(current, Qt::CaseInsensitive) != 0)
            others << camera;
    }
    return others;
}

void ISmallCameraFrame::setActive(bool on)
{
    if (!on) {
        if (isActive()) {
            stop();
            emit changeCameraIndex(-1);
        }
        emit sgActiveChanged(false);
        return;
    }
    if (isActive())
        return;
    const QList<ICameraInfo> others = otherCameras();
    if (others.isEmpty()) {
        emit sgMessage(tr("No camera device available"));
        emit sgActiveChanged(false);
        return;
    }
    if (!open(others.first())) {
        emit sgActiveChanged(false);
        return;
    }
    place(true);
    show();
    raise();
    emit sgActiveChanged(true);
}

void ISmallCameraFrame::showNextCamera()
{
    if (!isActive())
        return;
    const QList<ICameraInfo> others = otherCameras();
    int at = -1;
    for (int i = 0; i < others.size(); ++i) {
        if (others[i].devicePath == m_camera.devicePath)
            at = i;
    }
    if (others.isEmpty() || (others.size() == 1 && at == 0))
        return;
    if (open(others.at((at + 1) % others.size())))
        show();
    else
        setActive(false);
}

bool ISmallCameraFrame::open(const ICameraInfo& camera)
{
    stop();
    m_camera = camera;
    m_source = sourceFor(camera);
    // Queued by the source itself: frames come from its own thread.
    connect(m_source.get(), &ICameraSource::sgCameraFrame, this, [this](const QImage& frame) {
        m_frame = frame;
        update();
    });
    connect(m_source.get(), &ICameraSource::sgError, this, &ISmallCameraFrame::onSourceError);
    qDebug() << "picture-in-picture camera:" << camera.index << camera.name << camera.devicePath;
    if (!m_source->open(camera)) {
        stop();
        return false;
    }
    emit changeCameraIndex(camera.index);
    return true;
}

void ISmallCameraFrame::stop()
{
    // Deleting the source joins its thread and drops what it still queued.
    m_source.reset();
    m_camera = ICameraInfo();
    m_frame = QImage();
    hide();
}

void ISmallCameraFrame::onSourceError(int code)
{
    if (code != CameraOpenFailed && code != CameraLost)
        return;
    qDebug() << "picture-in-picture camera gone:" << code << m_camera.devicePath;
    // Not from inside the signal of the source being deleted.
    QMetaObject::invokeMethod(this, [this] { setActive(false); }, Qt::QueuedConnection);
}

void ISmallCameraFrame::slDeviceChanged(bool connected, const QString& devicePath)
{
    if (!connected && isActive() && devicePath.compare(m_camera.devicePath, Qt::CaseInsensitive) == 0)
        setActive(false);
}

void ISmallCameraFrame::releaseDevice(const QString& devicePath)
{
    slDeviceChanged(false, devicePath);
}

void ISmallCameraFrame::place(bool corner)
{
    const QSize board = m_board->size();
    const int margin = scaledPixels(kMargin);
    const int width = qMax(160, board.width() / 4);
    const int height = width * 9 / 16 + scaledPixels(kTitle);
    resize(width, height);
    QPoint at = corner ? QPoint(board.width() - width - margin, board.height() - height - margin) : pos();
    at.setX(qBound(0, at.x(), qMax(0, board.width() - width)));
    at.setY(qBound(0, at.y(), qMax(0, board.height() - height)));
    move(at);
}

bool ISmallCameraFrame::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_board && event->type() == QEvent::Resize && isActive())
        place(false);
    return false;
}

void ISmallCameraFrame::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const int border = qMax(1, scaledPixels(kBorder));
    const int title = scaledPixels(kTitle);
    painter.fillRect(rect(), QColor(45, 45, 48));
    painter.setPen(QColor(224, 224, 224));
    QFont font = painter.font();
    font.setPixelSize(qMax(10, scaledPixels(14)));
    painter.setFont(font);
    const QRect titleRect(border * 3, 0, width() - border * 6, title);
    painter.drawText(titleRect, Qt::AlignVCenter | Qt::AlignLeft,
                     painter.fontMetrics().elidedText(m_camera.name, Qt::ElideRight, titleRect.width()));
    const QRect view = rect().adjusted(border, title, -border, -border);
    painter.fillRect(view, Qt::black);
    if (!m_frame.isNull()) {
        QSize shown = m_frame.size().scaled(view.size(), Qt::KeepAspectRatio);
        QRect target(QPoint(0, 0), shown);
        target.moveCenter(view.center());
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(target, m_frame);
    }
    painter.setPen(QPen(QColor(235, 120, 7), border));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(rect()).adjusted(border / 2.0, border / 2.0, -border / 2.0, -border / 2.0));
}

void ISmallCameraFrame::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        m_dragging = true;
        m_dragFrom = event->globalPos() - pos();
    }
    event->accept();
}

void ISmallCameraFrame::mouseMoveEvent(QMouseEvent* event)
{
    if (m_dragging) {
        move(event->globalPos() - m_dragFrom);
        place(false);
    }
    event->accept();
}

void ISmallCameraFrame::mouseReleaseEvent(QMouseEvent* event)
{
    m_dragging = false;
    event->accept();
}

void ISmallCameraFrame::mouseDoubleClickEvent(QMouseEvent* event)
{
    showNextCamera();
    event->accept();
}

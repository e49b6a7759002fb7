// What every Wi-Fi document camera source shares.
#include "ffmpeg/wifirtsp/iwificamerathread.h"

#include "ffmpeg/wifirtsp/itcpsocket.h"
#include "ffmpeg/wifirtsp/iwifitimings.h"
#include "opencv/ifilterkind.h"
#include "opencv/iopencvapi.h"

#include <QDebug>
#include <QMutexLocker>
#include <QTimer>

IWifiCameraThread::IWifiCameraThread(const ICameraInfo& camera, IWifiControlProtocol::CameraType type,
                                     QObject* parent)
    : QThread(parent)
    , m_camera(camera)
    , m_protocol(new IWifiControlProtocol(type, this))
    , m_captureTimeoutMs(IWifiTimings::current().captureTimeoutMs)
{
    // The protocol's answers come on the socket thread and are acted on there.
    connect(m_protocol, &IWifiControlProtocol::sgBound, this, [this](bool ok) { onBound(ok); },
            Qt::DirectConnection);
    connect(m_protocol, &IWifiControlProtocol::sgSend, this, [this](const QByteArray& p) { sendPacket(p); },
            Qt::DirectConnection);
    connect(m_protocol, &IWifiControlProtocol::sgPicture, this, [this](const QImage& p) { onPicture(p); },
            Qt::DirectConnection);
    connect(m_protocol, &IWifiControlProtocol::sgResolutionChanged, this,
            &IWifiCameraThread::sgChangeResolutionFromOtherApp, Qt::DirectConnection);
    connect(this, &IWifiCameraThread::sgTcpDisconnect, this, &IWifiCameraThread::initSocket, Qt::QueuedConnection);
}

IWifiCameraThread::~IWifiCameraThread()
{
    closeSocket();
}

void IWifiCameraThread::closeSocket()
{
    ITcpSocket* socket = nullptr;
    {
        QMutexLocker lock(&m_socketMutex);
        std::swap(socket, m_socket);
    }
    if (socket) {
        disconnect(socket, nullptr, this, nullptr);
        delete socket; // ends its thread first
    }
}

QImage IWifiCameraThread::applyFilter(const QImage& picture, int filterKind)
{
    if (picture.isNull() || filterKind == FilterNone)
        return picture;
    QImage source = picture;
    // The filters read 8-bit grey, 24- and 32-bit colour; a decoded JPEG may
    // come in yet another format.
    switch (source.format()) {
    case QImage::Format_Indexed8:
    case QImage::Format_RGB32:
    case QImage::Format_ARGB32:
    case QImage::Format_ARGB32_Premultiplied:
    case QImage::Format_RGB888: break;
    default: source = source.convertToFormat(QImage::Format_RGB32); break;
    }
    return IOpencvApi::cvMat2Image(IOpencvApi::cvFilter(IOpencvApi::cvImage2Mat(source), filterKind));
}

bool IWifiCameraThread::stopRequested() const
{
    return m_stop.load();
}

void IWifiCameraThread::initSocket()
{
    closeSocket();
    if (stopRequested())
        return;
    m_protocol->reset();

    auto* socket = new ITcpSocket(m_camera.host, m_camera.port);
    connect(socket, &ITcpSocket::sgError, this, &IWifiCameraThread::slTcpError);
    // Reconnects at once, on this object's thread.
    connect(socket, &ITcpSocket::sgDisconnect, this, &IWifiCameraThread::initSocket, Qt::QueuedConnection);
    connect(socket, &ITcpSocket::sgReceivePacket, this, &IWifiCameraThread::slTcpReceivePacket,
            Qt::DirectConnection);
    connect(socket, &ITcpSocket::sgReadStalled, m_protocol, &IWifiControlProtocol::readStalled,
            Qt::DirectConnection);
    connect(socket, &QThread::finished, this, &IWifiCameraThread::onSocketFinished, Qt::QueuedConnection);
    {
        QMutexLocker lock(&m_socketMutex);
        m_socket = socket;
    }
    if (!m_captureTimer) {
        m_captureTimer = new QTimer(this);
        m_captureTimer->setSingleShot(true);
        m_captureTimer->setInterval(m_captureTimeoutMs);
        connect(m_captureTimer, &QTimer::timeout, this, &IWifiCameraThread::onCaptureTimeout);
    }
    socket->start();
}

void IWifiCameraThread::onSocketFinished()
{
    // A camera that could not be reached is tried again, so that a camera
    // coming back after a reboot is driven again.
    auto* socket = qobject_cast<ITcpSocket*>(sender());
    {
        QMutexLocker lock(&m_socketMutex);
        if (!socket || socket != m_socket || socket->wasConnected())
            return;
    }
    QTimer::singleShot(IWifiTimings::current().reconnectDelayMs, this, [this, socket] {
        bool current;
        {
            QMutexLocker lock(&m_socketMutex);
            current = socket == m_socket;
        }
        if (current && !stopRequested())
            initSocket();
    });
}

void IWifiCameraThread::sendPacket(const QByteArray& packet)
{
    if (packet.isEmpty())
        return;
    QMutexLocker lock(&m_socketMutex);
    if (m_socket)
        m_socket->send(packet);
}

QByteArray IWifiCameraThread::buildPacket(int command, const QVariant& data) const
{
    return m_protocol->buildPacket(command, data);
}

void IWifiCameraThread::Unpacket(const QByteArray& packet)
{
    m_protocol->Unpacket(packet);
}

void IWifiCameraThread::slTcpReceivePacket(QByteArray bytes)
{
    m_protocol->receive(bytes);
}

void IWifiCameraThread::slTcpError(QString text)
{
    qDebug() << "wifi tcp socket error: " << text;
}

void IWifiCameraThread::slTcpDisconnect()
{
    initSocket();
}

void IWifiCameraThread::onBound(bool ok)
{
    if (!ok)
        return;
    onBinding();
    if (m_capturePending) {
        qDebug() << "拍照超时：重连成功，发送拍照命令!";
        sendPacket(buildPacket(IWifiControlProtocol::TakePicture));
    } else {
        sendPacket(buildPacket(IWifiControlProtocol::QueryEncoding));
        sendPacket(buildPacket(IWifiControlProtocol::QueryDefaultQuality));
    }
}

void IWifiCameraThread::onPicture(const QImage& picture)
{
    if (picture.isNull()) {
        if (m_capturePending) {
            qDebug() << "拍照超时：TCP接收数据包不全，重新发送拍照命令!";
            sendPacket(buildPacket(IWifiControlProtocol::TakePicture));
        }
        return;
    }
    m_capturePending = false;
    int filter;
    {
        QMutexLocker lock(&m_stateMutex);
        filter = m_captureFilter;
    }
    emit sgCaptureImage(applyFilter(picture, filter));
}

void IWifiCameraThread::onCaptureTimeout()
{
    qDebug() << "10秒定时器---------------->" << m_capturePending.load();
    if (m_capturePending.exchange(false)) {
        qDebug() << "一次拍照失败，提示!";
        emit sgCaptureImage(QImage());
    }
    m_captureTimer->stop();
}

bool IWifiCameraThread::setCaptureFalg(int filterKind)
{
    if (m_capturePending) {
        qDebug() << "上次拍照还未结束，不处理。。。";
        return false;
    }
    {
        QMutexLocker lock(&m_stateMutex);
        m_captureFilter = filterKind;
    }
    if (!m_protocol->isBound())
        return false;
    qDebug() << "tcp socket take image request.";
    m_capturePending = true;
    sendPacket(buildPacket(IWifiControlProtocol::TakePicture));
    if (m_captureTimer)
        m_captureTimer->start();
    return true;
}

QVariant IWifiCameraThread::contrast() const
{
    return m_protocol->currentValue(IWifiControlProtocol::Contrast);
}

QVariant IWifiCameraThread::saturation() const
{
    return m_protocol->currentValue(IWifiControlProtocol::Saturation);
}

QVariant IWifiCameraThread::brightness() const
{
    return m_protocol->currentValue(IWifiControlProtocol::Brightness);
}

QSize IWifiCameraThread::resolution() const
{
    return m_protocol->resolution();
}

QList<QSize> IWifiCameraThread::supportedResolutions() const
{
    return IWifiControlProtocol::supportedResolutions(m_protocol->cameraType());
}

void IWifiCameraThread::setBrightness(const QVariant& value)
{
    sendPacket(m_protocol->qualityPacket(IWifiControlProtocol::Brightness, value.toInt()));
}

void IWifiCameraThread::setSaturation(const QVariant& value)
{
    sendPacket(m_protocol->qualityPacket(IWifiControlProtocol::Saturation, value.toInt()));
}

void IWifiCameraThread::setContrast(const QVariant& value)
{
    sendPacket(m_protocol->qualityPacket(IWifiControlProtocol::Contrast, value.toInt()));
}

void IWifiCameraThread::setResolution(const QSize& size)
{
    sendPacket(m_protocol->resolutionPacket(size));
}

void IWifiCameraThread::setAutoFocusFlag(const QVariant& value)
{
    if (value.toInt() == -999) {
        if (m_protocol->isBound())
            sendPacket(buildPacket(IWifiControlProtocol::AutoFocus));
        return;
    }
    sendPacket(m_protocol->qualityPacket(IWifiControlProtocol::Focus, value.toInt()));
}

void IWifiCameraThread::setAutoExposureFlag(const QVariant& value)
{
    if (value.toInt() == -999)
        return;
    sendPacket(m_protocol->qualityPacket(IWifiControlProtocol::Exposure, value.toInt()));
}

int IWifiCameraThread::switchLamp()
{
    {
        QMutexLocker lock(&m_socketMutex);
        if (!m_socket)
            return -1;
    }
    int step = 0;
    for (const QByteArray& packet : m_protocol->nextLampStep(&step))
        sendPacket(packet);
    return step;
}

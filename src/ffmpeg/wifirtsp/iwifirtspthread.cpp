// The capture source of a Wi-Fi document camera.
#include "ffmpeg/wifirtsp/iwifirtspthread.h"

#include "ffmpeg/wifirtsp/itcpsocket.h"
#include "ffmpeg/wifirtsp/iwifitimings.h"
#include "opencv/ifilterkind.h"
#include "opencv/iopencvapi.h"

#include <QDebug>
#include <QElapsedTimer>
#include <QMutexLocker>
#include <QTime>
#include <QTimer>

#include <opencv2/core.hpp>

namespace {

QString now()
{
    return QTime::currentTime().toString("hh:mm:ss zzz");
}

} // namespace

IWifiRtspThread::IWifiRtspThread(const ICameraInfo& camera, QObject* parent)
    : QThread(parent)
    , m_camera(camera)
    , m_protocol(new IWifiControlProtocol(this))
    , m_url(camera.devicePath)
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
            &IWifiRtspThread::sgChangeResolutionFromOtherApp, Qt::DirectConnection);
    connect(this, &IWifiRtspThread::sgTcpDisconnect, this, &IWifiRtspThread::initSocket, Qt::QueuedConnection);
}

IWifiRtspThread::~IWifiRtspThread()
{
    stopCamera();
    ITcpSocket* socket = nullptr;
    {
        QMutexLocker lock(&m_socketMutex);
        std::swap(socket, m_socket);
    }
    if (socket) {
        disconnect(socket, nullptr, this, nullptr);
        delete socket;
    }
}

QString IWifiRtspThread::rtspUrl() const
{
    QMutexLocker lock(&m_stateMutex);
    return m_url;
}

void IWifiRtspThread::setRtspUrl(const QString& url)
{
    QMutexLocker lock(&m_stateMutex);
    m_url = url;
}

void IWifiRtspThread::startCamera()
{
    m_stop = false;
    initSocket();
    if (!m_flushTimer) {
        m_flushTimer = new QTimer(this);
        m_flushTimer->setInterval(IWifiTimings::current().flushIntervalMs);
        connect(m_flushTimer, &QTimer::timeout, this, &IWifiRtspThread::slTimeOut);
        m_flushTimer->start();
    }
}

void IWifiRtspThread::stopCamera()
{
    {
        QMutexLocker lock(&m_stateMutex);
        m_stop = true;
    }
    requestInterruption();
    quit();
    wait();
}

bool IWifiRtspThread::stopRequested() const
{
    return m_stop.load();
}

void IWifiRtspThread::initSocket()
{
    ITcpSocket* old = nullptr;
    {
        QMutexLocker lock(&m_socketMutex);
        std::swap(old, m_socket);
    }
    if (old) {
        disconnect(old, nullptr, this, nullptr);
        delete old; // ends its thread first
    }
    if (stopRequested())
        return;
    m_protocol->reset();

    auto* socket = new ITcpSocket(m_camera.host, m_camera.port);
    connect(socket, &ITcpSocket::sgError, this, &IWifiRtspThread::slTcpError);
    // Reconnects at once, on this object's thread.
    connect(socket, &ITcpSocket::sgDisconnect, this, &IWifiRtspThread::initSocket, Qt::QueuedConnection);
    connect(socket, &ITcpSocket::sgReceivePacket, this, &IWifiRtspThread::slTcpReceivePacket,
            Qt::DirectConnection);
    connect(socket, &ITcpSocket::sgReadStalled, m_protocol, &IWifiControlProtocol::readStalled,
            Qt::DirectConnection);
    connect(socket, &QThread::finished, this, &IWifiRtspThread::onSocketFinished, Qt::QueuedConnection);
    {
        QMutexLocker lock(&m_socketMutex);
        m_socket = socket;
    }
    if (!m_captureTimer) {
        m_captureTimer = new QTimer(this);
        m_captureTimer->setSingleShot(true);
        m_captureTimer->setInterval(m_captureTimeoutMs);
        connect(m_captureTimer, &QTimer::timeout, this, &IWifiRtspThread::onCaptureTimeout);
    }
    socket->start();
}

void IWifiRtspThread::onSocketFinished()
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

void IWifiRtspThread::sendPacket(const QByteArray& packet)
{
    if (packet.isEmpty())
        return;
    QMutexLocker lock(&m_socketMutex);
    if (m_socket)
        m_socket->send(packet);
}

QByteArray IWifiRtspThread::buildPacket(int command, const QVariant& data) const
{
    return m_protocol->buildPacket(command, data);
}

void IWifiRtspThread::Unpacket(const QByteArray& packet)
{
    m_protocol->Unpacket(packet);
}

void IWifiRtspThread::slTcpReceivePacket(QByteArray bytes)
{
    m_protocol->receive(bytes);
}

void IWifiRtspThread::slTcpError(QString text)
{
    qDebug() << "wifi tcp socket error: " << text;
}

void IWifiRtspThread::slTcpDisconnect()
{
    initSocket();
}

void IWifiRtspThread::slTimeOut()
{
    QMutexLocker lock(&m_stateMutex);
    m_flushRequested = true;
}

void IWifiRtspThread::onBound(bool ok)
{
    if (!ok)
        return;
    {
        QMutexLocker lock(&m_stateMutex);
        if (!m_stop && !isRunning())
            start();
    }
    if (m_capturePending) {
        qDebug() << "拍照超时：重连成功，发送拍照命令!";
        sendPacket(buildPacket(IWifiControlProtocol::TakePicture));
    } else {
        sendPacket(buildPacket(IWifiControlProtocol::QueryEncoding));
        sendPacket(buildPacket(IWifiControlProtocol::QueryDefaultQuality));
    }
}

void IWifiRtspThread::onPicture(const QImage& picture)
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
    if (filter == FilterNone) {
        emit sgCaptureImage(picture);
        return;
    }
    emit sgCaptureImage(IOpencvApi::cvMat2Image(IOpencvApi::cvFilter(IOpencvApi::cvImage2Mat(picture), filter)));
}

void IWifiRtspThread::onCaptureTimeout()
{
    qDebug() << "10秒定时器---------------->" << m_capturePending.load();
    if (m_capturePending.exchange(false)) {
        qDebug() << "一次拍照失败，提示!";
        emit sgCaptureImage(QImage());
    }
    m_captureTimer->stop();
}

bool IWifiRtspThread::setCaptureFalg(int filterKind)
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

QImage IWifiRtspThread::grabFrame(int filterKind)
{
    QImage latest;
    {
        QMutexLocker lock(&m_stateMutex);
        latest = m_latest;
    }
    if (latest.isNull() || filterKind == FilterNone)
        return latest;
    return IOpencvApi::cvMat2Image(IOpencvApi::cvFilter(IOpencvApi::cvImage2Mat(latest), filterKind));
}

QVariant IWifiRtspThread::contrast() const
{
    return m_protocol->currentValue(IWifiControlProtocol::Contrast);
}

QVariant IWifiRtspThread::saturation() const
{
    return m_protocol->currentValue(IWifiControlProtocol::Saturation);
}

QVariant IWifiRtspThread::brightness() const
{
    return m_protocol->currentValue(IWifiControlProtocol::Brightness);
}

QSize IWifiRtspThread::resolution() const
{
    return m_protocol->resolution();
}

QList<QSize> IWifiRtspThread::supportedResolutions() const
{
    return IWifiControlProtocol::supportedResolutions();
}

IEdgeResult IWifiRtspThread::edgeResult() const
{
    QMutexLocker lock(&m_stateMutex);
    return m_edge;
}

void IWifiRtspThread::setBrightness(const QVariant& value)
{
    sendPacket(m_protocol->qualityPacket(IWifiControlProtocol::Brightness, value.toInt()));
}

void IWifiRtspThread::setSaturation(const QVariant& value)
{
    sendPacket(m_protocol->qualityPacket(IWifiControlProtocol::Saturation, value.toInt()));
}

void IWifiRtspThread::setContrast(const QVariant& value)
{
    sendPacket(m_protocol->qualityPacket(IWifiControlProtocol::Contrast, value.toInt()));
}

void IWifiRtspThread::setResolution(const QSize& size)
{
    sendPacket(m_protocol->resolutionPacket(size));
}

void IWifiRtspThread::setAutoFocusFlag(const QVariant& value)
{
    if (value.toInt() == -999) {
        if (m_protocol->isBound())
            sendPacket(buildPacket(IWifiControlProtocol::AutoFocus));
        return;
    }
    sendPacket(m_protocol->qualityPacket(IWifiControlProtocol::Focus, value.toInt()));
}

void IWifiRtspThread::setAutoExposureFlag(const QVariant& value)
{
    if (value.toInt() == -999)
        return;
    sendPacket(m_protocol->qualityPacket(IWifiControlProtocol::Exposure, value.toInt()));
}

int IWifiRtspThread::switchLamp()
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

void IWifiRtspThread::setOutputEnabled(bool enabled)
{
    QMutexLocker lock(&m_stateMutex);
    m_outputEnabled = enabled;
}

void IWifiRtspThread::setAutoEdge(bool enabled)
{
    QMutexLocker lock(&m_stateMutex);
    m_autoEdge = enabled;
}

int IWifiRtspThread::initrtsp()
{
    return m_stream.open(rtspUrl(), m_protocol->rtspOverTcp(), IWifiTimings::current().rtspTimeoutUs, &m_stop);
}

bool IWifiRtspThread::reopenrtsp()
{
    m_stream.clearLossStates();
    m_stream.close();
    if (initrtsp() < 0) {
        qDebug() << "reopen rtsp error,exit application";
        return false;
    }
    m_stream.setupConverter();
    qDebug() << "reopen rtsp " << now();
    return true;
}

void IWifiRtspThread::run()
{
    if (initrtsp() < 0) {
        emit sgError(1);
        return;
    }
    QMetaObject::invokeMethod(
        this,
        [this] {
            QTimer::singleShot(500, this, [this] {
                if (!stopRequested())
                    emit sgError(0);
            });
        },
        Qt::QueuedConnection);
    // Losses seen while the stream was probed are kept: the probed packets
    // are the first ones read below.
    m_stream.setupConverter();

    const int reopenAfterMs = IWifiTimings::current().reopenAfterMs;
    QElapsedTimer failing;
    // Pictures are shown from a key frame on: at the start, after lost or
    // damaged data, after the output was off and after the demuxer dropped
    // what it held. Anything else would show a picture built on a missing one.
    bool withholding = true;
    bool told = false;
    while (!stopRequested()) {
        const int read = m_stream.readPacket();
        if (read < 0) {
            if (stopRequested())
                break;
            if (!failing.isValid())
                failing.start();
            qDebug() << "av_read_frame: " << read << failing.elapsed();
            if (failing.elapsed() <= reopenAfterMs) {
                msleep(50);
                continue;
            }
            qDebug() << "rtsp device connect error...";
            failing.invalidate();
            if (!reopenrtsp()) {
                emit sgError(1);
                QMutexLocker lock(&m_stateMutex);
                m_stop = true;
                break;
            }
            withholding = true;
            continue;
        }
        failing.invalidate();

        bool output;
        bool autoEdge;
        {
            QMutexLocker lock(&m_stateMutex);
            output = m_outputEnabled;
            autoEdge = m_autoEdge;
        }
        if (!output) {
            m_stream.releasePacket();
            withholding = true;
            continue;
        }
        if (!m_stream.packetIsVideo()) {
            qDebug() << "packet->stream_index not video stream";
            m_stream.releasePacket();
            continue;
        }
        const bool keyPacket = m_stream.packetIsKey();
        const IRtspStream::DecodeResult result = m_stream.decode();
        m_stream.releasePacket();
        if (m_stream.decoderSize() != m_stream.converterSize()) {
            qDebug() << "rtsp resolution change before size: " << m_stream.converterSize();
            qDebug() << "rtsp resolution change after size: " << m_stream.decoderSize();
            m_stream.setupConverter();
            continue;
        }
        const bool key = result == IRtspStream::Picture && (keyPacket || m_stream.pictureIsKey());
        const bool broken = m_stream.takeLossOrError();
        if (broken)
            withholding = true;
        if (withholding) {
            if (!key || broken) {
                if (!told)
                    qDebug() << "ffmpeg源码 <====> 丢包或者编码失败 不显示图片";
                told = true;
                continue;
            }
            // The demuxer is not flushed here: it already holds the start of
            // the next picture, which a flush would cut.
            withholding = false;
            told = false;
            qDebug() << "ffmpeg源码 <====> 丢包或者编码失败 到达下一个I帧 开始显示图片";
        }
        if (result == IRtspStream::DecodeError) {
            qDebug() << "decode error.\n";
            continue;
        }
        if (result == IRtspStream::NoPicture) {
            qDebug() << "got_picture < 0 ";
            continue;
        }
        if (m_stream.pictureSize() != m_stream.decoderSize()) {
            qDebug() << "切换分辨率之后 frame大小还是原来分辨率大小,跳过该帧.";
            continue;
        }
        QImage picture = m_stream.convert();
        if (picture.isNull())
            continue;
        IEdgeResult edge;
        if (autoEdge) {
            cv::Mat frame(picture.height(), picture.width(), CV_8UC4, picture.bits(), size_t(picture.bytesPerLine()));
            edge = IOpencvApi::cvEdgeDetect(frame);
        }
        bool flush;
        {
            QMutexLocker lock(&m_stateMutex);
            m_latest = picture;
            if (autoEdge)
                m_edge = edge;
            flush = m_flushRequested && key;
            if (flush)
                m_flushRequested = false;
        }
        emit sgCameraFrame(picture);
        if (flush) {
            m_stream.flush();
            qDebug() << "I frame avformat_flush cache." << now();
            // The flush cut the picture after this one.
            withholding = true;
        }
    }
    m_stream.close();
    qDebug() << "exit rtsp stream";
}

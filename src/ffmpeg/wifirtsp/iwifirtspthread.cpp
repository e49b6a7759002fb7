// The capture source of a Wi-Fi document camera.
#include "ffmpeg/wifirtsp/iwifirtspthread.h"

#include "ffmpeg/wifirtsp/iwifitimings.h"
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
    : IWifiCameraThread(camera, IWifiControlProtocol::RtspCamera, parent)
    , m_url(camera.devicePath)
{
}

IWifiRtspThread::~IWifiRtspThread()
{
    stopCamera();
    closeSocket();
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

void IWifiRtspThread::slTimeOut()
{
    QMutexLocker lock(&m_stateMutex);
    m_flushRequested = true;
}

void IWifiRtspThread::onBinding()
{
    QMutexLocker lock(&m_stateMutex);
    if (!m_stop && !isRunning())
        start();
}

QImage IWifiRtspThread::grabFrame(int filterKind)
{
    QImage latest;
    {
        QMutexLocker lock(&m_stateMutex);
        latest = m_latest;
    }
    return applyFilter(latest, filterKind);
}

IEdgeResult IWifiRtspThread::edgeResult() const
{
    QMutexLocker lock(&m_stateMutex);
    return m_edge;
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

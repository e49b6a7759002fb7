// Recording session of the recorder program.
#include "recorder.h"

#include "audiocapture.h"
#include "muxer.h"
#include "videocapture.h"

#include <QCoreApplication>
#include <QFile>

#include <cstdio>
#include <cstdlib>

namespace {

// How long the capture threads get to finish after a stop before the file
// is closed without them.
constexpr int kStopGraceMs = 10000;

} // namespace

Recorder::Recorder(const QStringList& args, QObject* parent)
    : QObject(parent)
    , m_args(args)
{
    connect(&m_client, &ControlClient::connected, this, &Recorder::onConnected);
    connect(&m_client, &ControlClient::commandReceived, this, &Recorder::onCommand);
    connect(&m_client, &ControlClient::disconnected, this, &Recorder::onConnectionClosed);
    connect(&m_client, &ControlClient::connectFailed, this, [this](const QString& reason) {
        std::fprintf(stderr, "ScreenRecord: %s\n", qPrintable(reason));
        end(2);
    });
    m_stopWatchdog.setSingleShot(true);
    m_stopWatchdog.setInterval(kStopGraceMs);
    connect(&m_stopWatchdog, &QTimer::timeout, this, [this] {
        qWarning("the capture threads did not stop in time; closing the file without them");
        finishFile();
        // Threads stuck in a device read cannot be joined; leave at once.
        m_client.flushAndClose();
        std::fflush(stderr);
        std::_Exit(m_failure.isEmpty() ? 0 : 1);
    });
}

Recorder::~Recorder()
{
    releaseCaptures();
}

void Recorder::begin()
{
    const quint16 port = ControlClient::portFromEnvironment();
    if (port == 0) {
        std::fprintf(stderr, "ScreenRecord: %s holds no port number\n", kRecorderPortVariable);
        end(2);
        return;
    }
    m_client.connectTo(port);
}

void Recorder::onConnected()
{
    m_client.send("0");
    QString error;
    if (!m_options.parse(m_args, &error)) {
        qWarning("cannot record: %s", qPrintable(error));
        m_client.send("3;" + error.toUtf8());
        end(1);
        return;
    }
    qInfo("recording %s, zone %d,%d %dx%d at %d fps (first start: %d)", qPrintable(m_options.filePath),
          m_options.zone.x(), m_options.zone.y(), m_options.zone.width(), m_options.zone.height(),
          m_options.frameRate, m_options.firstStart ? 1 : 0);
    if (!startRecording(&error)) {
        qWarning("cannot record: %s", qPrintable(error));
        releaseCaptures();
        m_client.send("3;" + error.toUtf8());
        end(1);
        return;
    }
    m_state = State::Recording;
}

bool Recorder::startRecording(QString* error)
{
    m_muxer = std::make_unique<Muxer>();
    m_video = std::make_unique<VideoCapture>(&m_clock, m_muxer.get());
    m_audio = std::make_unique<AudioCapture>(&m_clock, m_muxer.get());
    if (!m_muxer->create(m_options.filePath, m_options.containerName, error))
        return false;
    if (!m_video->open(m_options.zone, m_options.frameRate, error))
        return false;
    const QRect zone = m_video->grabbedZone();
    qInfo("grabbing %d,%d %dx%d", zone.x(), zone.y(), zone.width(), zone.height());
    qInfo("audio: %s", qPrintable(m_audio->open()));
    if (!m_video->addStream(error) || !m_audio->addStream(error))
        return false;
    if (!m_muxer->writeHeader(error)) {
        // Nothing usable was written; no half file left behind.
        m_muxer.reset();
        QFile::remove(m_options.filePath);
        return false;
    }
    connect(m_video.get(), &VideoCapture::firstFrameWritten, this, [this] {
        if (m_state == State::Recording && !m_reportedRecording) {
            m_reportedRecording = true;
            m_client.send("2");
        }
    });
    connect(m_video.get(), &VideoCapture::failed, this, &Recorder::onCaptureFailed);
    connect(m_audio.get(), &AudioCapture::failed, this, &Recorder::onCaptureFailed);
    connect(m_video.get(), &VideoCapture::finished, this, &Recorder::onCaptureFinished);
    connect(m_audio.get(), &AudioCapture::finished, this, &Recorder::onCaptureFinished);
    m_clock.start();
    m_capturesRunning = 2;
    m_video->start();
    m_audio->start();
    return true;
}

void Recorder::onCommand(int command)
{
    switch (command) {
    case ControlClient::Stop:
        qInfo("stop");
        stopRecording();
        break;
    case ControlClient::Pause:
        qInfo("pause");
        m_clock.pause();
        break;
    case ControlClient::Resume:
        qInfo("resume");
        m_clock.resume();
        break;
    default:
        break;
    }
}

void Recorder::onConnectionClosed()
{
    if (m_state == State::Ended)
        return;
    qInfo("the main program closed the connection");
    if (m_state == State::Recording)
        stopRecording(); // the file is finished first, then the end
    else if (m_state == State::Connecting)
        end(1);
}

void Recorder::terminate()
{
    if (m_state == State::Ended)
        return;
    qInfo("asked to terminate");
    if (m_state == State::Recording)
        stopRecording();
    else if (m_state == State::Connecting)
        end(1);
}

void Recorder::stopRecording()
{
    if (m_state != State::Recording)
        return;
    m_state = State::Stopping;
    m_video->requestStop();
    m_audio->requestStop();
    m_stopWatchdog.start();
}

void Recorder::onCaptureFailed(const QString& reason)
{
    qWarning("recording failed: %s", qPrintable(reason));
    if (m_failure.isEmpty())
        m_failure = reason;
    stopRecording();
}

void Recorder::onCaptureFinished()
{
    if (--m_capturesRunning > 0)
        return;
    m_stopWatchdog.stop();
    m_video->join();
    m_audio->join();
    finishFile();
    end(m_failure.isEmpty() ? 0 : 1);
}

void Recorder::finishFile()
{
    QString error;
    if (!m_muxer->finish(&error) && m_failure.isEmpty())
        m_failure = error;
    const long long written = m_video->framesWritten();
    qInfo("video frames written: %lld, dropped (encoder behind): %lld, frame periods missed: %lld", written,
          m_video->framesDropped(), m_video->periodsMissed());
    if (m_failure.isEmpty() && written == 0)
        m_failure = QStringLiteral("no frame was recorded");
    if (m_failure.isEmpty()) {
        qInfo("saved %s", qPrintable(m_options.filePath));
        m_client.send("1;" + m_options.filePath.toUtf8());
    } else {
        qWarning("%s kept as far as it was recorded: %s", qPrintable(m_options.filePath), qPrintable(m_failure));
        m_client.send("3;" + m_failure.toUtf8());
    }
}

void Recorder::end(int exitCode)
{
    if (m_state == State::Ended)
        return;
    m_state = State::Ended;
    m_client.flushAndClose();
    emit done(exitCode);
}

void Recorder::releaseCaptures()
{
    // Captures first: their threads write into the muxer.
    m_video.reset();
    m_audio.reset();
    m_muxer.reset();
}

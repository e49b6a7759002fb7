// One recording session: connects to the main program, records the zone
// into the file and reports each step, following the program's commands.
#pragma once

#include "controlclient.h"
#include "pauseclock.h"
#include "recorderoptions.h"

#include <QObject>
#include <QStringList>
#include <QTimer>

#include <memory>

class AudioCapture;
class Muxer;
class VideoCapture;

class Recorder : public QObject
{
    Q_OBJECT
public:
    explicit Recorder(const QStringList& args, QObject* parent = nullptr);
    ~Recorder() override;

    // Connects to the main program; the rest follows from there.
    void begin();
    // Finishes the file (if any) and ends, as for a closed connection.
    void terminate();

signals:
    // The session is over; the process should exit with `exitCode`.
    void done(int exitCode);

private:
    enum class State { Connecting, Recording, Stopping, Ended };

    void onConnected();
    void onCommand(int command);
    void onConnectionClosed();
    bool startRecording(QString* error);
    void stopRecording();
    void onCaptureFailed(const QString& reason);
    void onCaptureFinished();
    void finishFile();
    void end(int exitCode);
    void releaseCaptures();

    QStringList m_args;
    RecorderOptions m_options;
    ControlClient m_client;
    PauseClock m_clock;
    std::unique_ptr<Muxer> m_muxer;
    std::unique_ptr<VideoCapture> m_video;
    std::unique_ptr<AudioCapture> m_audio;
    QTimer m_stopWatchdog;
    State m_state = State::Connecting;
    QString m_failure;
    int m_capturesRunning = 0;
    bool m_reportedRecording = false;
};

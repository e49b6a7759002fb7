// The screen recorder's control server on the loopback interface: starts our
// recorder program, sends it stop, pause and resume, and turns its reports
// into recordMessage(code, info). Lives on the GUI thread.
#pragma once

#include "ffmpeg/itsmtstream.h"

#include <QRect>
#include <QTcpServer>
#include <QTimer>

class IRecorderProcess;
class QTcpSocket;

class ITcpServer : public QTcpServer
{
    Q_OBJECT
public:
    // Report codes (the recorder's first field) and the disconnect code.
    enum Code { Connected = 0, Saved = 1, Started = 2, StartFailed = 3, Disconnected = 4 };

    // Starts listening at once.
    explicit ITcpServer(QObject* parent = nullptr);
    ~ITcpServer() override;

    void starSocketListen();
    void stopSocketListen();
    // The port the recorder must connect to (0 while not listening).
    quint16 controlPort() const;

    // Starts the recorder program for `region` (screen pixels) into
    // `fileName`. A previous recorder process is ended first. Always true:
    // trouble is reported later through recordMessage(StartFailed, reason).
    virtual bool startRecordVideo(const QString& fileName, const QRect& region, const int& frameRate);
    // Commands; nothing is sent while the recorder is not connected.
    virtual void stopRecordVideo();
    virtual void pauseRecordVideo(bool pause);
    virtual bool isRecorderConnected() const;
    // Ends the recorder process this server started, with its children.
    virtual void closeProcess();

    // False when there is no recorder connection.
    bool SendMessageToClient(const QByteArray& payload);

    // The recorder program; by default ScreenRecord/ScreenRecord beside the
    // executable.
    void setRecorderProgram(const QString& path);
    QString recorderProgram() const;
    // How long a started recorder may take to say whether recording began.
    void setStartTimeoutMs(int ms);

signals:
    void error(QString text);
    // Connected, Saved (info = the file), Started, StartFailed (info = why,
    // for the user; empty when the recorder gave no reason), Disconnected.
    void recordMessage(int code, QString info = QString());

protected:
    void incomingConnection(qintptr socketDescriptor) override;

private slots:
    void onReadMessageSlot();
    void onDisconnectedSlot();

private:
    void handlePayload(const QByteArray& payload);
    // A start that has not yet heard Started or StartFailed fails with `reason`.
    void failPendingStart(const QString& reason);
    // Ends the recorder and reports StartFailed with `reason`.
    void startFailed(const QString& reason);

    QString m_listenAddress = QStringLiteral("127.0.0.1");
    quint16 m_listenPort = kRecorderControlPort;
    ITsmtStream m_stream;
    QTcpSocket* m_client = nullptr;
    bool m_connected = false;
    bool m_firstStart = true;
    IRecorderProcess* m_process = nullptr;
    QString m_program;
    // From a start until the recorder says Started or StartFailed.
    bool m_startPending = false;
    QTimer m_startTimer;
};

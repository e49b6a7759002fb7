// The recorder's end of the control connection to the main program: TSMT
// packets over loopback TCP, reports out and commands in.
#pragma once

#include "ffmpeg/itsmtstream.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTcpSocket>
#include <QTimer>

class ControlClient : public QObject
{
    Q_OBJECT
public:
    enum Command { Stop = 1, Pause = 2, Resume = 3 };

    explicit ControlClient(QObject* parent = nullptr);

    // The port from VESKAROO_RECORDER_PORT, else the fixed one; 0 when the
    // variable holds no usable port.
    static quint16 portFromEnvironment();

    // Connects to 127.0.0.1:`port`, retrying for `retryMs` while the main
    // program may still be getting ready.
    void connectTo(quint16 port, int retryMs = 5000);
    // Sends one report; the text goes as it is.
    void send(const QByteArray& report);
    bool isConnected() const;
    // Writes out what is queued (bounded wait), then closes.
    void flushAndClose(int timeoutMs = 2000);

signals:
    void connected();
    void connectFailed(const QString& reason);
    void commandReceived(int command);
    void disconnected();

private:
    void tryConnect();
    void onError(QAbstractSocket::SocketError error);
    void onReadyRead();

    QTcpSocket m_socket;
    ITsmtStream m_stream;
    QTimer m_retry;
    QElapsedTimer m_sinceFirstTry;
    quint16 m_port = 0;
    int m_retryMs = 0;
    bool m_wasConnected = false;
    bool m_closing = false;
};

// Control connection client of the recorder.
#include "controlclient.h"

#include <QHostAddress>

ControlClient::ControlClient(QObject* parent)
    : QObject(parent)
{
    m_retry.setSingleShot(true);
    m_retry.setInterval(200);
    connect(&m_retry, &QTimer::timeout, this, &ControlClient::tryConnect);
    connect(&m_socket, &QTcpSocket::connected, this, [this] {
        m_wasConnected = true;
        emit connected();
    });
    connect(&m_socket, &QTcpSocket::errorOccurred, this, &ControlClient::onError);
    connect(&m_socket, &QTcpSocket::readyRead, this, &ControlClient::onReadyRead);
    connect(&m_socket, &QTcpSocket::disconnected, this, [this] {
        if (m_wasConnected && !m_closing)
            emit disconnected();
    });
}

quint16 ControlClient::portFromEnvironment()
{
    if (!qEnvironmentVariableIsSet(kRecorderPortVariable))
        return kRecorderControlPort;
    bool ok = false;
    const int port = qEnvironmentVariable(kRecorderPortVariable).trimmed().toInt(&ok);
    if (!ok || port <= 0 || port > 65535)
        return 0;
    return quint16(port);
}

void ControlClient::connectTo(quint16 port, int retryMs)
{
    m_port = port;
    m_retryMs = retryMs;
    m_sinceFirstTry.start();
    tryConnect();
}

void ControlClient::tryConnect()
{
    m_socket.abort();
    m_socket.connectToHost(QHostAddress(QHostAddress::LocalHost), m_port);
}

void ControlClient::onError(QAbstractSocket::SocketError error)
{
    if (m_wasConnected) {
        // A reset connection is a closed one; the disconnected signal follows
        // when the socket was connected, else say it here.
        if (m_socket.state() == QAbstractSocket::UnconnectedState && !m_closing)
            emit disconnected();
        return;
    }
    Q_UNUSED(error);
    if (m_sinceFirstTry.elapsed() + m_retry.interval() < m_retryMs) {
        m_retry.start();
        return;
    }
    emit connectFailed(QStringLiteral("cannot connect to 127.0.0.1:%1: %2").arg(m_port).arg(m_socket.errorString()));
}

void ControlClient::onReadyRead()
{
    const QList<QByteArray> payloads = m_stream.feed(m_socket.readAll());
    for (const QByteArray& payload : payloads) {
        bool ok = false;
        const int command = payload.trimmed().toInt(&ok);
        if (ok && (command == Stop || command == Pause || command == Resume))
            emit commandReceived(command);
        else
            qInfo("ignoring unknown command \"%s\"", payload.left(40).constData());
    }
}

void ControlClient::send(const QByteArray& report)
{
    if (m_socket.state() != QAbstractSocket::ConnectedState)
        return;
    m_socket.write(ITsmtStream::pack(report));
    m_socket.flush();
}

bool ControlClient::isConnected() const
{
    return m_socket.state() == QAbstractSocket::ConnectedState;
}

void ControlClient::flushAndClose(int timeoutMs)
{
    m_closing = true;
    if (m_socket.state() == QAbstractSocket::ConnectedState) {
        while (m_socket.bytesToWrite() > 0 && m_socket.waitForBytesWritten(timeoutMs)) {
        }
        m_socket.disconnectFromHost();
        if (m_socket.state() != QAbstractSocket::UnconnectedState)
            m_socket.waitForDisconnected(timeoutMs);
    }
    m_socket.abort();
}

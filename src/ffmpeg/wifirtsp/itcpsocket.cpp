// The Wi-Fi camera's control connection.
#include "ffmpeg/wifirtsp/itcpsocket.h"

#include "ffmpeg/wifirtsp/iwifitimings.h"

#include <QDebug>
#include <QEventLoop>
#include <QMutexLocker>
#include <QTcpSocket>
#include <QTimer>

ITcpSocket::ITcpSocket(const QString& address, const int& port)
    : m_port(port)
    , m_address(address)
{
}

ITcpSocket::~ITcpSocket()
{
    stop();
    wait();
}

void ITcpSocket::send(const QByteArray& packet)
{
    QMutexLocker lock(&m_sendLock);
    m_sendQueue.append(packet);
}

void ITcpSocket::stop()
{
    m_stopping = true;
    quit();
}

void ITcpSocket::run()
{
    qDebug() << "ip: " << m_address << " port: " << m_port;
    const IWifiTimings timings = IWifiTimings::current();
    QTcpSocket socket;
    m_socket = &socket;

    // The connection is awaited in the event loop, not in a blocking wait,
    // so that stopping the camera never waits out the connection time-out.
    bool connected = false;
    {
        QEventLoop waiting;
        QTimer timeout;
        timeout.setSingleShot(true);
        connect(&timeout, &QTimer::timeout, &waiting, &QEventLoop::quit);
        connect(&socket, &QTcpSocket::connected, &waiting, &QEventLoop::quit);
        connect(&socket, &QAbstractSocket::errorOccurred, &waiting, &QEventLoop::quit);
        socket.connectToHost(m_address, quint16(m_port), QIODevice::ReadWrite);
        timeout.start(timings.connectTimeoutMs);
        if (!m_stopping)
            waiting.exec();
        connected = socket.state() == QAbstractSocket::ConnectedState;
    }
    if (!connected || m_stopping) {
        qDebug() << "tcp connect server error: " << socket.errorString();
        socket.abort();
        m_socket = nullptr;
        return;
    }
    connect(&socket, &QTcpSocket::disconnected, this, &ITcpSocket::slDisconnectedSlot, Qt::DirectConnection);
    connect(&socket, &QTcpSocket::readyRead, this, &ITcpSocket::slReadMessageSlot, Qt::DirectConnection);
    connect(&socket, &QAbstractSocket::errorOccurred, this, &ITcpSocket::slErrorSlot, Qt::DirectConnection);
    m_connected = true;

    QTimer sendTimer;
    sendTimer.setInterval(50);
    connect(&sendTimer, &QTimer::timeout, this, &ITcpSocket::slSendMessageToServerSlot, Qt::DirectConnection);
    QTimer stallTimer;
    stallTimer.setSingleShot(true);
    stallTimer.setInterval(timings.readStallMs);
    connect(&stallTimer, &QTimer::timeout, this, &ITcpSocket::sgReadStalled, Qt::DirectConnection);
    m_stallTimer = &stallTimer;

    qDebug() << "connect tcp server successful!";
    {
        QMutexLocker lock(&m_sendLock);
        m_sendQueue.prepend(QByteArray(4, char(0xff)));
    }
    sendTimer.start();
    // Bytes that came with the connection are read at once.
    if (socket.bytesAvailable() > 0)
        slReadMessageSlot();
    if (!m_stopping)
        exec();

    sendTimer.stop();
    stallTimer.stop();
    m_stallTimer = nullptr;
    // Our own ending is no loss of the camera.
    disconnect(&socket, nullptr, this, nullptr);
    socket.disconnectFromHost();
    socket.abort();
    m_socket = nullptr;
    qDebug() << "socket thread exit.";
}

void ITcpSocket::slSendMessageToServerSlot()
{
    QList<QByteArray> queue;
    {
        QMutexLocker lock(&m_sendLock);
        queue.swap(m_sendQueue);
    }
    if (queue.isEmpty() || !m_socket)
        return;
    for (const QByteArray& packet : queue) {
        const qint64 written = m_socket->write(packet);
        const bool flushed = m_socket->flush();
        qDebug() << QString("socket send data len:%1").arg(written) << flushed << packet.toHex(' ');
    }
}

void ITcpSocket::slReadMessageSlot()
{
    if (!m_socket)
        return;
    const QByteArray bytes = m_socket->readAll();
    if (bytes.isEmpty())
        return;
    if (m_stallTimer)
        m_stallTimer->start();
    emit sgReceivePacket(bytes);
}

void ITcpSocket::slDisconnectedSlot()
{
    qDebug() << "disconnect from server.";
    emit sgDisconnect();
    quit();
}

void ITcpSocket::slErrorSlot()
{
    const QString text = m_socket ? m_socket->errorString() : QString();
    qDebug() << "tcp socket error: " << text;
    emit sgError(text);
}

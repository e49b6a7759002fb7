// The Wi-Fi camera's control connection on a thread of its own: connects,
// opens with FF FF FF FF, writes queued packets every 50 ms and hands on
// whatever it reads.
#pragma once

#include <QByteArray>
#include <QList>
#include <QMutex>
#include <QString>
#include <QThread>

#include <atomic>

class QTcpSocket;
class QTimer;

class ITcpSocket : public QThread
{
    Q_OBJECT
public:
    ITcpSocket(const QString& address, const int& port);
    // Ends the connection and waits for the thread.
    ~ITcpSocket() override;

    // Thread-safe: queues a packet; it goes out with the next send tick.
    virtual void send(const QByteArray& packet);
    // Thread-safe: ends the connection and the thread's loop.
    void stop();
    // Whether the connection was ever established.
    bool wasConnected() const { return m_connected; }

signals:
    void sgError(QString text);
    void sgDisconnect();
    // The bytes of one read, emitted on the socket thread.
    void sgReceivePacket(QByteArray bytes);
    // Bytes came, then nothing for the stall time: a packet in progress will
    // not be completed.
    void sgReadStalled();

protected:
    void run() override;

private slots:
    void slReadMessageSlot();
    void slDisconnectedSlot();
    void slSendMessageToServerSlot();
    void slErrorSlot();

private:
    QTcpSocket* m_socket = nullptr;
    QTimer* m_stallTimer = nullptr;
    QMutex m_sendLock;
    QList<QByteArray> m_sendQueue;
    int m_port = 0;
    QString m_address;
    std::atomic<bool> m_connected{false};
    std::atomic<bool> m_stopping{false};
};

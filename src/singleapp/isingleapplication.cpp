// A widgets application of which one copy runs per user and data folder.
#include "singleapp/isingleapplication.h"

#include <QCryptographicHash>
#include <QDataStream>
#include <QDir>
#include <QElapsedTimer>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QStandardPaths>
#include <QThread>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace {

// Copies are told apart per id, user and data root: two copies on one
// profile would fight over its settings file, two profiles never meet.
QString instanceName(const QString& id)
{
    const QByteArray key = id.toUtf8() + '\n'
        + QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation).toUtf8() + '\n'
#ifdef Q_OS_UNIX
        + QByteArray::number(qulonglong(::getuid()));
#else
        + qgetenv("USERNAME");
#endif
    const QByteArray hash = QCryptographicHash::hash(key, QCryptographicHash::Sha1).toHex().left(16);
    return id + '-' + QString::fromLatin1(hash);
}

const char kAck = '\x06';

} // namespace

ISingleApplication::ISingleApplication(const QString& id, int& argc, char** argv)
    : QApplication(argc, argv)
    , m_id(id)
    , m_serverName(instanceName(id))
    , m_lock(new QLockFile(QDir::temp().filePath(m_serverName + ".lock")))
{
    // A lock left by a crashed copy is stale once its process is gone;
    // QLockFile checks the process id itself.
    m_lock->setStaleLockTime(0);
    m_running = !m_lock->tryLock(0);
    if (!m_running)
        listen();
}

ISingleApplication::~ISingleApplication()
{
    if (m_server)
        m_server->close();
}

bool ISingleApplication::isRunning() const
{
    return m_running;
}

QString ISingleApplication::id() const
{
    return m_id;
}

void ISingleApplication::listen()
{
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    // We hold the lock, so any socket file left behind is a dead copy's.
    QLocalServer::removeServer(m_serverName);
    if (!m_server->listen(m_serverName)) {
        qCritical() << "single instance: cannot listen on" << m_serverName << m_server->errorString();
        return;
    }
    connect(m_server, &QLocalServer::newConnection, this, &ISingleApplication::readConnection);
}

void ISingleApplication::readConnection()
{
    while (QLocalSocket* socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket]() {
            QDataStream in(socket);
            in.startTransaction();
            QString text;
            in >> text;
            if (!in.commitTransaction())
                return;
            socket->write(&kAck, 1);
            socket->flush();
            emit messageReceived(text);
        });
    }
}

bool ISingleApplication::sendMessage(const QString& text, int timeoutMs)
{
    if (!m_running)
        return false;
    QElapsedTimer clock;
    clock.start();
    auto remaining = [&]() { return int(qMax<qint64>(0, timeoutMs - clock.elapsed())); };

    QLocalSocket socket;
    // The running copy may still be starting its server: retry until the
    // time-out.
    forever {
        socket.connectToServer(m_serverName);
        if (socket.waitForConnected(qMin(remaining(), 500)))
            break;
        if (remaining() == 0)
            return false;
        QThread::msleep(50);
    }
    QByteArray block;
    QDataStream out(&block, QIODevice::WriteOnly);
    out << text;
    socket.write(block);
    if (!socket.waitForBytesWritten(remaining()))
        return false;
    while (socket.bytesAvailable() < 1) {
        if (!socket.waitForReadyRead(remaining()))
            return false;
    }
    char ack = 0;
    socket.getChar(&ack);
    return ack == kAck;
}

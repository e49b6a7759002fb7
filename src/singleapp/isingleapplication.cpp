// A widgets application of which one copy runs per user and data folder.
#include "singleapp/isingleapplication.h"

#include <QCryptographicHash>
#include <QDataStream>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
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
{
    // Qt answers a temporary folder that does not exist with an empty path,
    // which would put the lock into whatever folder the program started in.
    const QString folder = QDir::tempPath();
    if (folder.isEmpty()) {
        m_lockProblem = QStringLiteral("the temporary folder %1 does not exist; another copy is not looked for")
                            .arg(qEnvironmentVariable("TMPDIR"));
        return;
    }
    m_lock.reset(new QLockFile(folder + '/' + m_serverName + ".lock"));
    // A lock left by a crashed copy is stale once its process is gone;
    // QLockFile checks the process id itself.
    m_lock->setStaleLockTime(0);
    if (takeLock()) {
        listen();
        return;
    }
    // Only a lock held by a live copy means another copy. Any other failure
    // (an unwritable temporary folder...) must not keep the user from the
    // program: it starts, without the one-copy guard.
    m_running = m_lock->error() == QLockFile::LockFailedError;
    if (!m_running)
        m_lockProblem = describeLockFailure();
}

bool ISingleApplication::takeLock()
{
    if (m_lock->tryLock(0))
        return true;
    if (m_lock->error() != QLockFile::LockFailedError || holderKnown())
        return false;
    // A lock file that names no process (cut short by a crash or a full
    // disk) is never judged stale and would keep every copy out. A copy
    // that has just created it is still writing its name: give it a moment.
    QThread::msleep(200);
    if (m_lock->tryLock(0))
        return true;
    if (m_lock->error() != QLockFile::LockFailedError || holderKnown())
        return false;
    m_lock->removeStaleLockFile();
    return m_lock->tryLock(0);
}

bool ISingleApplication::holderKnown() const
{
    qint64 pid = 0;
    QString hostName;
    QString appName;
    return m_lock->getLockInfo(&pid, &hostName, &appName);
}

QString ISingleApplication::describeLockFailure() const
{
    const QString folder = QDir::tempPath();
    QString why;
    if (!QFileInfo(folder).isDir())
        why = QStringLiteral("%1 is no folder").arg(folder);
    else if (m_lock->error() == QLockFile::PermissionError)
        why = QStringLiteral("no permission");
    else
        why = QStringLiteral("unknown error");
    return QStringLiteral("cannot take the lock %1 (%2); another copy is not looked for")
        .arg(folder + '/' + m_serverName + ".lock", why);
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

QString ISingleApplication::lockProblem() const
{
    return m_lockProblem;
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

// The screen recorder's control server.
#include "ffmpeg/wifirtsp/itcpserver.h"

#include "ffmpeg/irecorderprocess.h"
#include "iprogramfiles.h"

#include <QCoreApplication>
#include <QDebug>
#include <QProcessEnvironment>
#include <QTcpSocket>

namespace {

constexpr int kDefaultStartTimeoutMs = 15000;
// What leaving a recorder gives it to finish its file before it is killed.
constexpr int kProcessGraceMs = 3000;

// Everything after the first ";" (a path may hold ";" itself).
QString afterFirstField(const QString& text)
{
    const int separator = text.indexOf(QLatin1Char(';'));
    return separator < 0 ? QString() : text.mid(separator + 1);
}

} // namespace

ITcpServer::ITcpServer(QObject* parent)
    : QTcpServer(parent)
    , m_program(IProgramFiles().recorder())
{
    m_startTimer.setSingleShot(true);
    m_startTimer.setInterval(kDefaultStartTimeoutMs);
    connect(&m_startTimer, &QTimer::timeout, this, [this] {
        failPendingStart(tr("The screen recorder did not answer within %1 seconds.")
                             .arg(m_startTimer.interval() / 1000.0));
    });
    starSocketListen();
}

ITcpServer::~ITcpServer()
{
    closeProcess();
}

void ITcpServer::setRecorderProgram(const QString& path)
{
    m_program = path;
}

QString ITcpServer::recorderProgram() const
{
    return m_program;
}

void ITcpServer::setStartTimeoutMs(int ms)
{
    m_startTimer.setInterval(ms);
}

quint16 ITcpServer::controlPort() const
{
    return isListening() ? serverPort() : 0;
}

void ITcpServer::starSocketListen()
{
    if (isListening()) {
        qDebug() << "has listening: " << m_listenAddress << serverPort();
        return;
    }
    const QHostAddress address(m_listenAddress);
    bool listening = listen(address, m_listenPort);
    if (!listening) {
        // Ports below 1024 need privileges here, and another copy may hold
        // it: any free loopback port will do, the recorder learns it from
        // its environment.
        qDebug() << "tcpserver cannot listen on" << m_listenPort << errorString() << "- taking a free port";
        listening = listen(address, 0);
    }
    if (listening) {
        qDebug() << "tcpserver start listen: " << m_listenAddress << serverPort();
    } else {
        emit error(QStringLiteral("server listen error!"));
        qDebug() << "tcpserver listen error: " << errorString();
    }
}

void ITcpServer::stopSocketListen()
{
    if (m_client) {
        disconnect(m_client, nullptr, this, nullptr);
        m_client->close();
        delete m_client;
        m_client = nullptr;
    }
    m_connected = false;
    m_stream.clear();
    close();
    disconnect(this, nullptr, nullptr, nullptr);
    qDebug() << "tcpserver stopSocketListen...";
}

void ITcpServer::incomingConnection(qintptr socketDescriptor)
{
    auto* socket = new QTcpSocket(this);
    if (!socket->setSocketDescriptor(socketDescriptor, QAbstractSocket::ConnectedState, QIODevice::ReadWrite)) {
        const QString text = socket->errorString();
        delete socket;
        emit error(text);
        qDebug() << "tcpserver incomingConnection error: " << text;
        return;
    }
    // A newer recorder replaces the old connection; what the old one still
    // says (or its going away) must not be taken for the new one's.
    if (m_client) {
        disconnect(m_client, nullptr, this, nullptr);
        m_client->abort();
        m_client->deleteLater();
    }
    m_connected = false;
    m_stream.clear();
    connect(socket, &QTcpSocket::readyRead, this, &ITcpServer::onReadMessageSlot);
    connect(socket, &QTcpSocket::disconnected, this, &ITcpServer::onDisconnectedSlot);
    m_client = socket;
    qDebug() << "tcpsocket incomingConnection...";
}

void ITcpServer::onReadMessageSlot()
{
    if (!m_client)
        return;
    const QList<QByteArray> payloads = m_stream.feed(m_client->readAll());
    for (const QByteArray& payload : payloads)
        handlePayload(payload);
}

void ITcpServer::handlePayload(const QByteArray& payload)
{
    const QString text = QString::fromLocal8Bit(payload);
    bool ok = false;
    const int code = text.section(QLatin1Char(';'), 0, 0).toInt(&ok);
    if (!ok)
        return;
    switch (code) {
    case Connected:
        m_connected = true;
        qDebug() << QStringLiteral("连接成功：");
        emit recordMessage(Connected, QString());
        break;
    case Saved: {
        const QString path = afterFirstField(text);
        qDebug() << QStringLiteral("录屏成功：") + path;
        emit recordMessage(Saved, path);
        break;
    }
    case Started:
        m_startPending = false;
        m_startTimer.stop();
        qDebug() << QStringLiteral("开始录屏");
        emit recordMessage(Started, QString());
        break;
    case StartFailed:
        qDebug() << QStringLiteral("开始录屏失败") << afterFirstField(text);
        startFailed(afterFirstField(text));
        break;
    default: break;
    }
}

void ITcpServer::onDisconnectedSlot()
{
    if (m_client && sender() == m_client) {
        m_connected = false;
        m_client->deleteLater();
        m_client = nullptr;
        m_stream.clear();
        failPendingStart(tr("The screen recorder stopped before recording began."));
        emit recordMessage(Disconnected, QString());
    }
    qDebug() << "ScreenRecord disconnect.";
}

bool ITcpServer::startRecordVideo(const QString& fileName, const QRect& region, const int& frameRate)
{
    const QStringList args = {
        fileName,
        QString::number(region.left()),
        QString::number(region.top()),
        QString::number(region.width()),
        QString::number(region.height()),
        m_firstStart ? QStringLiteral("1") : QStringLiteral("0"),
        QString::number(frameRate),
    };
    m_firstStart = false;
    closeProcess();
    m_startPending = true;
    if (!isListening())
        starSocketListen();
    if (!isListening()) {
        startFailed(tr("The program cannot take a port for the screen recorder: %1").arg(errorString()));
        return true;
    }

    auto* process = new IRecorderProcess(this);
    m_process = process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QString::fromLatin1(kRecorderPortVariable), QString::number(controlPort()));
    process->setProcessEnvironment(env);
    process->setStandardOutputFile(QProcess::nullDevice());
    // What the recorder says goes into our log, and its pipe never fills.
    connect(process, &QProcess::readyReadStandardError, this, [process] {
        const QList<QByteArray> lines = process->readAllStandardError().split('\n');
        for (const QByteArray& line : lines)
            if (!line.trimmed().isEmpty())
                qDebug() << "ScreenRecord:" << QString::fromLocal8Bit(line);
    });
    connect(process, &QProcess::errorOccurred, this, [this, process](QProcess::ProcessError problem) {
        if (problem == QProcess::FailedToStart && process == m_process)
            failPendingStart(tr("The screen recorder could not be started: %1").arg(process->errorString()));
    });
    connect(process, QOverload<int, QProcess::ExitStatus>::of(&QProcess::finished), this, [this, process] {
        if (process == m_process)
            failPendingStart(tr("The screen recorder ended before recording began."));
    });

    m_startTimer.start();
    process->start(m_program, args, QIODevice::ReadWrite);
    const bool started = process->waitForStarted(30000);
    qDebug() << "start ScreenRecord:" << started << args;
    return true;
}

void ITcpServer::failPendingStart(const QString& reason)
{
    if (m_startPending)
        startFailed(reason);
}

void ITcpServer::startFailed(const QString& reason)
{
    m_startPending = false;
    m_startTimer.stop();
    qDebug() << "recording could not start:" << reason;
    // A recorder that answers late must not start recording after all.
    closeProcess();
    emit recordMessage(StartFailed, reason);
}

void ITcpServer::stopRecordVideo()
{
    if (m_connected)
        SendMessageToClient(QByteArrayLiteral("1"));
}

void ITcpServer::pauseRecordVideo(bool pause)
{
    if (m_connected)
        SendMessageToClient(pause ? QByteArrayLiteral("2") : QByteArrayLiteral("3"));
}

bool ITcpServer::isRecorderConnected() const
{
    return m_connected;
}

bool ITcpServer::SendMessageToClient(const QByteArray& payload)
{
    if (!m_client)
        return false;
    const qint64 written = m_client->write(ITsmtStream::pack(payload));
    qDebug() << QStringLiteral("socket send data len:%1").arg(written);
    return true;
}

void ITcpServer::closeProcess()
{
    if (!m_process)
        return;
    IRecorderProcess* process = m_process;
    m_process = nullptr;
    disconnect(process, nullptr, this, nullptr);
    // Its connection goes with it, silently: a disconnect now would read as
    // the next recorder's.
    if (m_client) {
        disconnect(m_client, nullptr, this, nullptr);
        m_client->abort();
        m_client->deleteLater();
        m_client = nullptr;
        m_connected = false;
        m_stream.clear();
    }
    process->endTree(kProcessGraceMs);
    // May run inside one of the process's own signals.
    process->deleteLater();
}

// Stands in for the screen recorder: takes its command line, connects to the
// control server and answers as the mode in FAKE_RECORDER_MODE says. Writes
// its arguments, its port and every command it gets to FAKE_RECORDER_LOG.
//   normal  reports 0 and 2; a stop writes the file and reports "1;file"
//   silent  never connects
//   exit    exits at once without connecting
//   refuse  reports 0, then "3;no display here"
//   quiet   reports 0 and nothing else
//   child   as normal, and starts a child process that sleeps
//   idle    sleeps, touches nothing (an unrelated process of the same name)
#include "ffmpeg/itsmtstream.h"

#include <QCoreApplication>
#include <QFile>
#include <QTcpSocket>
#include <QThread>

#include <unistd.h>

namespace {

QByteArray g_mode;
QString g_log;

void note(const QByteArray& line)
{
    QFile file(g_log);
    if (!g_log.isEmpty() && file.open(QIODevice::Append))
        file.write(line + '\n');
}

void send(QTcpSocket& socket, const QByteArray& payload)
{
    socket.write(ITsmtStream::pack(payload));
    socket.flush();
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    g_mode = qgetenv("FAKE_RECORDER_MODE");
    if (g_mode.isEmpty())
        g_mode = "normal";
    g_log = QString::fromLocal8Bit(qgetenv("FAKE_RECORDER_LOG"));
    const QStringList args = app.arguments().mid(1);
    note("args " + args.join(QLatin1Char('|')).toLocal8Bit());
    note("port " + qgetenv(kRecorderPortVariable));
    note("pid " + QByteArray::number(app.applicationPid()));

    if (g_mode == "exit")
        return 3;
    if (g_mode == "silent" || g_mode == "idle") {
        QThread::sleep(120);
        return 0;
    }
    if (g_mode == "child") {
        // A plain child, in the recorder's own process group.
        const pid_t pid = fork();
        if (pid == 0) {
            execlp("sleep", "sleep", "120", static_cast<char*>(nullptr));
            _exit(127);
        }
        note("child " + QByteArray::number(pid));
    }

    const quint16 port = quint16(qEnvironmentVariableIntValue(kRecorderPortVariable));
    QTcpSocket socket;
    socket.connectToHost(QStringLiteral("127.0.0.1"), port ? port : kRecorderControlPort);
    if (!socket.waitForConnected(5000))
        return 2;
    send(socket, "0");
    if (g_mode == "refuse")
        send(socket, "3;no display here");
    else if (g_mode != "quiet")
        send(socket, "2");

    const QString file = args.value(0);
    ITsmtStream stream;
    QObject::connect(&socket, &QTcpSocket::readyRead, [&] {
        const QList<QByteArray> commands = stream.feed(socket.readAll());
        for (const QByteArray& command : commands) {
            note("command " + command);
            if (command == "1") {
                QFile out(file);
                if (out.open(QIODevice::WriteOnly))
                    out.write("video");
                out.close();
                send(socket, "1;" + file.toLocal8Bit());
            }
        }
    });
    QObject::connect(&socket, &QTcpSocket::disconnected, &app, [] {
        note("disconnected");
        QCoreApplication::exit(0);
    });
    return app.exec();
}

// Routes every Qt diagnostic message into the daily log file.
#include "imessagehandler.h"

#include "iglobals.h"

#include <QFile>
#include <QMutex>
#include <QMutexLocker>

void IMessageHandler::install()
{
    qInstallMessageHandler(&IMessageHandler::handle);
}

QString IMessageHandler::formatLine(QtMsgType type, const QMessageLogContext& context,
                                    const QString& text, const QDateTime& when)
{
    QString prefix;
    switch (type) {
    case QtDebugMsg: prefix = QStringLiteral("Debug:"); break;
    case QtCriticalMsg: prefix = QStringLiteral("Critical:"); break;
    case QtFatalMsg: prefix = QStringLiteral("Fatal:"); break;
    default: break;
    }
    const QString where = QStringLiteral("File:(%1) Line:(%2) Function(%3)")
                              .arg(QString::fromUtf8(context.file))
                              .arg(context.line)
                              .arg(QString::fromUtf8(context.function));
    const QString time = QStringLiteral("(%1)").arg(when.toString("yyyy-MM-dd hh:mm:ss zzz"));
    return QStringLiteral("%1 %2 %3    %4").arg(time, prefix, text, where);
}

QString IMessageHandler::logFilePath(const QDate& day)
{
    return appDataPath("other/") + QStringLiteral("/log_%1.txt").arg(day.toString("yyyyMMdd"));
}

bool IMessageHandler::appendLine(const QString& path, const QString& line)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append))
        return false;
    const QByteArray bytes = line.toUtf8() + "\r\n";
    const bool ok = file.write(bytes) == bytes.size();
    file.flush();
    file.close();
    return ok;
}

void IMessageHandler::handle(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (type == QtWarningMsg)
        return;
    static QMutex mutex;
    QMutexLocker lock(&mutex);
    const QDateTime now = QDateTime::currentDateTime();
    appendLine(logFilePath(now.date()), formatLine(type, context, text, now));
}

// Routes every Qt diagnostic message into the daily log file.
#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QtGlobal>

class IMessageHandler
{
public:
    // Installs handle() as the process's Qt message handler.
    static void install();

    // Thread-safe: one process-wide mutex serialises the file writes, so
    // lines from several threads never mix.
    static void handle(QtMsgType type, const QMessageLogContext& context, const QString& text);

    // The line written for one message, without the trailing "\r\n".
    static QString formatLine(QtMsgType type, const QMessageLogContext& context,
                              const QString& text, const QDateTime& when);

    // The daily log file shared with the configuration service's custom log.
    static QString logFilePath(const QDate& day);

    // Appends text + "\r\n" to the file, flushing and closing at once.
    static bool appendLine(const QString& path, const QString& line);
};

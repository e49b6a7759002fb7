// Records the program's log lines while a test runs, from any thread.
#pragma once

#include <QMutex>
#include <QStringList>
#include <QtGlobal>

class LogRecorder
{
public:
    // Starts recording (one recorder at a time); lines are not printed
    // unless VESKAROO_TEST_LOG is set.
    LogRecorder();
    ~LogRecorder();

    QStringList lines() const;
    // Lines that contain `text`.
    int count(const QString& text) const;
    void clear();

private:
    static void handle(QtMsgType type, const QMessageLogContext& context, const QString& message);

    mutable QMutex m_mutex;
    QStringList m_lines;
    QtMessageHandler m_previous = nullptr;
};

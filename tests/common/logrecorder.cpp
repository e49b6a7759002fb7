// Records the program's log lines while a test runs.
#include "common/logrecorder.h"

#include <QMutexLocker>

namespace {
LogRecorder* g_recorder = nullptr;
QMutex g_recorderMutex;
} // namespace

LogRecorder::LogRecorder()
{
    QMutexLocker lock(&g_recorderMutex);
    g_recorder = this;
    m_previous = qInstallMessageHandler(&LogRecorder::handle);
}

LogRecorder::~LogRecorder()
{
    QMutexLocker lock(&g_recorderMutex);
    qInstallMessageHandler(m_previous);
    g_recorder = nullptr;
}

void LogRecorder::handle(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    QMutexLocker lock(&g_recorderMutex);
    if (!g_recorder)
        return;
    {
        QMutexLocker lines(&g_recorder->m_mutex);
        g_recorder->m_lines << message;
    }
    if (type != QtDebugMsg || qEnvironmentVariableIsSet("VESKAROO_TEST_LOG")) {
        if (g_recorder->m_previous)
            g_recorder->m_previous(type, context, message);
    }
}

QStringList LogRecorder::lines() const
{
    QMutexLocker lock(&m_mutex);
    return m_lines;
}

int LogRecorder::count(const QString& text) const
{
    QMutexLocker lock(&m_mutex);
    int n = 0;
    for (const QString& line : m_lines)
        n += line.contains(text) ? 1 : 0;
    return n;
}

void LogRecorder::clear()
{
    QMutexLocker lock(&m_mutex);
    m_lines.clear();
}

// The recorder child in a process group of its own (POSIX).
#include "ffmpeg/irecorderprocess.h"

#include <cerrno>
#include <csignal>
#include <unistd.h>

IRecorderProcess::IRecorderProcess(QObject* parent)
    : QProcess(parent)
{
    // Kept past the child's end: children it left behind still carry it.
    connect(this, &QProcess::started, this, [this] { m_group = processId(); });
}

IRecorderProcess::~IRecorderProcess()
{
    endTree(0);
}

void IRecorderProcess::setupChildProcess()
{
    // Runs in the child before exec: its children join this group.
    ::setpgid(0, 0);
}

void IRecorderProcess::endTree(int graceMs)
{
    const pid_t group = pid_t(m_group);
    if (group <= 0)
        return;
    m_group = 0;
    // The group is the child's own (its id is the child's pid), so nothing
    // outside what this process started is reached.
    if (::kill(-group, SIGTERM) != 0 && errno == ESRCH)
        return;
    if (graceMs > 0 && state() != NotRunning)
        waitForFinished(graceMs);
    // Children that outlive the recorder still carry the group id.
    ::kill(-group, SIGKILL);
    if (state() != NotRunning)
        waitForFinished(1000);
}

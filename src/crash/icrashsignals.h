// The platform part of the crash handler: catches the process's fatal faults.
#pragma once

#include <QString>

#include <cstddef>

namespace ICrashSignals {

struct Config
{
    QString dumpFolder;
    QString reporterPath;
    QString logFolder; // where the daily log files lie
};

// Arms the fault handlers. Everything the handler needs is prepared here,
// because at crash time only async-signal-safe calls may run.
bool install(const Config& config);

// While it lives, the thread that made it has a stack of its own for the
// fault handler, so that a stack overflow on that thread still leaves a dump.
// Each of the program's threads makes one first thing in its run(); the main
// thread has one from install().
class ThreadStack
{
public:
    ThreadStack();
    ~ThreadStack();

    ThreadStack(const ThreadStack&) = delete;
    ThreadStack& operator=(const ThreadStack&) = delete;

private:
    void* m_stack = nullptr;
    std::size_t m_size = 0;
};

} // namespace ICrashSignals

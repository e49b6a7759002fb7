// The platform part of the crash handler: catches the process's fatal faults.
#pragma once

#include <QString>

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

} // namespace ICrashSignals

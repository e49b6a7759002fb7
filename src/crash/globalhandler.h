// The crash handler: on a fatal fault it writes a dump into the dump folder,
// logs it and starts the crash reporter program detached.
#pragma once

#include <QString>

namespace BreakpadQt {

class GlobalHandler
{
public:
    // Only the first handler of a process is armed; later ones only warn.
    GlobalHandler(const QString& dumpFolder, const QString& reporter);
    ~GlobalHandler();

    GlobalHandler(const GlobalHandler&) = delete;
    GlobalHandler& operator=(const GlobalHandler&) = delete;

    bool isArmed() const;
    QString dumpFolder() const;
    QString reporterPath() const;

    // Empty name: the default reporter in the program folder; a relative
    // name: that file in the program folder; an absolute one: itself.
    static QString resolveReporter(const QString& name, const QString& programFolder);

private:
    bool m_armed = false;
    QString m_dumpFolder;
    QString m_reporterPath;
};

} // namespace BreakpadQt

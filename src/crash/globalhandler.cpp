// The crash handler's platform-independent part.
#include "crash/globalhandler.h"

#include "crash/icrashsignals.h"
#include "iglobals.h"
#include "iprogramfiles.h"

#include <QDebug>
#include <QDir>
#include <QFileInfo>

namespace BreakpadQt {

namespace {
bool g_exists = false;

#ifdef Q_OS_WIN
const char* const kDefaultReporter = "/crashreporter.exe";
#else
const char* const kDefaultReporter = "/crashreporter";
#endif
} // namespace

GlobalHandler::GlobalHandler(const QString& dumpFolder, const QString& reporter)
{
    if (g_exists) {
        // Debug, not warning: the log drops warnings.
        qDebug() << "BreakpadQt: GlobalHandler already exists!";
        return;
    }
    g_exists = true;
    m_armed = true;
    m_dumpFolder = QDir::cleanPath(dumpFolder);
    m_reporterPath = resolveReporter(reporter, IProgramFiles().helperFolder());
    QDir().mkpath(m_dumpFolder);
    ICrashSignals::install({m_dumpFolder, m_reporterPath, appDataPath("other/")});
}

GlobalHandler::~GlobalHandler()
{
    // The fault handlers stay armed until the process ends.
    if (m_armed)
        g_exists = false;
}

bool GlobalHandler::isArmed() const
{
    return m_armed;
}

QString GlobalHandler::dumpFolder() const
{
    return m_dumpFolder;
}

QString GlobalHandler::reporterPath() const
{
    return m_reporterPath;
}

QString GlobalHandler::resolveReporter(const QString& name, const QString& programFolder)
{
    if (name.isEmpty())
        return programFolder + QLatin1String(kDefaultReporter);
    if (QFileInfo(name).isRelative())
        return QDir::cleanPath(programFolder + "/" + name);
    return name;
}

} // namespace BreakpadQt

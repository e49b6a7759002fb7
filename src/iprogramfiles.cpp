// Where the program's own files lie, built or installed.
#include "iprogramfiles.h"

#include "service/iconfigureservice.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

// Relative to bin/; the build passes the folders it installs to.
#ifndef VESKAROO_INSTALLED_HELPER_DIR
#define VESKAROO_INSTALLED_HELPER_DIR "../lib/veskaroo"
#endif
#ifndef VESKAROO_INSTALLED_DATA_DIR
#define VESKAROO_INSTALLED_DATA_DIR "../share/veskaroo"
#endif

namespace {
QString below(const QString& folder, const char* relative)
{
    return QDir::cleanPath(folder + QLatin1Char('/') + QLatin1String(relative));
}
} // namespace

IProgramFiles::IProgramFiles(const QString& executableFolder)
    : m_executableFolder(executableFolder.isEmpty() ? QCoreApplication::applicationDirPath() : executableFolder)
{
    m_installed = QFileInfo(below(m_executableFolder, VESKAROO_INSTALLED_DATA_DIR)).isDir();
}

bool IProgramFiles::isInstalled() const
{
    return m_installed;
}

QString IProgramFiles::dataFolder() const
{
    return m_installed ? below(m_executableFolder, VESKAROO_INSTALLED_DATA_DIR) : m_executableFolder;
}

QString IProgramFiles::helperFolder() const
{
    return m_installed ? below(m_executableFolder, VESKAROO_INSTALLED_HELPER_DIR) : m_executableFolder;
}

QString IProgramFiles::translation(int id) const
{
    return dataFolder() + QStringLiteral("/Lang/%1.qm").arg(id);
}

QString IProgramFiles::logo() const
{
    return dataFolder() + QStringLiteral("/logo/") + IConfigureService::logoFileName();
}

QString IProgramFiles::recorder() const
{
#ifdef Q_OS_WIN
    const QString name = QStringLiteral("ScreenRecord.exe");
#else
    const QString name = QStringLiteral("ScreenRecord");
#endif
    // The build keeps the recorder in a folder of its own.
    return m_installed ? helperFolder() + QLatin1Char('/') + name
                       : helperFolder() + QStringLiteral("/ScreenRecord/") + name;
}

QString IProgramFiles::describe() const
{
    return QStringLiteral("program files: %1, data %2, recorder %3 found: %4")
        .arg(m_installed ? QStringLiteral("installed") : QStringLiteral("program folder"), dataFolder(), recorder(),
             QFileInfo(recorder()).isExecutable() ? QStringLiteral("true") : QStringLiteral("false"));
}

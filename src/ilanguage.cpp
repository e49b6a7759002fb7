// Loads the user-interface translation chosen in the settings.
#include "ilanguage.h"

#include "iapplication.h"
#include "iprogramfiles.h"
#include "service/iconfigureservice.h"

#include <QDebug>
#include <QSettings>
#include <QTranslator>

bool loadLanguage(IApplication* app, const QString& programFolder)
{
    QString id;
    {
        QSettings settings(IConfigureService::settingsFilePath(), QSettings::IniFormat);
        id = settings.value("lang/langid", QStringLiteral("1033")).toString();
    }
    id.remove(QStringLiteral("LG_"));
    IConfigureService::instance()->setLangId(id);

    const QString path = IProgramFiles(programFolder).translation(id.toInt());

    // One translator for the life of the process.
    static QTranslator translator;
    const bool loaded = translator.load(path);
    if (loaded) {
        const bool installed = app->installTranslator(&translator);
        qDebug() << "installTranslator:" << installed;
    }
    qDebug() << "language id:" << id << "path:" << path << "loaded:" << loaded;
    return true;
}

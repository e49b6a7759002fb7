// The recognition language table and the language packs behind it.
#include "ocr/iocrlanguages.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <algorithm>

namespace {
const char* const kContext = "IOcrLanguages";
}

QString IOcrLanguages::Language::displayText() const
{
    return QCoreApplication::translate(kContext, displayName);
}

const QVector<IOcrLanguages::Language>& IOcrLanguages::all()
{
    static const QVector<Language> languages = {
        {QT_TRANSLATE_NOOP("IOcrLanguages", "English"), "English", "eng", "1033"},
        {QT_TRANSLATE_NOOP("IOcrLanguages", "Chinese"), "ChinesePRC", "chi_sim", "2052"},
        {QT_TRANSLATE_NOOP("IOcrLanguages", "Chinese Traditional"), "ChineseTaiwan", "chi_tra", ""},
        {QT_TRANSLATE_NOOP("IOcrLanguages", "Bashkir"), "Bashkir", "bak", ""},
        {QT_TRANSLATE_NOOP("IOcrLanguages", "Catalan"), "Catalan", "cat", ""},
        {QT_TRANSLATE_NOOP("IOcrLanguages", "Croatian"), "Croatian", "hrv", ""},
        {QT_TRANSLATE_NOOP("IOcrLanguages", "Czech"), "Czech", "ces", ""},
        {QT_TRANSLATE_NOOP("IOcrLanguages", "Danish"), "Danish", "dan", ""},
        {QT_TRANSLATE_NOOP("IOcrLanguages", "Dutch"), "Dutch", "nld", ""},
        {QT_TRANSLATE_NOOP("IOcrLanguages", "Finnish"), "Finnish", "fin", ""},
        {QT_TRANSLATE_NOOP("IOcrLanguages", "French"), "French", "fra", "1036"},
        {QT_TRANSLATE_NOOP("IOcrLanguages", "German"), "German", "deu", "1031"},
        {QT_TRANSLATE_NOOP("IOcrLanguages", "Greek"), "Greek", "ell", ""},
        {QT_TRANSLATE_NOOP("IOcrLanguages", "Italian"), "Italian", "ita", "1040"},
        {QT_TRANSLATE_NOOP("IOcrLanguages", "Indonesian"), "Indonesian", "ind", ""},
        {QT_TRANSLATE_NOOP("IOcrLanguages", "Latvian"), "Latvian", "lav", ""},
        {QT_TRANSLATE_NOOP("IOcrLanguages", "Polish"), "Polish", "pol", ""},
        {QT_TRANSLATE_NOOP("IOcrLanguages", "Russian"), "Russian", "rus", "1049"},
        {QT_TRANSLATE_NOOP("IOcrLanguages", "Slovak"), "Slovak", "slk", ""},
        {QT_TRANSLATE_NOOP("IOcrLanguages", "Spanish"), "Spanish", "spa", "1034"},
        {QT_TRANSLATE_NOOP("IOcrLanguages", "Swedish"), "Swedish", "swe", ""},
        {QT_TRANSLATE_NOOP("IOcrLanguages", "Tatar"), "Tatar", "tat", ""},
        {QT_TRANSLATE_NOOP("IOcrLanguages", "Turkish"), "Turkish", "tur", "1055"},
        {QT_TRANSLATE_NOOP("IOcrLanguages", "Ukrainian"), "Ukrainian", "ukr", ""},
        {QT_TRANSLATE_NOOP("IOcrLanguages", "Japanese"), "Japanese", "jpn", ""},
        {QT_TRANSLATE_NOOP("IOcrLanguages", "Korean"), "Korean", "kor", "1042"},
        {QT_TRANSLATE_NOOP("IOcrLanguages", "Bangla"), "Bangla", "ben", ""},
        {QT_TRANSLATE_NOOP("IOcrLanguages", "Vietnamese"), "Vietnamese", "vie", ""},
        {QT_TRANSLATE_NOOP("IOcrLanguages", "Bulgarian"), "Bulgarian", "bul", ""},
        {QT_TRANSLATE_NOOP("IOcrLanguages", "Estonian"), "Estonian", "est", ""},
        {QT_TRANSLATE_NOOP("IOcrLanguages", "Hungarian"), "Hungarian", "hun", ""},
        {QT_TRANSLATE_NOOP("IOcrLanguages", "Lithuanian"), "Lithuanian", "lit", ""},
        {QT_TRANSLATE_NOOP("IOcrLanguages", "Norwegian"), "Norwegian", "nor", ""},
        {QT_TRANSLATE_NOOP("IOcrLanguages", "Romanian"), "Romanian", "ron", ""},
        {QT_TRANSLATE_NOOP("IOcrLanguages", "Slovenian"), "Slovenian", "slv", ""},
        {QT_TRANSLATE_NOOP("IOcrLanguages", "Armenian"), "ArmenianGrabar", "hye", ""},
        {QT_TRANSLATE_NOOP("IOcrLanguages", "Portuguese(Brazil)"), "PortugueseBrazilian", "por", ""},
        {QT_TRANSLATE_NOOP("IOcrLanguages", "Portuguese(Portugal)"), "PortugueseStandard", "por", ""},
        {QT_TRANSLATE_NOOP("IOcrLanguages", "Thai"), "Thai", "tha", ""},
        {QT_TRANSLATE_NOOP("IOcrLanguages", "Arabic"), "Arabic", "ara", ""},
    };
    return languages;
}

QVector<IOcrLanguages::Language> IOcrLanguages::ordered(const QString& interfaceLangId)
{
    QVector<Language> languages = all();
    const auto own = std::find_if(languages.begin(), languages.end(), [&](const Language& language) {
        return !language.langId.isEmpty() && language.langId == interfaceLangId;
    });
    std::rotate(languages.begin(), own, own == languages.end() ? own : own + 1);
    return languages;
}

namespace {
const IOcrLanguages::Language* byEngineName(const QString& name)
{
    for (const IOcrLanguages::Language& language : IOcrLanguages::all()) {
        if (language.engineName == name)
            return &language;
    }
    return nullptr;
}
} // namespace

QString IOcrLanguages::tesseractLanguages(const QString& engineNames)
{
    QStringList codes;
    for (const QString& name : engineNames.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        const Language* language = byEngineName(name.trimmed());
        if (language && !codes.contains(language->code))
            codes << language->code;
    }
    return codes.join(QLatin1Char('+'));
}

QString IOcrLanguages::tessdataFolder()
{
    const QString prefix = qEnvironmentVariable("TESSDATA_PREFIX");
    return prefix.isEmpty() ? QStringLiteral("/usr/share/tesseract-ocr/5/tessdata") : prefix;
}

QString IOcrLanguages::debianPackage(const QString& code)
{
    return QStringLiteral("tesseract-ocr-") + QString(code).replace(QLatin1Char('_'), QLatin1Char('-'));
}

QString IOcrLanguages::missingPackProblem(const QString& engineNames, const QString& folder)
{
    for (const QString& name : engineNames.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        const Language* language = byEngineName(name.trimmed());
        if (!language || QFileInfo::exists(folder + QLatin1Char('/') + language->code + ".traineddata"))
            continue;
        return QCoreApplication::translate("IOcrLanguages",
                                           "The language pack for %1 is not installed. "
                                           "Install the Debian package %2 and try again.")
            .arg(language->displayText(), debianPackage(language->code));
    }
    return QString();
}

// The recognition languages the OCR window offers: display name, the name
// jobs carry, the Tesseract language pack behind it and the interface
// language it stands for.
#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

class IOcrLanguages
{
public:
    struct Language
    {
        // Untranslated; show displayText().
        const char* displayName;
        QString engineName;
        // Tesseract's pack name (eng, chi_sim, ...).
        QString code;
        // The interface language id this language is, empty for most.
        QString langId;

        QString displayText() const;
    };

    // The 40 languages in their fixed order.
    static const QVector<Language>& all();
    // The same, the one whose langId is `interfaceLangId` moved to the front.
    static QVector<Language> ordered(const QString& interfaceLangId);

    // "English,ChinesePRC" -> "eng+chi_sim": Tesseract's language string,
    // each pack once; unknown names are skipped.
    static QString tesseractLanguages(const QString& engineNames);

    // The tessdata folder the engine is given: TESSDATA_PREFIX when set,
    // else where Debian's packs install.
    static QString tessdataFolder();
    // "tesseract-ocr-chi-sim" for "chi_sim".
    static QString debianPackage(const QString& code);
    // Empty when every pack `engineNames` needs is in `folder`; else which
    // language lacks its pack and which Debian package brings it.
    static QString missingPackProblem(const QString& engineNames, const QString& folder = tessdataFolder());
};

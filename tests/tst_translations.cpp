// Every text of the program is translated in every language the program
// offers: the translation files hold a finished translation of each text the
// sources ask for, keep its placeholders, and the compiled files the program
// loads say the same.
#include "common/testenv.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTranslator>
#include <QXmlStreamReader>

namespace {

struct Language
{
    const char* id;
    const char* locale;
};

const Language kLanguages[] = {
    {"2052", "zh_CN"}, {"1028", "zh_TW"}, {"1033", "en_US"}, {"1049", "ru_RU"},
    {"1034", "es_ES"}, {"1031", "de_DE"}, {"1041", "ja_JP"}, {"1042", "ko_KR"},
    {"1036", "fr_FR"}, {"1040", "it_IT"}, {"1043", "nl_NL"}, {"1055", "tr_TR"},
};

struct Text
{
    QString context;
    QString source;
    QString comment;
};

struct Translation
{
    QString text;
    QString type; // empty when finished
};

QString key(const Text& t)
{
    return t.context + QChar(0) + t.source + QChar(0) + t.comment;
}

struct TsFile
{
    QString language;
    QList<Text> texts;
    QHash<QString, Translation> translations; // by key()
    QString error;
};

TsFile readTs(const QString& path)
{
    TsFile ts;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        ts.error = file.errorString();
        return ts;
    }
    QXmlStreamReader xml(&file);
    QString context;
    Text text;
    Translation translation;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            const QStringRef name = xml.name();
            if (name == QLatin1String("TS")) {
                ts.language = xml.attributes().value("language").toString();
            } else if (name == QLatin1String("name")) {
                context = xml.readElementText();
            } else if (name == QLatin1String("message")) {
                text = Text{context, QString(), QString()};
                translation = Translation();
            } else if (name == QLatin1String("source")) {
                text.source = xml.readElementText();
            } else if (name == QLatin1String("comment")) {
                text.comment = xml.readElementText();
            } else if (name == QLatin1String("translation")) {
                translation.type = xml.attributes().value("type").toString();
                translation.text = xml.readElementText(QXmlStreamReader::IncludeChildElements);
            }
        } else if (xml.isEndElement() && xml.name() == QLatin1String("message")) {
            ts.texts << text;
            ts.translations.insert(key(text), translation);
        }
    }
    if (xml.hasError())
        ts.error = QStringLiteral("line %1: %2").arg(xml.lineNumber()).arg(xml.errorString());
    return ts;
}

QString describe(const QString& language, const Text& t)
{
    return QStringLiteral("%1: %2 \"%3\"").arg(language, t.context, t.source);
}

// Fails naming every text in `problems` (a language's are reported together).
void failWith(const QStringList& problems)
{
    if (problems.isEmpty())
        return;
    const int shown = 25;
    QString message = problems.mid(0, shown).join(QLatin1Char('\n'));
    if (problems.size() > shown)
        message += QStringLiteral("\n... and %1 more").arg(problems.size() - shown);
    QFAIL(qPrintable(QLatin1Char('\n') + message));
}

} // namespace

class TestTranslations : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    // What the sources ask to translate, as lupdate collects it.
    QList<Text> m_program;

    static QString tsPath(const QString& id)
    {
        return QStringLiteral(VESKAROO_SOURCE_DIR "/translations/%1.ts").arg(id);
    }

    static void languageRows()
    {
        QTest::addColumn<QString>("id");
        QTest::addColumn<QString>("locale");
        for (const Language& l : kLanguages)
            QTest::newRow(l.id) << QString::fromLatin1(l.id) << QString::fromLatin1(l.locale);
    }

    // The language's .ts file, read; fails the test when it is not there.
    static TsFile languageFile(const QString& id, const QString& locale)
    {
        const QString path = tsPath(id);
        if (!QFile::exists(path))
            return TsFile{QString(), {}, {}, QStringLiteral("%1 (%2): %3 is missing").arg(id, locale, path)};
        TsFile ts = readTs(path);
        if (!ts.error.isEmpty())
            ts.error = QStringLiteral("%1 (%2): %3 cannot be read: %4").arg(id, locale, path, ts.error);
        return ts;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        const QString lupdate = QStandardPaths::findExecutable("lupdate");
        QVERIFY2(!lupdate.isEmpty(), "lupdate (Qt Linguist tools) is needed to collect the program's texts");
        const QString all = m_dir.filePath("all.ts");
        QByteArray output;
        const int code = TestEnv::runProcess(
            lupdate, {"-no-obsolete", "-locations", "none", QStringLiteral(VESKAROO_SOURCE_DIR "/src"), "-ts", all},
            {}, 120000, &output);
        QVERIFY2(code == 0, output.constData());
        const TsFile program = readTs(all);
        QVERIFY2(program.error.isEmpty(), qPrintable(program.error));
        m_program = program.texts;
        // The collection itself worked: the camera toolbar's texts are there.
        const bool snap = std::any_of(m_program.begin(), m_program.end(), [](const Text& t) {
            return t.context == QLatin1String("ICameraToolBar") && t.source == QLatin1String("Snap");
        });
        QVERIFY2(snap, "lupdate found no ICameraToolBar \"Snap\" in the sources");
    }

    void everyTextHasAFinishedTranslation_data() { languageRows(); }
    void everyTextHasAFinishedTranslation()
    {
        QFETCH(QString, id);
        QFETCH(QString, locale);
        const TsFile ts = languageFile(id, locale);
        QVERIFY2(ts.error.isEmpty(), qPrintable(ts.error));
        const QString language = QStringLiteral("%1 (%2)").arg(id, locale);
        QCOMPARE(ts.language, locale);
        QStringList problems;
        for (const Text& t : qAsConst(m_program)) {
            const auto found = ts.translations.constFind(key(t));
            if (found == ts.translations.constEnd())
                problems << describe(language, t) + QStringLiteral(": not in the file (run scripts/update-translations.sh)");
            else if (!found->type.isEmpty())
                problems << describe(language, t) + QStringLiteral(": translation is %1").arg(found->type);
            else if (found->text.trimmed().isEmpty())
                problems << describe(language, t) + QStringLiteral(": translation is empty");
        }
        failWith(problems);
    }

    void placeholdersAreKept_data() { languageRows(); }
    void placeholdersAreKept()
    {
        QFETCH(QString, id);
        QFETCH(QString, locale);
        const TsFile ts = languageFile(id, locale);
        QVERIFY2(ts.error.isEmpty(), qPrintable(ts.error));
        const QString language = QStringLiteral("%1 (%2)").arg(id, locale);
        static const QRegularExpression placeholder(QStringLiteral("%[1-9]"));
        QStringList problems;
        for (const Text& t : qAsConst(m_program)) {
            const auto found = ts.translations.constFind(key(t));
            if (found == ts.translations.constEnd() || found->text.isEmpty())
                continue; // reported by everyTextHasAFinishedTranslation
            auto it = placeholder.globalMatch(t.source);
            while (it.hasNext()) {
                const QString p = it.next().captured();
                if (!found->text.contains(p))
                    problems << describe(language, t) + QStringLiteral(": %1 is lost in \"%2\"").arg(p, found->text);
            }
        }
        failWith(problems);
    }

    void compiledFileTranslatesAsTheTsFile_data() { languageRows(); }
    void compiledFileTranslatesAsTheTsFile()
    {
        QFETCH(QString, id);
        QFETCH(QString, locale);
        const TsFile ts = languageFile(id, locale);
        QVERIFY2(ts.error.isEmpty(), qPrintable(ts.error));
        const QString language = QStringLiteral("%1 (%2)").arg(id, locale);
        const QString qm = QDir(QStringLiteral(VESKAROO_BIN_DIR)).filePath(QStringLiteral("Lang/%1.qm").arg(id));
        QVERIFY2(QFile::exists(qm), qPrintable(language + QStringLiteral(": %1 is missing (build the translations target)").arg(qm)));
        QTranslator translator;
        QVERIFY2(translator.load(qm), qPrintable(language + QStringLiteral(": %1 does not load").arg(qm)));
        // The sample the program shows first; then every finished text, so
        // that a compiled file older than its .ts file shows.
        const Text snap{QStringLiteral("ICameraToolBar"), QStringLiteral("Snap"), QString()};
        const auto expected = ts.translations.constFind(key(snap));
        QVERIFY2(expected != ts.translations.constEnd(), qPrintable(describe(language, snap) + ": not in the .ts file"));
        const QString sample = translator.translate("ICameraToolBar", "Snap");
        QVERIFY2(sample == expected->text,
                 qPrintable(describe(language, snap)
                            + QStringLiteral(": %1.qm says \"%2\", the .ts file \"%3\"").arg(id, sample, expected->text)));
        QStringList problems;
        for (const Text& t : qAsConst(m_program)) {
            const auto found = ts.translations.constFind(key(t));
            if (found == ts.translations.constEnd() || !found->type.isEmpty() || found->text.isEmpty())
                continue;
            const QString compiled = translator.translate(t.context.toUtf8().constData(), t.source.toUtf8().constData(),
                                                          t.comment.isEmpty() ? nullptr : t.comment.toUtf8().constData());
            if (compiled != found->text)
                problems << describe(language, t) + QStringLiteral(": %1.qm says \"%2\", the .ts file \"%3\"")
                                                        .arg(id, compiled, found->text);
        }
        failWith(problems);
    }
};

VESKAROO_TEST_MAIN(TestTranslations)
#include "tst_translations.moc"

// Text recognition on the real engine: the job's progress, the four output
// formats read back, failures that end a job with one error, the language
// table and its packs, and an engine library that is not there.
#include "common/testenv.h"
#include "common/textpicture.h"

#include "ocr/iocrengine.h"
#include "ocr/iocrlanguages.h"

#include <QFile>
#include <QPainter>
#include <QProcess>
#include <QSet>
#include <QSignalSpy>
#include <QTextCodec>
#include <QXmlStreamReader>

#include <zip.h>

namespace {

const QStringList kPageOne = {
    QStringLiteral("Pupils read the printed page on the screen."),
    QStringLiteral("Teachers mark words with a pen."),
};
const QStringList kPageTwo = {QStringLiteral("Camera pictures become documents.")};

// One file of a zip archive, empty when it is not there.
QByteArray zipEntry(const QString& archivePath, const char* name)
{
    zip_t* archive = zip_open(QFile::encodeName(archivePath).constData(), ZIP_RDONLY, nullptr);
    if (!archive)
        return QByteArray();
    QByteArray data;
    zip_stat_t stat;
    if (zip_stat(archive, name, 0, &stat) == 0) {
        if (zip_file_t* file = zip_fopen(archive, name, 0)) {
            data.resize(int(stat.size));
            if (zip_fread(file, data.data(), stat.size) != zip_int64_t(stat.size))
                data.clear();
            zip_fclose(file);
        }
    }
    zip_discard(archive);
    return data;
}

// The character data of every `element` in `xml`, in order.
QStringList elementTexts(const QByteArray& xml, const QString& element)
{
    QStringList texts;
    QXmlStreamReader reader(xml);
    while (!reader.atEnd()) {
        if (reader.readNext() == QXmlStreamReader::StartElement && reader.qualifiedName() == element)
            texts << reader.readElementText(QXmlStreamReader::IncludeChildElements);
    }
    return texts;
}

// The rows of the first sheet, each as its cells' texts.
QList<QStringList> spreadsheetRows(const QString& path)
{
    const QStringList shared = elementTexts(zipEntry(path, "xl/sharedStrings.xml"), QStringLiteral("si"));
    QList<QStringList> rows;
    QXmlStreamReader reader(zipEntry(path, "xl/worksheets/sheet1.xml"));
    while (!reader.atEnd()) {
        reader.readNext();
        if (!reader.isStartElement())
            continue;
        if (reader.name() == QLatin1String("row"))
            rows.append(QStringList());
        else if (reader.name() == QLatin1String("v") && !rows.isEmpty())
            rows.last() << shared.value(reader.readElementText().toInt());
    }
    return rows;
}

QString simplified(const QString& text)
{
    return text.simplified().toLower();
}

} // namespace

class TestOcrEngine : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    IOcrEngine* m_engine = nullptr;
    QString m_first;
    QString m_second;

    QString path(const QString& name) const { return m_dir.filePath(name); }

    // Runs one job and waits for its end.
    void run(const OcrParameter& parameter, QList<int>* progress, QStringList* errors, IOcrEngine* engine = nullptr)
    {
        engine = engine ? engine : m_engine;
        QSignalSpy progressSpy(engine, &IOcrEngine::sgOcrProgress);
        QSignalSpy errorSpy(engine, &IOcrEngine::sgOcrError);
        engine->startOcr(parameter);
        QTRY_VERIFY_WITH_TIMEOUT(!errorSpy.isEmpty() || (!progressSpy.isEmpty() && progressSpy.last().at(0) == 100),
                                 120000);
        // Anything a job sends after its end would show here.
        QTest::qWait(300);
        for (const QList<QVariant>& signal : qAsConst(progressSpy))
            *progress << signal.at(0).toInt();
        for (const QList<QVariant>& signal : qAsConst(errorSpy))
            *errors << signal.at(0).toString();
    }

    OcrParameter job(const QStringList& images, const QString& output, ExportFileType type,
                     const QString& languages = QStringLiteral("English"))
    {
        OcrParameter parameter;
        parameter.images = images;
        parameter.outputFile = output;
        parameter.exportType = type;
        parameter.languages = languages;
        return parameter;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        m_first = path(QStringLiteral("first.jpg"));
        m_second = path(QStringLiteral("second.png"));
        QImage first = TextPicture::render(kPageOne);
        {
            // A table row: two columns far apart.
            QPainter painter(&first);
            QFont font(QStringLiteral("DejaVu Sans"));
            font.setPixelSize(44);
            painter.setFont(font);
            painter.drawText(QPointF(90, 900), QStringLiteral("Apples"));
            painter.drawText(QPointF(1100, 900), QStringLiteral("Pears"));
        }
        QVERIFY(TextPicture::save(first, m_first));
        QVERIFY(TextPicture::save(TextPicture::render(kPageTwo), m_second));
        m_engine = new IOcrEngine;
    }

    void cleanupTestCase()
    {
        delete m_engine;
    }

    void jobsReportEveryStepInOrderOneAfterTheOther()
    {
        const QList<int> twoPictures = {10, 20, 30, 40, 40, 50, 60, 60, 70, 80, 95, 100};
        QSignalSpy progress(m_engine, &IOcrEngine::sgOcrProgress);
        QSignalSpy errors(m_engine, &IOcrEngine::sgOcrError);
        // Back to back: the second waits for the first.
        m_engine->startOcr(job({m_first, m_second}, path("one.txt"), ExportText));
        m_engine->startOcr(job({m_first, m_second}, path("two.txt"), ExportText));
        QTRY_COMPARE_WITH_TIMEOUT(progress.count(), 2 * twoPictures.size(), 120000);
        QList<int> seen;
        for (const QList<QVariant>& signal : qAsConst(progress))
            seen << signal.at(0).toInt();
        QCOMPARE(seen, twoPictures + twoPictures);
        QVERIFY(errors.isEmpty());
        QVERIFY(m_engine->isInitialised());
        QVERIFY(QFile::exists(path("one.txt")));
        QVERIFY(QFile::exists(path("two.txt")));
    }

    void pdfIsSearchableWithTheJpegUnchanged()
    {
        QList<int> progress;
        QStringList errors;
        const QString out = path("pages.pdf");
        run(job({m_first, m_second}, out, ExportPdf), &progress, &errors);
        QVERIFY2(errors.isEmpty(), qPrintable(errors.join('\n')));
        QProcess pdftotext;
        pdftotext.start(QStringLiteral("pdftotext"), {out, QStringLiteral("-")});
        QVERIFY(pdftotext.waitForFinished(30000));
        const QString raw = QString::fromUtf8(pdftotext.readAllStandardOutput());
        const QString text = simplified(raw);
        QVERIFY2(text.contains("teachers mark words with a pen"), qPrintable(text));
        QVERIFY2(text.contains("camera pictures become documents"), qPrintable(text));
        // Two pages, the first being the JPEG file's own bytes.
        QCOMPARE(raw.count(QLatin1Char('\f')), 2);
        QFile pdf(out);
        QFile jpeg(m_first);
        QVERIFY(pdf.open(QIODevice::ReadOnly) && jpeg.open(QIODevice::ReadOnly));
        QVERIFY(pdf.readAll().contains(jpeg.readAll()));
        QVERIFY(!QFile::exists(out + ".part.pdf"));
    }

    void wordKeepsTheParagraphs()
    {
        QList<int> progress;
        QStringList errors;
        const QString out = path("pages.docx");
        run(job({m_first, m_second}, out, ExportWord), &progress, &errors);
        QVERIFY2(errors.isEmpty(), qPrintable(errors.join('\n')));
        QVERIFY(zipEntry(out, "[Content_Types].xml").contains("wordprocessingml.document.main+xml"));
        QVERIFY(zipEntry(out, "_rels/.rels").contains("word/document.xml"));
        QStringList paragraphs;
        for (const QString& paragraph : elementTexts(zipEntry(out, "word/document.xml"), QStringLiteral("w:p")))
            paragraphs << simplified(paragraph);
        paragraphs.removeAll(QString());
        QVERIFY2(paragraphs.size() >= 3, qPrintable(paragraphs.join('|')));
        QCOMPARE(paragraphs.first(), simplified(kPageOne.first()));
        QCOMPARE(paragraphs.at(1), simplified(kPageOne.at(1)));
        QCOMPARE(paragraphs.last(), simplified(kPageTwo.first()));
    }

    void spreadsheetHasALineARowAndColumnsApart()
    {
        QList<int> progress;
        QStringList errors;
        const QString out = path("pages.xlsx");
        run(job({m_first, m_second}, out, ExportExcel), &progress, &errors);
        QVERIFY2(errors.isEmpty(), qPrintable(errors.join('\n')));
        const QList<QStringList> rows = spreadsheetRows(out);
        QStringList firstCells;
        for (const QStringList& row : rows)
            firstCells << simplified(row.value(0));
        QVERIFY2(firstCells.contains("teachers mark words with a pen."), qPrintable(firstCells.join('|')));
        QVERIFY(firstCells.contains("camera pictures become documents."));
        bool table = false;
        for (const QStringList& row : rows)
            table = table || row == QStringList{QStringLiteral("Apples"), QStringLiteral("Pears")};
        QVERIFY(table);
    }

    void textIsUtf8WithLinesAndPages()
    {
        QList<int> progress;
        QStringList errors;
        const QString out = path("pages.txt");
        run(job({m_first, m_second}, out, ExportText), &progress, &errors);
        QVERIFY2(errors.isEmpty(), qPrintable(errors.join('\n')));
        QFile file(out);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QTextCodec::ConverterState state;
        const QString text = QTextCodec::codecForName("UTF-8")->toUnicode(bytes.constData(), bytes.size(), &state);
        QCOMPARE(state.invalidChars, 0);
        const QStringList pages = text.split(QLatin1Char('\f'));
        QCOMPARE(pages.size(), 2);
        QVERIFY(simplified(pages[0]).contains("teachers mark words with a pen."));
        QCOMPARE(simplified(pages[1]), simplified(kPageTwo.first()));
    }

    void aFailedJobEndsWithOneErrorNamingThePictureAndKeepsTheOldFile()
    {
        const QString broken = path("broken.png");
        const QString huge = path("huge.bmp");
        {
            QFile file(broken);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("not a picture at all");
        }
        {
            // A header that claims 12000 x 12000 pixels; never decoded.
            QImage small(4, 4, QImage::Format_RGB888);
            small.fill(Qt::white);
            QVERIFY(small.save(huge, "BMP"));
            QFile file(huge);
            QVERIFY(file.open(QIODevice::ReadWrite));
            file.seek(18);
            const qint32 side = 12000;
            file.write(reinterpret_cast<const char*>(&side), 4);
            file.write(reinterpret_cast<const char*>(&side), 4);
        }
        const QString out = path("kept.txt");
        for (const QString& bad : {broken, huge}) {
            {
                QFile old(out);
                QVERIFY(old.open(QIODevice::WriteOnly));
                old.write("earlier work");
            }
            QList<int> progress;
            QStringList errors;
            run(job({m_first, bad}, out, ExportText), &progress, &errors);
            QCOMPARE(errors.size(), 1);
            QVERIFY2(errors.first().contains(QFileInfo(bad).fileName()), qPrintable(errors.first()));
            QVERIFY(!progress.contains(100));
            QFile old(out);
            QVERIFY(old.open(QIODevice::ReadOnly));
            QCOMPARE(old.readAll(), QByteArray("earlier work"));
            QVERIFY(!QFile::exists(out + ".part"));
        }
        // The worker lives on: the next job runs through.
        QList<int> progress;
        QStringList errors;
        run(job({m_second}, path("after.txt"), ExportText), &progress, &errors);
        QVERIFY(errors.isEmpty());
        QCOMPARE(progress.last(), 100);
    }

    void aMissingLanguagePackIsNamedWithItsPackage()
    {
        QTemporaryDir onlyEnglish;
        QVERIFY(QFile::link(IOcrLanguages::tessdataFolder() + "/eng.traineddata",
                            onlyEnglish.filePath("eng.traineddata")));
        const QString problem = IOcrLanguages::missingPackProblem("English,ChinesePRC", onlyEnglish.path());
        QVERIFY2(problem.contains("Chinese") && problem.contains("tesseract-ocr-chi-sim"), qPrintable(problem));
        QVERIFY(IOcrLanguages::missingPackProblem("English", onlyEnglish.path()).isEmpty());

        // The engine refuses the job the same way before recognising anything.
        qputenv("TESSDATA_PREFIX", onlyEnglish.path().toLocal8Bit());
        QList<int> progress;
        QStringList errors;
        run(job({m_second}, path("thai.txt"), ExportText, "English,Thai"), &progress, &errors);
        qunsetenv("TESSDATA_PREFIX");
        QCOMPARE(errors, QStringList{IOcrLanguages::missingPackProblem("Thai", onlyEnglish.path())});
        QVERIFY(errors.first().contains("tesseract-ocr-tha"));
        QCOMPARE(progress, QList<int>{10});
    }

    void everyLanguageHasAPackAndTheInterfaceLanguageComesFirst()
    {
        const QVector<IOcrLanguages::Language> all = IOcrLanguages::all();
        QCOMPARE(all.size(), 40);
        QSet<QString> names;
        for (const IOcrLanguages::Language& language : all) {
            names.insert(language.engineName);
            QVERIFY(!IOcrLanguages::tesseractLanguages(language.engineName).isEmpty());
        }
        QCOMPARE(names.size(), 40);
        QCOMPARE(IOcrLanguages::tesseractLanguages("English,ChinesePRC"), QString("eng+chi_sim"));
        QCOMPARE(IOcrLanguages::tesseractLanguages("ChineseTaiwan"), QString("chi_tra"));
        QCOMPARE(IOcrLanguages::tesseractLanguages("PortugueseBrazilian,PortugueseStandard"), QString("por"));
        QCOMPARE(IOcrLanguages::debianPackage("chi_tra"), QString("tesseract-ocr-chi-tra"));

        QCOMPARE(IOcrLanguages::ordered("2052").at(0).engineName, QString("ChinesePRC"));
        QCOMPARE(IOcrLanguages::ordered("2052").at(1).engineName, QString("English"));
        QCOMPARE(IOcrLanguages::ordered("1049").at(0).engineName, QString("Russian"));
        QCOMPARE(IOcrLanguages::ordered("1049").size(), 40);
        QCOMPARE(IOcrLanguages::ordered("1033").at(1).engineName, QString("ChinesePRC"));
        QCOMPARE(IOcrLanguages::ordered("9999").at(0).engineName, QString("English"));
    }

    void aMissingEngineLibraryGivesTheLoadingErrorForEveryJob()
    {
        IOcrEngine engine(path("no-such-dir/libtesseract.so.5"));
        for (int attempt = 0; attempt < 2; ++attempt) {
            QList<int> progress;
            QStringList errors;
            run(job({m_second}, path("never.txt"), ExportText), &progress, &errors, &engine);
            QCOMPARE(errors, QStringList{QStringLiteral("Error while loading ABBYY FineReader Engine")});
            QVERIFY(progress.isEmpty());
            QVERIFY(!engine.isInitialised());
        }
        QVERIFY(!QFile::exists(path("never.txt")));
    }

    void destroyingUnloadsAndTheNextJobLoadsAgain()
    {
        QVERIFY(m_engine->isInitialised());
        QSignalSpy errors(m_engine, &IOcrEngine::sgOcrError);
        emit m_engine->sgOcrDestory();
        QTRY_VERIFY(!m_engine->isInitialised());
        QList<int> progress;
        QStringList jobErrors;
        run(job({m_second}, path("again.txt"), ExportText), &progress, &jobErrors);
        QVERIFY(jobErrors.isEmpty());
        QVERIFY(errors.isEmpty());
        QCOMPARE(progress.last(), 100);
        QVERIFY(m_engine->isInitialised());
    }
};

VESKAROO_TEST_MAIN(TestOcrEngine)
#include "tst_ocrengine.moc"

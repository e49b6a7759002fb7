// The OCR window as a user drives it: paging through the pictures, the
// language and format choice, starting a job, and what the user is told
// when it ends.
#include "common/testenv.h"
#include "common/textpicture.h"

#include "ocr/iocrengine.h"
#include "ocr/iocrframe.h"
#include "ocr/iocrlanguages.h"
#include "ocr/iocrprogressbar.h"
#include "service/iconfigureservice.h"

#include <QAbstractButton>
#include <QFile>
#include <QSignalSpy>

#include <memory>

class TestOcrFrame : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QStringList m_pictures;
    // Never loads: jobs end at once with the loading error.
    std::unique_ptr<IOcrEngine> m_noEngine;

    struct Window
    {
        std::unique_ptr<IOcrFrame> frame;
        QStringList messages;
        QStringList filters;
        QString answer;
    };

    // A window whose dialogs answer from `window`.
    void open(Window& window, IOcrEngine* engine, const QStringList& imported = {})
    {
        window.frame.reset(new IOcrFrame(engine));
        window.frame->setOpenFilesChooser([imported] { return imported; });
        Window* w = &window;
        window.frame->setSaveFileChooser([w](const QString& filter) {
            w->filters << filter;
            return w->answer;
        });
        window.frame->setMessageShower([w](const QString& text) { w->messages << text; });
        window.frame->show();
        window.frame->importButton()->click();
    }

    QAbstractButton* languageButton(IOcrFrame* frame, const QString& engineName)
    {
        for (QAbstractButton* button : frame->languageButtons()) {
            if (button->property("lang").toString() == engineName)
                return button;
        }
        return nullptr;
    }

    QStringList checkedLanguages(IOcrFrame* frame)
    {
        QStringList checked;
        for (QAbstractButton* button : frame->languageButtons()) {
            if (button->isChecked())
                checked << button->property("lang").toString();
        }
        return checked;
    }

private slots:
    void initTestCase()
    {
        TestEnv::silenceOffscreenPlatformNotices();
        for (int i = 1; i <= 3; ++i) {
            m_pictures << m_dir.filePath(QStringLiteral("page%1.png").arg(i));
            QVERIFY(TextPicture::save(TextPicture::render({QStringLiteral("Page number %1 of the test.").arg(i)}),
                                      m_pictures.last()));
        }
        m_noEngine.reset(new IOcrEngine(m_dir.filePath("missing/libtesseract.so.5")));
    }

    void cleanup()
    {
        IConfigureService::instance()->setOcrLanguages({QStringLiteral("English")});
        IConfigureService::instance()->setLangId(QStringLiteral("1033"));
    }

    void pagingStopsAtBothEnds()
    {
        Window window;
        open(window, m_noEngine.get(), m_pictures);
        IOcrFrame* frame = window.frame.get();
        QCOMPARE(frame->counterText(), QString("1/3"));
        frame->lastButton()->click();
        QCOMPARE(frame->counterText(), QString("1/3"));
        frame->nextButton()->click();
        frame->nextButton()->click();
        QCOMPARE(frame->counterText(), QString("3/3"));
        frame->nextButton()->click();
        QCOMPARE(frame->counterText(), QString("3/3"));
        frame->lastButton()->click();
        QCOMPARE(frame->counterText(), QString("2/3"));
        // A cancelled import keeps what there was.
        frame->setOpenFilesChooser([] { return QStringList(); });
        frame->importButton()->click();
        QCOMPARE(frame->images(), m_pictures);
        QCOMPARE(frame->counterText(), QString("2/3"));
    }

    void atMostTwoLanguagesAreCheckedAndStored()
    {
        Window window;
        open(window, m_noEngine.get(), m_pictures);
        IOcrFrame* frame = window.frame.get();
        QCOMPARE(checkedLanguages(frame), QStringList{"English"});
        languageButton(frame, "ChinesePRC")->click();
        languageButton(frame, "German")->click();
        QCOMPARE(checkedLanguages(frame), (QStringList{"English", "ChinesePRC"}));
        QCOMPARE(frame->selectedLanguages(), QString("English,ChinesePRC"));
        QCOMPARE(IConfigureService::instance()->ocrLanguages(), (QStringList{"English", "ChinesePRC"}));
        languageButton(frame, "English")->click();
        QCOMPARE(frame->selectedLanguages(), QString("ChinesePRC"));

        // The stored choice is what the next window starts with.
        Window again;
        open(again, m_noEngine.get());
        QCOMPARE(checkedLanguages(again.frame.get()), QStringList{"ChinesePRC"});
    }

    void theInterfaceLanguageIsOfferedFirst()
    {
        IConfigureService::instance()->setLangId(QStringLiteral("2052"));
        Window window;
        open(window, m_noEngine.get());
        const QList<QAbstractButton*> buttons = window.frame->languageButtons();
        QCOMPARE(buttons.size(), 40);
        QCOMPARE(buttons.at(0)->property("lang").toString(), QString("ChinesePRC"));
        QCOMPARE(buttons.at(1)->property("lang").toString(), QString("English"));
        QCOMPARE(buttons.at(1)->text(), QString("English"));
    }

    void startingAsksForNothingItCannotUse()
    {
        QSignalSpy jobs(m_noEngine.get(), &IOcrEngine::sgOcrStart);
        Window empty;
        open(empty, m_noEngine.get());
        empty.frame->startButton()->click();
        QCOMPARE(empty.messages, QStringList{"Please import a picture for parsing."});
        QVERIFY(empty.filters.isEmpty());

        Window cancelled;
        open(cancelled, m_noEngine.get(), m_pictures);
        cancelled.frame->formatButton(ExportExcel)->click();
        cancelled.frame->startButton()->click();
        QCOMPARE(cancelled.filters, QStringList{"(*.xlsx)"});
        QVERIFY(cancelled.frame->isVisible());
        QVERIFY(!cancelled.frame->progressBar());

        // A language without its pack is named before the save dialog.
        QTemporaryDir onlyEnglish;
        QVERIFY(QFile::link(IOcrLanguages::tessdataFolder() + "/eng.traineddata",
                            onlyEnglish.filePath("eng.traineddata")));
        qputenv("TESSDATA_PREFIX", onlyEnglish.path().toLocal8Bit());
        Window missing;
        open(missing, m_noEngine.get(), m_pictures);
        languageButton(missing.frame.get(), "ChinesePRC")->click();
        missing.frame->startButton()->click();
        qunsetenv("TESSDATA_PREFIX");
        QCOMPARE(missing.messages.size(), 1);
        QVERIFY(missing.messages.first().contains("tesseract-ocr-chi-sim"));
        QVERIFY(missing.filters.isEmpty());

        QTest::qWait(100);
        QCOMPARE(jobs.count(), 0);
    }

    void aFailedJobShowsItsErrorOnlyAndAFinishedOneSucceeds()
    {
        Window failing;
        open(failing, m_noEngine.get(), m_pictures);
        failing.answer = m_dir.filePath("failed");
        failing.frame->startButton()->click();
        QVERIFY(!failing.frame->isVisible());
        QVERIFY(failing.frame->progressBar() && failing.frame->progressBar()->isVisible());
        QTRY_COMPARE(failing.messages, QStringList{"Error while loading ABBYY FineReader Engine"});
        QTest::qWait(300);
        QCOMPARE(failing.messages.size(), 1);
        QVERIFY(!failing.frame->progressBar()->isVisible());

        IOcrEngine engine;
        QSignalSpy progress(&engine, &IOcrEngine::sgOcrProgress);
        Window working;
        open(working, &engine, {m_pictures.first()});
        working.answer = m_dir.filePath("page");
        working.frame->formatButton(ExportText)->click();
        working.frame->startButton()->click();
        QCOMPARE(working.filters, QStringList{"(*.txt)"});
        QTRY_COMPARE_WITH_TIMEOUT(working.messages, QStringList{"OCR Analysing Succeed!"}, 60000);
        QCOMPARE(working.frame->progressBar()->value(), 100);
        QVERIFY(!working.frame->progressBar()->isVisible());
        QFile out(m_dir.filePath("page.txt"));
        QVERIFY(out.open(QIODevice::ReadOnly));
        QVERIFY(QString::fromUtf8(out.readAll()).contains("Page number 1"));
    }
};

VESKAROO_TEST_MAIN(TestOcrFrame)
#include "tst_ocrframe.moc"

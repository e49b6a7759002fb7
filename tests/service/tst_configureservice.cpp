// Settings: defaults, repair of vanished folders, immediate writes, and
// files that are corrupt, unreadable or written by older versions.
#include "common/testenv.h"

#include "board/iboard.h"
#include "board/iboardstate.h"
#include "iglobals.h"
#include "service/iboardservice.h"
#include "imessagehandler.h"
#include "service/iconfigureservice.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <functional>

using Setter = std::function<void()>;
Q_DECLARE_METATYPE(Setter)

class TestConfigureService : public QObject
{
    Q_OBJECT

    IConfigureService* service() { return IConfigureService::instance(); }
    QString iniPath() { return IConfigureService::settingsFilePath(); }
    QVariant stored(const QString& key)
    {
        QSettings s(iniPath(), QSettings::IniFormat);
        return s.value(key);
    }
    void writeStored(const QString& key, const QVariant& value)
    {
        QSettings s(iniPath(), QSettings::IniFormat);
        s.setValue(key, value);
    }

private slots:
    void init()
    {
        QDir(TestEnv::dataFolder()).removeRecursively();
    }

    void freshProfileHasDefaultsAndCreatesFolders()
    {
        service()->readConfigure();
        QCOMPARE(service()->photoFormat(), QString("jpeg"));
        QCOMPARE(service()->videoFormat(), QString("mp4"));
        QCOMPARE(service()->pencilColor(), QColor("#ff0000"));
        QCOMPARE(service()->pencilTransparency(), 200);
        QCOMPARE(service()->pencilThickness(), 5);
        QCOMPARE(service()->eraserSize(), 100);
        QCOMPARE(service()->cameraResolution(), QSize(1920, 1080));
        QCOMPARE(service()->exposure(), -1);
        QCOMPARE(service()->focus(), -1);
        QCOMPARE(service()->fileDialogFolder(), QString());
        QCOMPARE(service()->freeCaptureRect(), QRect(0, 0, 0, 0));
        QCOMPARE(service()->ocrLanguages(), QStringList{"English"});
        QCOMPARE(service()->photoSound(), false);
        QCOMPARE(service()->screenRecordingFrameRate(), 20);

        const QString photo = TestEnv::dataFolder() + "/photo/";
        const QString video = TestEnv::dataFolder() + "/video/";
        QCOMPARE(service()->photoPath(), photo);
        QCOMPARE(service()->videoPath(), video);
        QVERIFY(QDir(photo).exists());
        QVERIFY(QDir(video).exists());
        QVERIFY(QFile::exists(TestEnv::dataFolder() + "/ini/application.ini"));
        QCOMPARE(stored("path/photo").toString(), photo);
        QCOMPARE(stored("path/video").toString(), video);
    }

    void vanishedFoldersAreReplacedByTheDefaults()
    {
        writeStored("path/photo", "/nonexistent/veskaroo/photos");
        writeStored("path/video", "/nonexistent/veskaroo/videos");
        service()->readConfigure();
        const QString photo = TestEnv::dataFolder() + "/photo/";
        QCOMPARE(service()->photoPath(), photo);
        QCOMPARE(stored("path/photo").toString(), photo);
        QVERIFY(QDir(photo).exists());
        QCOMPARE(stored("path/video").toString(), TestEnv::dataFolder() + "/video/");
    }

    // A folder nothing can be saved in would lose every capture and
    // recording without a word; the default folder takes its place.
    void unusableFoldersAreReplacedByTheDefaults_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::newRow("empty") << QString();
        QTest::newRow("blank") << QString("  ");
        QTest::newRow("a file, not a folder") << QString("file");
        // Nobody, root included, can create a file there.
        QTest::newRow("a folder that takes no files") << QString("/proc/1");
    }
    void unusableFoldersAreReplacedByTheDefaults()
    {
        QFETCH(QString, folder);
        QTemporaryDir scratch;
        if (folder == "file") {
            folder = scratch.filePath("file");
            QFile file(folder);
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        writeStored("path/photo", folder);
        writeStored("path/video", folder);
        service()->readConfigure();
        const QString photo = TestEnv::dataFolder() + "/photo/";
        const QString video = TestEnv::dataFolder() + "/video/";
        QCOMPARE(service()->photoPath(), photo);
        QCOMPARE(service()->videoPath(), video);
        QCOMPARE(stored("path/photo").toString(), photo);
        QCOMPARE(stored("path/video").toString(), video);
        QVERIFY(QDir(photo).exists());
        QVERIFY(QDir(video).exists());
    }

    void existingFoldersAreKept()
    {
        QTemporaryDir photos;
        writeStored("path/photo", photos.path());
        service()->readConfigure();
        QCOMPARE(service()->photoPath(), photos.path());
        QCOMPARE(stored("path/photo").toString(), photos.path());
        // Finding out that it takes files leaves nothing behind.
        QCOMPARE(QDir(photos.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 QStringList());
    }

    void storedValuesAreRead()
    {
        writeStored("format/photo", "png");
        writeStored("pencil/thickness", 9);
        writeStored("cameraresolution/width", 3840);
        writeStored("cameraresolution/height", 2160);
        writeStored("other/freecapture_x", 10);
        writeStored("other/freecapture_y", 20);
        writeStored("other/freecapture_w", 300);
        writeStored("other/freecapture_h", 400);
        writeStored("OCR/lang", QStringList{"English", "German"});
        writeStored("photo/sound", true);
        writeStored("erase/size", "not a number");
        service()->readConfigure();
        QCOMPARE(service()->photoFormat(), QString("png"));
        QCOMPARE(service()->pencilThickness(), 9);
        QCOMPARE(service()->cameraResolution(), QSize(3840, 2160));
        QCOMPARE(service()->freeCaptureRect(), QRect(10, 20, 300, 400));
        QCOMPARE(service()->ocrLanguages(), (QStringList{"English", "German"}));
        QCOMPARE(service()->photoSound(), true);
        QCOMPARE(service()->eraserSize(), 0);
    }

    void absentKeyReadsAsNull()
    {
        QCOMPARE(service()->value("no/such-key").toString(), QString("null"));
        QVERIFY(service()->setValue("some/key", 42));
        QCOMPARE(service()->value("some/key").toInt(), 42);
    }

    void everySetterWritesAtOnce_data()
    {
        QTest::addColumn<Setter>("set");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QVariant>("expected");
        IConfigureService* c = IConfigureService::instance();
        QTest::newRow("language") << Setter([c] { c->setLangId("2052"); }) << "lang/langid" << QVariant("2052");
        QTest::newRow("photo folder") << Setter([c] { c->setPhotoPath("/tmp/p"); }) << "path/photo" << QVariant("/tmp/p");
        QTest::newRow("photo format") << Setter([c] { c->setPhotoFormat("png"); }) << "format/photo" << QVariant("png");
        QTest::newRow("video folder") << Setter([c] { c->setVideoPath("/tmp/v"); }) << "path/video" << QVariant("/tmp/v");
        QTest::newRow("video format") << Setter([c] { c->setVideoFormat("avi"); }) << "format/video" << QVariant("avi");
        QTest::newRow("pencil colour") << Setter([c] { c->setPencilColor(QColor(1, 2, 3)); }) << "pencil/color" << QVariant("#010203");
        QTest::newRow("thickness") << Setter([c] { c->setPencilThickness(7); }) << "pencil/thickness" << QVariant(7);
        QTest::newRow("transparency") << Setter([c] { c->setPencilTransparency(50); }) << "pencil/transparent" << QVariant(50);
        QTest::newRow("eraser") << Setter([c] { c->setEraserSize(30); }) << "erase/size" << QVariant(30);
        QTest::newRow("resolution width") << Setter([c] { c->setCameraResolution({1280, 720}); }) << "cameraresolution/width" << QVariant(1280);
        QTest::newRow("resolution height") << Setter([c] { c->setCameraResolution({1280, 720}); }) << "cameraresolution/height" << QVariant(720);
        QTest::newRow("exposure") << Setter([c] { c->setExposure(-5); }) << "other/exposure" << QVariant(-5);
        QTest::newRow("focus") << Setter([c] { c->setFocus(120); }) << "other/focus" << QVariant(120);
        QTest::newRow("file dialog") << Setter([c] { c->setFileDialogFolder("/tmp/d"); }) << "other/filedialog" << QVariant("/tmp/d");
        QTest::newRow("free capture") << Setter([c] { c->setFreeCaptureRect({1, 2, 3, 4}); }) << "other/freecapture_h" << QVariant(4);
        QTest::newRow("ocr languages") << Setter([c] { c->setOcrLanguages({"French"}); }) << "OCR/lang" << QVariant("French");
        QTest::newRow("photo sound") << Setter([c] { c->setPhotoSound(true); }) << "photo/sound" << QVariant(true);
        QTest::newRow("frame rate") << Setter([c] { c->setScreenRecordingFrameRate(25); }) << "screenRecording/frameRate" << QVariant(25);
    }

    void everySetterWritesAtOnce()
    {
        QFETCH(Setter, set);
        QFETCH(QString, key);
        QFETCH(QVariant, expected);
        QVERIFY(!stored(key).isValid());
        set();
        QCOMPARE(stored(key).toString(), expected.toString());
    }

    void inkColourSurvivesARestartWithoutWriteAll()
    {
        service()->readConfigure();
        service()->setPencilColor(QColor("#12ab34"));
        service()->readConfigure(); // as the next start would, after a kill
        QCOMPARE(service()->pencilColor(), QColor("#12ab34"));
        QVERIFY(service()->pencilColor().isValid());
    }

    void inkColourReadsEitherStoredForm_data()
    {
        QTest::addColumn<QVariant>("inFile");
        QTest::addColumn<QColor>("expected");
        QTest::newRow("colour name") << QVariant("#00ff00") << QColor(0, 255, 0);
        QTest::newRow("svg name") << QVariant("blue") << QColor(0, 0, 255);
        QTest::newRow("colour variant of older versions") << QVariant(QColor(10, 20, 30)) << QColor(10, 20, 30);
    }

    void inkColourReadsEitherStoredForm()
    {
        QFETCH(QVariant, inFile);
        QFETCH(QColor, expected);
        writeStored("pencil/color", inFile);
        service()->readConfigure();
        QCOMPARE(service()->pencilColor(), expected);
    }

    void writeAllWritesEveryKey()
    {
        service()->readConfigure();
        service()->setLangId("1033");
        QFile::remove(iniPath());
        service()->writeAllConfigure();
        QSettings s(iniPath(), QSettings::IniFormat);
        const QStringList keys = s.allKeys();
        for (const char* key : {"lang/langid", "path/photo", "path/video", "format/photo", "format/video",
                                "pencil/color", "pencil/thickness", "pencil/transparent", "erase/size",
                                "cameraresolution/width", "cameraresolution/height", "other/filedialog",
                                "other/freecapture_x", "other/freecapture_y", "other/freecapture_w",
                                "other/freecapture_h", "other/exposure", "other/focus", "OCR/lang",
                                "photo/sound", "screenRecording/frameRate"})
            QVERIFY2(keys.contains(key), key);
        QCOMPARE(s.value("pencil/color").toString(), QString("#ff0000"));
    }

    void corruptFileGivesDefaults()
    {
        QFile file(iniPath());
        QVERIFY(file.open(QIODevice::WriteOnly));
        QByteArray junk;
        for (int i = 0; i < 4096; ++i)
            junk.append(char((i * 7919) % 256));
        file.write(junk);
        file.close();
        service()->readConfigure();
        QCOMPARE(service()->pencilThickness(), 5);
        QCOMPARE(service()->cameraResolution(), QSize(1920, 1080));
        QCOMPARE(service()->pencilColor(), QColor(Qt::red));
    }

    void unreadableFileGivesDefaultsAndFailedWritesSayso()
    {
        // A folder where the file should be cannot be read or written, even by root.
        QVERIFY(QDir().mkpath(iniPath()));
        service()->readConfigure();
        QCOMPARE(service()->eraserSize(), 100);
        QCOMPARE(service()->screenRecordingFrameRate(), 20);
        QCOMPARE(service()->value("pencil/thickness").toString(), QString("null"));
        QVERIFY(!service()->setValue("pencil/thickness", 3));
    }

    void drawingSettersReachTheBoardAtOnce()
    {
        IBoard board;
        IBoardService::instance()->setBoard(&board);
        service()->setPencilThickness(17);
        service()->setPencilColor(QColor("#336699"));
        service()->setPencilTransparency(90);
        QCOMPARE(board.boardState()->inkThickness(), 17.0);
        QCOMPARE(board.boardState()->inkColor().rgb(), QColor("#336699").rgb());
        QCOMPARE(board.boardState()->inkOpacity(), 90);
        QCOMPARE(stored("pencil/thickness").toInt(), 17);
        IBoardService::instance()->setBoard(nullptr);
    }

    void versionString()
    {
        QCOMPARE(IConfigureService::versionString(), QString("V2.8.77212_2025.11.12"));
    }

    void customLogLineGoesToTheDailyFile()
    {
        service()->writeLog("camera opened");
        QFile log(IMessageHandler::logFilePath(QDate::currentDate()));
        QVERIFY(log.open(QIODevice::ReadOnly));
        const QString content = QString::fromUtf8(log.readAll());
        const QRegularExpression line(
            R"(^\d{4}-\d\d-\d\d \d\d:\d\d:\d\d \d{3} camera opened\r$)",
            QRegularExpression::MultilineOption);
        QVERIFY2(line.match(content).hasMatch(), qPrintable(content));
    }
};

VESKAROO_TEST_MAIN(TestConfigureService)
#include "tst_configureservice.moc"

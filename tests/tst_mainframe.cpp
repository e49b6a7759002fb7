// The main window driven like a user: shortcuts and toolbar buttons take
// pictures, freeze and outline; the picture list and PDF export; unplugging
// and replugging the camera; closing.
#include "common/testenv.h"

#include "board/iboard.h"
#include "board/item/ipixmapitem.h"
#include "customui/capture/icaptureframe.h"
#include "customui/capture/icapturemodeframe.h"
#include "customui/capture/ifreezonewidget.h"
#include "customui/capture/itimercapturecontrolframe.h"
#include "customui/capture/itimercaptureframe.h"
#include "customui/common/itimemsgbox.h"
#include "customui/imglist/iimglist.h"
#include "customui/imglist/iimglistitem.h"
#include "customui/imglist/iimglistwidget.h"
#include "customui/toolbar/iboardtoolbar.h"
#include "customui/toolbar/icameratoolbar.h"
#include "customui/toolbar/imaintitlewidget.h"
#include "customui/toolbar/irighttoolbar.h"
#include "directshow/ivideodeviceregistry.h"
#include "directshow/ivideodevicesetup.h"
#include "directshow/virtual/ivirtualcamera.h"
#include "icamera.h"
#include "iglobals.h"
#include "iimagetansformthread.h"
#include "mainframe.h"
#include "ocr/iocrframe.h"
#include "service/iboardservice.h"
#include "service/iconfigureservice.h"

#include <QClipboard>
#include <QDateTime>
#include <QDir>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QPushButton>
#include <QScreen>
#include <QSet>
#include <QToolButton>

#include <functional>

class TestMainFrame : public QObject
{
    Q_OBJECT

    std::shared_ptr<IVirtualCamera> m_camera;
    MainFrame* m_window = nullptr;

    static QStringList photos()
    {
        return QDir(IConfigureService::instance()->photoPath()).entryList({"*.jpeg", "*.jpg"}, QDir::Files);
    }
    QAbstractButton* cameraButton(int id)
    {
        for (QAbstractButton* button : m_window->cameraToolBar()->findChildren<QAbstractButton*>()) {
            const QStringList texts = {"Focus and Exposure", "Magnifier", "Resolution", "Zoom-in", "Zoom-out",
                                       "Rotate", "Freeze", "Color-adjusting", "Self-adapting", "Automatic edging",
                                       "Snap", "Photo-mode", "Video-Recording", "OCR", "PDF", "Camera",
                                       "Picture-in-picture", "Split-screen"};
            if (button->toolTip() == texts.value(id))
                return button;
        }
        return nullptr;
    }
    // A button of the capture mode panel, found by its text.
    QPushButton* modeButton(const QString& text)
    {
        for (QPushButton* button : m_window->captureModeFrame()->findChildren<QPushButton*>()) {
            if (button->text() == text)
                return button;
        }
        return nullptr;
    }
    // Opens the capture mode panel from the toolbar and picks a mode, as a user does.
    void chooseMode(const QString& text)
    {
        QTest::mouseClick(cameraButton(ICameraToolBar::PhotoMode), Qt::LeftButton);
        QTRY_VERIFY(m_window->captureModeFrame()->isVisible());
        QPushButton* button = modeButton(text);
        QVERIFY2(button, qPrintable(text));
        QTest::mouseClick(button, Qt::LeftButton);
        QVERIFY(!m_window->captureModeFrame()->isVisible());
    }
    // Runs `shoot` and gives the path of the one picture it saved.
    void newPhoto(const std::function<void()>& shoot, QString* path)
    {
        QTRY_VERIFY_WITH_TIMEOUT(cameraButton(ICameraToolBar::Snap)->isEnabled(), 10000);
        QTest::qWait(20); // names are stamped to the millisecond
        const QStringList before = photos();
        shoot();
        QTRY_COMPARE_WITH_TIMEOUT(photos().size(), before.size() + 1, 20000);
        QStringList added = photos();
        for (const QString& name : before)
            added.removeOne(name);
        QCOMPARE(added.size(), 1);
        *path = IConfigureService::instance()->photoPath() + "/" + added.first();
    }
    static QPushButton* buttonWithText(QWidget* parent, const QString& text)
    {
        for (QPushButton* button : parent->findChildren<QPushButton*>()) {
            if (button->text() == text)
                return button;
        }
        return nullptr;
    }
    QString seriesLabel() const
    {
        return m_window->timerCaptureFrame()->controlFrame()->findChild<QLabel*>()->text();
    }
    // Opens the timing panel from Snap and starts a series as a user types it.
    void startSeries(const QString& interval, const QString& pages)
    {
        chooseMode("Timing capture");
        QTRY_VERIFY_WITH_TIMEOUT(cameraButton(ICameraToolBar::Snap)->isEnabled(), 10000);
        QTest::mouseClick(cameraButton(ICameraToolBar::Snap), Qt::LeftButton);
        ITimerCaptureFrame* panel = m_window->timerCaptureFrame();
        QTRY_VERIFY(panel->isVisible());
        QTest::keyClicks(panel->intervalEdit(), interval);
        QTest::keyClicks(panel->pagesEdit(), pages);
        QTest::mouseClick(buttonWithText(panel, "Confirm"), Qt::LeftButton);
        QVERIFY(!panel->isVisible());
        QVERIFY(panel->controlFrame()->isVisible());
    }
    // A left-button drag on the zone, in the widget's coordinates.
    static void drag(QWidget* widget, const QPoint& from, const QPoint& to)
    {
        QMouseEvent press(QEvent::MouseButtonPress, from, widget->mapToGlobal(from), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(widget, &press);
        for (int step = 1; step <= 4; ++step) {
            const QPoint at = from + (to - from) * step / 4;
            QMouseEvent move(QEvent::MouseMove, at, widget->mapToGlobal(at), Qt::NoButton, Qt::LeftButton,
                             Qt::NoModifier);
            QApplication::sendEvent(widget, &move);
        }
        QMouseEvent release(QEvent::MouseButtonRelease, to, widget->mapToGlobal(to), Qt::LeftButton,
                            Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(widget, &release);
    }
    // Chooses partial capture and opens its window with Snap.
    ICaptureFrame* openZoneWindow()
    {
        chooseMode("Partial screen capture");
        if (!QTest::qWaitFor([this] { return cameraButton(ICameraToolBar::Snap)->isEnabled(); }, 10000))
            return nullptr;
        QTest::mouseClick(cameraButton(ICameraToolBar::Snap), Qt::LeftButton);
        ICaptureFrame* frame = m_window->captureFrame();
        return frame && frame->isVisible() ? frame : nullptr;
    }
    // The text of the timed notice on screen, empty when none is.
    static QString shownNotice()
    {
        for (QWidget* top : QApplication::topLevelWidgets()) {
            if (qobject_cast<ITimeMsgBox*>(top) && top->isVisible())
                return top->findChild<QLabel*>()->text();
        }
        return QString();
    }
    // Exports the list's marked pictures as the PDF button does, the save
    // dialog answered with `answer`.
    void exportPdfAs(const QString& answer, QString* proposed = nullptr)
    {
        m_window->imgListWidget()->list()->setPdfFileChooser([answer, proposed](const QString& name) {
            if (proposed)
                *proposed = name;
            return answer;
        });
        cameraButton(ICameraToolBar::Pdf)->click();
    }
    // Pages and page size in points as pdfinfo reports them; empty without pdfinfo.
    static QString pdfInfo(const QString& path, const QString& field)
    {
        const QString pdfinfo = QStandardPaths::findExecutable("pdfinfo");
        if (pdfinfo.isEmpty())
            return QString();
        QByteArray output;
        if (TestEnv::runProcess(pdfinfo, {path}, {}, 30000, &output) != 0)
            return QStringLiteral("unreadable");
        for (const QString& line : QString::fromUtf8(output).split('\n')) {
            if (line.startsWith(field + ":"))
                return line.mid(field.size() + 1).trimmed();
        }
        return QString();
    }

private slots:
    void initTestCase()
    {
        TestEnv::silenceOffscreenPlatformNotices();
        IVideoDeviceRegistry::instance().clear();
        m_camera = IVideoDeviceSetup::install({"veskaroo", "--virtual-camera"});
        QVERIFY(m_camera);
        m_window = new MainFrame(nullptr);
        QVERIFY(TestEnv::showFirstPicture(m_window));
        QTRY_VERIFY(!m_window->board()->pictureItem()->pixmap().isNull()
                    || !m_window->board()->pictureItem()->boundingRect().isEmpty());
    }

    void cleanupTestCase()
    {
        delete m_window;
        ICamera::instance()->closeAllSources();
    }

    void ctrlAlt5AndSpaceTakeAPictureLikeSnap()
    {
        const int before = photos().size();
        QTest::keyClick(m_window, Qt::Key_5, Qt::ControlModifier | Qt::AltModifier);
        QTRY_COMPARE_WITH_TIMEOUT(photos().size(), before + 1, 20000);
        QTRY_VERIFY_WITH_TIMEOUT(cameraButton(ICameraToolBar::Snap)->isEnabled(), 10000);

        QTest::qWait(20); // names are stamped to the millisecond
        QTest::keyClick(m_window, Qt::Key_Space);
        QTRY_COMPARE_WITH_TIMEOUT(photos().size(), before + 2, 20000);

        QImageReader reader(IConfigureService::instance()->photoPath() + "/" + photos().first());
        QCOMPARE(reader.size(), QSize(1920, 1080)); // the camera's resolution
    }

    void pictureTakenOnATurnedViewIsTurnedToo()
    {
        const QStringList before = photos();
        cameraButton(ICameraToolBar::Rotate)->click();
        QTRY_VERIFY_WITH_TIMEOUT(cameraButton(ICameraToolBar::Snap)->isEnabled(), 10000);
        QTest::qWait(20);
        cameraButton(ICameraToolBar::Snap)->click();
        QTRY_COMPARE_WITH_TIMEOUT(photos().size(), before.size() + 1, 20000);
        for (int turn = 0; turn < 3; ++turn)
            cameraButton(ICameraToolBar::Rotate)->click();
        QCOMPARE(m_window->board()->rotation(), 0);

        QStringList added = photos();
        for (const QString& name : before)
            added.removeOne(name);
        QCOMPARE(added.size(), 1);
        QImageReader reader(IConfigureService::instance()->photoPath() + "/" + added.first());
        QCOMPARE(reader.size(), QSize(1080, 1920));
        QTRY_VERIFY_WITH_TIMEOUT(cameraButton(ICameraToolBar::Snap)->isEnabled(), 10000);
    }

    void thePictureListSitsLeftOfTheBoardAndTakesEachSavedPicture()
    {
        IImgListWidget* panel = m_window->imgListWidget();
        QVERIFY(panel->isVisible());
        QVERIFY(panel->geometry().right() < m_window->board()->geometry().left());
        QCOMPARE(panel->geometry().top(), m_window->board()->geometry().top());

        // The pictures taken above, each with its file and the next number.
        QStringList taken;
        for (const QString& name : photos())
            taken << QDir(IConfigureService::instance()->photoPath()).absoluteFilePath(name);
        QTRY_COMPARE(panel->list()->count(), taken.size());
        QStringList listed;
        for (const QString& path : panel->list()->files())
            listed << QFileInfo(path).absoluteFilePath();
        QCOMPARE(listed, taken);
        QCOMPARE(panel->list()->entry(taken.size() - 1)->number(), taken.size());
    }

    void pdfExportWithoutAMarkedPictureAsksForOne()
    {
        IImgList* list = m_window->imgListWidget()->list();
        list->deselectAll();
        bool asked = false;
        m_window->imgListWidget()->list()->setPdfFileChooser([&asked](const QString&) {
            asked = true;
            return QString();
        });
        cameraButton(ICameraToolBar::Pdf)->click();
        QVERIFY(!asked);
        QTRY_COMPARE(shownNotice(), QString("请先选择左边列表文件"));
    }

    void pdfExportWritesTheMarkedPicturesOnePerPage()
    {
        IImgList* list = m_window->imgListWidget()->list();
        QVERIFY(list->count() >= 2);
        list->deselectAll();
        list->entry(0)->setChecked(true);
        list->entry(1)->setChecked(true);
        QTemporaryDir out;

        // A name typed without the extension gets it.
        QString proposed;
        const QDateTime before = QDateTime::currentDateTime().addSecs(-1);
        exportPdfAs(out.filePath("report"), &proposed);
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(out.filePath("report.pdf")), 30000);
        QTRY_COMPARE(shownNotice(), QString("Save Successful."));
        QVERIFY(!QFile::exists(out.filePath("report")));
        const QDateTime stamp = QDateTime::fromString(QFileInfo(proposed).fileName(), "yyyyMMddhhmmss");
        QVERIFY2(stamp.isValid() && stamp >= before, qPrintable(proposed));

        QFile pdf(out.filePath("report.pdf"));
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        QVERIFY(pdf.read(5) == "%PDF-");
        if (QStandardPaths::findExecutable("pdfinfo").isEmpty())
            qWarning("pdfinfo missing: pages not counted");
        else {
            QCOMPARE(pdfInfo(pdf.fileName(), "Pages"), QString("2"));
            QVERIFY2(pdfInfo(pdf.fileName(), "Page size").contains("(A4)"),
                     qPrintable(pdfInfo(pdf.fileName(), "Page size")));
        }

        // The dialog now proposes the folder the PDF went to.
        exportPdfAs(QString(), &proposed);
        QCOMPARE(QFileInfo(proposed).absolutePath(), QFileInfo(out.path()).absoluteFilePath());
    }

    void pdfExportKeepsANameThatEndsInPdf()
    {
        IImgList* list = m_window->imgListWidget()->list();
        list->deselectAll();
        list->entry(0)->setChecked(true);
        QTemporaryDir out;
        exportPdfAs(out.filePath("kept.pdf"));
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(out.filePath("kept.pdf")), 30000);
        // Whatever the case of its extension.
        exportPdfAs(out.filePath("upper.PDF"));
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(out.filePath("upper.PDF")), 30000);
        QCOMPARE(QDir(out.path()).entryList(QDir::Files), QStringList({"kept.pdf", "upper.PDF"}));
        if (!QStandardPaths::findExecutable("pdfinfo").isEmpty())
            QCOMPARE(pdfInfo(out.filePath("kept.pdf"), "Pages"), QString("1"));
    }

    void ocrOpensWithTheMarkedPictures()
    {
        IImgList* list = m_window->imgListWidget()->list();
        QVERIFY(list->count() >= 2);
        list->deselectAll();
        list->entry(1)->setChecked(true);
        list->entry(0)->setChecked(true);
        cameraButton(ICameraToolBar::Ocr)->click();
        IOcrFrame* ocr = m_window->ocrFrame();
        QVERIFY(ocr && ocr->isVisible());
        QCOMPARE(ocr->images(), (QStringList{list->entry(0)->path(), list->entry(1)->path()}));
        QCOMPARE(ocr->counterText(), QString("1/2"));
        ocr->close();
        // Nothing marked: the window keeps what it had.
        list->deselectAll();
        cameraButton(ICameraToolBar::Ocr)->click();
        QCOMPARE(m_window->ocrFrame()->images().size(), 2);
        m_window->ocrFrame()->close();
    }

    void shutterSoundIsOurs()
    {
        QFile sound(":/root/root/photoSound.wav");
        QVERIFY(sound.open(QIODevice::ReadOnly));
        const QByteArray head = sound.read(12);
        QVERIFY(head.startsWith("RIFF") && head.endsWith("WAVE"));
        QVERIFY(sound.size() > 10000);
    }

    void photoModeButtonOpensAndClosesTheModePanel()
    {
        ICaptureModeFrame* panel = m_window->captureModeFrame();
        QVERIFY(!panel->isVisible());
        QAbstractButton* photoMode = cameraButton(ICameraToolBar::PhotoMode);
        QTest::mouseClick(photoMode, Qt::LeftButton);
        QTRY_VERIFY(panel->isVisible());
        // Right above the button that opened it.
        const QRect button(photoMode->mapToGlobal(QPoint(0, 0)), photoMode->size());
        QVERIFY(panel->frameGeometry().bottom() < button.top());
        // Over the button, unless that would push it off the screen.
        const QRect screen = photoMode->screen()->geometry();
        QVERIFY(screen.contains(panel->frameGeometry()));
        QVERIFY(panel->frameGeometry().left() <= button.center().x());
        QVERIFY(panel->frameGeometry().right() >= button.center().x());
        QVERIFY2(qAbs(panel->frameGeometry().center().x() - button.center().x()) <= 1
                     || panel->frameGeometry().right() == screen.right(),
                 qPrintable(QString("panel centre %1, button centre %2").arg(panel->frameGeometry().center().x())
                                .arg(button.center().x())));
        const QStringList texts = {"拍照提示音", "Default", "Screen Capture", "Partial screen capture",
                                   "Timing capture", "Time-lapse", "Screen capture to clipboard",
                                   "Black white capture", "Gray capture"};
        for (int mode = -1; mode <= 7; ++mode) {
            QPushButton* b = modeButton(texts.at(mode + 1));
            QVERIFY2(b && b->isVisible(), qPrintable(texts.at(mode + 1)));
            QCOMPARE(b->property("flag").toInt(), mode);
            QCOMPARE(b->font().weight(), 87);
        }
        QCOMPARE(panel->currentMode(), int(DefaultCapture));

        // The button of an open panel closes it and opens nothing else.
        QTest::mouseClick(photoMode, Qt::LeftButton);
        QVERIFY(!panel->isVisible());

        // Any other toolbar button closes it too.
        QTest::mouseClick(photoMode, Qt::LeftButton);
        QVERIFY(panel->isVisible());
        QTest::mouseClick(cameraButton(ICameraToolBar::SelfAdapting), Qt::LeftButton);
        QVERIFY(!panel->isVisible());
        QTest::mouseClick(photoMode, Qt::LeftButton);
        QVERIFY(panel->isVisible());
        QTest::mouseClick(cameraButton(ICameraToolBar::Snap), Qt::LeftButton);
        QVERIFY(!panel->isVisible());
        QTRY_VERIFY_WITH_TIMEOUT(cameraButton(ICameraToolBar::Snap)->isEnabled(), 20000);
    }

    void shutterSoundSwitchFlipsTheSetting()
    {
        IConfigureService* config = IConfigureService::instance();
        const bool before = config->photoSound();
        QTest::mouseClick(cameraButton(ICameraToolBar::PhotoMode), Qt::LeftButton);
        QTest::mouseClick(modeButton("拍照提示音"), Qt::LeftButton);
        QCOMPARE(config->photoSound(), !before);
        QCOMPARE(modeButton("拍照提示音")->isChecked(), !before);
        // A switch, not a mode: the mode stays and so does the panel.
        QCOMPARE(m_window->captureModeFrame()->currentMode(), int(DefaultCapture));
        QVERIFY(m_window->captureModeFrame()->isVisible());
        QTest::mouseClick(modeButton("拍照提示音"), Qt::LeftButton);
        QCOMPARE(config->photoSound(), before);
        QTest::mouseClick(cameraButton(ICameraToolBar::PhotoMode), Qt::LeftButton);
        QVERIFY(!m_window->captureModeFrame()->isVisible());
    }

    void grayCaptureSavesAGreyPicture()
    {
        chooseMode("Gray capture");
        QCOMPARE(m_window->captureModeFrame()->currentMode(), int(GrayCapture));
        QString path;
        newPhoto([this] { QTest::mouseClick(cameraButton(ICameraToolBar::Snap), Qt::LeftButton); }, &path);
        if (QTest::currentTestFailed())
            return;
        const QImage picture(path);
        QCOMPARE(picture.size(), QSize(1920, 1080));
        QSet<int> seen;
        for (int y = 0; y < picture.height(); y += 37) {
            for (int x = 0; x < picture.width(); x += 41) {
                const QRgb p = picture.pixel(x, y);
                QVERIFY2(qAbs(qRed(p) - qGreen(p)) <= 2 && qAbs(qGreen(p) - qBlue(p)) <= 2,
                         qPrintable(QString("%1,%2").arg(x).arg(y)));
                seen.insert(qGray(p) / 16);
            }
        }
        QVERIFY2(seen.size() >= 3, "a picture, not a blank"); // the page and the desk differ
        chooseMode("Default");
    }

    void screenCaptureSavesTheWindowAndCtrlAlt5FollowsTheMode()
    {
        chooseMode("Screen Capture");
        IImgList* list = m_window->imgListWidget()->list();
        QString path;
        bool held = false;
        newPhoto([this, &held] {
            QTest::keyClick(m_window, Qt::Key_5, Qt::ControlModifier | Qt::AltModifier);
            held = !cameraButton(ICameraToolBar::Snap)->isEnabled();
        }, &path);
        if (QTest::currentTestFailed())
            return;
        // Held for a second against a burst of grabs.
        QVERIFY(held);
        QCOMPARE(QImageReader(path).size(), m_window->size() * m_window->devicePixelRatio());
        // In the list with its file, so that it can be exported like a picture.
        QTRY_VERIFY(list->files().contains(path) || list->files().contains(QFileInfo(path).absoluteFilePath()));
        QTRY_VERIFY_WITH_TIMEOUT(cameraButton(ICameraToolBar::Snap)->isEnabled(), 5000);
        chooseMode("Default");
    }

    void clipboardCapturePutsTheWindowOnTheClipboard()
    {
        QGuiApplication::clipboard()->clear();
        chooseMode("Screen capture to clipboard");
        const int before = photos().size();
        QTest::mouseClick(cameraButton(ICameraToolBar::Snap), Qt::LeftButton);
        QTRY_COMPARE(shownNotice(), QString("Succeed!"));
        const QImage copied = QGuiApplication::clipboard()->image();
        QCOMPARE(copied.size(), m_window->size() * m_window->devicePixelRatio());
        QTest::qWait(300);
        QCOMPARE(photos().size(), before); // nothing written to the folder
        chooseMode("Default");
    }

    void timingPanelAsksForWholeNumbersAboveZero()
    {
        chooseMode("Timing capture");
        QTest::mouseClick(cameraButton(ICameraToolBar::Snap), Qt::LeftButton);
        ITimerCaptureFrame* panel = m_window->timerCaptureFrame();
        QTRY_VERIFY(panel->isVisible());
        // Centred over the window.
        QVERIFY((panel->frameGeometry().center() - m_window->frameGeometry().center()).manhattanLength() <= 2);
        QTest::keyClicks(panel->intervalEdit(), "0");
        QCOMPARE(panel->intervalEdit()->text(), QString());
        QTest::keyClicks(panel->intervalEdit(), "123");
        QCOMPARE(panel->intervalEdit()->text(), QString("12"));
        QTest::mouseClick(buttonWithText(panel, "Confirm"), Qt::LeftButton);
        // No count of shots: nothing starts and the panel says why.
        QVERIFY(panel->isVisible());
        QVERIFY(panel->messageLabel()->isVisible());
        QCOMPARE(panel->messageLabel()->text(), QString("Please input integer greater than 0."));
        QVERIFY(!panel->controlFrame()->isVisible());
        QTest::mouseClick(buttonWithText(panel, "Cancel"), Qt::LeftButton);
        QVERIFY(!panel->isVisible());
        QVERIFY(!panel->isRunning());
        chooseMode("Default");
    }

    void timingCaptureTakesTheSeriesAndCountsIt()
    {
        const int before = photos().size();
        startSeries("1", "3");
        QCOMPARE(seriesLabel(), QString("0 / 3"));
        QTRY_COMPARE_WITH_TIMEOUT(seriesLabel(), QString("1 / 3"), 10000);
        QTRY_COMPARE_WITH_TIMEOUT(seriesLabel(), QString("2 / 3"), 10000);
        QTRY_COMPARE_WITH_TIMEOUT(seriesLabel(), QString("3 / 3"), 10000);
        QTRY_VERIFY(!m_window->timerCaptureFrame()->controlFrame()->isVisible());
        QCOMPARE(photos().size(), before + 3);
        QTest::qWait(1500);
        QCOMPARE(photos().size(), before + 3);
        chooseMode("Default");
    }

    void haltingASeriesKeepsWhatIsLeft()
    {
        const int before = photos().size();
        startSeries("1", "3");
        ITimerCaptureControlFrame* bar = m_window->timerCaptureFrame()->controlFrame();
        QVERIFY(!buttonWithText(bar, "Start")->isVisible());
        QTRY_COMPARE_WITH_TIMEOUT(seriesLabel(), QString("1 / 3"), 10000);
        QTest::mouseClick(buttonWithText(bar, "Halt"), Qt::LeftButton);
        QVERIFY(buttonWithText(bar, "Start")->isVisible());
        QVERIFY(!buttonWithText(bar, "Halt")->isVisible());
        QTest::qWait(2500);
        QCOMPARE(seriesLabel(), QString("1 / 3"));
        QCOMPARE(photos().size(), before + 1);
        QCOMPARE(m_window->timerCaptureFrame()->remaining(), 2);

        QTest::mouseClick(buttonWithText(bar, "Start"), Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(seriesLabel(), QString("3 / 3"), 10000);
        QTRY_VERIFY(!bar->isVisible());
        QCOMPARE(photos().size(), before + 3);

        // Stop ends a series at once.
        startSeries("1", "5");
        QTest::mouseClick(buttonWithText(bar, "Stop"), Qt::LeftButton);
        QVERIFY(!bar->isVisible());
        QVERIFY(!m_window->timerCaptureFrame()->isRunning());
        QTest::qWait(1500);
        QCOMPARE(photos().size(), before + 3);

        // So does minimising the window.
        startSeries("1", "5");
        m_window->setWindowState(Qt::WindowMinimized);
        QVERIFY(!bar->isVisible());
        QVERIFY(!m_window->timerCaptureFrame()->isRunning());
        m_window->setWindowState(Qt::WindowMaximized);
        QTest::qWait(1500);
        QCOMPARE(photos().size(), before + 3);
        chooseMode("Default");
    }

    void zoneWindowCoversTheBoardAndKeepsItsZoneLargeEnough()
    {
        m_window->board()->zoomBy(1.5);
        ICaptureFrame* frame = openZoneWindow();
        QVERIFY(frame);
        // The zoom is reset so the whole picture can be chosen from.
        QVERIFY(qAbs(m_window->board()->scaleFactor() - 1.0) < 1e-6);
        QWidget* viewport = m_window->board()->viewport();
        QCOMPARE(frame->geometry(), QRect(viewport->mapToGlobal(QPoint(0, 0)), viewport->size()));

        IFreeZoneWidget* zone = frame->zoneWidget();
        const int side = zone->minimumZoneSide();
        QCOMPARE(side, qRound(200 * scaleFactors().uniform));
        // Bottom-right handle dragged past the top-left corner.
        zone->setZone(QRect(10, 10, side + 60, side + 40));
        drag(zone, zone->handleCentre(IFreeZoneWidget::BottomRight), QPoint(0, 0));
        QCOMPARE(zone->zone(), QRect(10, 10, side, side));
        // Top-left handle dragged past the bottom-right corner.
        zone->setZone(QRect(20, 20, side + 60, side + 40));
        const QRect before = zone->zone();
        drag(zone, zone->handleCentre(IFreeZoneWidget::TopLeft), before.bottomRight() + QPoint(50, 50));
        QCOMPARE(zone->zone().size(), QSize(side, side));
        QCOMPARE(zone->zone().bottomRight(), before.bottomRight());
        // Each side handle moves its own edge only.
        zone->setZone(QRect(20, 20, side + 60, side + 40));
        const QPoint rightCentre = zone->handleCentre(IFreeZoneWidget::RightCentre);
        drag(zone, rightCentre, rightCentre + QPoint(-30, 25));
        QCOMPARE(zone->zone(), QRect(20, 20, side + 30, side + 40));
        // Moved by its inside, never out of the window.
        drag(zone, zone->zone().center(), zone->zone().center() + QPoint(5000, 5000));
        QCOMPARE(zone->zone().bottomRight(), zone->rect().bottomRight());
        QCOMPARE(zone->zone().size(), QSize(side + 30, side + 40));
        QCOMPARE(zone->hitPart(zone->zone().center()), int(IFreeZoneWidget::Inside));
        QCOMPARE(zone->hitPart(QPoint(0, 0)), int(IFreeZoneWidget::Outside));

        // Back leaves without a picture.
        const int photosBefore = photos().size();
        QTest::mouseClick(frame->button(ICaptureFrame::Back), Qt::LeftButton);
        QVERIFY(!frame->isVisible());
        QTest::qWait(300);
        QCOMPARE(photos().size(), photosBefore);
        chooseMode("Default");
    }

    void selectSavesTheZoneOfThePicture()
    {
        ICaptureFrame* frame = openZoneWindow();
        QVERIFY(frame);
        IBoard* board = m_window->board();
        const QRect shown = board->pictureGlobalRect();
        IFreeZoneWidget* zoneWidget = frame->zoneWidget();
        const int side = zoneWidget->minimumZoneSide();
        QRect chosen(0, 0, qMax(side, shown.width() * 2 / 5), qMax(side, shown.height() * 2 / 5));
        chosen.moveCenter(shown.center());
        QVERIFY(shown.contains(chosen));
        zoneWidget->setZone(chosen.translated(-frame->mapToGlobal(QPoint(0, 0))));
        QCOMPARE(frame->zoneOnScreen(), chosen);

        QString path;
        newPhoto([frame] { QTest::mouseClick(frame->button(ICaptureFrame::Select), Qt::LeftButton); }, &path);
        if (QTest::currentTestFailed())
            return;
        QVERIFY(!frame->isVisible());
        QCOMPARE(IConfigureService::instance()->freeCaptureRect(), chosen);
        // The zone's share of the 1920x1080 picture.
        const double perPixel = 1920.0 / shown.width();
        const QSize size = QImageReader(path).size();
        QVERIFY2(qAbs(size.width() - chosen.width() * perPixel) <= perPixel + 1
                     && qAbs(size.height() - chosen.height() * perPixel) <= perPixel + 1,
                 qPrintable(QString("%1x%2 for a zone of %3x%4 at %5 picture pixels each")
                                .arg(size.width()).arg(size.height()).arg(chosen.width()).arg(chosen.height())
                                .arg(perPixel)));

        // The next time the window opens on the same zone.
        frame = openZoneWindow();
        QVERIFY(frame);
        QCOMPARE(frame->zoneOnScreen(), chosen);
        QTest::mouseClick(frame->button(ICaptureFrame::Back), Qt::LeftButton);
        chooseMode("Default");
    }

    void freezeStopsTheLivePicture()
    {
        QSignalSpy frames(ICamera::instance(), &ICamera::sgCameraFrame);
        QTRY_VERIFY_WITH_TIMEOUT(frames.count() >= 1, 10000);
        cameraButton(ICameraToolBar::Freeze)->click();
        QTest::qWait(200);
        frames.clear();
        QTest::qWait(300);
        QCOMPARE(frames.count(), 0);
        QVERIFY(!cameraButton(ICameraToolBar::Resolution)->isEnabled());
        cameraButton(ICameraToolBar::Freeze)->click();
        QTRY_VERIFY_WITH_TIMEOUT(frames.count() >= 1, 10000);
    }

    void automaticEdgingOutlinesThePage()
    {
        cameraButton(ICameraToolBar::AutoEdge)->click();
        QTRY_VERIFY_WITH_TIMEOUT(ICamera::instance()->edgeResult().corners.size() == 4, 10000);
        const double angle = ICamera::instance()->edgeResult().angle;
        QVERIFY2(angle < 0 && angle >= -90, qPrintable(QString::number(angle)));
        cameraButton(ICameraToolBar::AutoEdge)->click();
    }

    void aPictureTakenAfterAutomaticEdgingIsNotCut()
    {
        cameraButton(ICameraToolBar::AutoEdge)->click();
        QTRY_VERIFY_WITH_TIMEOUT(ICamera::instance()->edgeResult().corners.size() == 4, 10000);
        cameraButton(ICameraToolBar::AutoEdge)->click();
        QVERIFY(!m_window->cameraToolBar()->isButtonChecked(ICameraToolBar::AutoEdge));

        const QStringList before = photos();
        QTRY_VERIFY_WITH_TIMEOUT(cameraButton(ICameraToolBar::Snap)->isEnabled(), 10000);
        cameraButton(ICameraToolBar::Snap)->click();
        QTRY_COMPARE_WITH_TIMEOUT(photos().size(), before.size() + 1, 20000);
        QStringList added = photos();
        for (const QString& name : before)
            added.removeOne(name);
        QCOMPARE(added.size(), 1);
        QImageReader reader(IConfigureService::instance()->photoPath() + "/" + added.first());
        QCOMPARE(reader.size(), QSize(1920, 1080)); // the whole frame, not the old outline
    }

    void endingTextEditingGivesBackTheMoveButton()
    {
        IBoardService::instance()->setBoard(m_window->board());
        m_window->rightToolBar()->button(IRightToolBar::Board)->click();
        IBoardToolBar* bar = m_window->boardToolBar();
        QVERIFY(bar->isVisible());
        bar->button(IBoardToolBar::Text)->click();
        QVERIFY(bar->isButtonChecked(IBoardToolBar::Text));
        // A press outside the working area (the screen's corner) ends editing.
        QVERIFY(!IBoardService::instance()->handleGlobalPress(m_window->screen()->geometry().topLeft()));
        QVERIFY(bar->isButtonChecked(IBoardToolBar::Move));
        QVERIFY(!bar->isButtonChecked(IBoardToolBar::Text));
        bar->button(IBoardToolBar::Home)->click();
        QVERIFY(m_window->rightToolBar()->isVisible());
        IBoardService::instance()->setBoard(nullptr);
    }

    void switchingCameraEndsTheSeriesAndShowsTheLivePicture()
    {
        startSeries("9", "5");
        cameraButton(ICameraToolBar::Freeze)->click();
        QVERIFY(!cameraButton(ICameraToolBar::Resolution)->isEnabled());
        QSignalSpy errors(ICamera::instance(), &ICamera::sgError);
        QSignalSpy frames(ICamera::instance(), &ICamera::sgCameraFrame);
        emit m_window->titleWidget()->sgSwitchCamera(ICameraInfo::current());
        QVERIFY(!m_window->timerCaptureFrame()->isRunning());
        QVERIFY(!m_window->timerCaptureFrame()->controlFrame()->isVisible());
        QTRY_VERIFY_WITH_TIMEOUT(errors.count() >= 1, 10000);
        QCOMPARE(errors.first().first().toInt(), 0);
        QTRY_VERIFY_WITH_TIMEOUT(frames.count() >= 1, 10000);
        // The new source runs live: so does the toolbar.
        QVERIFY(!m_window->cameraToolBar()->isButtonChecked(ICameraToolBar::Freeze));
        QVERIFY(cameraButton(ICameraToolBar::Resolution)->isEnabled());
        QVERIFY(cameraButton(ICameraToolBar::AutoEdge)->isEnabled());
        QTRY_VERIFY(m_window->isEnabled());
        chooseMode("Default");
    }

    void unpluggingAndReplugging()
    {
        IImgList* list = m_window->imgListWidget()->list();
        // The last picture taken above has reached the list.
        QTRY_VERIFY_WITH_TIMEOUT(cameraButton(ICameraToolBar::Snap)->isEnabled(), 10000);
        QTRY_COMPARE(list->pendingCount(), 0);
        const QStringList listed = list->files();
        // Unplugged while frozen and with a panel open.
        cameraButton(ICameraToolBar::Freeze)->click();
        QTest::mouseClick(cameraButton(ICameraToolBar::PhotoMode), Qt::LeftButton);
        QVERIFY(m_window->captureModeFrame()->isVisible());
        QSignalSpy errors(ICamera::instance(), &ICamera::sgError);
        m_camera->setPresent(false);
        QTRY_VERIFY_WITH_TIMEOUT(errors.count() >= 1, 10000);
        QCOMPARE(errors.first().first().toInt(), 3);
        QTRY_VERIFY(!ICamera::instance()->hasSource());
        QVERIFY(!m_window->captureModeFrame()->isVisible());
        for (int id = ICameraToolBar::Pdf; id <= ICameraToolBar::SplitScreen; ++id)
            QVERIFY2(!cameraButton(id)->isEnabled(), qPrintable(QString::number(id)));

        m_camera->setPresent(true);
        QTRY_VERIFY_WITH_TIMEOUT(ICamera::instance()->hasSource(), 10000);
        for (int id = ICameraToolBar::Pdf; id <= ICameraToolBar::SplitScreen; ++id)
            QTRY_VERIFY_WITH_TIMEOUT(cameraButton(id)->isEnabled(), 10000);
        // The camera's return does not load the photo folder into the list again.
        QCOMPARE(list->pendingCount(), 0);
        QCOMPARE(list->files(), listed);
        // The new source runs live.
        QVERIFY(!m_window->cameraToolBar()->isButtonChecked(ICameraToolBar::Freeze));
        QVERIFY(cameraButton(ICameraToolBar::Resolution)->isEnabled());
        QVERIFY(cameraButton(ICameraToolBar::AutoEdge)->isEnabled());
    }

    void closingStopsTheSaveThreadAndTheCamera()
    {
        QVERIFY(m_window->imageThread());
        m_window->close();
        QVERIFY(!m_window->imageThread());
        QVERIFY(!ICamera::instance()->hasSource());
    }
};

VESKAROO_TEST_MAIN(TestMainFrame)
#include "tst_mainframe.moc"

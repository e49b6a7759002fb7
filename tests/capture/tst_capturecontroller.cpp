// The capture road driven through the window on a camera that films four
// coloured quarters: pictures turned with the view, failed saves, and a
// timed series that ignores the zone of partial capture.
#include "common/testenv.h"

#include "board/iboard.h"
#include "capture/icapturecontroller.h"
#include "customui/capture/icapturemodeframe.h"
#include "customui/capture/itimercapturecontrolframe.h"
#include "customui/capture/itimercaptureframe.h"
#include "customui/common/itimemsgbox.h"
#include "customui/toolbar/icameratoolbar.h"
#include "directshow/ivideodeviceregistry.h"
#include "directshow/ivideodevicesetup.h"
#include "directshow/virtual/ivirtualcamera.h"
#include "icamera.h"
#include "mainframe.h"
#include "service/iconfigureservice.h"

#include <QDir>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QSignalSpy>

namespace {

enum Quarter { TopLeft, TopRight, BottomLeft, BottomRight };
const QColor kColours[4] = {Qt::red, Qt::green, Qt::blue, Qt::yellow};

// The colour of kColours nearest to `c`; -1 when none is near.
int colourIndex(QColor c)
{
    for (int i = 0; i < 4; ++i) {
        const QColor k = kColours[i];
        if (qAbs(c.red() - k.red()) < 60 && qAbs(c.green() - k.green()) < 60 && qAbs(c.blue() - k.blue()) < 60)
            return i;
    }
    return -1;
}

// The colours at the middle of the four quarters of `area` in `image`.
QList<int> quarters(const QImage& image, const QRect& area)
{
    const int x[2] = {area.left() + area.width() / 4, area.left() + area.width() * 3 / 4};
    const int y[2] = {area.top() + area.height() / 4, area.top() + area.height() * 3 / 4};
    return {colourIndex(image.pixelColor(x[0], y[0])), colourIndex(image.pixelColor(x[1], y[0])),
            colourIndex(image.pixelColor(x[0], y[1])), colourIndex(image.pixelColor(x[1], y[1]))};
}

} // namespace

class TestCaptureController : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    std::shared_ptr<IVirtualCamera> m_camera;
    MainFrame* m_window = nullptr;

    QAbstractButton* snapButton() const { return m_window->cameraToolBar()->button(ICameraToolBar::Snap); }
    static QStringList photos()
    {
        return QDir(IConfigureService::instance()->photoPath()).entryList(QDir::Files, QDir::Name);
    }
    // Snaps and gives the one picture it saved.
    QImage snapOne()
    {
        if (!QTest::qWaitFor([this] { return snapButton()->isEnabled(); }, 10000))
            return QImage();
        QTest::qWait(20); // names are stamped to the millisecond
        const QStringList before = photos();
        snapButton()->click();
        if (!QTest::qWaitFor([&] { return photos().size() == before.size() + 1; }, 20000))
            return QImage();
        QStringList added = photos();
        for (const QString& name : before)
            added.removeOne(name);
        return QImage(QDir(IConfigureService::instance()->photoPath()).filePath(added.first()));
    }
    void chooseMode(int mode)
    {
        m_window->cameraToolBar()->button(ICameraToolBar::PhotoMode)->click();
        QTRY_VERIFY(m_window->captureModeFrame()->isVisible());
        m_window->captureModeFrame()->button(mode)->click();
        QCOMPARE(m_window->captureModeFrame()->currentMode(), mode);
    }
    void startSeries(const QString& interval, const QString& shots)
    {
        ITimerCaptureFrame* series = m_window->timerCaptureFrame();
        series->showFrame(true);
        QTest::keyClicks(series->intervalEdit(), interval);
        QTest::keyClicks(series->pagesEdit(), shots);
        for (QPushButton* b : series->findChildren<QPushButton*>()) {
            if (b->text() == "Confirm")
                b->click();
        }
        QVERIFY(series->isRunning());
    }
    static QString shownNotice()
    {
        for (QWidget* top : QApplication::topLevelWidgets()) {
            if (qobject_cast<ITimeMsgBox*>(top) && top->isVisible())
                return top->findChild<QLabel*>()->text();
        }
        return QString();
    }

private slots:
    void initTestCase()
    {
        TestEnv::silenceOffscreenPlatformNotices();
        QImage page(1920, 1080, QImage::Format_RGB32);
        QPainter painter(&page);
        painter.fillRect(0, 0, 960, 540, kColours[TopLeft]);
        painter.fillRect(960, 0, 960, 540, kColours[TopRight]);
        painter.fillRect(0, 540, 960, 540, kColours[BottomLeft]);
        painter.fillRect(960, 540, 960, 540, kColours[BottomRight]);
        painter.end();
        const QString file = m_dir.filePath("quarters.png");
        QVERIFY(page.save(file));

        IVideoDeviceRegistry::instance().clear();
        m_camera = IVideoDeviceSetup::install({"veskaroo", "--virtual-camera=" + file});
        QVERIFY(m_camera);
        m_window = new MainFrame(nullptr);
        QSignalSpy frames(ICamera::instance(), &ICamera::sgCameraFrame);
        m_window->createFirstSlide();
        QTRY_VERIFY_WITH_TIMEOUT(frames.count() >= 2, 30000);
        QTRY_VERIFY_WITH_TIMEOUT(m_window->isVisible(), 30000);
        QVERIFY(QTest::qWaitForWindowExposed(m_window));
        // The window fits the view to the picture 200 ms after the camera opened.
        QTest::qWait(400);
    }

    void cleanupTestCase()
    {
        delete m_window;
        ICamera::instance()->closeAllSources();
    }

    void aPictureIsTurnedAsTheViewShowsIt_data()
    {
        QTest::addColumn<int>("turns");
        QTest::newRow("a quarter turn") << 1;
        QTest::newRow("three quarter turns") << 3;
    }
    void aPictureIsTurnedAsTheViewShowsIt()
    {
        QFETCH(int, turns);
        IBoard* board = m_window->board();
        board->resetView();
        for (int turn = 0; turn < turns; ++turn)
            m_window->cameraToolBar()->button(ICameraToolBar::Rotate)->click();
        QCoreApplication::processEvents();

        // What the board shows, quarter by quarter.
        const QRect shown = board->pictureGlobalRect().translated(-board->viewport()->mapToGlobal(QPoint(0, 0)));
        const QList<int> onScreen = quarters(board->viewport()->grab().toImage(), shown);
        QVERIFY2(!onScreen.contains(-1), "the board shows the four quarters");
        QVERIFY(onScreen != QList<int>({TopLeft, TopRight, BottomLeft, BottomRight}));

        const QImage saved = snapOne();
        board->resetView();
        QCOMPARE(saved.size(), QSize(1080, 1920));
        QCOMPARE(quarters(saved, saved.rect()), onScreen);
    }

    void aFailedSaveFreesSnapAndSaysWhy()
    {
        IConfigureService* config = IConfigureService::instance();
        const QString format = config->photoFormat();
        config->setPhotoFormat("gif"); // read, never written
        const int before = photos().size();
        QTRY_VERIFY_WITH_TIMEOUT(snapButton()->isEnabled(), 10000);
        snapButton()->click();
        QTRY_VERIFY_WITH_TIMEOUT(shownNotice().startsWith("The picture could not be saved"), 10000);
        QTRY_VERIFY_WITH_TIMEOUT(snapButton()->isEnabled(), 5000);
        QCOMPARE(photos().size(), before);

        // A series whose shots are all lost still ends, each shot counted.
        startSeries("1", "2");
        ITimerCaptureControlFrame* bar = m_window->timerCaptureFrame()->controlFrame();
        QTRY_COMPARE_WITH_TIMEOUT(bar->counter(), 2, 10000);
        QTRY_VERIFY(!bar->isVisible());
        QVERIFY(!m_window->timerCaptureFrame()->isRunning());
        QCOMPARE(photos().size(), before);
        config->setPhotoFormat(format);
    }

    void aSeriesTakesWholePicturesWhateverTheMode()
    {
        // A zone nowhere near the picture: a zone shot would be lost.
        IConfigureService::instance()->setFreeCaptureRect(QRect(-9000, -9000, 300, 300));
        const int before = photos().size();
        startSeries("1", "2");
        chooseMode(PartialCapture);
        ITimerCaptureControlFrame* bar = m_window->timerCaptureFrame()->controlFrame();
        QTRY_COMPARE_WITH_TIMEOUT(bar->counter(), 2, 10000);
        QTRY_COMPARE_WITH_TIMEOUT(photos().size(), before + 2, 10000);
        const QImage last(QDir(IConfigureService::instance()->photoPath()).filePath(photos().last()));
        QCOMPARE(last.size(), QSize(1920, 1080));
        chooseMode(DefaultCapture);
    }
};

VESKAROO_TEST_MAIN(TestCaptureController)
#include "tst_capturecontroller.moc"

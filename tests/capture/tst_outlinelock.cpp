// "Lock outline" on the virtual camera's page lying tilted and seen at a
// slant: pictures cut to the kept outline come out upright with level lines
// and at one size through snaps, a timed series and a timelapse; dragged
// corners are what is cut; unlocking gives the whole picture again.
#define QTEST_QPA_MOUSE_HANDLING // pointer input reaches whatever lies under it
#include "common/testenv.h"

#include "board/iboard.h"
#include "board/ioutlineoverlay.h"
#include "capture/ioutlinelock.h"
#include "capture/itimelapsecontroller.h"
#include "capture/itimelapserecorder.h"
#include "customui/capture/icapturemodeframe.h"
#include "customui/capture/itimercaptureframe.h"
#include "customui/timelapse/itimelapseframe.h"
#include "customui/toolbar/icameratoolbar.h"
#include "directshow/ivideodeviceregistry.h"
#include "directshow/ivideodevicesetup.h"
#include "directshow/virtual/ivirtualcamera.h"
#include "directshow/virtual/ivirtualpage.h"
#include "icamera.h"
#include "mainframe.h"
#include "service/iconfigureservice.h"

#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>

#include <cmath>

namespace {

const QSize kFrame(1920, 1080);

// The print, darker than the paper anywhere under the lamp.
QVector<QPoint> inkIn(const QImage& grey, const QRect& area)
{
    QVector<QPoint> ink;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        const uchar* row = grey.constScanLine(y);
        for (int x = area.left(); x <= area.right(); ++x) {
            if (row[x] < 110)
                ink << QPoint(x, y);
        }
    }
    return ink;
}

// The slope, in degrees (clockwise on screen), at which the ink in `area`
// lines up best: the shear that makes its row profile the sharpest.
double lineSkew(const QImage& grey, const QRect& area)
{
    const QVector<QPoint> ink = inkIn(grey, area);
    double best = 0.0;
    double bestScore = -1.0;
    const int reach = area.width();
    for (int step = -60; step <= 60; ++step) {
        const double degrees = step * 0.05;
        const double t = std::tan(degrees * M_PI / 180.0);
        QVector<double> profile(area.height() + 2 * reach + 2, 0.0);
        for (const QPoint& p : ink)
            profile[qRound(p.y() - area.top() - (p.x() - area.center().x()) * t) + reach] += 1.0;
        double score = 0.0;
        for (const double v : profile)
            score += v * v;
        if (score > bestScore) {
            bestScore = score;
            best = degrees;
        }
    }
    return best;
}

// The leftmost and rightmost ink in rows [top, bottom) as shares of the width.
QPair<double, double> textEdges(const QImage& grey, double top, double bottom)
{
    const int w = grey.width(), h = grey.height();
    const QVector<QPoint> ink = inkIn(grey, QRect(QPoint(int(w * 0.03), int(h * top)),
                                                  QPoint(int(w * 0.97), int(h * bottom))));
    int left = w, right = 0;
    for (const QPoint& p : ink) {
        left = std::min(left, p.x());
        right = std::max(right, p.x());
    }
    return {double(left) / w, double(right) / w};
}

double meanGrey(const QImage& grey, const QRect& area)
{
    double sum = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            sum += grey.constScanLine(y)[x];
    return sum / (double(area.width()) * area.height());
}

class FakeRecorder : public ITimelapseRecorder
{
public:
    void startVideo(const QString&, const QSize& size, int) override
    {
        videoSize = size;
        frames.clear();
    }
    void addFrame(const QImage& picture) override { frames << picture; }
    QString finishVideo(int*, QString*) override { return QStringLiteral("video.mp4"); }

    QSize videoSize;
    QList<QImage> frames;
};

} // namespace

class TestOutlineLock : public QObject
{
    Q_OBJECT

    std::shared_ptr<IVirtualCamera> m_camera;
    MainFrame* m_window = nullptr;
    IOutlineLock* m_lock = nullptr;
    IOutlineOverlay* m_overlay = nullptr;
    // What the first locked picture came out at.
    QSize m_size;
    // Outlives a failed check that leaves a run going.
    FakeRecorder m_recorder;

    QAbstractButton* button(int id) const { return m_window->cameraToolBar()->button(id); }
    static QStringList photos()
    {
        return QDir(IConfigureService::instance()->photoPath()).entryList(QDir::Files, QDir::Name);
    }
    static QImage photo(const QString& name)
    {
        return QImage(QDir(IConfigureService::instance()->photoPath()).filePath(name));
    }
    QImage snapOne()
    {
        if (!QTest::qWaitFor([this] { return button(ICameraToolBar::Snap)->isEnabled(); }, 10000))
            return QImage();
        QTest::qWait(20); // names are stamped to the millisecond
        const QStringList before = photos();
        button(ICameraToolBar::Snap)->click();
        if (!QTest::qWaitFor([&] { return photos().size() == before.size() + 1; }, 20000))
            return QImage();
        return photo(photos().last());
    }
    void clickLockOutline()
    {
        button(ICameraToolBar::PhotoMode)->click();
        QTRY_VERIFY(m_window->captureModeFrame()->isVisible());
        m_window->captureModeFrame()->lockOutlineButton()->click();
    }
    void dragCorner(int index, const QPointF& by)
    {
        QWidget* viewport = m_window->board()->viewport();
        const QPointF from = m_overlay->cornerInView(index);
        QTest::mousePress(viewport, Qt::LeftButton, {}, from.toPoint());
        QTest::mouseMove(viewport, (from + by / 2).toPoint());
        QTest::mouseMove(viewport, (from + by).toPoint());
        QTest::mouseRelease(viewport, Qt::LeftButton, {}, (from + by).toPoint());
    }

private slots:
    void initTestCase()
    {
        TestEnv::silenceOffscreenPlatformNotices();
        IVideoDeviceRegistry::instance().clear();
        m_camera = IVideoDeviceSetup::install({"veskaroo", "--virtual-camera"});
        QVERIFY(m_camera && m_camera->page());
        // Turned nine degrees and seen from its lower right.
        m_camera->page()->setLie(9.0, 0.16);
        // The measures below read thin print: without JPEG's ringing.
        m_camera->setRawFrames(true);
        m_window = new MainFrame(nullptr);
        QVERIFY(TestEnv::showFirstPicture(m_window));
        QTest::qWait(400);
        QTRY_COMPARE_WITH_TIMEOUT(ICamera::instance()->picture(1).size(), kFrame, 10000);
        m_lock = m_window->findChild<IOutlineLock*>();
        m_overlay = m_window->board()->viewport()->findChild<IOutlineOverlay*>();
        QVERIFY(m_lock && m_overlay);
    }

    void cleanupTestCase()
    {
        delete m_window;
        ICamera::instance()->closeAllSources();
    }

    void aSlantedPageComesOutUprightWithLevelLines()
    {
        // The detector's red outline is in the picture while it runs.
        button(ICameraToolBar::AutoEdge)->click();
        QVERIFY(ICamera::instance()->isEdgeDetectionOn());
        QTest::qWait(300);
        clickLockOutline();
        QVERIFY(m_lock->isLocked());
        QVERIFY(m_window->captureModeFrame()->lockOutlineButton()->isChecked());
        QVERIFY(m_overlay->isVisible());
        // The kept outline replaces the detector's.
        QVERIFY(!ICamera::instance()->isEdgeDetectionOn());
        QVERIFY(!button(ICameraToolBar::AutoEdge)->isChecked());
        const QPolygonF truth = m_camera->page()->corners(cv::Size(kFrame.width(), kFrame.height()));
        const QPolygonF found = m_lock->outline().corners();
        for (int i = 0; i < 4; ++i)
            QVERIFY2(QLineF(found[i], truth[i]).length() < 3.0, qPrintable(QString("corner %1").arg(i)));

        const QImage saved = snapOne();
        QVERIFY(!saved.isNull());
        m_size = saved.size();
        QCOMPARE(m_size, m_lock->fixOutputSize(kFrame));
        const QImage grey = saved.convertToFormat(QImage::Format_Grayscale8);
        const int w = grey.width(), h = grey.height();

        // Paper right up to the edges: no desk inside.
        const int in = qMax(2, w / 100), strip = qMax(4, w / 60);
        QVERIFY(meanGrey(grey, QRect(in, in, w - 2 * in, strip)) > 140);
        QVERIFY(meanGrey(grey, QRect(in, h - in - strip, w - 2 * in, strip)) > 140);
        QVERIFY(meanGrey(grey, QRect(in, in, strip, h - 2 * in)) > 140);
        QVERIFY(meanGrey(grey, QRect(w - in - strip, in, strip, h - 2 * in)) > 140);

        // The text block's sides stand upright where the page has them.
        const QPair<double, double> upper = textEdges(grey, 0.19, 0.43);
        const QPair<double, double> lower = textEdges(grey, 0.67, 0.91);
        QVERIFY2(qAbs(upper.first - lower.first) < 0.01 && qAbs(upper.second - lower.second) < 0.01,
                 qPrintable(QString("sides %1 %2 / %3 %4").arg(upper.first).arg(upper.second).arg(lower.first).arg(lower.second)));
        QVERIFY(qAbs(upper.first - 230.0 / 2100.0) < 0.015 && qAbs(upper.second - 1870.0 / 2100.0) < 0.015);

        // Level lines at the top, middle and bottom of the print.
        for (const double top : {0.19, 0.43, 0.67}) {
            const double skew = lineSkew(grey, QRect(QPoint(int(w * 0.12), int(h * top)),
                                                     QPoint(int(w * 0.88), int(h * (top + 0.24)))));
            QVERIFY2(qAbs(skew) < 0.5, qPrintable(QString("skew %1 degrees from %2").arg(skew).arg(top)));
        }
    }

    void draggedCornersAreWhatIsCut()
    {
        // The top-left corner out onto the desk.
        const QPointF before = m_overlay->cornerInView(0);
        dragCorner(0, QPointF(-30, -30));
        QVERIFY(QLineF(m_overlay->cornerInView(0), before + QPointF(-30, -30)).length() < 1.5);
        QCOMPARE(m_lock->outline().corners(), m_overlay->corners());

        // A corner dragged across the page springs back.
        const QPolygonF kept = m_lock->outline().corners();
        dragCorner(0, m_overlay->cornerInView(2) - m_overlay->cornerInView(0) + QPointF(20, 20));
        QCOMPARE(m_overlay->corners(), kept);
        QCOMPARE(m_lock->outline().corners(), kept);

        const QImage saved = snapOne();
        QCOMPARE(saved.size(), m_size);
        const QImage grey = saved.convertToFormat(QImage::Format_Grayscale8);
        const int w = grey.width(), h = grey.height();
        // The desk at the moved corner, paper at the others.
        QVERIFY(meanGrey(grey, QRect(w / 100, h / 100, w / 30, h / 30)) < 120);
        QVERIFY(meanGrey(grey, QRect(w - w / 100 - w / 30, h - h / 100 - h / 30, w / 30, h / 30)) > 140);
    }

    void aSeriesAndATimelapseComeOutAtOneSize()
    {
        ITimerCaptureFrame* series = m_window->timerCaptureFrame();
        const int before = photos().size();
        series->showFrame(true);
        QTest::keyClicks(series->intervalEdit(), "1");
        QTest::keyClicks(series->pagesEdit(), "3");
        for (QPushButton* b : series->findChildren<QPushButton*>()) {
            if (b->text() == "Confirm")
                b->click();
        }
        QTRY_COMPARE_WITH_TIMEOUT(photos().size(), before + 3, 20000);
        const QStringList all = photos();
        for (int i = before; i < all.size(); ++i)
            QCOMPARE(photo(all[i]).size(), m_size);

        FakeRecorder& recorder = m_recorder;
        ITimelapseController* timelapse = m_window->timelapse();
        timelapse->setRecorder(&recorder);
        timelapse->slOperate(ITimelapseFrame::StartRun);
        QCOMPARE(recorder.videoSize, m_size);
        timelapse->slOperate(ITimelapseFrame::TakeShot);
        timelapse->slOperate(ITimelapseFrame::TakeShot);
        QTRY_COMPARE_WITH_TIMEOUT(recorder.frames.size(), 2, 10000);
        for (const QImage& frame : recorder.frames)
            QCOMPARE(frame.size(), m_size);
        timelapse->slOperate(ITimelapseFrame::StopRun);
        timelapse->setRecorder(nullptr);
    }

    void unlockingGivesTheWholePictureAgain()
    {
        QTRY_VERIFY_WITH_TIMEOUT(button(ICameraToolBar::PhotoMode)->isEnabled(), 5000);
        clickLockOutline();
        QVERIFY(!m_lock->isLocked());
        QVERIFY(!m_window->captureModeFrame()->lockOutlineButton()->isChecked());
        QVERIFY(!m_overlay->isVisible());
        // Automatic edging is back as it was before the lock.
        QVERIFY(ICamera::instance()->isEdgeDetectionOn());
        QVERIFY(button(ICameraToolBar::AutoEdge)->isChecked());
        button(ICameraToolBar::AutoEdge)->click();
        QCOMPARE(snapOne().size(), kFrame);
    }
};

VESKAROO_TEST_MAIN(TestOutlineLock)
#include "tst_outlinelock.moc"

// The live view's decode road: MJPG frames decoded only as large as they are
// shown, their outline the same as a full decode's, captures still full size,
// and the decode pool handing frames out in order without queueing.
#include "common/queuedspy.h"
#include "common/testenv.h"

#include "directshow/idecodepool.h"
#include "directshow/idshowthread.h"
#include "directshow/ivideodeviceregistry.h"
#include "directshow/virtual/ivirtualcamera.h"
#include "directshow/virtual/ivirtualcameradevice.h"
#include "directshow/virtual/ivirtualpage.h"
#include "opencv/ifilterkind.h"
#include "service/iconfigureservice.h"

#include <QMutex>

#include <atomic>
#include <cmath>
#include <chrono>
#include <random>
#include <thread>

namespace {

// Shows the stream of `size` reduced by `reduction`; true once frames of
// that size arrive.
bool showReduced(IDShowThread& source, const QSize& size, int reduction)
{
    QueuedSpy frames(&source, &IDShowThread::sgCameraFrame);
    source.setShownSize(reduction == 1 ? QSize() : size / reduction);
    const QSize expected = size / reduction;
    // A frame decoded before the change may still be on its way.
    return QTest::qWaitFor(
        [&] { return !frames.isEmpty() && frames.last().first().value<QImage>().size() == expected; }, 15000);
}

// The outline once frames of the reduction asked for arrive; empty when
// none came.
IEdgeResult outlineAt(IDShowThread& source, const QSize& size, int reduction)
{
    return showReduced(source, size, reduction) ? source.edgeResult() : IEdgeResult();
}

} // namespace

class TestReducedDecode : public QObject
{
    Q_OBJECT

    std::shared_ptr<IVirtualCamera> m_camera;

private slots:
    void initTestCase()
    {
        IVideoDeviceRegistry::instance().clear();
        m_camera = std::make_shared<IVirtualCamera>();
        IVideoDeviceRegistry::instance().add(m_camera);
        IConfigureService::instance()->readConfigure();
    }

    void reductionCoversTheShownSize_data()
    {
        QTest::addColumn<QSize>("shown");
        QTest::addColumn<int>("reduction");
        QTest::newRow("full HD screen") << QSize(1800, 1013) << 2;
        QTest::newRow("laptop screen") << QSize(1300, 731) << 2;
        QTest::newRow("small window") << QSize(900, 506) << 4;
        QTest::newRow("zoomed in") << QSize(4000, 2250) << 1;
        QTest::newRow("one pixel too wide for a half") << QSize(1921, 1080) << 1;
        QTest::newRow("not shown yet") << QSize() << 1;
    }
    void reductionCoversTheShownSize()
    {
        QFETCH(QSize, shown);
        QFETCH(int, reduction);
        QCOMPARE(IDShowThread::reductionFor(QSize(3840, 2160), shown), reduction);
    }

    // The outline found in a reduced decode, scaled back, is the full
    // decode's within 2 pixels per corner, at every size the camera sends.
    void reducedOutlineMatchesTheFullOne_data()
    {
        QTest::addColumn<QSize>("size");
        for (const QSize& size : IVirtualCameraDevice::supportedSizes())
            QTest::newRow(qPrintable(QString("%1x%2").arg(size.width()).arg(size.height()))) << size;
    }
    void reducedOutlineMatchesTheFullOne()
    {
        QFETCH(QSize, size);
        IDShowThread source;
        source.setResolution(QSizeF(size));
        source.setEdgeDetection(true);
        source.open(IVirtualCamera::devicePath(), false);
        const IEdgeResult full = outlineAt(source, size, 1);
        QCOMPARE(full.corners.size(), 4);
        // The live outline lies on the page's true corners.
        for (const QPointF& truth : m_camera->page()->corners(cv::Size(size.width(), size.height()))) {
            double nearest = 1e9;
            for (const QPointF& found : full.corners)
                nearest = std::min(nearest, std::hypot(found.x() - truth.x(), found.y() - truth.y()));
            QVERIFY2(nearest < 3.0, qPrintable(QString("corner off by %1").arg(nearest)));
        }
        for (const int reduction : {2, 4}) {
            const IEdgeResult reduced = outlineAt(source, size, reduction);
            QCOMPARE(reduced.corners.size(), 4);
            for (int i = 0; i < 4; ++i) {
                const QPointF off = reduced.corners[i] - full.corners[i];
                QVERIFY2(std::hypot(off.x(), off.y()) <= 2.0,
                         qPrintable(QString("1/%1, corner %2 off by (%3, %4)")
                                        .arg(reduction).arg(i).arg(off.x()).arg(off.y())));
            }
            QVERIFY(std::abs(reduced.angle - full.angle) < 0.3);
        }
        source.close();
    }

    // What is captured while the view shows a half-size decode is the
    // camera's full picture, pixel for pixel what a full decode gives.
    void capturesStayFullSize()
    {
        const QSize size(1920, 1080);
        IDShowThread source;
        source.setResolution(QSizeF(size));
        source.open(IVirtualCamera::devicePath(), false);
        QVERIFY(showReduced(source, size, 1));
        const QImage fullDecode = source.picture(FilterNone);
        QVERIFY(source.compressedPicture().isNull());

        QVERIFY(showReduced(source, size, 2));
        const ICompressedPicture compressed = source.compressedPicture();
        QVERIFY(!compressed.isNull());
        QCOMPARE(compressed.size, size);
        const QImage captured = source.picture(FilterNone);
        QCOMPARE(captured.size(), size);
        // The page does not move: the same picture.
        QCOMPARE(captured.convertToFormat(QImage::Format_RGB888), fullDecode.convertToFormat(QImage::Format_RGB888));
        QCOMPARE(source.picture(FilterGray).size(), size);
        source.close();
    }

    // Work finishing out of order is handed out in order; work arriving
    // while every thread is busy replaces the waiting one rather than
    // queueing behind it.
    void poolHandsOutInOrderAndDropsTheOldest()
    {
        std::mt19937 random(7);
        QList<int> delivered;
        QMutex mutex;
        std::atomic<int> running{0};
        std::atomic<int> mostRunning{0};
        const int submitted = 200;
        {
            IDecodePool pool(3);
            for (int i = 0; i < submitted; ++i) {
                const int workMs = int(random() % 6);
                pool.submit([&, i, workMs]() -> std::function<void()> {
                    mostRunning = std::max(mostRunning.load(), ++running);
                    std::this_thread::sleep_for(std::chrono::milliseconds(workMs));
                    --running;
                    return [&, i] {
                        QMutexLocker lock(&mutex);
                        delivered << i;
                    };
                });
                std::this_thread::sleep_for(std::chrono::microseconds(i % 3 == 0 ? 2000 : 100));
            }
            pool.drain();
            QCOMPARE(std::uint64_t(delivered.size()) + pool.dropped(), std::uint64_t(submitted));
            QVERIFY(pool.dropped() > 0);
        }
        for (int i = 1; i < delivered.size(); ++i)
            QVERIFY2(delivered[i] > delivered[i - 1], qPrintable(QString("%1 after %2").arg(delivered[i]).arg(delivered[i - 1])));
        // The newest work is never the one dropped.
        QCOMPARE(delivered.last(), submitted - 1);
        QVERIFY(mostRunning >= 2);
    }
};

VESKAROO_TEST_MAIN(TestReducedDecode)
#include "tst_reduceddecode.moc"

// The document edge detector: its mask, blank frames, which outline wins, tilted pages, the drawn outline.
#include "common/syntheticdocument.h"
#include "common/testenv.h"

#include "opencv/iopencvapi.h"

#include <opencv2/core/utility.hpp>
#include <opencv2/imgproc.hpp>

#include <cmath>

using namespace IOpencvApi;

Q_DECLARE_METATYPE(cv::Mat)
Q_DECLARE_METATYPE(cv::Rect)

namespace {

bool sameMatrix(const cv::Mat& a, const cv::Mat& b)
{
    if (a.size() != b.size() || a.type() != b.type())
        return false;
    return a.empty() || cv::norm(a, b, cv::NORM_INF) == 0.0;
}

double distance(const QPointF& a, const QPointF& b)
{
    return std::hypot(a.x() - b.x(), a.y() - b.y());
}

// Direction of `v` in degrees, counter-clockwise as seen on screen (y down).
double screenDirection(const QPointF& v)
{
    return std::atan2(-v.y(), v.x()) * 180.0 / CV_PI;
}

// Difference of two directions, folded into [-180, 180).
double directionDifference(double a, double b)
{
    return std::remainder(a - b, 360.0);
}

cv::Vec3b pixelAt(const cv::Mat& frame, const QPointF& p)
{
    return frame.at<cv::Vec3b>(cvRound(p.y()), cvRound(p.x()));
}

QPointF middle(const QPointF& a, const QPointF& b)
{
    return (a + b) / 2.0;
}

// The box's sides in the order they are drawn: corners 0-1-3-2.
const int outlineOrder[4] = {0, 1, 3, 2};

} // namespace

class TestEdgeDetector : public QObject
{
    Q_OBJECT

private slots:
    // The mask is computed in overlapping bands side by side; it must be
    // exactly what the steps give on the whole frame at once, also where the
    // bands meet and at the frame's edges.
    void documentMaskMatchesWholeFrameSteps_data()
    {
        QTest::addColumn<cv::Mat>("frame");
        QTest::newRow("page 1080p") << SyntheticDocument::render(cv::Size(1920, 1080), 12.0, 3).frame;
        QTest::newRow("page 720p with alpha") << [] {
            cv::Mat bgra;
            cv::cvtColor(SyntheticDocument::render(cv::Size(1280, 720), -33.0, 4).frame, bgra, cv::COLOR_BGR2BGRA);
            return bgra;
        }();
        QTest::newRow("noise, odd size") << [] {
            cv::Mat noise(999, 1001, CV_8UC3);
            cv::RNG(8).fill(noise, cv::RNG::UNIFORM, 0, 256);
            return noise;
        }();
        QTest::newRow("blotches") << [] {
            cv::Mat coarse(30, 40, CV_8UC3);
            cv::RNG(9).fill(coarse, cv::RNG::UNIFORM, 0, 256);
            cv::Mat blotches;
            cv::resize(coarse, blotches, cv::Size(800, 601), 0, 0, cv::INTER_CUBIC);
            return blotches;
        }();
        QTest::newRow("too small for bands") << SyntheticDocument::render(cv::Size(200, 120), 5.0, 5).frame;
    }
    void documentMaskMatchesWholeFrameSteps()
    {
        QFETCH(cv::Mat, frame);
        cv::Mat expected;
        cv::cvtColor(frame, expected, cv::COLOR_BGR2GRAY);
        cv::adaptiveThreshold(expected, expected, 255.0, cv::ADAPTIVE_THRESH_MEAN_C, cv::THRESH_BINARY, 27, 0.0);
        cv::medianBlur(expected, expected, 3);
        cv::erode(expected, expected, cv::Mat(), cv::Point(-1, -1), 2);
        cv::dilate(expected, expected, cv::Mat(), cv::Point(-1, -1), 1);

        const int threads = cv::getNumThreads();
        for (int n : {1, 2, 3, 8}) {
            cv::setNumThreads(n);
            const cv::Mat mask = cvDocumentMask(frame);
            QVERIFY2(sameMatrix(mask, expected), qPrintable(QString("%1 threads").arg(n)));
        }
        cv::setNumThreads(threads);
    }

    void blankFrameGivesFixedAnswer_data()
    {
        QTest::addColumn<cv::Mat>("frame");
        QTest::newRow("mid grey") << cv::Mat(480, 640, CV_8UC3, cv::Scalar(128, 128, 128));
        QTest::newRow("black") << cv::Mat(480, 640, CV_8UC3, cv::Scalar(0, 0, 0));
        QTest::newRow("white with alpha") << cv::Mat(300, 500, CV_8UC4, cv::Scalar(255, 255, 255, 255));
        QTest::newRow("empty") << cv::Mat();
        // Not a colour frame: nothing to look for, nothing to draw into.
        QTest::newRow("one channel") << cv::Mat(120, 160, CV_8UC1, cv::Scalar(50));
        QTest::newRow("two channels") << cv::Mat(120, 160, CV_8UC2, cv::Scalar(50, 90));
    }
    void blankFrameGivesFixedAnswer()
    {
        QFETCH(cv::Mat, frame);
        if (frame.channels() == 1 || frame.channels() == 2)
            cv::rectangle(frame, cv::Rect(40, 30, 60, 50), cv::Scalar::all(255), cv::FILLED);
        const cv::Mat original = frame.clone();
        const IEdgeResult result = cvEdgeDetect(frame);

        const double w = frame.cols;
        const double h = frame.rows;
        QCOMPARE(result.angle, 0.0);
        // Each corner written as (first, second) exactly so.
        QCOMPARE(result.corners, QPolygonF({QPointF(0, 0), QPointF(0, w), QPointF(h, w), QPointF(h, 0)}));
        QVERIFY(sameMatrix(frame, original));
    }

    // Two bright squares on a dark desk; the one whose contour has the larger
    // bounding rectangle wins, and between equals the one that contour listing
    // reports first: listing reports the contour met last by the top-down
    // scan first, here the lower square.
    void largestOutlineWinsFirstAmongEquals_data()
    {
        QTest::addColumn<cv::Rect>("upper");
        QTest::addColumn<cv::Rect>("lower");
        QTest::addColumn<bool>("upperWins");
        QTest::newRow("equal areas") << cv::Rect(40, 40, 60, 60) << cv::Rect(260, 180, 60, 60) << false;
        QTest::newRow("equal areas, other shapes") << cv::Rect(40, 40, 80, 45) << cv::Rect(260, 180, 45, 80) << false;
        QTest::newRow("upper one row taller") << cv::Rect(40, 40, 60, 61) << cv::Rect(260, 180, 60, 60) << true;
        QTest::newRow("lower one column wider") << cv::Rect(40, 40, 60, 60) << cv::Rect(260, 180, 61, 60) << false;
    }
    void largestOutlineWinsFirstAmongEquals()
    {
        QFETCH(cv::Rect, upper);
        QFETCH(cv::Rect, lower);
        QFETCH(bool, upperWins);
        cv::Mat frame(300, 400, CV_8UC3, cv::Scalar(40, 40, 40));
        cv::rectangle(frame, upper, cv::Scalar::all(240), cv::FILLED);
        cv::rectangle(frame, lower, cv::Scalar::all(240), cv::FILLED);
        const cv::Mat original = frame.clone();

        const IEdgeResult result = cvEdgeDetect(frame);
        const cv::Rect winner = upperWins ? upper : lower;
        const cv::Rect loser = upperWins ? lower : upper;
        QCOMPARE(result.corners.size(), 4);
        for (const QPointF& corner : result.corners) {
            QVERIFY2(cv::Rect(winner.x - 3, winner.y - 3, winner.width + 6, winner.height + 6)
                         .contains(cv::Point(cvRound(corner.x()), cvRound(corner.y()))),
                     qPrintable(QString("corner (%1, %2)").arg(corner.x()).arg(corner.y())));
        }
        // Only the winner is outlined.
        const cv::Rect around(loser.x - 10, loser.y - 10, loser.width + 20, loser.height + 20);
        QVERIFY(sameMatrix(frame(around), original(around)));
        QVERIFY(!sameMatrix(frame, original));
    }

    // The convention a straightening step relies on: the angle is the page's
    // counter-clockwise tilt on screen reduced modulo 90 into [-90, 0); the
    // side from corner 0 to corner 2 points `angle` degrees counter-clockwise
    // from the x axis and the side from corner 0 to corner 1 a quarter turn
    // further (angle + 90).
    void tiltedPageOnDesk_data()
    {
        QTest::addColumn<double>("tilt");
        for (int tilt = -40; tilt <= 40; tilt += 5)
            QTest::newRow(qPrintable(QString("%1 degrees").arg(tilt))) << double(tilt);
        QTest::newRow("-1 degree") << -1.0;
        QTest::newRow("1 degree") << 1.0;
        QTest::newRow("-12.5 degrees") << -12.5;
        QTest::newRow("27.3 degrees") << 27.3;
    }
    void tiltedPageOnDesk()
    {
        QFETCH(double, tilt);
        const SyntheticDocument doc = SyntheticDocument::render(cv::Size(1280, 720), tilt,
                                                                unsigned(1000 + tilt * 10));
        cv::Mat frame = doc.frame.clone();
        const IEdgeResult result = cvEdgeDetect(frame);
        QCOMPARE(result.corners.size(), 4);

        // Every true corner has a detected corner within 3 pixels, and no two
        // true corners share one.
        QVector<int> used;
        for (const cv::Point2f& truth : doc.corners) {
            int nearest = -1;
            for (int i = 0; i < 4; ++i)
                if (nearest < 0 || distance(result.corners[i], QPointF(truth.x, truth.y))
                                       < distance(result.corners[nearest], QPointF(truth.x, truth.y)))
                    nearest = i;
            const double off = distance(result.corners[nearest], QPointF(truth.x, truth.y));
            QVERIFY2(off <= 3.0, qPrintable(QString("corner (%1, %2) missed by %3 px")
                                                .arg(truth.x).arg(truth.y).arg(off)));
            QVERIFY(!used.contains(nearest));
            used << nearest;
        }

        QVERIFY2(result.angle >= -90.0 && result.angle < 0.0, qPrintable(QString::number(result.angle)));
        const double expected = tilt < 0 ? tilt : tilt - 90.0;
        QVERIFY2(std::abs(std::remainder(result.angle - expected, 90.0)) < 0.5,
                 qPrintable(QString("angle %1, expected %2").arg(result.angle).arg(expected)));

        const QPointF c0 = result.corners[0];
        QVERIFY(std::abs(directionDifference(screenDirection(result.corners[2] - c0), result.angle)) < 1.0);
        QVERIFY(std::abs(directionDifference(screenDirection(result.corners[1] - c0), result.angle + 90.0)) < 1.0);
        // Corner 3 lies opposite corner 0.
        QVERIFY(distance(result.corners[3], c0 + (result.corners[1] - c0) + (result.corners[2] - c0)) < 2.0);
    }

    void outlineIsDrawnRedIntoFrame()
    {
        const SyntheticDocument doc = SyntheticDocument::render(cv::Size(1280, 720), 15.0, 42);
        cv::Mat frame = doc.frame.clone();
        const IEdgeResult result = cvEdgeDetect(frame);
        QCOMPARE(result.corners.size(), 4);

        const QImage picture = cvMat2Image(frame);
        cv::Mat band(frame.size(), CV_8UC1, cv::Scalar(0));
        for (int i = 0; i < 4; ++i) {
            const QPointF a = result.corners[outlineOrder[i]];
            const QPointF b = result.corners[outlineOrder[(i + 1) % 4]];
            const QPointF mid = middle(a, b);
            QCOMPARE(pixelAt(frame, mid), cv::Vec3b(0, 0, 255));
            QCOMPARE(picture.pixel(cvRound(mid.x()), cvRound(mid.y())), qRgb(255, 0, 0));
            cv::line(band, cv::Point(cvRound(a.x()), cvRound(a.y())), cv::Point(cvRound(b.x()), cvRound(b.y())),
                     cv::Scalar(255), 12);
        }
        // The line is about 4 pixels wide and nothing else is touched.
        cv::Mat diff;
        cv::absdiff(frame, doc.frame, diff);
        cv::Mat channels[3];
        cv::split(diff, channels);
        const cv::Mat changedPixels = (channels[0] | channels[1] | channels[2]) > 0;
        QCOMPARE(cv::countNonZero(changedPixels & ~band), 0);
        const double perimeter = 2 * (distance(result.corners[0], result.corners[1])
                                      + distance(result.corners[0], result.corners[2]));
        const double width = cv::countNonZero(changedPixels) / perimeter;
        QVERIFY2(width > 3.0 && width < 6.0, qPrintable(QString::number(width)));
    }

    // Network cameras hand in blue-green-red-alpha frames.
    void fourChannelFrameGivesSameAnswer()
    {
        const SyntheticDocument doc = SyntheticDocument::render(cv::Size(1280, 720), -20.0, 7);
        cv::Mat bgr = doc.frame.clone();
        cv::Mat bgra;
        cv::cvtColor(doc.frame, bgra, cv::COLOR_BGR2BGRA);
        const IEdgeResult fromBgr = cvEdgeDetect(bgr);
        const IEdgeResult fromBgra = cvEdgeDetect(bgra);
        QCOMPARE(fromBgra.angle, fromBgr.angle);
        QCOMPARE(fromBgra.corners, fromBgr.corners);
        const QPointF mid = middle(fromBgra.corners[0], fromBgra.corners[1]);
        QCOMPARE(bgra.at<cv::Vec4b>(cvRound(mid.y()), cvRound(mid.x())), cv::Vec4b(0, 0, 255, 255));
    }
};

VESKAROO_TEST_MAIN(TestEdgeDetector)
#include "tst_edgedetector.moc"

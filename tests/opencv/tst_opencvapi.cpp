// Picture <-> matrix conversions and the five picture filters.
#include "common/testenv.h"

#include "opencv/iopencvapi.h"

#include <opencv2/core.hpp>

using namespace IOpencvApi;

Q_DECLARE_METATYPE(cv::Mat)
Q_DECLARE_METATYPE(cv::Vec4b)
Q_DECLARE_METATYPE(QImage::Format)

namespace QTest {
template<>
char* toString(const cv::Vec3b& v)
{
    return qstrdup(QByteArray("(%1, %2, %3)").replace("%1", QByteArray::number(v[0]))
                       .replace("%2", QByteArray::number(v[1])).replace("%3", QByteArray::number(v[2])));
}
template<>
char* toString(const cv::Vec4b& v)
{
    return qstrdup(QByteArray::number(v[0]) + ", " + QByteArray::number(v[1]) + ", "
                   + QByteArray::number(v[2]) + ", " + QByteArray::number(v[3]));
}
} // namespace QTest

namespace {

// A three-channel frame whose every pixel is grey `value` in all channels, so
// that its grey conversion is exactly `value` whatever the channel weights.
cv::Mat greyFrame(int rows, int cols, uchar value)
{
    return cv::Mat(rows, cols, CV_8UC3, cv::Scalar::all(value));
}

void setGrey(cv::Mat& frame, int row, int col, uchar value)
{
    frame.at<cv::Vec3b>(row, col) = cv::Vec3b(value, value, value);
}

bool sameMatrix(const cv::Mat& a, const cv::Mat& b)
{
    if (a.size() != b.size() || a.type() != b.type())
        return false;
    return a.empty() || cv::norm(a, b, cv::NORM_INF) == 0.0;
}

const char conversionError[] = "ERROR: Mat could not be converted to QImage.";

} // namespace

class TestOpencvApi : public QObject
{
    Q_OBJECT

private slots:
    // Matrix to picture.

    void oneChannelBecomesIndexedGrey()
    {
        cv::Mat mat(2, 3, CV_8UC1);
        mat.at<uchar>(0, 0) = 0;
        mat.at<uchar>(0, 1) = 77;
        mat.at<uchar>(0, 2) = 255;
        mat.at<uchar>(1, 0) = 1;
        mat.at<uchar>(1, 1) = 128;
        mat.at<uchar>(1, 2) = 254;

        const QImage image = cvMat2Image(mat);
        QCOMPARE(image.format(), QImage::Format_Indexed8);
        QCOMPARE(image.size(), QSize(3, 2));
        QCOMPARE(image.colorCount(), 256);
        for (int i = 0; i < 256; ++i)
            QCOMPARE(image.color(i), qRgba(i, i, i, 255));
        for (int y = 0; y < 2; ++y)
            for (int x = 0; x < 3; ++x)
                QCOMPARE(image.pixelIndex(x, y), int(mat.at<uchar>(y, x)));
    }

    void threeChannelsAreBlueGreenRed()
    {
        cv::Mat mat(1, 3, CV_8UC3);
        mat.at<cv::Vec3b>(0, 0) = cv::Vec3b(0, 0, 255);
        mat.at<cv::Vec3b>(0, 1) = cv::Vec3b(255, 0, 0);
        mat.at<cv::Vec3b>(0, 2) = cv::Vec3b(10, 20, 30);

        const QImage image = cvMat2Image(mat);
        QCOMPARE(image.format(), QImage::Format_RGB888);
        QCOMPARE(image.size(), QSize(3, 1));
        QCOMPARE(image.pixel(0, 0), qRgb(255, 0, 0));
        QCOMPARE(image.pixel(1, 0), qRgb(0, 0, 255));
        QCOMPARE(image.pixel(2, 0), qRgb(30, 20, 10));
    }

    void fourChannelsBecomeRgb32()
    {
        cv::Mat mat(1, 2, CV_8UC4);
        mat.at<cv::Vec4b>(0, 0) = cv::Vec4b(0, 0, 255, 255);
        mat.at<cv::Vec4b>(0, 1) = cv::Vec4b(10, 20, 30, 255);

        const QImage image = cvMat2Image(mat);
        QCOMPARE(image.format(), QImage::Format_RGB32);
        QCOMPARE(image.pixel(0, 0), qRgb(255, 0, 0));
        QCOMPARE(image.pixel(1, 0), qRgb(30, 20, 10));
    }

    // A region of a wider matrix: its rows are further apart than its width.
    void regionOfWiderMatrixKeepsItsRows_data()
    {
        QTest::addColumn<int>("type");
        QTest::newRow("1 channel") << int(CV_8UC1);
        QTest::newRow("3 channels") << int(CV_8UC3);
        QTest::newRow("4 channels") << int(CV_8UC4);
    }
    void regionOfWiderMatrixKeepsItsRows()
    {
        QFETCH(int, type);
        cv::Mat whole(9, 13, type);
        cv::RNG(5).fill(whole, cv::RNG::UNIFORM, 0, 256);
        if (CV_MAT_CN(type) == 4)
            whole.reshape(1, whole.rows * whole.cols).col(3).setTo(255);
        const cv::Mat region = whole(cv::Rect(2, 3, 5, 4));
        QVERIFY(!region.isContinuous());

        const QImage image = cvMat2Image(region);
        QCOMPARE(image.size(), QSize(5, 4));
        QVERIFY(sameMatrix(cvImage2Mat(image), region));
    }

    void picturesOwnTheirPixels_data()
    {
        QTest::addColumn<int>("type");
        QTest::newRow("1 channel") << int(CV_8UC1);
        QTest::newRow("3 channels") << int(CV_8UC3);
        QTest::newRow("4 channels") << int(CV_8UC4);
    }
    void picturesOwnTheirPixels()
    {
        QFETCH(int, type);
        QImage image;
        {
            cv::Mat mat(4, 4, type, cv::Scalar::all(200));
            image = cvMat2Image(mat);
            mat.setTo(cv::Scalar::all(7));
        }
        const QImage untouched = cvMat2Image(cv::Mat(4, 4, type, cv::Scalar::all(200)));
        QCOMPARE(image, untouched);
    }

    void otherTypesGiveNullPicture_data()
    {
        QTest::addColumn<int>("type");
        QTest::newRow("2 channels") << int(CV_8UC2);
        QTest::newRow("16-bit grey") << int(CV_16UC1);
        QTest::newRow("16-bit colour") << int(CV_16UC3);
        QTest::newRow("float colour") << int(CV_32FC3);
    }
    void otherTypesGiveNullPicture()
    {
        QFETCH(int, type);
        QTest::ignoreMessage(QtDebugMsg, conversionError);
        QVERIFY(cvMat2Image(cv::Mat(4, 6, type, cv::Scalar::all(100))).isNull());
    }

    // Picture to matrix.

    void indexedPictureGivesOneChannel()
    {
        QImage image(3, 2, QImage::Format_Indexed8); // rows padded to 4 bytes
        image.setColorCount(256);
        const int indices[2][3] = {{0, 9, 255}, {128, 1, 77}};
        for (int y = 0; y < 2; ++y)
            for (int x = 0; x < 3; ++x)
                image.setPixel(x, y, uint(indices[y][x]));

        const cv::Mat mat = cvImage2Mat(image);
        QCOMPARE(mat.type(), CV_8UC1);
        QCOMPARE(mat.rows, 2);
        QCOMPARE(mat.cols, 3);
        for (int y = 0; y < 2; ++y)
            for (int x = 0; x < 3; ++x)
                QCOMPARE(int(mat.at<uchar>(y, x)), indices[y][x]);
    }

    void rgb888PictureGivesBlueGreenRed()
    {
        QImage image(3, 2, QImage::Format_RGB888); // 9 bytes a row, padded to 12
        image.fill(Qt::black);
        image.setPixel(0, 0, qRgb(255, 0, 0));
        image.setPixel(2, 1, qRgb(30, 20, 10));

        const cv::Mat mat = cvImage2Mat(image);
        QCOMPARE(mat.type(), CV_8UC3);
        QCOMPARE(mat.rows, 2);
        QCOMPARE(mat.cols, 3);
        QCOMPARE(mat.at<cv::Vec3b>(0, 0), cv::Vec3b(0, 0, 255));
        QCOMPARE(mat.at<cv::Vec3b>(1, 2), cv::Vec3b(10, 20, 30));
        QCOMPARE(mat.at<cv::Vec3b>(1, 1), cv::Vec3b(0, 0, 0));
    }

    void thirtyTwoBitPicturesGiveFourChannels_data()
    {
        QTest::addColumn<QImage::Format>("format");
        QTest::addColumn<QRgb>("stored");
        QTest::addColumn<cv::Vec4b>("bytes");
        QTest::newRow("RGB32") << QImage::Format_RGB32 << qRgb(30, 20, 10) << cv::Vec4b(10, 20, 30, 255);
        QTest::newRow("ARGB32") << QImage::Format_ARGB32 << qRgba(30, 20, 10, 40) << cv::Vec4b(10, 20, 30, 40);
        QTest::newRow("ARGB32 premultiplied") << QImage::Format_ARGB32_Premultiplied
                                              << qRgba(30, 20, 10, 40) << cv::Vec4b(10, 20, 30, 40);
    }
    void thirtyTwoBitPicturesGiveFourChannels()
    {
        QFETCH(QImage::Format, format);
        QFETCH(QRgb, stored);
        QFETCH(cv::Vec4b, bytes);
        QImage image(3, 2, format);
        image.fill(0);
        image.setPixel(1, 1, stored);

        const cv::Mat mat = cvImage2Mat(image);
        QCOMPARE(mat.type(), CV_8UC4);
        QCOMPARE(mat.rows, 2);
        QCOMPARE(mat.cols, 3);
        QCOMPARE(mat.at<cv::Vec4b>(1, 1), bytes);
    }

    void otherFormatsGiveEmptyMatrix_data()
    {
        QTest::addColumn<QImage>("image");
        QTest::newRow("null") << QImage();
        QTest::newRow("mono") << QImage(8, 4, QImage::Format_Mono);
        QTest::newRow("RGB16") << QImage(8, 4, QImage::Format_RGB16);
        QTest::newRow("Grayscale8") << QImage(8, 4, QImage::Format_Grayscale8);
        QTest::newRow("RGBA8888") << QImage(8, 4, QImage::Format_RGBA8888);
    }
    void otherFormatsGiveEmptyMatrix()
    {
        QFETCH(QImage, image);
        QVERIFY(cvImage2Mat(image).empty());
    }

    void matrixSharesNothingWithPicture_data()
    {
        QTest::addColumn<QImage::Format>("format");
        QTest::newRow("Indexed8") << QImage::Format_Indexed8;
        QTest::newRow("RGB32") << QImage::Format_RGB32;
        QTest::newRow("ARGB32") << QImage::Format_ARGB32;
        QTest::newRow("RGB888") << QImage::Format_RGB888;
    }
    void matrixSharesNothingWithPicture()
    {
        QFETCH(QImage::Format, format);
        QImage image(5, 3, format);
        if (format == QImage::Format_Indexed8)
            image.setColorTable(cvMat2Image(cv::Mat(1, 1, CV_8UC1)).colorTable());
        image.fill(40);
        const cv::Mat mat = cvImage2Mat(image);
        const cv::Mat before = mat.clone();

        // Writing through the picture's own buffer must not reach the matrix,
        // nor the other way round.
        memset(image.bits(), 200, size_t(image.sizeInBytes()));
        QVERIFY(sameMatrix(mat, before));
        const QImage snapshot = image.copy();
        cv::Mat(mat).setTo(cv::Scalar::all(1));
        QCOMPARE(image, snapshot);
    }

    void pictureSurvivesRoundTrip_data()
    {
        QTest::addColumn<QImage::Format>("format");
        QTest::newRow("Indexed8") << QImage::Format_Indexed8;
        QTest::newRow("RGB888") << QImage::Format_RGB888;
        QTest::newRow("RGB32") << QImage::Format_RGB32;
    }
    void pictureSurvivesRoundTrip()
    {
        QFETCH(QImage::Format, format);
        QImage image(7, 5, format);
        if (format == QImage::Format_Indexed8)
            image.setColorTable(cvMat2Image(cv::Mat(1, 1, CV_8UC1)).colorTable());
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const int v = (x * 37 + y * 91) % 256;
                if (format == QImage::Format_Indexed8)
                    image.setPixel(x, y, uint(v));
                else
                    image.setPixel(x, y, qRgb(v, 255 - v, (v * 7) % 256));
            }
        QCOMPARE(cvMat2Image(cvImage2Mat(image)), image);
    }

    // Filters.

    void grayWeighsFirstByteAsRed()
    {
        // Fixed-point grey weights: 0.299, 0.587, 0.114 applied to bytes 1, 2, 3.
        cv::Mat frame(1, 3, CV_8UC3);
        frame.at<cv::Vec3b>(0, 0) = cv::Vec3b(255, 0, 0);
        frame.at<cv::Vec3b>(0, 1) = cv::Vec3b(0, 255, 0);
        frame.at<cv::Vec3b>(0, 2) = cv::Vec3b(0, 0, 255);
        const cv::Mat gray = cvGray(frame);
        QCOMPARE(gray.type(), CV_8UC1);
        QCOMPARE(int(gray.at<uchar>(0, 0)), 76);
        QCOMPARE(int(gray.at<uchar>(0, 1)), 150);
        QCOMPARE(int(gray.at<uchar>(0, 2)), 29);

        // A four-channel frame (network cameras) ignores its alpha byte.
        cv::Mat withAlpha(1, 1, CV_8UC4, cv::Scalar(255, 0, 0, 17));
        QCOMPARE(int(cvGray(withAlpha).at<uchar>(0, 0)), 76);
    }

    void blackAndWhiteCutsAbove100_data()
    {
        QTest::addColumn<int>("grey");
        QTest::addColumn<int>("expected");
        QTest::newRow("0") << 0 << 0;
        QTest::newRow("100") << 100 << 0;
        QTest::newRow("101") << 101 << 255;
        QTest::newRow("255") << 255 << 255;
    }
    void blackAndWhiteCutsAbove100()
    {
        QFETCH(int, grey);
        QFETCH(int, expected);
        const cv::Mat bw = cvBlackWhite(greyFrame(3, 4, uchar(grey)));
        QCOMPARE(bw.type(), CV_8UC1);
        QCOMPARE(cv::countNonZero(bw != expected), 0);
    }

    void sharpenUsesCrossKernelWithMirroredBorder()
    {
        // Background 10, a bright pixel in the middle and one on the top edge.
        cv::Mat frame = greyFrame(5, 5, 10);
        setGrey(frame, 2, 2, 60);
        setGrey(frame, 0, 2, 40);
        const cv::Mat sharp = cvSharpen(frame);
        QCOMPARE(sharp.type(), CV_8UC1);
        QCOMPARE(sharp.size(), cv::Size(5, 5));
        // 5 * 60 - 4 * 10 = 260, saturated.
        QCOMPARE(int(sharp.at<uchar>(2, 2)), 255);
        // The row above the top edge mirrors row 1 (not row 0, not zero):
        // 5 * 40 - 10 - 10 - 10 - 10 = 160.
        QCOMPARE(int(sharp.at<uchar>(0, 2)), 160);
        // Between the two: 5 * 10 - 40 - 60 - 10 - 10 < 0.
        QCOMPARE(int(sharp.at<uchar>(1, 2)), 0);
        // Beside the middle one: 5 * 10 - 60 - 3 * 10 < 0.
        QCOMPARE(int(sharp.at<uchar>(2, 1)), 0);
        // Diagonal neighbours and corners see only background.
        QCOMPARE(int(sharp.at<uchar>(1, 1)), 10);
        QCOMPARE(int(sharp.at<uchar>(4, 4)), 10);
        QCOMPARE(int(sharp.at<uchar>(0, 0)), 10);
    }

    // A vertical step from black to `step`: the 5x5 Laplacian gives 16 * step
    // on the two columns left of the step, which turn black once above 127.
    void sketchBlackensStrongEdgesOnly_data()
    {
        QTest::addColumn<int>("step");
        QTest::addColumn<bool>("edgeIsBlack");
        QTest::newRow("weak: 16 * 7 = 112") << 7 << false;
        QTest::newRow("just strong: 16 * 8 = 128") << 8 << true;
        QTest::newRow("strong") << 200 << true;
    }
    void sketchBlackensStrongEdgesOnly()
    {
        QFETCH(int, step);
        QFETCH(bool, edgeIsBlack);
        cv::Mat frame = greyFrame(10, 16, 0);
        frame.colRange(8, 16).setTo(cv::Scalar::all(step));
        const cv::Mat sketch = cvSketch(frame);
        QCOMPARE(sketch.type(), CV_8UC1);
        QCOMPARE(sketch.size(), frame.size());
        for (int row = 0; row < sketch.rows; ++row)
            for (int col = 0; col < sketch.cols; ++col) {
                const bool onEdge = edgeIsBlack && (col == 6 || col == 7);
                QCOMPARE(int(sketch.at<uchar>(row, col)), onEdge ? 0 : 255);
            }
    }

    void sketchRemovesSpecklesBeforeEdges()
    {
        // A lone dark dot on white paper is noise, not a line worth drawing.
        cv::Mat frame = greyFrame(15, 15, 220);
        setGrey(frame, 7, 7, 0);
        QCOMPARE(cv::countNonZero(cvSketch(frame) != 255), 0);
    }

    void reliefOfUniformPictureIsMidGrey()
    {
        cv::Mat frame(6, 7, CV_8UC3, cv::Scalar(90, 140, 33));
        const cv::Mat relief = cvRelief(frame);
        QCOMPARE(relief.type(), CV_8UC1);
        QCOMPARE(relief.size(), frame.size());
        // Inside and on the one-pixel border alike.
        QCOMPARE(cv::countNonZero(relief != 128), 0);
    }

    // relief(r, c) = frame(r + 1, c + 1) - frame(r, c - 1) + 128, clamped.
    void reliefComparesLowerRightWithLeft_data()
    {
        QTest::addColumn<int>("bright");
        QTest::addColumn<int>("raised");
        QTest::addColumn<int>("sunk");
        QTest::newRow("in range") << 50 << 178 << 78;
        QTest::newRow("clamped") << 200 << 255 << 0;
    }
    void reliefComparesLowerRightWithLeft()
    {
        QFETCH(int, bright);
        QFETCH(int, raised);
        QFETCH(int, sunk);
        cv::Mat frame = greyFrame(5, 5, 0);
        setGrey(frame, 2, 2, uchar(bright));
        const cv::Mat relief = cvRelief(frame);
        for (int row = 0; row < 5; ++row)
            for (int col = 0; col < 5; ++col) {
                int expected = 128;
                if (row == 1 && col == 1) // sees the bright pixel down and right
                    expected = raised;
                else if (row == 2 && col == 3) // sees it to its left
                    expected = sunk;
                QCOMPARE(int(relief.at<uchar>(row, col)), expected);
            }
    }

    void filterKindChoosesFilter_data()
    {
        QTest::addColumn<int>("kind");
        QTest::newRow("2 grey") << 2;
        QTest::newRow("3 black and white") << 3;
        QTest::newRow("4 sharpen") << 4;
        QTest::newRow("5 sketch") << 5;
        QTest::newRow("6 relief") << 6;
    }
    void filterKindChoosesFilter()
    {
        QFETCH(int, kind);
        cv::Mat frame(24, 32, CV_8UC3);
        cv::RNG(11).fill(frame, cv::RNG::UNIFORM, 0, 256);
        const cv::Mat original = frame.clone();
        cv::Mat (*const filters[])(const cv::Mat&) = {cvGray, cvBlackWhite, cvSharpen, cvSketch, cvRelief};
        const cv::Mat filtered = cvFilter(frame, kind);
        QVERIFY(sameMatrix(filtered, filters[kind - 2](frame)));
        // The filters distinguish themselves on random input.
        for (int other = 2; other <= 6; ++other)
            if (other != kind)
                QVERIFY(!sameMatrix(filtered, filters[other - 2](frame)));
        QVERIFY(sameMatrix(frame, original));
    }

    void noneAndUnknownKindsLeaveFrame_data()
    {
        QTest::addColumn<int>("kind");
        QTest::newRow("1 none") << 1;
        QTest::newRow("7") << 7;
        QTest::newRow("0") << 0;
        QTest::newRow("-1") << -1;
    }
    void noneAndUnknownKindsLeaveFrame()
    {
        QFETCH(int, kind);
        cv::Mat frame(6, 8, CV_8UC3);
        cv::RNG(3).fill(frame, cv::RNG::UNIFORM, 0, 256);
        const cv::Mat original = frame.clone();
        QVERIFY(sameMatrix(cvFilter(frame, kind), original));
        QVERIFY(sameMatrix(frame, original));
    }

    // A failed camera read hands in an empty frame; no filter may throw.
    void unusableInputGivesEmptyMatrix_data()
    {
        QTest::addColumn<cv::Mat>("frame");
        QTest::newRow("empty") << cv::Mat();
        QTest::newRow("2 channels") << cv::Mat(4, 4, CV_8UC2, cv::Scalar::all(9));
        QTest::newRow("16-bit") << cv::Mat(4, 4, CV_16UC3, cv::Scalar::all(9));
    }
    void unusableInputGivesEmptyMatrix()
    {
        QFETCH(cv::Mat, frame);
        for (int kind = 2; kind <= 6; ++kind)
            QVERIFY2(cvFilter(frame, kind).empty(), qPrintable(QString::number(kind)));
    }

    void greyInputIsFilteredAsIs()
    {
        // A one-channel frame is already grey.
        cv::Mat frame(5, 5, CV_8UC1, cv::Scalar(0));
        frame.at<uchar>(2, 2) = 101;
        frame.at<uchar>(2, 3) = 100;
        const cv::Mat bw = cvBlackWhite(frame);
        QCOMPARE(bw.type(), CV_8UC1);
        QCOMPARE(cv::countNonZero(bw), 1);
        QCOMPARE(int(bw.at<uchar>(2, 2)), 255);
        const cv::Mat relief = cvRelief(frame);
        QCOMPARE(int(relief.at<uchar>(1, 1)), 229); // 101 - 0 + 128
        QCOMPARE(int(relief.at<uchar>(1, 2)), 228); // 100 - 0 + 128
        QCOMPARE(int(relief.at<uchar>(2, 3)), 27);  // 0 - 101 + 128
        QCOMPARE(int(relief.at<uchar>(2, 4)), 128); // border
    }
};

VESKAROO_TEST_MAIN(TestOpencvApi)
#include "tst_opencvapi.moc"

// The image save thread: captured pictures composed, straightened, cut, named and written; exports to images and PDF.
#include "common/syntheticdocument.h"
#include "common/testenv.h"

#include "iglobals.h"
#include "iimagetansformthread.h"
#include "opencv/iopencvapi.h"
#include "service/iconfigureservice.h"

#include <QBuffer>
#include <QElapsedTimer>
#include <QPointer>
#include <QDir>
#include <QImageReader>
#include <QImageWriter>
#include <QPainter>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTransform>

#include <opencv2/imgproc.hpp>

#include <cctype>
#include <cmath>

namespace {

// Red, green, blue and white quarters: top-left, top-right, bottom-left,
// bottom-right.
QImage quarters(const QSize& size)
{
    QImage image(size, QImage::Format_RGB888);
    QPainter painter(&image);
    const int w = size.width() / 2, h = size.height() / 2;
    painter.fillRect(0, 0, w, h, Qt::red);
    painter.fillRect(w, 0, size.width() - w, h, Qt::green);
    painter.fillRect(0, h, w, size.height() - h, Qt::blue);
    painter.fillRect(w, h, size.width() - w, size.height() - h, Qt::white);
    return image;
}

ICaptureJob jobFor(const QImage& picture, const QString& folder)
{
    ICaptureJob job;
    job.picture = picture;
    job.overlay = QImage(picture.size(), QImage::Format_ARGB32);
    job.overlay.fill(Qt::transparent);
    job.targetFolder = folder;
    return job;
}

QStringList filesIn(const QString& folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

// Runs one capture job on the calling thread and returns the written file.
struct CaptureResult
{
    QImage thumbnail;
    QString path;
    QImage saved;
};

CaptureResult capture(const ICaptureJob& job)
{
    IImageTansformThread thread;
    QSignalSpy images(&thread, &IImageTansformThread::sgCaptureImage);
    thread.addCaptureJob(job);
    thread.processCaptureJob();
    CaptureResult result;
    if (images.size() == 1) {
        result.thumbnail = images[0][0].value<QImage>();
        result.path = images[0][1].toString();
        if (!result.path.isEmpty())
            result.saved = QImage(result.path);
    }
    return result;
}

bool sameColour(QRgb a, QRgb b, int tolerance = 2)
{
    return std::abs(qRed(a) - qRed(b)) <= tolerance && std::abs(qGreen(a) - qGreen(b)) <= tolerance
        && std::abs(qBlue(a) - qBlue(b)) <= tolerance;
}

// ---- Reading back what a PDF shows -------------------------------------------------

struct PdfImage
{
    // Page points, origin bottom-left as PDF has it.
    QRectF placement;
};

struct PdfPage
{
    QRectF mediaBox;
    QVector<PdfImage> images;
};

// Every "n 0 obj ... endobj" of the file by its number.
QMap<int, QByteArray> pdfObjects(const QByteArray& pdf)
{
    QMap<int, QByteArray> objects;
    int at = 0;
    while ((at = pdf.indexOf(" 0 obj", at)) >= 0) {
        int start = at;
        while (start > 0 && std::isdigit(static_cast<unsigned char>(pdf[start - 1])))
            --start;
        const int bodyStart = at + 6;
        const int end = pdf.indexOf("endobj", bodyStart);
        if (start < at && (start == 0 || pdf[start - 1] == '\n') && end > 0)
            objects.insert(pdf.mid(start, at - start).toInt(), pdf.mid(bodyStart, end - bodyStart));
        at = end > 0 ? end : bodyStart;
    }
    return objects;
}

QByteArray pdfStream(const QByteArray& object)
{
    int begin = object.indexOf("stream");
    if (begin < 0)
        return QByteArray();
    begin += 6;
    while (begin < object.size() && (object[begin] == '\r' || object[begin] == '\n'))
        ++begin;
    const int end = object.lastIndexOf("endstream");
    QByteArray data = object.mid(begin, end - begin);
    if (!object.contains("/FlateDecode"))
        return data;
    // qUncompress wants a size hint in front and grows past it when needed.
    QByteArray framed(4, '\0');
    framed[1] = char(0x10);
    return qUncompress(framed + data);
}

// Follows the content stream's transformations to where each image lands.
QVector<PdfImage> imagesPlaced(const QByteArray& content)
{
    QVector<PdfImage> placed;
    QVector<QTransform> stack;
    QTransform ctm;
    QVector<double> operands;
    const QList<QByteArray> tokens = content.simplified().split(' ');
    for (const QByteArray& token : tokens) {
        bool number = false;
        const double value = token.toDouble(&number);
        if (number) {
            operands << value;
            continue;
        }
        if (token == "q") {
            stack << ctm;
        } else if (token == "Q") {
            if (!stack.isEmpty())
                ctm = stack.takeLast();
        } else if (token == "cm" && operands.size() >= 6) {
            const double* o = operands.constData() + operands.size() - 6;
            ctm = QTransform(o[0], o[1], o[2], o[3], o[4], o[5]) * ctm;
        } else if (token == "Do") {
            placed << PdfImage{ctm.mapRect(QRectF(0, 0, 1, 1))};
        }
        if (!token.startsWith('/'))
            operands.clear();
    }
    return placed;
}

QVector<PdfPage> readPdf(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QMap<int, QByteArray> objects = pdfObjects(file.readAll());
    QVector<PdfPage> pages;
    for (const QByteArray& object : objects) {
        if (!object.simplified().startsWith("<< /Type /Page "))
            continue;
        PdfPage page;
        const QString text = QString::fromLatin1(object);
        const QRegularExpressionMatch box = QRegularExpression(
            QStringLiteral("/MediaBox \\[([\\d.]+) ([\\d.]+) ([\\d.]+) ([\\d.]+)\\]")).match(text);
        if (box.hasMatch())
            page.mediaBox = QRectF(QPointF(box.captured(1).toDouble(), box.captured(2).toDouble()),
                                   QPointF(box.captured(3).toDouble(), box.captured(4).toDouble()));
        const QRegularExpressionMatch contents = QRegularExpression(QStringLiteral("/Contents (\\d+) 0 R")).match(text);
        if (contents.hasMatch())
            page.images = imagesPlaced(pdfStream(objects.value(contents.captured(1).toInt())));
        pages << page;
    }
    return pages;
}

// Points per pixel at 300 dpi.
const double kPointsPerPixel = 72.0 / 300.0;

// ---- Measuring a straightened page ---------------------------------------------------

// Desk and the detector's red outline are warm; paper and print are grey.
bool warm(QRgb c)
{
    return qRed(c) - qBlue(c) > 25;
}

double warmShare(const QImage& image)
{
    qint64 count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += warm(image.pixel(x, y)) ? 1 : 0;
    return double(count) / (qint64(image.width()) * image.height());
}

// Tilt of the print in degrees, clockwise: the slope of its left margin,
// fitted through where each printed line starts.
double printTilt(const QImage& image)
{
    auto ink = [&](int x, int y) {
        const QRgb c = image.pixel(x, y);
        return qGray(c) < 120 && !warm(c);
    };
    // Each run of rows with print is one line; it starts at its leftmost ink.
    QVector<QPointF> starts;
    int lineTop = -1, lineLeft = image.width();
    for (int y = 0; y <= image.height(); ++y) {
        int left = image.width();
        if (y < image.height())
            for (int x = 0; x < image.width() / 3 && left == image.width(); ++x)
                if (ink(x, y))
                    left = x;
        if (left < image.width()) {
            if (lineTop < 0)
                lineTop = y;
            lineLeft = std::min(lineLeft, left);
        } else if (lineTop >= 0) {
            starts << QPointF((lineTop + y - 1) / 2.0, lineLeft);
            lineTop = -1;
            lineLeft = image.width();
        }
    }
    if (starts.size() < 5)
        return 90.0;
    double my = 0, mx = 0;
    for (const QPointF& p : starts) {
        my += p.x();
        mx += p.y();
    }
    my /= starts.size();
    mx /= starts.size();
    double sxy = 0, syy = 0;
    for (const QPointF& p : starts) {
        sxy += (p.x() - my) * (p.y() - mx);
        syy += (p.x() - my) * (p.x() - my);
    }
    // A page turned clockwise has its margin drifting left going down.
    return -std::atan(sxy / syy) * 180.0 / CV_PI;
}

} // namespace

class TestImageTansformThread : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    QString freshFolder(const QString& name)
    {
        const QString folder = m_dir.filePath(name) + "/";
        QDir().mkpath(folder);
        return folder;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        setScaleFactors(IScaleFactors());
    }

    void init()
    {
        IConfigureService::instance()->setPhotoFormat("png");
    }

    // ---- Capture: composition, thumbnail, file --------------------------------------

    void annotationIsDrawnOverThePicture()
    {
        const QString folder = freshFolder("compose");
        ICaptureJob job = jobFor(quarters(QSize(400, 300)), folder);
        QPainter painter(&job.overlay);
        painter.fillRect(QRect(150, 100, 100, 100), QColor(255, 255, 0));
        painter.fillRect(QRect(20, 20, 40, 40), QColor(0, 0, 0, 128));
        painter.end();

        const CaptureResult result = capture(job);
        QVERIFY(!result.saved.isNull());
        QCOMPARE(result.saved.size(), QSize(400, 300));
        // Opaque ink covers the picture, half-transparent ink shades it, and
        // the picture shows wherever nothing is drawn.
        QVERIFY(sameColour(result.saved.pixel(200, 150), qRgb(255, 255, 0)));
        QVERIFY(sameColour(result.saved.pixel(40, 40), qRgb(127, 0, 0), 3));
        QVERIFY(sameColour(result.saved.pixel(100, 75), qRgb(255, 0, 0)));
        QVERIFY(sameColour(result.saved.pixel(300, 75), qRgb(0, 255, 0)));
        QVERIFY(sameColour(result.saved.pixel(100, 225), qRgb(0, 0, 255)));
        QVERIFY(sameColour(result.saved.pixel(300, 225), qRgb(255, 255, 255)));
    }

    void thumbnailGoesBackAtTheScaledSize()
    {
        setScaleFactors(IScaleFactors{1.5, 1.5, 1.5});
        const CaptureResult result = capture(jobFor(quarters(QSize(640, 480)), freshFolder("thumb")));
        setScaleFactors(IScaleFactors());
        QCOMPARE(result.thumbnail.size(), QSize(209, 141));
        QVERIFY(sameColour(result.thumbnail.pixel(10, 10), qRgb(255, 0, 0)));
        QVERIFY(sameColour(result.thumbnail.pixel(200, 130), qRgb(255, 255, 255)));
        // The file keeps the full picture.
        QCOMPARE(result.saved.size(), QSize(640, 480));
    }

    // A timelapse frame is asked for as one; the folder plays no part.
    void timelapseCaptureReturnsThePictureAndWritesNothing_data()
    {
        QTest::addColumn<bool>("withFolder");
        QTest::newRow("no folder") << false;
        QTest::newRow("photo folder set") << true;
    }
    void timelapseCaptureReturnsThePictureAndWritesNothing()
    {
        QFETCH(bool, withFolder);
        const QString folder = freshFolder(QString("timelapse-%1").arg(withFolder));
        IImageTansformThread thread;
        QSignalSpy images(&thread, &IImageTansformThread::sgCaptureImage);
        QSignalSpy failed(&thread, &IImageTansformThread::sgCaptureFailed);
        ICaptureJob job = jobFor(quarters(QSize(320, 240)), withFolder ? folder : QString());
        job.timelapse = true;
        thread.addCaptureJob(job);
        thread.processCaptureJob();
        QCOMPARE(failed.size(), 0);
        QCOMPARE(images.size(), 1);
        QCOMPARE(images[0][1].toString(), QString());
        const QImage picture = images[0][0].value<QImage>();
        QCOMPARE(picture.size(), QSize(320, 240));
        QVERIFY(sameColour(picture.pixel(300, 10), qRgb(0, 255, 0)));
        QCOMPARE(thread.pendingCaptureJobs(), 0);
        QVERIFY(filesIn(folder).isEmpty());
    }

    void jpegIsWrittenAtFullQuality()
    {
        IConfigureService::instance()->setPhotoFormat("jpeg");
        const QImage photo = IOpencvApi::cvMat2Image(SyntheticDocument::render(cv::Size(640, 480), 8.0, 5).frame);

        const CaptureResult result = capture(jobFor(photo, freshFolder("jpeg")));
        QVERIFY(result.path.endsWith(".jpeg"));
        QCOMPARE(QImageReader(result.path).format(), QByteArray("jpeg"));

        // Against the library's default quality: much closer to the picture.
        QBuffer defaultQuality;
        defaultQuality.open(QIODevice::WriteOnly);
        QVERIFY(QImageWriter(&defaultQuality, "jpeg").write(photo));
        const QImage lessFaithful = QImage::fromData(defaultQuality.data(), "jpeg");
        auto meanError = [&](const QImage& decoded) {
            double sum = 0;
            for (int y = 0; y < photo.height(); ++y)
                for (int x = 0; x < photo.width(); ++x) {
                    const QRgb a = photo.pixel(x, y), b = decoded.pixel(x, y);
                    sum += std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b))
                        + std::abs(qBlue(a) - qBlue(b));
                }
            return sum / (3.0 * photo.width() * photo.height());
        };
        const double saved = meanError(result.saved), reference = meanError(lessFaithful);
        QVERIFY2(saved < reference / 2, qPrintable(QString("%1 against %2").arg(saved).arg(reference)));
    }

    // The camera's picture without annotations goes to the encoder as it
    // is: the file must still hold the bytes of the composed picture at
    // quality 100, whatever the picture's format.
    void jpegBytesAreThoseOfTheComposedPicture_data()
    {
        QTest::addColumn<int>("format");
        QTest::newRow("32-bit") << int(QImage::Format_RGB32);
        QTest::newRow("24-bit") << int(QImage::Format_RGB888);
        QTest::newRow("grey") << int(QImage::Format_Grayscale8);
        QTest::newRow("with alpha") << int(QImage::Format_ARGB32);
    }

    void jpegBytesAreThoseOfTheComposedPicture()
    {
        QFETCH(int, format);
        IConfigureService::instance()->setPhotoFormat("jpeg");
        QImage photo = IOpencvApi::cvMat2Image(SyntheticDocument::render(cv::Size(320, 240), 5.0, 3).frame)
                           .convertToFormat(QImage::Format(format));
        if (photo.hasAlphaChannel())
            photo.setPixel(10, 10, qRgba(200, 30, 30, 90));
        ICaptureJob job = jobFor(photo, freshFolder(QString("bytes%1").arg(format)));
        job.overlay = QImage(); // nothing drawn on the board

        IImageTansformThread thread;
        QSignalSpy images(&thread, &IImageTansformThread::sgCaptureImage);
        thread.addCaptureJob(job);
        thread.processCaptureJob();
        QCOMPARE(images.size(), 1);
        QFile written(images[0][1].toString());
        QVERIFY(written.open(QIODevice::ReadOnly));

        QImage canvas(photo.size(), QImage::Format_ARGB32);
        canvas.fill(Qt::transparent);
        QPainter painter(&canvas);
        painter.drawImage(0, 0, photo);
        painter.end();
        QBuffer expected;
        expected.open(QIODevice::WriteOnly);
        QImageWriter writer(&expected, "jpeg");
        writer.setQuality(100);
        QVERIFY(writer.write(canvas));
        QVERIFY(written.readAll() == expected.data());
    }

    // The loop sleeps until there is work and takes a job the moment it is
    // queued: it goes round once per job, never on a timer.
    void theSaveThreadWakesForWorkOnly()
    {
        const QString folder = freshFolder("wake");
        IImageTansformThread thread;
        QSignalSpy images(&thread, &IImageTansformThread::sgCaptureImage);
        QSignalSpy exported(&thread, &IImageTansformThread::sgSaveFilesSuccess);
        thread.start();
        QTest::qWait(200); // a polling loop would have gone round ten times
        QCOMPARE(thread.wakeUps(), 0);

        for (int i = 0; i < 3; ++i)
            thread.addCaptureJob(jobFor(quarters(QSize(40, 20)), folder));
        QTRY_COMPARE(images.size(), 3);
        QTest::qWait(100);
        QVERIFY2(thread.wakeUps() >= 1 && thread.wakeUps() <= 3, qPrintable(QString::number(thread.wakeUps())));

        const int before = thread.wakeUps();
        thread.setExportJob(QDir(folder).filePath("copy.png"), {images[0][1].toString()}, 0);
        QTRY_COMPARE(exported.size(), 1);
        QCOMPARE(thread.wakeUps(), before + 1);
    }

    // ---- Capture: straightening ------------------------------------------------------

    // A portrait page turned by `tilt` degrees counter-clockwise, found by
    // the real detector, comes out upright with nothing of the desk or the
    // drawn outline left. `shift` moves the angle into the other range OpenCV
    // versions report box angles in; the result must not depend on it.
    void tiltedPageComesOutUpright_data()
    {
        QTest::addColumn<double>("tilt");
        QTest::addColumn<double>("shift");
        for (double tilt : {-40.0, -25.0, -10.0, -3.0, 0.0, 3.0, 10.0, 17.5, 25.0, 40.0})
            QTest::newRow(qPrintable(QString("%1 degrees").arg(tilt))) << tilt << 0.0;
        for (double tilt : {-25.0, 10.0, 40.0})
            QTest::newRow(qPrintable(QString("%1 degrees, other angle range").arg(tilt))) << tilt << 90.0;
    }
    void tiltedPageComesOutUpright()
    {
        QFETCH(double, tilt);
        QFETCH(double, shift);
        const SyntheticDocument doc = SyntheticDocument::render(cv::Size(1280, 720), tilt, unsigned(7 + tilt * 10));
        cv::Mat frame = doc.frame.clone();
        const IEdgeResult edge = IOpencvApi::cvEdgeDetect(frame);
        QCOMPARE(edge.corners.size(), 4);

        ICaptureJob job = jobFor(IOpencvApi::cvMat2Image(frame), freshFolder("straighten"));
        job.edgeAngle = edge.angle + shift;
        job.edgePolygon = edge.corners;
        const CaptureResult result = capture(job);
        QVERIFY(!result.saved.isNull());

        // The print runs square to the picture's edges.
        const double printed = printTilt(result.saved);
        QVERIFY2(std::abs(printed) < 1.0, qPrintable(QString("print tilted by %1 degrees").arg(printed)));
        // Portrait as the page is, and all of it: only 6 pixels go on every side.
        const double pageWidth = std::hypot(doc.corners[1].x - doc.corners[0].x, doc.corners[1].y - doc.corners[0].y);
        const double pageHeight = std::hypot(doc.corners[3].x - doc.corners[0].x, doc.corners[3].y - doc.corners[0].y);
        QVERIFY2(std::abs(result.saved.width() - (pageWidth - 12)) <= 5
                     && std::abs(result.saved.height() - (pageHeight - 12)) <= 5,
                 qPrintable(QString("%1 x %2 for a page of %3 x %4").arg(result.saved.width())
                                .arg(result.saved.height()).arg(pageWidth).arg(pageHeight)));
        const double desk = warmShare(result.saved);
        QVERIFY2(desk < 0.002, qPrintable(QString("%1 of the picture is desk or outline").arg(desk)));
    }

    void noPageLeavesThePictureWhole_data()
    {
        QTest::addColumn<double>("angle");
        QTest::newRow("no outline") << -1.0;
        // What the detector answers for a frame without a page: angle 0 and
        // the frame's corners written transposed.
        QTest::newRow("blank frame answer") << 0.0;
    }
    void noPageLeavesThePictureWhole()
    {
        QFETCH(double, angle);
        ICaptureJob job = jobFor(quarters(QSize(640, 360)), freshFolder("nopage"));
        job.edgeAngle = angle;
        job.edgePolygon << QPointF(0, 0) << QPointF(0, 640) << QPointF(360, 640) << QPointF(360, 0);
        const CaptureResult result = capture(job);
        QCOMPARE(result.saved.size(), QSize(640, 360));
        QVERIFY(sameColour(result.saved.pixel(630, 350), qRgb(255, 255, 255)));
    }

    // ---- Capture: crop and rotation --------------------------------------------------

    void cropAndRotation_data()
    {
        QTest::addColumn<QRect>("cropRect");
        QTest::addColumn<int>("rotation");
        QTest::addColumn<QSize>("size");
        // Expected colours at the saved picture's top-left and bottom-right.
        QTest::addColumn<QColor>("topLeft");
        QTest::addColumn<QColor>("bottomRight");
        QTest::newRow("whole picture") << QRect() << 0 << QSize(400, 200) << QColor(Qt::red) << QColor(Qt::white);
        QTest::newRow("zone in the top-right") << QRect(250, 10, 100, 60) << 0 << QSize(100, 60)
                                               << QColor(Qt::green) << QColor(Qt::green);
        QTest::newRow("zone over the middle") << QRect(150, 50, 100, 100) << 0 << QSize(100, 100)
                                              << QColor(Qt::red) << QColor(Qt::white);
        QTest::newRow("zone reaching past the edge") << QRect(300, 150, 400, 400) << 0 << QSize(100, 50)
                                                     << QColor(Qt::white) << QColor(Qt::white);
        QTest::newRow("zone outside keeps all") << QRect(500, 500, 10, 10) << 0 << QSize(400, 200)
                                                << QColor(Qt::red) << QColor(Qt::white);
        QTest::newRow("quarter turn clockwise") << QRect() << 90 << QSize(200, 400) << QColor(Qt::blue)
                                                << QColor(Qt::green);
        QTest::newRow("half turn") << QRect() << 180 << QSize(400, 200) << QColor(Qt::white) << QColor(Qt::red);
        QTest::newRow("quarter turn back") << QRect() << -90 << QSize(200, 400) << QColor(Qt::green)
                                           << QColor(Qt::blue);
        QTest::newRow("zone, then turned") << QRect(150, 50, 100, 100) << 90 << QSize(100, 100)
                                           << QColor(Qt::blue) << QColor(Qt::green);
    }
    void cropAndRotation()
    {
        QFETCH(QRect, cropRect);
        QFETCH(int, rotation);
        QFETCH(QSize, size);
        QFETCH(QColor, topLeft);
        QFETCH(QColor, bottomRight);
        ICaptureJob job = jobFor(quarters(QSize(400, 200)), freshFolder("crop"));
        job.cropRect = cropRect;
        job.rotation = rotation;
        const CaptureResult result = capture(job);
        QCOMPARE(result.saved.size(), size);
        QVERIFY(sameColour(result.saved.pixel(3, 3), topLeft.rgb()));
        QVERIFY(sameColour(result.saved.pixel(size.width() - 4, size.height() - 4), bottomRight.rgb()));
    }

    // ---- Capture: names ------------------------------------------------------------

    void fileNameIsTheTimeStamp()
    {
        const QDateTime when(QDate(2024, 3, 5), QTime(14, 7, 9, 45));
        QCOMPARE(IImageTansformThread::fileName(when, "jpeg"), QString("20240305140709045.jpeg"));
        QCOMPARE(IImageTansformThread::fileName(when, "png"), QString("20240305140709045.png"));
        QCOMPARE(IImageTansformThread::fileName(when, QString()), QString("20240305140709045"));
    }

    void capturesAreNamedByTheirTimeAndNeverOverwrite()
    {
        const QString folder = freshFolder("names");
        IImageTansformThread thread;
        QSignalSpy images(&thread, &IImageTansformThread::sgCaptureImage);
        const QDateTime before = QDateTime::currentDateTime();
        for (int i = 0; i < 3; ++i)
            thread.addCaptureJob(jobFor(quarters(QSize(40, 20)), folder));
        // Back to back, well inside one millisecond apart at times.
        for (int i = 0; i < 3; ++i)
            thread.processCaptureJob();
        const QDateTime after = QDateTime::currentDateTime();

        QCOMPARE(images.size(), 3);
        QStringList names = filesIn(folder);
        QCOMPARE(names.size(), 3);
        for (int i = 0; i < 3; ++i) {
            const QFileInfo info(images[i][1].toString());
            QCOMPARE(info.absolutePath() + "/", folder);
            QVERIFY2(QRegularExpression("^\\d{17}\\.png$").match(info.fileName()).hasMatch(),
                     qPrintable(info.fileName()));
            const QDateTime stamp = QDateTime::fromString(info.completeBaseName(), "yyyyMMddhhmmsszzz");
            QVERIFY(stamp.isValid());
            QVERIFY(stamp >= before.addMSecs(-1) && stamp <= after.addMSecs(3));
        }
    }

    // ---- Capture: failures ---------------------------------------------------------

    void captureThatCannotBeWrittenIsReported()
    {
        // A file where the folder should be: no user, root included, can write there.
        QFile blocker(m_dir.filePath("blocker"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        IImageTansformThread thread;
        QSignalSpy images(&thread, &IImageTansformThread::sgCaptureImage);
        QSignalSpy failed(&thread, &IImageTansformThread::sgCaptureFailed);
        thread.addCaptureJob(jobFor(quarters(QSize(40, 20)), blocker.fileName() + "/photo/"));
        thread.processCaptureJob();
        QCOMPARE(images.size(), 0);
        QCOMPARE(failed.size(), 1);
        QVERIFY(failed[0][0].toString().startsWith(blocker.fileName() + "/photo/"));
        QVERIFY(!failed[0][1].toString().isEmpty());
        // The job is done with; the queue moves on.
        QCOMPARE(thread.pendingCaptureJobs(), 0);
    }

    // Nowhere to write is no timelapse frame: the user hears of it and a
    // timed series can count the shot as lost.
    void captureWithNowhereToGoIsReported_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::newRow("empty folder") << QString();
        QTest::newRow("blank folder") << QString("   ");
    }
    void captureWithNowhereToGoIsReported()
    {
        QFETCH(QString, folder);
        IImageTansformThread thread;
        QSignalSpy images(&thread, &IImageTansformThread::sgCaptureImage);
        QSignalSpy failed(&thread, &IImageTansformThread::sgCaptureFailed);
        thread.addCaptureJob(jobFor(quarters(QSize(40, 20)), folder));
        thread.processCaptureJob();
        QCOMPARE(images.size(), 0);
        QCOMPARE(failed.size(), 1);
        QVERIFY(!failed[0][1].toString().isEmpty());
        QCOMPARE(thread.pendingCaptureJobs(), 0);
    }

    void folderWithoutTrailingSlashGetsThePictureInside()
    {
        const QString folder = m_dir.filePath("noslash");
        QVERIFY(QDir().mkpath(folder));
        const CaptureResult result = capture(jobFor(quarters(QSize(40, 20)), folder));
        QVERIFY(!result.saved.isNull());
        QCOMPARE(QFileInfo(result.path).absolutePath(), folder);
        QCOMPARE(filesIn(folder).size(), 1);
        // Nothing beside the folder whose name starts with it.
        QCOMPARE(QDir(m_dir.path()).entryList({"noslash*"}, QDir::AllEntries | QDir::NoDotAndDotDot),
                 QStringList{"noslash"});
    }

    // Once the folder is there the write can still fail: the format cannot
    // be written, the disk takes only part of the file, or the finished file
    // cannot be put in place. Run in a helper process that sets up the fault.
    void pictureWriteThatFailsIsReported_data()
    {
        QTest::addColumn<QString>("format");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QString>("fault");
        QTest::addColumn<bool>("saved");
        QTest::newRow("nothing in the way") << "png" << QSize(40, 20) << "none" << true;
        QTest::newRow("a format Qt reads but cannot write") << "gif" << QSize(40, 20) << "none" << false;
        QTest::newRow("the disk refuses part of the picture") << "png" << QSize(400, 400) << "filesize" << false;
        QTest::newRow("the disk refuses the last bytes") << "png" << QSize(40, 20) << "filesize" << false;
        QTest::newRow("the finished file cannot be put in place") << "png" << QSize(40, 20) << "rename" << false;
    }
    void pictureWriteThatFailsIsReported()
    {
        QFETCH(QString, format);
        QFETCH(QSize, size);
        QFETCH(QString, fault);
        QFETCH(bool, saved);
        const bool writable = QImageWriter::supportedImageFormats().contains(format.toLatin1());
        if (!saved && fault == "none"
            && (writable || !QImageReader::supportedImageFormats().contains(format.toLatin1())))
            QSKIP("this build does not read the format without writing it");
        const QString folder = freshFolder(QString("writefail-%1").arg(QTest::currentDataTag()));

        QByteArray output;
        QCOMPARE(TestEnv::runProcess(TestEnv::peerPath("savepeer"),
                                     {folder, format, QString::number(size.width()),
                                      QString::number(size.height()), fault},
                                     {}, 30000, &output),
                 0);
        QStringList captured, failed;
        for (const QByteArray& line : output.split('\n')) {
            const QStringList fields = QString::fromUtf8(line).split('\t');
            if (fields[0] == "captured" && fields.size() == 2)
                captured << fields[1];
            else if (fields[0] == "failed" && fields.size() == 3)
                failed << fields[1] << fields[2];
        }

        if (saved) {
            QCOMPARE(failed, QStringList());
            QCOMPARE(captured.size(), 1);
            QCOMPARE(QImage(captured[0]).size(), size);
            QCOMPARE(filesIn(folder), QStringList{QFileInfo(captured[0]).fileName()});
            return;
        }
        QVERIFY2(captured.isEmpty(), output.constData());
        QCOMPARE(failed.size(), 2);
        QCOMPARE(QFileInfo(failed[0]).absolutePath() + "/", folder);
        // A reason a user can act on, not Qt's "Unknown error".
        const QString reason = failed[1];
        QVERIFY2(!reason.isEmpty() && !reason.contains("Unknown error"), qPrintable(reason));
        if (format == "gif")
            QVERIFY2(reason.contains("gif"), qPrintable(reason));
        // No picture under the final name, nor a temporary one beside it.
        QCOMPARE(filesIn(folder), QStringList());
    }

    void missingPhotoFolderIsCreated()
    {
        const QString folder = m_dir.filePath("not/yet/there") + "/";
        const CaptureResult result = capture(jobFor(quarters(QSize(40, 20)), folder));
        QVERIFY(!result.saved.isNull());
        // Only the finished picture is left, no temporary file beside it.
        QCOMPARE(filesIn(folder), QStringList{QFileInfo(result.path).fileName()});
    }

    // ---- Export to image files -----------------------------------------------------

    void exportToImages_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("target");
        QTest::addColumn<QStringList>("written");
        QTest::addColumn<QString>("storedFormat");
        QTest::newRow("one picture to png") << 1 << "x.png" << QStringList{"x.png"} << "png";
        QTest::newRow("three pictures to png") << 3 << "x.png" << QStringList{"x1.png", "x2.png", "x3.png"} << "png";
        QTest::newRow("three pictures to bmp") << 3 << "scan.bmp" << QStringList{"scan1.bmp", "scan2.bmp", "scan3.bmp"}
                                               << "bmp";
        QTest::newRow("one picture to jpeg") << 1 << "x.jpeg" << QStringList{"x.jpeg"} << "jpeg";
        QTest::newRow("one picture to JPG") << 1 << "x.JPG" << QStringList{"x.JPG"} << "jpeg";
        QTest::newRow("one picture to jpe") << 1 << "x.jpe" << QStringList{"x.jpe"} << "jpeg";
        QTest::newRow("two pictures to tif") << 2 << "scan.tif" << QStringList{"scan1.tif", "scan2.tif"} << "tiff";
    }
    void exportToImages()
    {
        QFETCH(int, count);
        QFETCH(QString, target);
        QFETCH(QStringList, written);
        QFETCH(QString, storedFormat);
        IConfigureService::instance()->setPhotoFormat("jpeg");
        const QString sources = freshFolder(QString("export-src-%1").arg(QTest::currentDataTag()));
        const QString out = freshFolder(QString("export-out-%1").arg(QTest::currentDataTag()));
        QStringList files;
        for (int i = 0; i < count; ++i) {
            QImage picture(60 + 10 * i, 40, QImage::Format_RGB32);
            picture.fill(QColor(40 * i, 100, 200));
            files << sources + QString("p%1.png").arg(i);
            QVERIFY(picture.save(files.last()));
        }

        IImageTansformThread thread;
        QSignalSpy success(&thread, &IImageTansformThread::sgSaveFilesSuccess);
        QSignalSpy failed(&thread, &IImageTansformThread::sgSaveFilesFailed);
        thread.setExportJob(out + target, files, 1);
        thread.processExportJob();

        QCOMPARE(success.size(), 1);
        QCOMPARE(failed.size(), 0);
        QCOMPARE(filesIn(out), written);
        for (int i = 0; i < count; ++i) {
            QImageReader reader(out + written[i]);
            QCOMPARE(reader.format(), storedFormat.toLatin1());
            const QImage image = reader.read();
            QCOMPARE(image.size(), QSize(60 + 10 * i, 40));
            QVERIFY(sameColour(image.pixel(5, 5), QColor(40 * i, 100, 200).rgb(), 3));
        }
        // Settings change on the GUI thread, after the export.
        QTRY_COMPARE(IConfigureService::instance()->photoFormat(), storedFormat);
        QTRY_COMPARE(QDir(IConfigureService::instance()->fileDialogFolder()), QDir(out));

        // The job is used up: a second turn does nothing.
        thread.processExportJob();
        QCOMPARE(success.size(), 1);
    }

    // ---- Export to PDF -------------------------------------------------------------

    void pdfFitsALandscapePictureCentredOnAnA4PortraitPage()
    {
        const QString folder = freshFolder("pdf-fit");
        const QString source = folder + "wide.png";
        QVERIFY(quarters(QSize(800, 400)).save(source));

        IImageTansformThread thread;
        QSignalSpy success(&thread, &IImageTansformThread::sgSaveFilesSuccess);
        thread.setExportJob(folder + "out.pdf", {source}, 1);
        thread.processExportJob();
        QCOMPARE(success.size(), 1);

        const QVector<PdfPage> pages = readPdf(folder + "out.pdf");
        QCOMPARE(pages.size(), 1);
        // A4 portrait: 595 x 842 points.
        QVERIFY(std::abs(pages[0].mediaBox.width() - 595) < 1.5);
        QVERIFY(std::abs(pages[0].mediaBox.height() - 842) < 1.5);
        QCOMPARE(pages[0].images.size(), 1);
        const QRectF placed = pages[0].images[0].placement;
        // Full width, half as tall, the same space above and below.
        QVERIFY2(std::abs(placed.left()) < 1.0 && std::abs(placed.right() - 2479 * kPointsPerPixel) < 1.0,
                 qPrintable(QString("%1 .. %2").arg(placed.left()).arg(placed.right())));
        QVERIFY(std::abs(placed.height() - placed.width() / 2) < 1.0);
        QVERIFY2(std::abs(placed.top() - (pages[0].mediaBox.height() - placed.bottom())) < 1.0,
                 qPrintable(QString("%1 below, %2 above").arg(placed.top())
                                .arg(pages[0].mediaBox.height() - placed.bottom())));
    }

    void pdfPagesTakeEachPictureSize()
    {
        const QString folder = freshFolder("pdf-own");
        QVERIFY(quarters(QSize(600, 300)).save(folder + "a.png"));
        QVERIFY(quarters(QSize(300, 900)).save(folder + "b.png"));

        IImageTansformThread thread;
        QSignalSpy success(&thread, &IImageTansformThread::sgSaveFilesSuccess);
        thread.setExportJob(folder + "own.pdf", {folder + "a.png", folder + "b.png"}, 2);
        thread.processExportJob();
        QCOMPARE(success.size(), 1);

        const QVector<PdfPage> pages = readPdf(folder + "own.pdf");
        QCOMPARE(pages.size(), 2);
        const QSize sizes[2] = {QSize(600, 300), QSize(300, 900)};
        for (int i = 0; i < 2; ++i) {
            QVERIFY(std::abs(pages[i].mediaBox.width() - sizes[i].width() * kPointsPerPixel) < 1.5);
            QVERIFY(std::abs(pages[i].mediaBox.height() - sizes[i].height() * kPointsPerPixel) < 1.5);
            QCOMPARE(pages[i].images.size(), 1);
            QVERIFY(std::abs(pages[i].images[0].placement.width() - sizes[i].width() * kPointsPerPixel) < 1.0);
        }
    }

    void pdfAtOwnSizeStartsAtTheTopLeft()
    {
        const QString folder = freshFolder("pdf-plain");
        QVERIFY(quarters(QSize(600, 300)).save(folder + "a.png"));
        QVERIFY(quarters(QSize(300, 600)).save(folder + "b.png"));

        IImageTansformThread thread;
        QSignalSpy success(&thread, &IImageTansformThread::sgSaveFilesSuccess);
        thread.setExportJob(folder + "plain.pdf", {folder + "a.png", folder + "b.png"}, 0);
        thread.processExportJob();
        QCOMPARE(success.size(), 1);

        const QVector<PdfPage> pages = readPdf(folder + "plain.pdf");
        QCOMPARE(pages.size(), 2);
        for (const PdfPage& page : pages) {
            QVERIFY(std::abs(page.mediaBox.width() - 595) < 1.5);
            QCOMPARE(page.images.size(), 1);
            QVERIFY(std::abs(page.images[0].placement.left()) < 0.5);
            QVERIFY(std::abs(page.images[0].placement.bottom() - page.mediaBox.height()) < 0.5);
        }
        QVERIFY(std::abs(pages[0].images[0].placement.width() - 600 * kPointsPerPixel) < 1.0);
        QVERIFY(std::abs(pages[1].images[0].placement.height() - 600 * kPointsPerPixel) < 1.0);
    }

    // ---- Export failures -----------------------------------------------------------

    void exportFailuresAreReported_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<bool>("withMissingSource");
        QTest::addColumn<QString>("mentioned");
        QTest::addColumn<QStringList>("written");
        QTest::newRow("unreadable source to png") << "x.png" << true << "missing.png"
                                                  << QStringList{"x1.png", "x3.png"};
        QTest::newRow("unreadable source to pdf") << "x.pdf" << true << "missing.png" << QStringList{"x.pdf"};
        QTest::newRow("unknown format") << "x.gif2" << false << "x.gif2" << QStringList{};
    }
    void exportFailuresAreReported()
    {
        QFETCH(QString, target);
        QFETCH(bool, withMissingSource);
        QFETCH(QString, mentioned);
        QFETCH(QStringList, written);
        const QString folder = freshFolder(QString("fail-%1").arg(QTest::currentDataTag()));
        QVERIFY(quarters(QSize(60, 40)).save(folder + "a.png"));
        QVERIFY(quarters(QSize(60, 40)).save(folder + "b.png"));
        const QString out = freshFolder(QString("fail-out-%1").arg(QTest::currentDataTag()));
        QStringList sources{folder + "a.png", folder + "b.png"};
        if (withMissingSource)
            sources.insert(1, folder + "missing.png");

        IImageTansformThread thread;
        QSignalSpy success(&thread, &IImageTansformThread::sgSaveFilesSuccess);
        QSignalSpy failed(&thread, &IImageTansformThread::sgSaveFilesFailed);
        thread.setExportJob(out + target, sources, 1);
        thread.processExportJob();

        QCOMPARE(success.size(), 0);
        QCOMPARE(failed.size(), 1);
        const QStringList failures = failed[0][0].toStringList();
        QCOMPARE(failures.size(), 1);
        QVERIFY2(failures[0].contains(mentioned), qPrintable(failures[0]));
        // What could be exported still was.
        QCOMPARE(filesIn(out), written);
    }

    // A picture with more pixels than the program decodes is refused by
    // name, before it is read; the others still go. One at the limit goes.
    void exportRefusesPicturesOverThePixelLimit_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<int>("mode");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QStringList>("written");
        const QSize over(10001, 10000);
        QTest::newRow("over, to a fitted pdf") << "x.pdf" << 1 << over << QStringList{"x.pdf"};
        QTest::newRow("over, to a pdf at actual size") << "x.pdf" << 0 << over << QStringList{"x.pdf"};
        QTest::newRow("over, to png") << "x.png" << 1 << over << QStringList{"x2.png"};
        QTest::newRow("at the limit, to png") << "x.png" << 1 << QSize(10000, 10000)
                                              << QStringList{"x1.png", "x2.png"};
    }
    void exportRefusesPicturesOverThePixelLimit()
    {
        QFETCH(QString, target);
        QFETCH(int, mode);
        QFETCH(QSize, size);
        QFETCH(QStringList, written);
        const QString folder = freshFolder(QString("limit-%1").arg(QTest::currentDataTag()));
        const QString out = freshFolder(QString("limit-out-%1").arg(QTest::currentDataTag()));
        // One bit a pixel keeps the test light; the limit counts pixels.
        QImage large(size, QImage::Format_Mono);
        large.fill(1);
        QVERIFY(large.save(folder + "large.png"));
        QVERIFY(quarters(QSize(60, 40)).save(folder + "small.png"));

        IImageTansformThread thread;
        QSignalSpy success(&thread, &IImageTansformThread::sgSaveFilesSuccess);
        QSignalSpy failed(&thread, &IImageTansformThread::sgSaveFilesFailed);
        thread.setExportJob(out + target, {folder + "large.png", folder + "small.png"}, mode);
        thread.processExportJob();

        QCOMPARE(filesIn(out), written);
        if (written.size() == 2) {
            QCOMPARE(success.size(), 1);
            QCOMPARE(QImageReader(out + written[0]).size(), size);
            return;
        }
        QCOMPARE(success.size(), 0);
        QCOMPARE(failed.size(), 1);
        const QStringList failures = failed[0][0].toStringList();
        QCOMPARE(failures.size(), 1);
        QVERIFY2(failures[0].contains("large.png") && failures[0].contains("100 million"), qPrintable(failures[0]));
        if (target.endsWith(".pdf"))
            QCOMPARE(readPdf(out + target).size(), 1);
    }

    void pdfWithNoReadablePictureIsNotWritten()
    {
        const QString out = freshFolder("pdf-none");
        IImageTansformThread thread;
        QSignalSpy failed(&thread, &IImageTansformThread::sgSaveFilesFailed);
        thread.setExportJob(out + "x.pdf", {out + "gone1.png", out + "gone2.png"}, 1);
        thread.processExportJob();
        QCOMPARE(failed.size(), 1);
        QCOMPARE(failed[0][0].toStringList().size(), 3);
        QVERIFY(filesIn(out).isEmpty());
    }

    // ---- The running thread --------------------------------------------------------

    void runningThreadAnswersInOrderOnTheCallersThread()
    {
        const QString folder = freshFolder("running");
        auto* thread = new IImageTansformThread;
        QStringList paths;
        QList<QSize> thumbnails;
        bool onCallerThread = true;
        int exports = 0;
        QObject receiver;
        connect(thread, &IImageTansformThread::sgCaptureImage, &receiver, [&](QImage thumbnail, QString path) {
            onCallerThread = onCallerThread && QThread::currentThread() == receiver.thread();
            thumbnails << thumbnail.size();
            paths << path;
        });
        connect(thread, &IImageTansformThread::sgSaveFilesSuccess, &receiver, [&] { ++exports; });
        thread->start();

        QVERIFY(quarters(QSize(64, 48)).save(folder + "src.png"));
        for (int width : {100, 200, 300}) {
            ICaptureJob job = jobFor(quarters(QSize(width, 100)), folder + "shots/");
            thread->addCaptureJob(job);
        }
        thread->setExportJob(folder + "out/copy.bmp", {folder + "src.png"}, 1);
        QTRY_COMPARE_WITH_TIMEOUT(paths.size(), 3, 10000);
        QTRY_COMPARE_WITH_TIMEOUT(exports, 1, 10000);
        QVERIFY(onCallerThread);
        QCOMPARE(thumbnails, (QList<QSize>{QSize(139, 94), QSize(139, 94), QSize(139, 94)}));
        // In the order they were added: the names sort as the widths.
        QStringList sorted = paths;
        sorted.sort();
        QCOMPARE(paths, sorted);
        QCOMPARE(QImage(paths[0]).width(), 100);
        QCOMPARE(QImage(paths[2]).width(), 300);
        QVERIFY(QFile::exists(folder + "out/copy.bmp"));

        delete thread;
        QVERIFY(paths.size() == 3);
    }

    void deletingStopsTheThread()
    {
        auto* thread = new IImageTansformThread;
        QPointer<IImageTansformThread> guard(thread);
        thread->start();
        QTRY_VERIFY(thread->isRunning());
        QElapsedTimer timer;
        timer.start();
        delete thread;
        QVERIFY(guard.isNull());
        QVERIFY(timer.elapsed() < 2000);
    }
};

VESKAROO_TEST_MAIN(TestImageTansformThread)
#include "tst_imagetansformthread.moc"

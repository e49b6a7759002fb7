// The image save thread: composes, straightens and writes captured pictures, and exports stored ones.
#include "iimagetansformthread.h"

#include "crash/icrashsignals.h"
#include "iglobals.h"
#include "opencv/iopencvapi.h"
#include "service/iconfigureservice.h"

#include <QDateTime>
#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QImageWriter>
#include <QMutexLocker>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTransform>

#include <opencv2/imgproc.hpp>

#include <algorithm>
#include <cmath>

namespace {

// The detector's outline is drawn four pixels wide along the page's edge;
// trimming this much leaves none of it in the saved page.
const int kOutlineTrim = 6;
// A4 at 300 dpi.
const QSize kA4Pixels(2479, 3508);
const int kPdfResolution = 300;
const int kDotsPerMeter300Dpi = 11811;

QSize thumbnailSizeFor(double uniformScale)
{
    return QSize(int(std::lround(139 * uniformScale)), int(std::lround(94 * uniformScale)));
}

// A smooth scale reads every source pixel; from 4K that is most of a JPEG
// encode. Sampling down to a few times the thumbnail first leaves the smooth
// step little to read and looks the same at thumbnail size.
QImage thumbnailOf(const QImage& picture, const QSize& size)
{
    QImage source = picture;
    const QSize near = size * 4;
    if (picture.width() > 2 * near.width() && picture.height() > 2 * near.height())
        source = picture.scaled(near, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    return source.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

QString diskRefused()
{
    // Qt loses the system's reason on a failed buffered write.
    return QObject::tr("The disk did not take the whole file (it may be full, or the file too large)");
}

// Puts the written file in place. Qt 5's commit() takes a last flush that
// failed for success and keeps the cut-off file, so flush first.
bool commitWhole(QSaveFile& file, QString* error)
{
    if (!file.flush()) {
        *error = diskRefused();
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        *error = QObject::tr("The finished file could not be put in place: %1").arg(file.errorString());
        return false;
    }
    return true;
}

// Writes through a temporary file that replaces `path` only once it is
// complete, so a crash or a full disk never leaves a truncated picture behind.
bool writeImage(const QImage& image, const QString& path, const QByteArray& format, QString* error)
{
    const QFileInfo info(path);
    if (!QDir().mkpath(info.absolutePath())) {
        *error = QObject::tr("The folder cannot be created");
        return false;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        *error = file.errorString();
        return false;
    }
    QImageWriter writer(&file, format);
    if (format == "jpeg")
        writer.setQuality(100);
    if (!writer.write(image)) {
        if (writer.error() == QImageWriter::UnsupportedFormatError)
            *error = QObject::tr("Pictures cannot be written as \"%1\" here").arg(QString::fromLatin1(format));
        else if (file.error() != QFileDevice::NoError)
            *error = diskRefused();
        else
            *error = writer.errorString();
        file.cancelWriting();
        return false;
    }
    return commitWhole(file, error);
}

QString cannotRead(const QString& path, const QString& why)
{
    return QObject::tr("Cannot read \"%1\": %2").arg(QDir::toNativeSeparators(path), why);
}

QString leftOut(const QString& path, const QString& why)
{
    return QObject::tr("Left out \"%1\": %2").arg(QDir::toNativeSeparators(path), why);
}

QString cannotWrite(const QString& path, const QString& why)
{
    return QObject::tr("Cannot write \"%1\": %2").arg(QDir::toNativeSeparators(path), why);
}

// Reads a picture for an export, refusing one too large to hold before it
// is decoded; `failure` gets the export's line for a picture it does not
// return. A valid `fitInto` reads it no larger than that box, which spares
// decoding all of a large JPEG.
QImage readForExport(const QString& path, const QSize& fitInto, QString* failure)
{
    QImageReader reader(path);
    const QSize size = reader.size();
    QString tooLarge = pictureSizeProblem(size);
    if (!tooLarge.isEmpty()) {
        *failure = leftOut(path, tooLarge);
        return QImage();
    }
    if (fitInto.isValid() && size.isValid() && (size.width() > fitInto.width() || size.height() > fitInto.height())) {
        reader.setScaledSize(size.scaled(fitInto, Qt::KeepAspectRatio));
        // Below this the JPEG reader trades quality for speed.
        reader.setQuality(100);
    }
    QImage image;
    if (!reader.read(&image)) {
        *failure = cannotRead(path, reader.errorString());
        return QImage();
    }
    // A format that cannot tell its size before decoding is held to the
    // same limit, so the export does not carry on with it.
    if (!size.isValid()) {
        tooLarge = pictureSizeProblem(image.size());
        if (!tooLarge.isEmpty()) {
            *failure = leftOut(path, tooLarge);
            return QImage();
        }
    }
    return image;
}

// The page's tilt, clockwise on screen, folded into [-45, 45), taken from
// the outline's longest side. Working from the corners rather than the
// detector's angle keeps this right whichever range OpenCV reports angles in.
double outlineTilt(const QPolygonF& outline)
{
    QPointF centre;
    for (const QPointF& p : outline)
        centre += p;
    centre /= outline.size();
    QVector<QPointF> ring(outline.begin(), outline.end());
    std::sort(ring.begin(), ring.end(), [&](const QPointF& a, const QPointF& b) {
        return std::atan2(a.y() - centre.y(), a.x() - centre.x())
            < std::atan2(b.y() - centre.y(), b.x() - centre.x());
    });
    QPointF longest;
    for (int i = 0; i < ring.size(); ++i) {
        const QPointF side = ring[(i + 1) % ring.size()] - ring[i];
        if (QPointF::dotProduct(side, side) > QPointF::dotProduct(longest, longest))
            longest = side;
    }
    const double degrees = std::atan2(longest.y(), longest.x()) * 180.0 / CV_PI;
    return degrees - 90.0 * std::floor((degrees + 45.0) / 90.0);
}

} // namespace

IImageTansformThread::IImageTansformThread(QObject* parent)
    : QThread(parent)
    , m_thumbnailSize(thumbnailSizeFor(scaleFactors().uniform))
{
    qRegisterMetaType<ICaptureJob>("ICaptureJob");
}

IImageTansformThread::~IImageTansformThread()
{
    {
        QMutexLocker lock(&m_mutex);
        m_stop = true;
        m_work.wakeAll();
    }
    quit();
    wait();
    qDebug() << "ImageTansformThread eixt!";
}

QSize IImageTansformThread::thumbnailSize() const
{
    QMutexLocker lock(&m_mutex);
    return m_thumbnailSize;
}

int IImageTansformThread::pendingCaptureJobs() const
{
    QMutexLocker lock(&m_mutex);
    return m_jobs.size();
}

int IImageTansformThread::wakeUps() const
{
    QMutexLocker lock(&m_mutex);
    return m_wakeUps;
}

void IImageTansformThread::run()
{
    const ICrashSignals::ThreadStack crashStack;
    {
        QMutexLocker lock(&m_mutex);
        m_thumbnailSize = thumbnailSizeFor(scaleFactors().uniform);
    }
    for (;;) {
        {
            // A job is taken the moment it is queued: a snap waits for the
            // encoder, not for a polling turn.
            QMutexLocker lock(&m_mutex);
            while (!m_stop && m_jobs.isEmpty() && m_exportPath.isEmpty())
                m_work.wait(&m_mutex);
            if (m_stop)
                break;
            ++m_wakeUps;
        }
        processCaptureJob();
        processExportJob();
    }
}

void IImageTansformThread::updateSettings(std::function<void()> change)
{
    // The settings service lives on the GUI thread and has no lock; queue
    // the change there, before the result signal that follows it.
    QMetaObject::invokeMethod(IConfigureService::instance(), std::move(change), Qt::QueuedConnection);
}

void IImageTansformThread::addCaptureJob(const ICaptureJob& job)
{
    // Settings belong to the GUI thread: read them here, not on this thread.
    ICaptureJob queued = job;
    if (queued.format.isNull())
        queued.format = IConfigureService::instance()->photoFormat();
    QMutexLocker lock(&m_mutex);
    m_jobs.append(queued);
    m_work.wakeAll();
}

void IImageTansformThread::setExportJob(const QString& targetPath, const QStringList& sourceFiles, int mode)
{
    QMutexLocker lock(&m_mutex);
    m_exportPath = targetPath;
    m_exportFiles = sourceFiles;
    m_exportMode = mode;
    m_work.wakeAll();
}

QImage IImageTansformThread::compose(const QImage& picture, const QImage& overlay)
{
    // Painting these onto a transparent canvas changes no pixel the encoder
    // reads; at 4K it would cost a 33 MB copy and a conversion.
    if (overlay.isNull()
        && (picture.format() == QImage::Format_RGB32 || picture.format() == QImage::Format_RGB888))
        return picture;
    QImage composed(picture.size(), QImage::Format_ARGB32);
    composed.fill(Qt::transparent);
    QPainter painter(&composed);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.drawImage(0, 0, picture);
    if (!overlay.isNull())
        painter.drawImage(0, 0, overlay);
    painter.end();
    return composed;
}

QImage IImageTansformThread::straighten(const QImage& picture, double edgeAngle, const QPolygonF& outline)
{
    // -1 is "nothing detected"; 0 is the detector's answer for a frame
    // without a page, whose corners span the whole frame transposed.
    if (edgeAngle == -1.0 || edgeAngle == 0.0 || outline.size() != 4 || picture.isNull())
        return picture;

    QImage source = picture;
    switch (source.format()) {
    case QImage::Format_RGB32:
    case QImage::Format_ARGB32:
    case QImage::Format_ARGB32_Premultiplied:
    case QImage::Format_RGB888:
    case QImage::Format_Indexed8:
        break;
    default:
        source = source.convertToFormat(QImage::Format_ARGB32);
    }
    const cv::Mat whole = IOpencvApi::cvImage2Mat(source);
    if (whole.empty())
        return picture;

    // Only the part under the outline is turned.
    double left = whole.cols, top = whole.rows, right = 0, bottom = 0;
    for (const QPointF& p : outline) {
        const double x = std::clamp(p.x(), 1.0, double(whole.cols - 1));
        const double y = std::clamp(p.y(), 1.0, double(whole.rows - 1));
        left = std::min(left, x);
        right = std::max(right, x);
        top = std::min(top, y);
        bottom = std::max(bottom, y);
    }
    const cv::Rect cut = cv::Rect(cvRound(left), cvRound(top), cvRound(right - left), cvRound(bottom - top))
        & cv::Rect(0, 0, whole.cols, whole.rows);
    if (cut.width <= 2 * kOutlineTrim || cut.height <= 2 * kOutlineTrim)
        return picture;
    const cv::Mat part = whole(cut);

    // Turn back by the tilt onto a canvas large enough for all of the part.
    const double tilt = outlineTilt(outline);
    const double radians = tilt * CV_PI / 180.0;
    const double w = part.cols, h = part.rows;
    const int canvasWidth = int(std::ceil(std::abs(h * std::sin(radians)) + std::abs(w * std::cos(radians))));
    const int canvasHeight = int(std::ceil(std::abs(w * std::sin(radians)) + std::abs(h * std::cos(radians))));
    cv::Mat turn = cv::getRotationMatrix2D(cv::Point2f(float(w / 2.0), float(h / 2.0)), tilt, 1.0);
    turn.at<double>(0, 2) += (canvasWidth - w) / 2.0;
    turn.at<double>(1, 2) += (canvasHeight - h) / 2.0;
    cv::Mat turned;
    cv::warpAffine(part, turned, turn, cv::Size(canvasWidth, canvasHeight), cv::INTER_LINEAR,
                   cv::BORDER_CONSTANT, cv::Scalar());

    // Where the page's corners went; their box is the upright page.
    double pageLeft = canvasWidth, pageTop = canvasHeight, pageRight = 0, pageBottom = 0;
    for (const QPointF& p : outline) {
        const double x = p.x() - cut.x, y = p.y() - cut.y;
        const double tx = turn.at<double>(0, 0) * x + turn.at<double>(0, 1) * y + turn.at<double>(0, 2);
        const double ty = turn.at<double>(1, 0) * x + turn.at<double>(1, 1) * y + turn.at<double>(1, 2);
        pageLeft = std::min(pageLeft, tx);
        pageRight = std::max(pageRight, tx);
        pageTop = std::min(pageTop, ty);
        pageBottom = std::max(pageBottom, ty);
    }
    const cv::Rect page = cv::Rect(cv::Point(cvRound(pageLeft), cvRound(pageTop)),
                                   cv::Point(cvRound(pageRight), cvRound(pageBottom)))
        & cv::Rect(0, 0, turned.cols, turned.rows);
    if (page.width <= 2 * kOutlineTrim || page.height <= 2 * kOutlineTrim)
        return picture;

    const QImage upright = IOpencvApi::cvMat2Image(turned(page).clone());
    if (upright.isNull())
        return picture;
    return upright.copy(kOutlineTrim, kOutlineTrim, upright.width() - 2 * kOutlineTrim,
                        upright.height() - 2 * kOutlineTrim);
}

QImage IImageTansformThread::crop(const QImage& picture, const QRect& rect)
{
    if (rect.isNull())
        return picture;
    const QRect inside = rect.normalized() & picture.rect();
    if (inside.isEmpty()) {
        // Keep the whole picture rather than lose the capture.
        qDebug() << "capture zone" << rect << "lies outside the picture" << picture.size();
        return picture;
    }
    return picture.copy(inside);
}

QImage IImageTansformThread::rotate(const QImage& picture, int degrees)
{
    if (degrees % 360 == 0 || picture.isNull())
        return picture;
    return picture.transformed(QTransform().rotate(degrees), Qt::SmoothTransformation);
}

QString IImageTansformThread::fileName(const QDateTime& when, const QString& format)
{
    QString name = when.toString(QStringLiteral("yyyyMMddhhmmsszzz"));
    if (!format.isEmpty())
        name += "." + format;
    return name;
}

QString IImageTansformThread::uniquePath(const QString& folder, const QString& format) const
{
    // Never overwrite an earlier picture, even if the clock was set back.
    QDateTime when = QDateTime::currentDateTime();
    const QDir dir(folder);
    QString path = dir.filePath(fileName(when, format));
    while (QFileInfo::exists(path)) {
        when = when.addMSecs(1);
        path = dir.filePath(fileName(when, format));
    }
    return path;
}

void IImageTansformThread::processCaptureJob()
{
    ICaptureJob job;
    QSize thumbnail;
    {
        QMutexLocker lock(&m_mutex);
        if (m_jobs.isEmpty())
            return;
        job = m_jobs.first();
        thumbnail = m_thumbnailSize;
    }

    job.decodeCompressed();
    QImage picture;
    if (!job.picture.isNull()) {
        picture = compose(job.picture, job.overlay);
        if (job.edgeAngle != -1.0)
            picture = straighten(picture, job.edgeAngle, job.edgePolygon);
        picture = crop(picture, job.cropRect);
        picture = rotate(picture, job.rotation);
    }

    if (picture.isNull()) {
        emit sgCaptureFailed(QString(), tr("The camera gave no picture"));
    } else if (job.timelapse) {
        emit sgCaptureImage(picture, QString());
    } else if (job.targetFolder.trimmed().isEmpty()) {
        qDebug() << "capture not saved: no photo folder";
        emit sgCaptureFailed(QString(), tr("No folder is set for pictures"));
    } else {
        const QString format = job.format;
        const QString path = uniquePath(job.targetFolder, format);
        QString error;
        // A name without a suffix still gets a readable picture.
        if (writeImage(picture, path, format.isEmpty() ? QByteArray("jpeg") : format.toLatin1(), &error)) {
            emit sgCaptureImage(thumbnailOf(picture, thumbnail), path);
        } else {
            qDebug() << "capture not saved:" << path << error;
            emit sgCaptureFailed(path, error);
        }
    }

    QMutexLocker lock(&m_mutex);
    m_jobs.removeFirst();
}

void IImageTansformThread::processExportJob()
{
    QString targetPath;
    QStringList sourceFiles;
    int mode = 0;
    {
        // Taken off at the start, so an export set while this one runs waits
        // for the next turn instead of being dropped.
        QMutexLocker lock(&m_mutex);
        if (m_exportPath.isEmpty())
            return;
        targetPath = m_exportPath;
        sourceFiles = m_exportFiles;
        mode = m_exportMode;
        m_exportPath.clear();
        m_exportFiles.clear();
    }

    const QFileInfo target(targetPath);
    const QString suffix = target.suffix().toLower();
    QStringList failures;
    if (sourceFiles.isEmpty()) {
        failures << tr("No pictures to export");
    } else if (!pictureFormatOfSuffix(suffix).isEmpty()) {
        failures = exportImages(targetPath, sourceFiles);
        const QByteArray format = pictureFormatOfSuffix(suffix);
        // A format this build cannot write would break every later capture.
        if (QImageWriter::supportedImageFormats().contains(format))
            updateSettings([format] { IConfigureService::instance()->setPhotoFormat(QString::fromLatin1(format)); });
    } else if (suffix == "pdf") {
        failures = exportPdf(targetPath, sourceFiles, mode);
    } else {
        failures << cannotWrite(targetPath, tr("\"%1\" is not a format pictures can be exported to").arg(target.suffix()));
    }

    const QString folder = target.absolutePath();
    updateSettings([folder] { IConfigureService::instance()->setFileDialogFolder(folder); });
    if (failures.isEmpty()) {
        emit sgSaveFilesSuccess();
    } else {
        qDebug() << "export to" << targetPath << "incomplete:" << failures;
        emit sgSaveFilesFailed(failures);
    }
}

QStringList IImageTansformThread::exportImages(const QString& targetPath, const QStringList& sourceFiles)
{
    const QFileInfo target(targetPath);
    const QByteArray format = pictureFormatOfSuffix(target.suffix());
    QStringList failures;
    for (int i = 0; i < sourceFiles.size(); ++i) {
        QString error;
        const QImage image = readForExport(sourceFiles[i], QSize(), &error);
        if (image.isNull()) {
            failures << error;
            continue;
        }
        const QString path = sourceFiles.size() == 1
            ? targetPath
            : target.absoluteDir().filePath(target.completeBaseName() + QString::number(i + 1) + "."
                                            + target.suffix());
        if (!writeImage(image, path, format, &error))
            failures << cannotWrite(path, error);
    }
    return failures;
}

QStringList IImageTansformThread::exportPdf(const QString& targetPath, const QStringList& sourceFiles, int mode)
{
    QStringList failures;
    QSaveFile file(targetPath);
    if (!file.open(QIODevice::WriteOnly)) {
        failures << cannotWrite(targetPath, file.errorString());
        return failures;
    }

    auto pageSizeOf = [](const QImage& image) {
        const QSizeF millimetres(image.width() / double(kPdfResolution) * 25.4,
                                 image.height() / double(kPdfResolution) * 25.4);
        return QPageSize(millimetres, QPageSize::Millimeter, QString(), QPageSize::ExactMatch);
    };

    QPdfWriter writer(&file);
    writer.setResolution(kPdfResolution);
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    writer.setPageSize(QPageSize(QPageSize::A4));
    QPainter painter;
    int pages = 0;
    for (const QString& source : sourceFiles) {
        // One decoded picture at a time: read fitted to the page in that
        // layout, and let go before the next one is read.
        QString failure;
        QImage image = readForExport(source, mode == PdfFittedOnA4 ? kA4Pixels : QSize(), &failure);
        if (image.isNull()) {
            failures << failure;
            continue;
        }
        if (mode == PdfPagePerPicture) {
            writer.setPageSize(pageSizeOf(image));
            writer.setPageMargins(QMarginsF(0, 0, 0, 0));
            image.setDotsPerMeterX(kDotsPerMeter300Dpi);
            image.setDotsPerMeterY(kDotsPerMeter300Dpi);
        }
        // Pages are counted over the pictures actually read, so one that
        // fails leaves no blank page.
        if (pages == 0) {
            if (!painter.begin(&writer)) {
                failures << cannotWrite(targetPath, tr("The PDF cannot be started"));
                file.cancelWriting();
                return failures;
            }
        } else {
            writer.newPage();
        }
        ++pages;

        if (mode == PdfActualSizeOnA4 || mode == PdfPagePerPicture) {
            painter.drawImage(0, 0, image);
        } else {
            image = image.scaled(kA4Pixels, Qt::KeepAspectRatio, Qt::SmoothTransformation);
            painter.drawImage((kA4Pixels.width() - image.width()) / 2, (kA4Pixels.height() - image.height()) / 2,
                              image);
        }
    }

    if (pages == 0) {
        file.cancelWriting();
        failures << cannotWrite(targetPath, tr("None of the pictures could be read"));
        return failures;
    }
    painter.end();
    QString error;
    if (!commitWhole(file, &error))
        failures << cannotWrite(targetPath, error);
    return failures;
}

// Process-wide helpers: the data folder, the screen scale factors and picture files.
#include "iglobals.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QStandardPaths>

QString appDataLocation(const QString& sub)
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + "/" + sub;
}

QString appDataPath(const QString& sub)
{
    const QString path = appDataLocation(sub);
    QDir().mkpath(path);
    return path;
}

IScaleFactors IScaleFactors::fromScreen(const QSize& screen)
{
    const double w = screen.width();
    const double h = screen.height();
    IScaleFactors f;
    f.horizontal = w / 1920.0;
    f.vertical = h / 1080.0;
    // Single precision on purpose: a 16:9 screen must compare as exactly 16:9.
    const float aspect = float(w) / float(h);
    f.uniform = (aspect - 16.0f / 9.0f < 0.0f) ? f.horizontal : f.vertical;
    if (f.horizontal < 1.0) {
        const double narrow = (w < 1420.0) ? w / 1420.0 : 1.0;
        f = {narrow, narrow, narrow};
    }
    return f;
}

namespace {
IScaleFactors g_scaleFactors;
}

int scaledPixels(double reference)
{
    return qRound(reference * g_scaleFactors.uniform);
}

const IScaleFactors& scaleFactors()
{
    return g_scaleFactors;
}

void setScaleFactors(const IScaleFactors& factors)
{
    g_scaleFactors = factors;
}

void processEventsFor(int ms)
{
    QElapsedTimer settle;
    settle.start();
    while (settle.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
}

const QVector<IPictureFormat>& pictureFormats()
{
    static const QVector<IPictureFormat> formats = {
        {"jpeg", {QStringLiteral("jpeg"), QStringLiteral("jpg"), QStringLiteral("jpe")}},
        {"png", {QStringLiteral("png")}},
        {"bmp", {QStringLiteral("bmp")}},
        {"tiff", {QStringLiteral("tiff"), QStringLiteral("tif")}},
    };
    return formats;
}

QByteArray pictureFormatOfSuffix(const QString& suffix)
{
    for (const IPictureFormat& format : pictureFormats()) {
        if (format.suffixes.contains(suffix, Qt::CaseInsensitive))
            return format.format;
    }
    return QByteArray();
}

QStringList pictureNameFilters()
{
    QStringList filters;
    for (const IPictureFormat& format : pictureFormats()) {
        for (const QString& suffix : format.suffixes)
            filters << QStringLiteral("*.") + suffix;
    }
    return filters;
}

QString pictureSizeProblem(const QSize& size)
{
    const qint64 pixels = qint64(size.width()) * size.height();
    if (pixels <= kMaxPicturePixels)
        return QString();
    return QCoreApplication::translate("IPictures",
                                       "it is %1 x %2 pixels, more than the %3 million pixels a picture may have")
        .arg(size.width())
        .arg(size.height())
        .arg(kMaxPicturePixels / 1000000);
}

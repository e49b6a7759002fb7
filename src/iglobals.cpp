// Process-wide helpers: the data folder and the screen scale factors.
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

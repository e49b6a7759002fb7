// Process-wide helpers every part of the program shares: the data folder,
// the screen scale factors and the picture files the program handles.
#pragma once

#include <QByteArray>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QVector>

// The writable per-application data folder + "/" + sub, created on demand.
QString appDataPath(const QString& sub);

// Same path as appDataPath, without creating anything.
QString appDataLocation(const QString& sub);

// Widgets size themselves against a 1920x1080 reference screen.
struct IScaleFactors
{
    double horizontal = 1.0;
    double uniform = 1.0;
    double vertical = 1.0;

    static IScaleFactors fromScreen(const QSize& screen);
};

// The factors in force; set once by the application object at start.
const IScaleFactors& scaleFactors();
void setScaleFactors(const IScaleFactors& factors);
// Reference-screen pixels in this screen's pixels (uniform factor), rounded.
int scaledPixels(double reference);

// Runs the event loop for `ms` milliseconds: lets queued signals of stopped
// sources settle before the next step.
void processEventsFor(int ms);

// A picture format the program lists, imports and exports, with every file
// suffix it goes by (lower case; suffixes compare case-insensitively).
struct IPictureFormat
{
    QByteArray format;
    QStringList suffixes;
};
// JPEG, PNG, BMP and TIFF, in that order.
const QVector<IPictureFormat>& pictureFormats();
// The format a file suffix stands for ("JPG" gives "jpeg"); empty for a
// suffix that is none of them.
QByteArray pictureFormatOfSuffix(const QString& suffix);
// "*.jpeg", "*.jpg", ...: every suffix, lower case, for folder listings.
QStringList pictureNameFilters();

// Pictures above this many pixels are refused before they are decoded:
// one of 25000 x 25000 alone would take 2.5 GB.
constexpr qint64 kMaxPicturePixels = 100 * 1000 * 1000;
// Empty when a picture of `size` may be decoded, else why not, for the user.
QString pictureSizeProblem(const QSize& size);

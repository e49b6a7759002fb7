// Process-wide helpers every part of the program shares: the data folder and
// the screen scale factors.
#pragma once

#include <QSize>
#include <QString>

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

// ScreenRecord: records a zone of the X desktop into a video file, driven by
// the main program over a loopback control connection.
//   ScreenRecord <file> <left> <top> <width> <height> <firstStart> <frameRate>
#include "recorder.h"
#include "terminationwatcher.h"

#include <QCoreApplication>
#include <QTimer>

extern "C" {
#include <libavutil/log.h>
}

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    // FFmpeg's own chatter only when something is wrong.
    av_log_set_level(AV_LOG_ERROR);
    qSetMessagePattern(QStringLiteral("ScreenRecord: %{message}"));

    Recorder recorder(app.arguments().mid(1));
    TerminationWatcher termination;
    QObject::connect(&termination, &TerminationWatcher::terminationRequested, &recorder, &Recorder::terminate);
    QObject::connect(&recorder, &Recorder::done, &app, [](int exitCode) { QCoreApplication::exit(exitCode); },
                     Qt::QueuedConnection);
    QTimer::singleShot(0, &recorder, &Recorder::begin);
    return app.exec();
}

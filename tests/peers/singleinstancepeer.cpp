// A copy of the program's single-instance start-up: the first copy prints
// what it receives, a second one hands over "raise_window_noop" and exits 1.
#include "singleapp/isingleapplication.h"

#include <QTimer>
#include <cstdio>

int main(int argc, char** argv)
{
    ISingleApplication app(QStringLiteral("Veskaroo"), argc, argv);
    if (app.isRunning())
        return app.sendMessage(QStringLiteral("raise_window_noop"), 5000) ? 1 : 2;
    if (!app.lockProblem().isEmpty()) {
        std::fprintf(stderr, "lock problem: %s\n", qPrintable(app.lockProblem()));
        std::fflush(stderr);
    }

    QObject::connect(&app, &ISingleApplication::messageReceived, &app, [&app](const QString& text) {
        std::printf("received:%s\n", qPrintable(text));
        std::fflush(stdout);
        app.quit();
    });
    // Never outlive a test that forgot us.
    QTimer::singleShot(30000, &app, [&app] { app.exit(3); });
    std::printf("ready\n");
    std::fflush(stdout);
    return app.exec();
}

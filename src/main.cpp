// Start-up: one copy only, the daily log, the crash handler, the translation
// and the OCR engine, then the application object takes over.
#include "crash/globalhandler.h"
#include "directshow/ivideodevicesetup.h"
#include "icamera.h"
#include "iapplication.h"
#include "iglobals.h"
#include "ilanguage.h"
#include "imessagehandler.h"
#include "iprogramfiles.h"
#include "mainframe.h"
#include "ocr/include/iocrlibrary.h"
#include "service/iconfigureservice.h"

#include <QDebug>

namespace {
const char* const kInstanceMessage = "raise_window_noop";
}

int main(int argc, char** argv)
{
    IApplication app(QStringLiteral("Veskaroo"), argc, argv);
    if (app.isRunning()) {
        app.sendMessage(QString::fromLatin1(kInstanceMessage), 5000);
        return 1;
    }
    QObject::connect(
        &app, &ISingleApplication::messageReceived, &app,
        [&app](const QString& message) {
            if (message != QLatin1String(kInstanceMessage))
                return;
            MainFrame* window = app.mainFrame();
            if (!window)
                return;
            if (window->isMinimized()) {
                window->showNormal();
            } else {
                window->activateWindow();
                window->raise();
            }
        },
        Qt::DirectConnection);

    IMessageHandler::install();
    if (!app.lockProblem().isEmpty())
        qDebug().noquote() << "single instance:" << app.lockProblem();
    // Lives until the process ends.
    new BreakpadQt::GlobalHandler(appDataPath("dump"), QStringLiteral("Pelmora"));
    loadLanguage(&app);
    qDebug().noquote() << IProgramFiles().describe();
    IOcrLibrary::load(IOcrLibrary::defaultPath());

    // Network discovery can be switched off (tests, demos, closed networks).
    const QStringList arguments = app.arguments();
    ICamera::setDiscoveryEnabled(!arguments.contains(QStringLiteral("--no-discovery"))
                                 && IConfigureService::instance()->value("other/discovery").toString() != "false");
    IVideoDeviceSetup::install(arguments);
    IVideoDeviceSetup::toggleVirtualCameraOnSignal();
    return app.exec();
}

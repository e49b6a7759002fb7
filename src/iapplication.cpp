// The application object.
#include "iapplication.h"

#include "icamerainfo.h"
#include "iglobals.h"
#include "mainframe.h"
#include "service/iboardservice.h"
#include "service/iconfigureservice.h"

#include <QDebug>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <QScreen>

IApplication::IApplication(const QString& id, int& argc, char** argv)
    : ISingleApplication(id, argc, argv)
{
}

IApplication::~IApplication()
{
    delete m_mainFrame;
}

bool IApplication::notify(QObject* receiver, QEvent* event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        emit sgGMousePressEvent(static_cast<QMouseEvent*>(event)->globalPos());
        break;
    case QEvent::MouseButtonRelease:
        emit sgGMouseReleaseEvent(static_cast<QMouseEvent*>(event)->globalPos());
        break;
    case QEvent::MouseMove:
        emit sgGMouseMoveEvent(static_cast<QMouseEvent*>(event)->globalPos());
        break;
    default:
        break;
    }
    return ISingleApplication::notify(receiver, event);
}

MainFrame* IApplication::mainFrame() const
{
    return m_mainFrame;
}

int IApplication::exec()
{
    if (!m_mainFrame) {
        const QRect screen = primaryScreen()->geometry();
        const IScaleFactors f = IScaleFactors::fromScreen(screen.size());
        setScaleFactors(f);
        qDebug() << "auto adjsize: " << f.horizontal << f.vertical << f.uniform
                 << screen.width() << screen.height();

        m_mainFrame = new MainFrame(this);
        IBoardService::instance()->init(this);
        IBoardService::instance()->connectGlobalMouse();
        IConfigureService::instance()->init(this);
        m_mainFrame->createFirstSlide();
    }

    // Let the first camera frames and the device check run before deciding.
    QElapsedTimer settle;
    settle.start();
    while (settle.elapsed() < 1000)
        processEvents(QEventLoop::AllEvents, 100);

    if (ICameraInfo::current().index == -1) {
        qDebug() << "not find device quit app.";
        return 0;
    }
    return QApplication::exec();
}

// The program's only top-level window.
#include "mainframe.h"

#include "iapplication.h"
#include "service/iconfigureservice.h"

#include <QDebug>

MainFrame::MainFrame(IApplication* app, QWidget* parent)
    : QWidget(parent)
    , m_application(app)
{
    IConfigureService::instance()->readConfigure();

    // Frameless top-level window with system menu, minimise and maximise.
    setWindowFlags(Qt::WindowFlags(59393));
    setWindowTitle(IConfigureService::productName());
    qDebug() << "Windows MainFrame used!";
}

IBoard* MainFrame::board() const
{
    return m_board;
}

bool MainFrame::hasCamera() const
{
    // No capture source exists yet, so no camera can be current.
    return false;
}

// Base of the program's services.
#include "service/iservice.h"

#include "iapplication.h"
#include "mainframe.h"

IService::IService(QObject* parent)
    : QObject(parent)
{
}

bool IService::init(IApplication* app)
{
    m_application = app;
    if (m_application)
        m_mainFrame = m_application->mainFrame();
    if (m_mainFrame)
        m_board = m_mainFrame->board();
    return true;
}

IApplication* IService::application() const
{
    return m_application;
}

MainFrame* IService::mainFrame() const
{
    return m_mainFrame;
}

IBoard* IService::board() const
{
    return m_board;
}

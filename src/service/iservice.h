// Base of the program's services: knows the application, its main window and
// the main window's board, none of them owned.
#pragma once

#include <QObject>

class IApplication;
class IBoard;
class MainFrame;

class IService : public QObject
{
    Q_OBJECT
public:
    explicit IService(QObject* parent = nullptr);

    // Takes the main window from the application and the board from the
    // main window, whichever exist. Returns true.
    virtual bool init(IApplication* app);
    virtual IApplication* application() const;
    virtual MainFrame* mainFrame() const;
    virtual IBoard* board() const;

protected:
    IBoard* m_board = nullptr;
    MainFrame* m_mainFrame = nullptr;
    IApplication* m_application = nullptr;
};

// The application object: sizes the interface to the screen, creates the
// main window, wires the services and reports every mouse action globally.
#pragma once

#include "singleapp/isingleapplication.h"

#include <QPoint>

class MainFrame;

class IApplication : public ISingleApplication
{
    Q_OBJECT
public:
    IApplication(const QString& id, int& argc, char** argv);
    ~IApplication() override;

    bool notify(QObject* receiver, QEvent* event) override;
    virtual MainFrame* mainFrame() const;

    // Builds the main window on first call, lets the camera settle for a
    // second, then runs the event loop; 0 at once when no camera is current.
    int exec();

signals:
    void sgGMouseMoveEvent(QPoint globalPos);
    void sgGMousePressEvent(QPoint globalPos);
    void sgGMouseReleaseEvent(QPoint globalPos);

private:
    MainFrame* m_mainFrame = nullptr;
};

// The program's only top-level window.
#pragma once

#include <QWidget>

class IApplication;
class IBoard;

class MainFrame : public QWidget
{
    Q_OBJECT
public:
    explicit MainFrame(IApplication* app, QWidget* parent = nullptr);

    IBoard* board() const;
    // True while a camera is open and current.
    bool hasCamera() const;

private:
    IBoard* m_board = nullptr;
    IApplication* m_application = nullptr;
};

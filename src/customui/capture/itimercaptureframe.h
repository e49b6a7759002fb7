// Timing capture: asks for the interval and the number of shots, then takes
// them one by one, each interval counted from the end of the last save.
#pragma once

#include "customui/common/icustomwidget.h"

#include <QTimer>

class IToolBar;
class ITimerCaptureControlFrame;
class QLabel;
class QLineEdit;
class QPushButton;

class ITimerCaptureFrame : public ICustomWidget
{
    Q_OBJECT
public:
    explicit ITimerCaptureFrame(QWidget* mainWindow, QWidget* parent = nullptr);

    // The control bar is placed over this toolbar button.
    void setBarAnchor(IToolBar* bar, int buttonId);

    // true: asks for a new series unless one runs; false: clears and hides.
    void showFrame(bool show);
    // Shots still to take; 0 when no series runs.
    int remaining() const;
    bool isRunning() const;
    // The picture the timer asked for was saved, or lost: either way it
    // counts, so the series keeps to its schedule and ends.
    void shotDone();
    // Ends a running series (window closed or minimised).
    void stop();

    QLineEdit* intervalEdit() const { return m_interval; }
    QLineEdit* pagesEdit() const { return m_pages; }
    QLabel* messageLabel() const { return m_message; }
    ITimerCaptureControlFrame* controlFrame() const { return m_control; }

signals:
    // Time for the next shot, taken like a default capture.
    void sgTakePicture();

public slots:
    void slTimerout();

private:
    void confirm();
    void onControl(int id);
    void restartTimer();
    void dimPlaceholders();

    QWidget* m_mainWindow = nullptr;
    QLineEdit* m_interval = nullptr;
    QLineEdit* m_pages = nullptr;
    QLabel* m_message = nullptr;
    QTimer m_timer;
    bool m_paused = false;
    // Set from a timeout until its picture is saved or lost, so that
    // pictures snapped by hand meanwhile are not counted.
    bool m_awaitingShot = false;
    int m_remaining = 0;
    ITimerCaptureControlFrame* m_control = nullptr;
    IToolBar* m_anchorBar = nullptr;
    int m_anchorId = -1;
};

// What the time-lapse bar asks the main window for: starting a run (live
// camera at 1920x1080 at most, conflicting buttons off, a new video), each
// shot through the save thread into the video, and stopping (the video
// finished and the user told where it went, or why there is none).
#pragma once

#include "capture/itimelapserecorder.h"

#include <QObject>
#include <QPointer>
#include <QSize>
#include <QString>

#include <functional>

class IBoard;
class ICameraToolBar;
class IImageTansformThread;
class IOutlineLock;
class ITimeMsgBox;
class ITimelapseFrame;
class QImage;
class QWidget;

class ITimelapseController : public QObject
{
    Q_OBJECT
public:
    // `window` parents the bar; `board` gives the turn of the pictures;
    // `bar` holds the buttons a run switches off and the bar's anchor.
    ITimelapseController(QWidget* window, IBoard* board, ICameraToolBar* bar, QObject* parent = nullptr);
    ~ITimelapseController() override;

    // The save thread the shots go through; null until it exists.
    void setImageThread(IImageTansformThread* thread);
    // Not owned; null puts back the process-wide recording service.
    void setRecorder(ITimelapseRecorder* recorder);
    // While it is locked the shots are cut to its outline and the video
    // takes the outline's size. Not owned.
    void setOutlineLock(IOutlineLock* lock);

    // How a run that needs a smaller picture switches the camera's
    // resolution: the main window goes through its resolution panel, so
    // that the panel shows the size in use. Unset: straight to the camera.
    void setResolutionChooser(std::function<void(const QSize&)> choose);

    ITimelapseFrame* frame() const { return m_frame; }
    bool isRunning() const { return m_running; }

    // Capture mode "Time-lapse" was chosen.
    void showPanel();
    // Ends a running run and finishes its video (camera switched).
    void stop();
    // The same, and the bar goes (window closing, camera gone).
    void close();
    // The window was maximised, restored or minimised.
    void windowStateChanged();

signals:
    // A notice over the window.
    void sgMessage(QString text, int durationMs);
    // The camera must be live for a run.
    void sgLiveNeeded();

public slots:
    // The bar's operations: 0 one shot, 1 start, 2 stop.
    void slOperate(int operateType);

private:
    void start();
    void takeShot();
    void finish();
    // Ends the run without asking for a video; the bar and buttons come back.
    void endRun();
    void setConflictingButtonsEnabled(bool enabled);
    void onPicture(const QImage& picture, const QString& path);
    void onShotFailed(const QString& path);
    void onRecorderFailed(const QString& reason);

    QWidget* m_window = nullptr;
    std::function<void(const QSize&)> m_chooseResolution;
    IBoard* m_board = nullptr;
    ICameraToolBar* m_bar = nullptr;
    ITimelapseFrame* m_frame = nullptr;
    ITimelapseRecorder* m_recorder = nullptr;
    ITimelapseRecorder* m_ownRecorder = nullptr;
    QPointer<IImageTansformThread> m_thread;
    QPointer<IOutlineLock> m_outlineLock;
    ITimeMsgBox* m_cornerNotice = nullptr;
    bool m_running = false;
    // Shots handed to the save thread and not back yet.
    int m_pendingShots = 0;
};

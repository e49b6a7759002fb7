// The screen-recording overlay: lies over the main window, lets the user
// choose the zone to record (free, full window, the camera picture or a
// preset size), then starts, pauses, resumes and stops the recording with a
// running clock. While recording only its corner marks and its bar are part
// of the window, so the program under it is seen, recorded and used as usual.
#pragma once

#include "customui/capture/ifreezonewidget.h"

#include <QColor>
#include <QTimer>

#include <functional>

class IFFmpegApi;
class IVideoRecordMsgBox;
class QAbstractButton;
class QLabel;

class IVideoRecordFrame : public IFreeZoneWidget
{
    Q_OBJECT
public:
    enum ButtonId {
        FullScreen = 0,
        Automatic = 1,
        Zone1024x768 = 2,
        Zone1080x720 = 3,
        Zone800x600 = 4,
        Zone640x480 = 5,
        Quit = 6,
        BigStart = 7,
        Resume = 8,
        Pause = 9,
        Stop = 10,
    };

    // Covers `mainWindow`; `pictureRect` tells where the camera picture is
    // on the screen (global coordinates) for "Automatic".
    IVideoRecordFrame(QWidget* mainWindow, IFFmpegApi* api, std::function<QRect()> pictureRect);

    // Shows the zone choice over the main window as it looks now.
    void showFrame();
    // Stops a recording that is going (as "Stop" does); nothing otherwise.
    void stopRecording();
    QAbstractButton* button(int id) const;
    // The zone in screen pixels, as the recorder is given it.
    QRect zoneOnScreen() const;
    bool isRecording() const { return m_recording; }
    bool isPaused() const { return m_paused; }
    int elapsedSeconds() const { return m_elapsed; }
    QString clockText() const;
    QColor clockColour() const { return m_clockColour; }
    IVideoRecordMsgBox* messageBox() const { return m_msgBox; }

signals:
    // Something the user must be told, shown over the main window.
    void sgMessage(QString text);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private slots:
    void slButtonClick();
    void slRecordMessage(int code);
    void slRecordVideo(const QString& path);
    void slClockTimeout();

private:
    QAbstractButton* makeButton(int id, const QString& text, const QSize& size, QWidget* parent);
    void chooseZone(int id);
    void startRecording();
    void setPaused(bool paused);
    // Back to hidden, the clock stopped and the bar as at a new start.
    void finish();
    void placeControls();
    void setClockColour(const QColor& colour);
    void updateMask();
    // The L-shaped corner marks around `zone`, just outside it.
    QPainterPath cornerMarks() const;

    QWidget* m_mainWindow = nullptr;
    IFFmpegApi* m_api = nullptr;
    std::function<QRect()> m_pictureRect;
    QWidget* m_zoneBar = nullptr;
    QWidget* m_recordBar = nullptr;
    QAbstractButton* m_buttons[11] = {};
    QLabel* m_clock = nullptr;
    QColor m_clockColour;
    QTimer m_clockTimer;
    int m_elapsed = 0;
    bool m_paused = false;
    // From the start request until the recorder stops or fails.
    bool m_recording = false;
    IVideoRecordMsgBox* m_msgBox = nullptr;
};

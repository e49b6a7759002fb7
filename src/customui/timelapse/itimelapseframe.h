// The floating time-lapse bar above "Photo-mode": start/stop, pause, the
// countdown and shot count, the interval (chosen from a small list that
// opens above it) and close. It only counts and asks; the main window's
// time-lapse controller takes the shots and makes the video.
#pragma once

#include "customui/common/icustomwidget.h"

#include <QMap>
#include <QPointer>
#include <QVector>

class IToolBar;
class ITimelapseButton;
class ITimelapseTimes;
class QLabel;

class ITimelapseFrame : public ICustomWidget
{
    Q_OBJECT
public:
    enum ButtonId { CameraButton = 0, CloseButton = 1, PauseButton = 2, FirstInterval = 3, IntervalButton = 100 };
    // What sgCaptureImage asks for.
    enum Operation { TakeShot = 0, StartRun = 1, StopRun = 2 };

    explicit ITimelapseFrame(QWidget* parent = nullptr);

    // The seconds offered, in the order of their ids from FirstInterval.
    static const QVector<int>& intervals();

    // The bar sits above this toolbar button.
    void setAnchor(IToolBar* bar, int buttonId);
    // Shows the bar in its place.
    void showPanel();
    // Puts the bar (and an open chooser) in place again.
    void place();

    // The controller's answer to StartRun / StopRun: the countdown runs or stops.
    void setRunning(bool running);
    bool isRunning() const { return m_running; }
    bool isPaused() const;
    int interval() const { return m_interval; }

    ITimelapseTimes* times() const { return m_times; }
    QWidget* chooser() const { return m_chooser; }
    // Null for an unknown id.
    ITimelapseButton* button(int id) const;

signals:
    void sgCaptureImage(int operateType);

public slots:
    void slButtonClick(int id);

protected:
    void hideEvent(QHideEvent* event) override;

private:
    ITimelapseButton* makeButton(int id, QWidget* parent, const QString& icon, const QString& text = QString());
    void toggleChooser();
    void placeChooser();
    void showPauseState();

    bool m_running = false;
    int m_interval = 5;
    ITimelapseTimes* m_times = nullptr;
    ICustomWidget* m_chooser = nullptr;
    QMap<int, ITimelapseButton*> m_buttons;
    QPointer<IToolBar> m_anchorBar;
    int m_anchorId = -1;
};

// The time-lapse countdown: seconds to the next shot ("mm:ss") and the
// shots taken. At zero it asks for a shot and waits for it before counting
// again, so a slow save never makes shots pile up.
#pragma once

#include <QTimer>
#include <QWidget>

class QLabel;

class ITimelapseTimes : public QWidget
{
    Q_OBJECT
public:
    explicit ITimelapseTimes(QWidget* parent = nullptr);

    // A new run: counts down from `seconds`, no shots yet.
    void setInterval(int seconds);
    // A new interval within a run: the count stays, the countdown starts
    // over (or, while a shot is awaited, with the next one).
    void changeInterval(int seconds);
    // The awaited shot arrived: counted, and the countdown starts over.
    void shotTaken();
    // The awaited shot was lost: not counted, but the countdown starts over.
    void shotLost();
    void stop();
    // Counting stops without losing the count or the seconds left.
    void setPaused(bool paused);

    int interval() const { return m_interval; }
    int secondsLeft() const { return m_secondsLeft; }
    int shotCount() const { return m_shotCount; }
    bool isStopped() const { return m_stopped; }
    bool isPaused() const { return m_paused; }
    // Counting down now (not stopped, paused or waiting for a shot).
    bool isCounting() const { return m_timer.isActive(); }
    QString timeText() const;
    QString countText() const;

signals:
    // The countdown reached zero: time for a shot.
    void sgTimeout();

public slots:
    // One second passes (the timer's; tests call it directly).
    void tick();

private:
    void restart();
    void showTime();
    void showCount();

    int m_interval = 5;
    int m_secondsLeft = 5;
    int m_shotCount = 0;
    bool m_stopped = true;
    bool m_paused = false;
    QTimer m_timer;
    QLabel* m_time = nullptr;
    QLabel* m_count = nullptr;
};

// The time-lapse countdown.
#include "customui/timelapse/itimelapsetimes.h"

#include "iglobals.h"

#include <QGridLayout>
#include <QLabel>
#include <QTime>

ITimelapseTimes::ITimelapseTimes(QWidget* parent)
    : QWidget(parent)
{
    const double s = scaleFactors().uniform;
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(qRound(8 * s));
    grid->setVerticalSpacing(qRound(2 * s));
    auto* next = new QLabel(tr("Next in"), this);
    auto* shot = new QLabel(tr("Shot"), this);
    m_time = new QLabel(this);
    m_time->setObjectName(QStringLiteral("timelapseTime"));
    m_count = new QLabel(this);
    m_count->setObjectName(QStringLiteral("timelapseCount"));
    m_time->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_count->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    grid->addWidget(next, 0, 0);
    grid->addWidget(m_time, 0, 1);
    grid->addWidget(shot, 1, 0);
    grid->addWidget(m_count, 1, 1);
    // Room for "mm:ss"; the count widens its label only past that.
    const int digits = m_time->fontMetrics().horizontalAdvance(QStringLiteral("00:00"));
    m_time->setMinimumWidth(digits);
    m_count->setMinimumWidth(digits);

    m_timer.setInterval(1000);
    connect(&m_timer, &QTimer::timeout, this, &ITimelapseTimes::tick);
    showTime();
    showCount();
}

void ITimelapseTimes::setInterval(int seconds)
{
    m_interval = qMax(1, seconds);
    m_secondsLeft = m_interval;
    m_shotCount = 0;
    m_stopped = false;
    m_paused = false;
    showTime();
    showCount();
    m_timer.start();
}

void ITimelapseTimes::changeInterval(int seconds)
{
    m_interval = qMax(1, seconds);
    // A shot on its way restarts the countdown when it arrives.
    if (m_secondsLeft == 0 && !m_stopped)
        return;
    m_secondsLeft = m_interval;
    showTime();
    if (!m_stopped && !m_paused)
        m_timer.start();
}

void ITimelapseTimes::tick()
{
    if (m_stopped || m_paused || m_secondsLeft <= 0)
        return;
    --m_secondsLeft;
    showTime();
    if (m_secondsLeft == 0) {
        // Counting resumes once the shot is handled.
        m_timer.stop();
        emit sgTimeout();
    }
}

void ITimelapseTimes::shotTaken()
{
    ++m_shotCount;
    showCount();
    restart();
}

void ITimelapseTimes::shotLost()
{
    restart();
}

void ITimelapseTimes::restart()
{
    m_secondsLeft = m_interval;
    showTime();
    if (!m_stopped && !m_paused)
        m_timer.start();
}

void ITimelapseTimes::stop()
{
    m_timer.stop();
    m_stopped = true;
    m_paused = false;
}

void ITimelapseTimes::setPaused(bool paused)
{
    if (m_stopped)
        return;
    m_paused = paused;
    if (paused)
        m_timer.stop();
    else if (m_secondsLeft > 0)
        m_timer.start();
}

QString ITimelapseTimes::timeText() const
{
    return m_time->text();
}

QString ITimelapseTimes::countText() const
{
    return m_count->text();
}

void ITimelapseTimes::showTime()
{
    m_time->setText(QTime(0, 0).addSecs(m_secondsLeft).toString(QStringLiteral("mm:ss")));
}

void ITimelapseTimes::showCount()
{
    m_count->setText(QString::number(m_shotCount));
    // A long run's count must not be cut: the bar grows with it.
    QWidget* bar = window();
    if (bar != this && m_count->sizeHint().width() > m_count->width())
        bar->adjustSize();
}

// The floating time-lapse bar.
#include "customui/timelapse/itimelapseframe.h"

#include "customui/common/ipanelstyle.h"
#include "customui/timelapse/itimelapsebutton.h"
#include "customui/timelapse/itimelapsetimes.h"
#include "customui/toolbar/itoolbar.h"
#include "iglobals.h"

#include <QFrame>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QScreen>

namespace {

const char* const kIcons = ":/timelapse/";

QString icon(const QString& name)
{
    return QString::fromLatin1(kIcons) + name;
}

} // namespace

ITimelapseFrame::ITimelapseFrame(QWidget* parent)
    : ICustomWidget(parent)
{
    const double s = scaleFactors().uniform;
    setAttribute(Qt::WA_StyledBackground, true);
    setStyleSheet(IPanelStyle::sheet(QStringLiteral("ITimelapseFrame")));
    setWindowTitle(tr("Time-lapse"));

    auto* row = new QHBoxLayout(this);
    const int margin = qRound(6 * s);
    row->setContentsMargins(margin, margin, margin, margin);
    row->setSpacing(qRound(6 * s));
    row->addWidget(makeButton(CameraButton, this, QStringLiteral("start")));
    row->addWidget(makeButton(PauseButton, this, QStringLiteral("pause")));
    m_times = new ITimelapseTimes(this);
    row->addSpacing(qRound(4 * s));
    row->addWidget(m_times);
    row->addSpacing(qRound(4 * s));
    ITimelapseButton* interval = makeButton(IntervalButton, this, QString(), QString::number(m_interval));
    interval->setToolTip(tr("Interval"));
    row->addWidget(interval);
    row->addWidget(new QLabel(tr("sec"), this));
    row->addWidget(makeButton(CloseButton, this, QStringLiteral("close")));
    button(CameraButton)->setToolTip(tr("Start"));
    button(PauseButton)->setToolTip(tr("Pause"));
    button(CloseButton)->setToolTip(tr("Close"));
    connect(m_times, &ITimelapseTimes::sgTimeout, this, [this] {
        if (m_running)
            emit sgCaptureImage(TakeShot);
    });

    // The interval choices, in a window of their own above the interval button.
    m_chooser = new ICustomWidget(this);
    m_chooser->setObjectName(QStringLiteral("timelapseChooser"));
    m_chooser->setAttribute(Qt::WA_StyledBackground, true);
    m_chooser->setStyleSheet(IPanelStyle::sheet(QStringLiteral("QWidget#timelapseChooser")));
    auto* choices = new QHBoxLayout(m_chooser);
    choices->setContentsMargins(margin, margin, margin, margin);
    choices->setSpacing(qRound(2 * s));
    for (int i = 0; i < intervals().size(); ++i)
        choices->addWidget(makeButton(FirstInterval + i, m_chooser, QString(), QString::number(intervals()[i])));
    m_chooser->hide();

    showPauseState();
    adjustSize();
}

const QVector<int>& ITimelapseFrame::intervals()
{
    static const QVector<int> seconds = {1, 3, 5, 10, 30, 60};
    return seconds;
}

ITimelapseButton* ITimelapseFrame::makeButton(int id, QWidget* parent, const QString& iconName, const QString& text)
{
    auto* b = new ITimelapseButton(id, parent);
    if (!iconName.isEmpty())
        b->setIcons(icon(iconName + "_normal.svg"), icon(iconName + "_click.svg"));
    else
        b->setText(text);
    connect(b, &ITimelapseButton::sgButtonClick, this, &ITimelapseFrame::slButtonClick);
    m_buttons.insert(id, b);
    return b;
}

ITimelapseButton* ITimelapseFrame::button(int id) const
{
    return m_buttons.value(id, nullptr);
}

bool ITimelapseFrame::isPaused() const
{
    return m_times->isPaused();
}

void ITimelapseFrame::setAnchor(IToolBar* bar, int buttonId)
{
    m_anchorBar = bar;
    m_anchorId = buttonId;
}

void ITimelapseFrame::showPanel()
{
    show();
    place();
    raise();
}

void ITimelapseFrame::place()
{
    const double s = scaleFactors().uniform;
    ensurePolished();
    layout()->activate();
    adjustSize();
    QRect anchor = m_anchorBar ? m_anchorBar->buttonGlobalRect(m_anchorId) : QRect();
    QPoint topLeft;
    if (anchor.isNull()) {
        // No button to stand on: over the bottom middle of the window.
        const QWidget* window = parentWidget() ? parentWidget()->window() : nullptr;
        const QPoint bottom = window ? window->mapToGlobal(QPoint(window->width() / 2, window->height()))
                                     : QPoint(width() / 2, height());
        topLeft = QPoint(bottom.x() - width() / 2, bottom.y() - height() - qRound(60 * s));
    } else {
        topLeft = QPoint(anchor.x() + qRound(76 * s) - width() / 2, anchor.y() - height() - qRound(30 * s));
    }
    // Never off the screen the button is on.
    const QScreen* screen = QGuiApplication::screenAt(anchor.isNull() ? topLeft : anchor.center());
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (screen) {
        const QRect area = screen->availableGeometry();
        topLeft.setX(qBound(area.left(), topLeft.x(), qMax(area.left(), area.right() - width() + 1)));
        topLeft.setY(qBound(area.top(), topLeft.y(), qMax(area.top(), area.bottom() - height() + 1)));
    }
    move(topLeft);
    if (m_chooser->isVisible())
        placeChooser();
}

void ITimelapseFrame::placeChooser()
{
    const double s = scaleFactors().uniform;
    m_chooser->ensurePolished();
    m_chooser->layout()->activate();
    m_chooser->adjustSize();
    const ITimelapseButton* opener = button(IntervalButton);
    const QRect over(opener->mapToGlobal(QPoint(0, 0)), opener->size());
    m_chooser->move(over.center().x() - m_chooser->width() / 2,
                    over.top() - m_chooser->height() - qRound(10 * s));
}

void ITimelapseFrame::toggleChooser()
{
    if (m_chooser->isVisible()) {
        m_chooser->hide();
        return;
    }
    m_chooser->show();
    placeChooser();
    m_chooser->raise();
}

void ITimelapseFrame::setRunning(bool running)
{
    m_running = running;
    if (running)
        m_times->setInterval(m_interval);
    else
        m_times->stop();
    ITimelapseButton* camera = button(CameraButton);
    camera->setIcons(icon(running ? "stop_normal.svg" : "start_normal.svg"),
                     icon(running ? "stop_click.svg" : "start_click.svg"));
    camera->setToolTip(running ? tr("Stop") : tr("Start"));
    showPauseState();
}

void ITimelapseFrame::showPauseState()
{
    ITimelapseButton* pause = button(PauseButton);
    const bool paused = m_times->isPaused();
    pause->setEnabled(m_running);
    pause->setIcons(icon(paused ? "resume_normal.svg" : "pause_normal.svg"),
                    icon(paused ? "resume_click.svg" : "pause_click.svg"));
    pause->setToolTip(paused ? tr("Resume") : tr("Pause"));
}

void ITimelapseFrame::slButtonClick(int id)
{
    switch (id) {
    case CameraButton: emit sgCaptureImage(m_running ? StopRun : StartRun); return;
    case CloseButton:
        if (m_running)
            emit sgCaptureImage(StopRun);
        hide();
        return;
    case PauseButton:
        if (m_running) {
            m_times->setPaused(!m_times->isPaused());
            showPauseState();
        }
        return;
    case IntervalButton: toggleChooser(); return;
    default: break;
    }
    const int choice = id - FirstInterval;
    if (choice < 0 || choice >= intervals().size())
        return;
    m_interval = intervals()[choice];
    button(IntervalButton)->setText(QString::number(m_interval));
    m_chooser->hide();
    if (m_running)
        m_times->changeInterval(m_interval);
}

void ITimelapseFrame::hideEvent(QHideEvent* event)
{
    m_chooser->hide();
    ICustomWidget::hideEvent(event);
}

// Timing capture panel.
#include "customui/capture/itimercaptureframe.h"

#include "customui/common/ipanelstyle.h"
#include "customui/capture/itimercapturecontrolframe.h"
#include "customui/ipanelhost.h"
#include "customui/toolbar/itoolbar.h"
#include "iglobals.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

namespace {

// 1 to 99: two digits at most, no leading zero.
const char* const kCountPattern = "^[1-9][0-9]?$";

} // namespace

ITimerCaptureFrame::ITimerCaptureFrame(QWidget* mainWindow, QWidget* parent)
    : ICustomWidget(parent)
    , m_mainWindow(mainWindow)
{
    const double s = scaleFactors().uniform;
    setTitle(tr("Timing capture"));
    setAttribute(Qt::WA_StyledBackground, true);
    setStyleSheet(IPanelStyle::sheet(QStringLiteral("ITimerCaptureFrame")));

    auto* column = new QVBoxLayout(this);
    const int margin = qRound(16 * s);
    column->setContentsMargins(margin, titleHeight() + qRound(8 * s), margin, margin);
    column->setSpacing(qRound(10 * s));
    auto* form = new QFormLayout;
    form->setSpacing(qRound(8 * s));
    const auto makeEdit = [this, s](const QString& placeholder) {
        auto* edit = new QLineEdit(this);
        edit->setMaxLength(2);
        edit->setValidator(new QRegularExpressionValidator(QRegularExpression(kCountPattern), edit));
        edit->setPlaceholderText(placeholder);
        edit->setFixedWidth(qRound(120 * s));
        return edit;
    };
    m_interval = makeEdit(tr("seconds"));
    m_pages = makeEdit(tr("shots"));
    form->addRow(tr("Interval Time"), m_interval);
    form->addRow(tr("Capture Pages"), m_pages);
    column->addLayout(form);

    m_message = new QLabel(tr("Please input integer greater than 0."), this);
    m_message->setObjectName(QStringLiteral("panelMessage"));
    m_message->hide();
    column->addWidget(m_message);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    auto* confirmButton = new QPushButton(tr("Confirm"), this);
    auto* cancelButton = new QPushButton(tr("Cancel"), this);
    confirmButton->setDefault(true);
    buttons->addWidget(confirmButton);
    buttons->addWidget(cancelButton);
    column->addLayout(buttons);
    connect(confirmButton, &QPushButton::clicked, this, &ITimerCaptureFrame::confirm);
    connect(cancelButton, &QPushButton::clicked, this, [this] { showFrame(false); });
    connect(m_interval, &QLineEdit::returnPressed, this, &ITimerCaptureFrame::confirm);
    connect(m_pages, &QLineEdit::returnPressed, this, &ITimerCaptureFrame::confirm);
    // The message goes as soon as the user corrects the input.
    connect(m_interval, &QLineEdit::textEdited, m_message, &QLabel::hide);
    connect(m_pages, &QLineEdit::textEdited, m_message, &QLabel::hide);

    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &ITimerCaptureFrame::slTimerout);

    m_control = new ITimerCaptureControlFrame(parent);
    m_control->hide();
    connect(m_control, &ITimerCaptureControlFrame::sgButtonClick, this, &ITimerCaptureFrame::onControl);
    adjustSize();
}

void ITimerCaptureFrame::setBarAnchor(IToolBar* bar, int buttonId)
{
    m_anchorBar = bar;
    m_anchorId = buttonId;
}

void ITimerCaptureFrame::showFrame(bool show)
{
    if (!show) {
        m_interval->clear();
        m_pages->clear();
        m_message->hide();
        hide();
        return;
    }
    if (m_remaining > 0)
        return;
    m_interval->clear();
    m_pages->clear();
    m_message->hide();
    dimPlaceholders();
    adjustSize();
    if (m_mainWindow) {
        const QRect over(m_mainWindow->mapToGlobal(QPoint(0, 0)), m_mainWindow->size());
        move(over.center() - rect().center());
    }
    this->show();
    raise();
    activateWindow();
    m_interval->setFocus();
}

void ITimerCaptureFrame::dimPlaceholders()
{
    // A hint, not a value: dimmer than typed text. Set after the style sheet
    // has polished the fields, which would otherwise reset it.
    ensurePolished();
    for (QLineEdit* edit : {m_interval, m_pages}) {
        QPalette palette = edit->palette();
        palette.setColor(QPalette::PlaceholderText, QColor(140, 140, 144));
        edit->setPalette(palette);
    }
}

int ITimerCaptureFrame::remaining() const
{
    return m_remaining;
}

bool ITimerCaptureFrame::isRunning() const
{
    return m_remaining > 0;
}

void ITimerCaptureFrame::confirm()
{
    if (!m_interval->hasAcceptableInput() || !m_pages->hasAcceptableInput()) {
        m_message->show();
        adjustSize();
        // The title strip spans the new width too.
        update();
        return;
    }
    m_remaining = m_pages->text().toInt();
    hide();
    m_paused = false;
    m_awaitingShot = false;
    m_timer.setInterval(m_interval->text().toInt() * 1000);
    m_timer.start();
    QRect anchor;
    if (m_anchorBar)
        anchor = m_anchorBar->buttonGlobalRect(m_anchorId);
    if (anchor.isNull() && m_mainWindow)
        anchor = QRect(m_mainWindow->mapToGlobal(QPoint(m_mainWindow->width() / 2, m_mainWindow->height())), QSize(1, 1));
    m_control->showBar(m_remaining);
    IPanelHost::placeBeside(m_control, anchor, Qt::TopEdge, scaledPixels(30));
}

void ITimerCaptureFrame::slTimerout()
{
    m_timer.stop();
    if (m_remaining <= 0)
        return;
    m_awaitingShot = true;
    emit sgTakePicture();
}

void ITimerCaptureFrame::shotDone()
{
    if (!m_awaitingShot)
        return;
    m_awaitingShot = false;
    const int left = m_remaining;
    m_remaining = qMax(0, left - 1);
    m_pages->setText(QString::number(m_remaining));
    m_control->countShot();
    if (left <= 1) {
        m_timer.stop();
        QTimer::singleShot(200, m_control, [this] {
            if (m_remaining == 0)
                m_control->hide();
        });
        return;
    }
    if (!m_paused)
        restartTimer();
}

void ITimerCaptureFrame::restartTimer()
{
    m_timer.start();
}

void ITimerCaptureFrame::stop()
{
    m_paused = false;
    m_awaitingShot = false;
    m_timer.stop();
    m_remaining = 0;
    m_pages->setText(QStringLiteral("0"));
    m_control->hide();
}

void ITimerCaptureFrame::onControl(int id)
{
    switch (id) {
    case ITimerCaptureControlFrame::Start:
        m_paused = false;
        // A shot still being saved restarts the timer itself.
        if (!m_awaitingShot)
            restartTimer();
        break;
    case ITimerCaptureControlFrame::Halt:
        m_paused = true;
        m_timer.stop();
        break;
    case ITimerCaptureControlFrame::Stop: stop(); break;
    default: break;
    }
}

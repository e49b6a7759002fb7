// The timed series' control bar.
#include "customui/capture/itimercapturecontrolframe.h"

#include "customui/common/ipanelstyle.h"
#include "iglobals.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

ITimerCaptureControlFrame::ITimerCaptureControlFrame(QWidget* parent)
    : ICustomWidget(parent)
{
    const double s = scaleFactors().uniform;
    setAttribute(Qt::WA_StyledBackground, true);
    setStyleSheet(IPanelStyle::sheet(QStringLiteral("ITimerCaptureControlFrame")));
    auto* row = new QHBoxLayout(this);
    const int margin = qRound(8 * s);
    row->setContentsMargins(margin, margin, margin, margin);
    row->setSpacing(qRound(8 * s));
    m_label = new QLabel(this);
    m_label->setMinimumWidth(qRound(70 * s));
    m_label->setAlignment(Qt::AlignCenter);
    row->addWidget(m_label);
    const QString texts[3] = {tr("Start"), tr("Halt"), tr("Stop")};
    for (int id = Start; id <= Stop; ++id) {
        m_buttons[id] = new QPushButton(texts[id], this);
        m_buttons[id]->setFocusPolicy(Qt::NoFocus);
        connect(m_buttons[id], &QPushButton::clicked, this, [this, id] { onClick(id); });
        row->addWidget(m_buttons[id]);
    }
    refreshLabel();
}

void ITimerCaptureControlFrame::showBar(int total)
{
    m_counter = 0;
    m_total = total;
    refreshLabel();
    m_buttons[Start]->hide();
    m_buttons[Halt]->show();
    adjustSize();
    show();
    raise();
}

void ITimerCaptureControlFrame::countShot()
{
    ++m_counter;
    refreshLabel();
}

int ITimerCaptureControlFrame::counter() const
{
    return m_counter;
}

int ITimerCaptureControlFrame::total() const
{
    return m_total;
}

QPushButton* ITimerCaptureControlFrame::button(int id) const
{
    return id >= Start && id <= Stop ? m_buttons[id] : nullptr;
}

void ITimerCaptureControlFrame::onClick(int id)
{
    // Start and Halt take each other's place.
    if (id == Start || id == Halt) {
        m_buttons[Start]->setVisible(id == Halt);
        m_buttons[Halt]->setVisible(id == Start);
    }
    emit sgButtonClick(id);
}

void ITimerCaptureControlFrame::refreshLabel()
{
    m_label->setText(QStringLiteral("%1 / %2").arg(m_counter).arg(m_total));
}

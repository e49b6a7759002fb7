// Pop-up list of capture modes.
#include "customui/capture/icapturemodeframe.h"

#include "customui/common/ipanelstyle.h"
#include "iglobals.h"
#include "service/iconfigureservice.h"

#include <QFrame>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// The toolbars' dark face; the current mode and a switched-on sound in orange.
const char* const kPanelStyle =
    "ICaptureModeFrame{background-color:rgb(45,45,48);border:1px solid rgb(80,80,84);}"
    "QPushButton{color:rgb(224,224,224);background-color:transparent;border:none;"
    "text-align:left;padding:%1px %2px;border-radius:%3px;}"
    "QPushButton:hover{background-color:rgba(255,255,255,28);color:rgb(235,120,7);}"
    "QPushButton:checked{color:rgb(235,120,7);}"
    "QFrame#separator{background-color:rgb(80,80,84);border:none;}";

} // namespace

ICaptureModeFrame::ICaptureModeFrame(QWidget* mainWindow, QWidget* parent)
    : ICustomWidget(parent)
    , m_mainWindow(mainWindow)
{
    const double s = scaleFactors().uniform;
    setAttribute(Qt::WA_StyledBackground, true);
    setStyleSheet(QString::fromLatin1(kPanelStyle)
                      .arg(qRound(6 * s))
                      .arg(qRound(14 * s))
                      .arg(qRound(3 * s)));
    auto* column = new QVBoxLayout(this);
    const int margin = qRound(6 * s);
    column->setContentsMargins(margin, margin, margin, margin);
    column->setSpacing(qRound(2 * s));

    addModeButton(PhotoSound, tr("拍照提示音"));
    addModeButton(DefaultCapture, tr("Default"));
    addModeButton(ScreenCapture, tr("Screen Capture"));
    addModeButton(PartialCapture, tr("Partial screen capture"));
    addModeButton(TimingCapture, tr("Timing capture"));
    addModeButton(TimelapseCapture, tr("Time-lapse"));
    addModeButton(ClipboardCapture, tr("Screen capture to clipboard"));
    addModeButton(BlackWhiteCapture, tr("Black white capture"));
    addModeButton(GrayCapture, tr("Gray capture"));

    // Not a mode: it holds for every mode that takes the camera's picture.
    auto* separator = new QFrame(this);
    separator->setObjectName(QStringLiteral("separator"));
    separator->setFixedHeight(std::max(1, qRound(s)));
    column->addWidget(separator);
    m_lockOutline = new QPushButton(tr("Lock outline"), this);
    IPanelStyle::makeListChoice(m_lockOutline);
    m_lockOutline->setToolTip(tr("Cut every following picture to the same page outline and straighten it; "
                                 "drag the outline's corners on the picture to fit the page."));
    connect(m_lockOutline, &QPushButton::clicked, this, [this] {
        // The mark is the lock's answer, not the click's.
        m_lockOutline->setChecked(m_outlineLocked);
        emit sgLockOutline(!m_outlineLocked);
    });
    column->addWidget(m_lockOutline);
    refreshMarks();
    adjustSize();
}

void ICaptureModeFrame::addModeButton(int mode, const QString& text)
{
    auto* b = new QPushButton(text, this);
    IPanelStyle::makeListChoice(b);
    b->setProperty("flag", mode);
    // The marks are ours to set: a click must not toggle them by itself.
    connect(b, &QPushButton::clicked, this, &ICaptureModeFrame::slButtonClick);
    layout()->addWidget(b);
    m_buttons.insert(mode, b);
}

int ICaptureModeFrame::currentMode() const
{
    return m_currentMode;
}

QPushButton* ICaptureModeFrame::button(int mode) const
{
    return m_buttons.value(mode, nullptr);
}

void ICaptureModeFrame::slButtonClick(bool checked)
{
    Q_UNUSED(checked)
    const auto* b = qobject_cast<QPushButton*>(sender());
    if (!b)
        return;
    const int mode = b->property("flag").toInt();
    if (mode == PhotoSound) {
        // A switch: the panel stays so the new state can be seen.
        IConfigureService* config = IConfigureService::instance();
        config->setPhotoSound(!config->photoSound());
        refreshMarks();
        return;
    }
    m_currentMode = mode;
    refreshMarks();
    emit sgButtonClick(CaptureMode(mode));
    hide();
}

void ICaptureModeFrame::setOutlineLocked(bool locked)
{
    m_outlineLocked = locked;
    m_lockOutline->setChecked(locked);
}

void ICaptureModeFrame::refreshMarks()
{
    for (auto it = m_buttons.cbegin(); it != m_buttons.cend(); ++it) {
        const bool on = it.key() == PhotoSound ? IConfigureService::instance()->photoSound()
                                               : it.key() == m_currentMode;
        it.value()->setChecked(on);
    }
}

void ICaptureModeFrame::showEvent(QShowEvent* event)
{
    // The sound may have been switched elsewhere since the last time.
    refreshMarks();
    ICustomWidget::showEvent(event);
}

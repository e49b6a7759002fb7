// Camera list panel.
#include "customui/camera/icameraframe.h"

#include "customui/common/ipanelstyle.h"
#include "customui/toolbar/imaintitlewidget.h"
#include "icamera.h"
#include "iglobals.h"

#include <QComboBox>
#include <QDebug>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

ICameraFrame::ICameraFrame(IMainTitleWidget* title, QWidget* parent)
    : ICustomWidget(parent)
    , m_title(title)
{
    setAttribute(Qt::WA_StyledBackground, true);
    setStyleSheet(IPanelStyle::sheet(QStringLiteral("ICameraFrame")) + IPanelStyle::controlsSheet());
    auto* column = new QVBoxLayout(this);
    const int margin = scaledPixels(12);
    column->setContentsMargins(margin, margin, margin, margin);
    column->setSpacing(scaledPixels(10));
    m_empty = new QLabel(tr("No camera device available"), this);
    m_empty->setObjectName(QStringLiteral("panelMessage"));
    column->addWidget(m_empty);
    // The title bar adds a network camera found late before this runs.
    connect(ICamera::instance(), &ICamera::sgNetworkCameraFound, this, [this] {
        if (isVisible())
            rebuild(false);
    });
    adjustSize();
}

void ICameraFrame::showEvent(QShowEvent* event)
{
    rebuild(true);
    ICustomWidget::showEvent(event);
}

void ICameraFrame::rebuild(bool reload)
{
    if (reload)
        m_title->refreshCameraList();
    qDeleteAll(m_buttons);
    m_buttons.clear();
    const QComboBox* cameras = m_title->cameraComboBox();
    for (int row = 0; row < cameras->count(); ++row) {
        auto* b = new QRadioButton(cameras->itemText(row), this);
        b->setProperty("flag", row);
        b->setChecked(row == cameras->currentIndex());
        b->setFocusPolicy(Qt::NoFocus);
        b->setCursor(Qt::PointingHandCursor);
        connect(b, &QRadioButton::clicked, this, &ICameraFrame::slButtonClick);
        layout()->addWidget(b);
        m_buttons << b;
    }
    m_empty->setVisible(m_buttons.isEmpty());
    if (!isVisible()) {
        adjustSize();
        return;
    }
    // Grown while open: it stays centred above its button.
    const QRect before = geometry();
    adjustSize();
    move(before.center().x() - width() / 2, before.bottom() + 1 - height());
}

void ICameraFrame::slButtonClick()
{
    const auto* b = qobject_cast<QRadioButton*>(sender());
    const int index = b ? b->property("flag").toInt() : -1;
    hide();
    qDebug() << "switch camera index: " << index;
    if (index < 0)
        return;
    m_title->changeCameraIndex(index);
}

// Shared base of the program's toolbars.
#include "customui/toolbar/itoolbar.h"

#include "iglobals.h"

#include <QBoxLayout>
#include <QButtonGroup>
#include <QFrame>

namespace {

const char* const kBarStyle =
    "IToolBar{background-color:rgb(45,45,48);}"
    "QToolButton{color:rgb(224,224,224);font-size:%1px;}"
    "QToolButton:disabled{color:rgb(120,120,120);}"
    "QFrame#toolBarSeparator{background-color:rgb(80,80,84);border:none;}";

} // namespace

IToolBar::IToolBar(QWidget* mainWindow, Qt::Orientation orientation, QWidget* parent)
    : QWidget(parent)
    , m_mainWindow(mainWindow)
    , m_orientation(orientation)
{
    const double s = scaleFactors().uniform;
    // Without this a QWidget subclass ignores its style sheet background.
    setAttribute(Qt::WA_StyledBackground, true);
    setStyleSheet(QString::fromLatin1(kBarStyle).arg(qRound(12 * s)));
    m_layout = new QBoxLayout(orientation == Qt::Horizontal ? QBoxLayout::LeftToRight
                                                            : QBoxLayout::TopToBottom,
                              this);
    const int margin = qRound(4 * s);
    m_layout->setContentsMargins(margin, margin, margin, margin);
    // The bar's own minimum is its icons alone (minimumSizeHint), not what
    // the labels of the moment need.
    m_layout->setSizeConstraint(QLayout::SetNoConstraint);
    m_layout->setSpacing(qRound(2 * s));
    if (orientation == Qt::Horizontal)
        setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    else
        setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
}

QWidget* IToolBar::mainWindow() const
{
    return m_mainWindow;
}

Qt::Orientation IToolBar::orientation() const
{
    return m_orientation;
}

QList<IIToolButton*> IToolBar::buttons() const
{
    return m_buttons;
}

IIToolButton* IToolBar::button(int id) const
{
    for (IIToolButton* b : m_buttons) {
        if (b->id() == id)
            return b;
    }
    return nullptr;
}

void IToolBar::setButtonEnabled(int id, bool enabled)
{
    if (IIToolButton* b = button(id))
        b->setEnabled(enabled);
}

void IToolBar::setButtonChecked(int id, bool checked)
{
    IIToolButton* b = button(id);
    if (!b || !b->isCheckable())
        return;
    // An exclusive group refuses to uncheck its checked button directly.
    const bool exclusive = m_exclusive && m_exclusive->buttons().contains(b);
    if (exclusive && !checked)
        m_exclusive->setExclusive(false);
    b->setChecked(checked);
    if (exclusive && !checked)
        m_exclusive->setExclusive(true);
}

bool IToolBar::isButtonChecked(int id) const
{
    const IIToolButton* b = button(id);
    return b && b->isChecked();
}

QPoint IToolBar::buttonGlobalPos(int id) const
{
    return buttonGlobalRect(id).topLeft();
}

QRect IToolBar::buttonGlobalRect(int id) const
{
    const IIToolButton* b = button(id);
    if (!b || b->isHidden())
        return QRect();
    return QRect(b->mapToGlobal(QPoint(0, 0)), b->size());
}

IIToolButton* IToolBar::addButton(int id, const QString& text, const QString& iconBase,
                                  bool checkable)
{
    const double s = scaleFactors().uniform;
    auto* b = new IIToolButton(id, iconBase + QStringLiteral("_normal.svg"),
                               iconBase + QStringLiteral("_click.svg"), this);
    b->setObjectName(text);
    b->setText(text);
    b->setToolTip(text);
    b->setCheckable(checkable);
    b->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    b->setIconSize(QSize(qRound(28 * s), qRound(28 * s)));
    // A column of buttons of one width reads as one bar; a row lets each
    // button take the width of its text.
    if (m_orientation == Qt::Vertical)
        b->setFixedWidth(qRound(84 * s));
    b->setHoverColor(QColor(255, 255, 255, 28));
    // Space and arrow keys belong to the shortcuts and the board, never to
    // whichever toolbar button happens to hold the focus.
    b->setFocusPolicy(Qt::NoFocus);
    connect(b, &IIToolButton::sgButtonClick, this, &IToolBar::sgButtonClick);
    m_layout->addWidget(b);
    m_buttons << b;
    return b;
}

void IToolBar::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    fitLabels();
}

void IToolBar::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    fitLabels();
}

int IToolBar::rowWidth(const std::function<int(const IIToolButton*)>& buttonWidth) const
{
    const QMargins margins = m_layout->contentsMargins();
    int width = margins.left() + margins.right();
    int visible = 0;
    for (int i = 0; i < m_layout->count(); ++i) {
        const QWidget* item = m_layout->itemAt(i)->widget();
        if (!item || item->isHidden())
            continue;
        const auto* b = qobject_cast<const IIToolButton*>(item);
        width += b ? buttonWidth(b) : item->sizeHint().width();
        ++visible;
    }
    return width + m_layout->spacing() * qMax(0, visible - 1);
}

int IToolBar::columnHeight(bool labels) const
{
    const QMargins margins = m_layout->contentsMargins();
    int height = margins.top() + margins.bottom();
    int visible = 0;
    for (int i = 0; i < m_layout->count(); ++i) {
        const QWidget* item = m_layout->itemAt(i)->widget();
        if (!item || item->isHidden())
            continue;
        ++visible;
        const auto* b = qobject_cast<const IIToolButton*>(item);
        if (!b) {
            height += item->sizeHint().height();
            continue;
        }
        // The style's margins are the same across and down.
        height += b->iconOnlyWidth() - b->iconSize().width() + b->iconSize().height();
        if (labels)
            height += b->fontMetrics().lineSpacing() * (b->oneLineWidth() > b->width() ? 2 : 1);
    }
    return height + m_layout->spacing() * qMax(0, visible - 1);
}

QSize IToolBar::minimumSizeHint() const
{
    QSize size = QWidget::minimumSizeHint();
    if (m_orientation == Qt::Horizontal)
        size.setWidth(rowWidth([](const IIToolButton* b) { return b->iconOnlyWidth(); }));
    else
        size.setHeight(columnHeight(false));
    return size;
}

void IToolBar::fitLabels()
{
    // The style sheet sets the labels' font.
    ensurePolished();
    for (IIToolButton* b : m_buttons)
        b->ensurePolished();
    if (m_orientation == Qt::Vertical) {
        // One width for the column, wide enough for its longest word.
        int column = qRound(84 * scaleFactors().uniform);
        for (IIToolButton* b : m_buttons)
            column = qMax(column, b->twoLineWidth());
        for (IIToolButton* b : m_buttons) {
            b->setFixedWidth(column);
            b->setTwoLineLabel(b->oneLineWidth() > column);
        }
        // A column taller than the window (a small screen) keeps its icons.
        const bool labels = columnHeight(true) <= height();
        for (IIToolButton* b : m_buttons)
            b->setToolButtonStyle(labels ? Qt::ToolButtonTextUnderIcon : Qt::ToolButtonIconOnly);
        return;
    }
    const int least = qRound(64 * scaleFactors().uniform);
    const auto oneLine = [least](const IIToolButton* b) { return qMax(least, b->oneLineWidth()); };
    const auto twoLines = [least](const IIToolButton* b) { return qMax(least, b->twoLineWidth()); };
    const bool labels = rowWidth(twoLines) <= width();
    const bool wrap = labels && rowWidth(oneLine) > width();
    for (IIToolButton* b : m_buttons) {
        b->setToolButtonStyle(labels ? Qt::ToolButtonTextUnderIcon : Qt::ToolButtonIconOnly);
        b->setTwoLineLabel(wrap);
        // The layout gives each button at least this; there is room for it.
        b->setMinimumWidth(!labels ? b->iconOnlyWidth() : wrap ? twoLines(b) : oneLine(b));
    }
}

void IToolBar::addSeparator()
{
    const double s = scaleFactors().uniform;
    auto* line = new QFrame(this);
    line->setObjectName(QStringLiteral("toolBarSeparator"));
    if (m_orientation == Qt::Horizontal)
        line->setFixedSize(qMax(1, qRound(1 * s)), qRound(40 * s));
    else
        line->setFixedSize(qRound(64 * s), qMax(1, qRound(1 * s)));
    m_layout->addWidget(line, 0, Qt::AlignCenter);
}

void IToolBar::addStretch()
{
    m_layout->addStretch(1);
}

void IToolBar::makeExclusive(const QList<int>& ids)
{
    if (!m_exclusive) {
        m_exclusive = new QButtonGroup(this);
        m_exclusive->setExclusive(true);
    }
    for (int id : ids) {
        if (IIToolButton* b = button(id)) {
            b->setCheckable(true);
            m_exclusive->addButton(b);
        }
    }
}

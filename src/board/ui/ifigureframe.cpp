// Figure picker.
#include "board/ui/ifigureframe.h"

#include "board/iboard.h"
#include "board/tk_iboard_enum.h"
#include "board/ui/itoolbutton.h"
#include "customui/common/ipanelstyle.h"
#include "iglobals.h"
#include "service/iboardservice.h"

#include <QButtonGroup>
#include <QVBoxLayout>

namespace {

struct Figure
{
    int mode;
    const char* icon;
    const char* tip;
    void (IBoardService::*select)();
};

const Figure kFigures[] = {
    {TK_IBOARD_ENUM::LineMode, ":/figure/figure/fline.svg", QT_TRANSLATE_NOOP("IFigureFrame", "Straight line"),
     &IBoardService::selectFigureMode9},
    {TK_IBOARD_ENUM::CircleMode, ":/figure/figure/fcricle.svg", QT_TRANSLATE_NOOP("IFigureFrame", "Circle"),
     &IBoardService::selectFigureMode19},
    {TK_IBOARD_ENUM::EllipseMode, ":/figure/figure/fellipse.svg", QT_TRANSLATE_NOOP("IFigureFrame", "Oval"),
     &IBoardService::selectFigureMode20},
    {TK_IBOARD_ENUM::IsoscelesTriangleMode, ":/figure/figure/ftriangle.svg",
     QT_TRANSLATE_NOOP("IFigureFrame", "Triangle"), &IBoardService::selectFigureMode24},
    {TK_IBOARD_ENUM::RectangleMode, ":/figure/figure/frectangle.svg", QT_TRANSLATE_NOOP("IFigureFrame", "Rectangle"),
     &IBoardService::selectFigureMode21},
};

} // namespace

IFigureFrame::IFigureFrame(QWidget* parent)
    : ICustomWidget(parent)
{
    setAttribute(Qt::WA_StyledBackground, true);
    setStyleSheet(IPanelStyle::sheet(QStringLiteral("IFigureFrame")));
    setFixedWidth(scaledPixels(60));

    auto* column = new QVBoxLayout(this);
    const int margin = scaledPixels(10);
    column->setContentsMargins(margin, margin, margin, margin);
    column->setSpacing(scaledPixels(4));
    m_group = new QButtonGroup(this);
    m_group->setExclusive(true);
    for (const Figure& figure : kFigures) {
        auto* b = new IToolButton(figure.mode, this);
        b->setFixedSize(scaledPixels(40), scaledPixels(40));
        b->setCheckable(true);
        b->setToolTip(tr(figure.tip));
        b->setIcon(QIcon(QString::fromLatin1(figure.icon)));
        b->setIconSize(QSize(scaledPixels(32), scaledPixels(32)));
        connect(b, &IToolButton::sgButtonClick, this, &IFigureFrame::slButtonClick);
        m_group->addButton(b);
        column->addWidget(b, 0, Qt::AlignHCenter);
        m_buttons << b;
    }
    adjustSize();
}

QList<IToolButton*> IFigureFrame::buttons() const
{
    return m_buttons;
}

void IFigureFrame::setCurrentValue(int mode)
{
    // An exclusive group keeps one button checked unless told otherwise.
    m_group->setExclusive(false);
    for (IToolButton* b : m_buttons)
        b->setChecked(b->value().toInt() == mode);
    m_group->setExclusive(true);
}

void IFigureFrame::slButtonClick(bool checked, QVariant value)
{
    Q_UNUSED(checked)
    const int mode = value.toInt();
    setCurrentValue(mode);
    for (const Figure& figure : kFigures) {
        if (figure.mode == mode)
            (IBoardService::instance()->*figure.select)();
    }
}

void IFigureFrame::showEvent(QShowEvent* event)
{
    const IBoard* board = IBoardService::instance()->board();
    setCurrentValue(board ? board->currentModeType() : TK_IBOARD_ENUM::NoneMode);
    ICustomWidget::showEvent(event);
}

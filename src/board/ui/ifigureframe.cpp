// Figure picker.
#include "board/ui/ifigureframe.h"

#include "board/iboard.h"
#include "board/tk_iboard_enum.h"
#include "board/ui/itoolbutton.h"
#include "customui/common/ipanelstyle.h"
#include "iglobals.h"
#include "service/iboardservice.h"

#include <QButtonGroup>
#include <QGridLayout>

#include <iterator>

namespace {

struct Figure
{
    int mode;
    const char* icon;
    const char* tip;
    // The ink figures keep their own service calls; the rest go by number.
    void (IBoardService::*select)() = nullptr;
};

// Drawn with the ink, like the pencil's strokes.
const Figure kInkFigures[] = {
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

const Figure kLines[] = {
    {TK_IBOARD_ENUM::DottedLineMode, ":/figure/figure/fdotline.svg", QT_TRANSLATE_NOOP("IFigureFrame", "Dotted line")},
    {TK_IBOARD_ENUM::EndArrowLineMode, ":/figure/figure/farrow.svg", QT_TRANSLATE_NOOP("IFigureFrame", "Arrow")},
    {TK_IBOARD_ENUM::StartArrowLineMode, ":/figure/figure/freversearrow.svg",
     QT_TRANSLATE_NOOP("IFigureFrame", "Reverse arrow")},
    {TK_IBOARD_ENUM::DoubleArrowLineMode, ":/figure/figure/fdoublearrow.svg",
     QT_TRANSLATE_NOOP("IFigureFrame", "Double arrow")},
    {TK_IBOARD_ENUM::WaveLineMode, ":/figure/figure/fwaveline.svg", QT_TRANSLATE_NOOP("IFigureFrame", "Wave line")},
};

const Figure kFlatShapes[] = {
    {TK_IBOARD_ENUM::ParallelogramMode, ":/figure/figure/fparallelogram.svg",
     QT_TRANSLATE_NOOP("IFigureFrame", "Parallelogram")},
    {TK_IBOARD_ENUM::RegularTriangleMode, ":/figure/figure/fequilateral.svg",
     QT_TRANSLATE_NOOP("IFigureFrame", "Equilateral triangle")},
    {TK_IBOARD_ENUM::PentagonMode, ":/figure/figure/fpentagon.svg", QT_TRANSLATE_NOOP("IFigureFrame", "Pentagon")},
    {TK_IBOARD_ENUM::HexagonMode, ":/figure/figure/fhexagon.svg", QT_TRANSLATE_NOOP("IFigureFrame", "Hexagon")},
    {TK_IBOARD_ENUM::OctagonMode, ":/figure/figure/foctagon.svg", QT_TRANSLATE_NOOP("IFigureFrame", "Octagon")},
    {TK_IBOARD_ENUM::StarMode, ":/figure/figure/fstar.svg", QT_TRANSLATE_NOOP("IFigureFrame", "Star")},
};

const Figure kSolids[] = {
    {TK_IBOARD_ENUM::CubeMode, ":/figure/figure/fcube.svg", QT_TRANSLATE_NOOP("IFigureFrame", "Cube")},
    {TK_IBOARD_ENUM::ConeMode, ":/figure/figure/fcone.svg", QT_TRANSLATE_NOOP("IFigureFrame", "Cone")},
    {TK_IBOARD_ENUM::CylinderMode, ":/figure/figure/fcylinder.svg", QT_TRANSLATE_NOOP("IFigureFrame", "Cylinder")},
    {TK_IBOARD_ENUM::DihedralMode, ":/figure/figure/fdihedral.svg",
     QT_TRANSLATE_NOOP("IFigureFrame", "Dihedral angle")},
    {TK_IBOARD_ENUM::HemisphereMode, ":/figure/figure/fhemisphere.svg",
     QT_TRANSLATE_NOOP("IFigureFrame", "Hemisphere")},
    {TK_IBOARD_ENUM::TriangularPyramidMode, ":/figure/figure/fpyramid.svg",
     QT_TRANSLATE_NOOP("IFigureFrame", "Triangular pyramid")},
    {TK_IBOARD_ENUM::BallMode, ":/figure/figure/fball.svg", QT_TRANSLATE_NOOP("IFigureFrame", "Ball")},
};

struct Row
{
    const Figure* begin;
    const Figure* end;
};

const Row kRows[] = {
    {std::begin(kInkFigures), std::end(kInkFigures)},
    {std::begin(kLines), std::end(kLines)},
    {std::begin(kFlatShapes), std::end(kFlatShapes)},
    {std::begin(kSolids), std::end(kSolids)},
};

const Figure* figureOf(int mode)
{
    for (const Row& row : kRows) {
        for (const Figure* f = row.begin; f != row.end; ++f) {
            if (f->mode == mode)
                return f;
        }
    }
    return nullptr;
}

} // namespace

IFigureFrame::IFigureFrame(QWidget* parent)
    : ICustomWidget(parent)
{
    setAttribute(Qt::WA_StyledBackground, true);
    setStyleSheet(IPanelStyle::sheet(QStringLiteral("IFigureFrame")));

    // One row per family, left-aligned on a shared grid so the columns line up.
    auto* grid = new QGridLayout(this);
    const int margin = scaledPixels(10);
    grid->setContentsMargins(margin, margin, margin, margin);
    grid->setSpacing(scaledPixels(4));
    grid->setSizeConstraint(QLayout::SetFixedSize);
    m_group = new QButtonGroup(this);
    m_group->setExclusive(true);
    int rowIndex = 0;
    for (const Row& row : kRows) {
        int column = 0;
        for (const Figure* figure = row.begin; figure != row.end; ++figure) {
            auto* b = new IToolButton(figure->mode, this);
            b->setFixedSize(scaledPixels(40), scaledPixels(40));
            b->setCheckable(true);
            b->setToolTip(tr(figure->tip));
            b->setIcon(QIcon(QString::fromLatin1(figure->icon)));
            b->setIconSize(QSize(scaledPixels(32), scaledPixels(32)));
            connect(b, &IToolButton::sgButtonClick, this, &IFigureFrame::slButtonClick);
            m_group->addButton(b);
            grid->addWidget(b, rowIndex, column++);
            m_buttons << b;
        }
        ++rowIndex;
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
    const Figure* figure = figureOf(mode);
    if (!figure)
        return;
    setCurrentValue(mode);
    if (figure->select)
        (IBoardService::instance()->*figure->select)();
    else
        IBoardService::instance()->selectFigureMode(mode);
}

void IFigureFrame::showEvent(QShowEvent* event)
{
    const IBoard* board = IBoardService::instance()->board();
    setCurrentValue(board ? board->currentModeType() : TK_IBOARD_ENUM::NoneMode);
    ICustomWidget::showEvent(event);
}

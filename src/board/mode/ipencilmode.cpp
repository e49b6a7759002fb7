// The ink pencil.
#include "board/mode/ipencilmode.h"

#include "board/iboard.h"
#include "board/iboardstate.h"
#include "board/icursorrecolor.h"
#include "board/islide.h"
#include "board/item/iinkelement.h"
#include "board/item/iinkproxy.h"
#include "board/item/ipolygoninkelement.h"
#include "board/mode/deviceinput.h"

#include <QPainterPath>

#include <utility>

IPencilMode::~IPencilMode()
{
    dropStrokes();
}

void IPencilMode::devicePress(DeviceInput& input)
{
    const int device = input.deviceNumber();
    if (m_strokes.contains(device))
        return;
    IMode::devicePress(input);
    // An observer of the relay may have cancelled the pencil meanwhile.
    if (!m_activeDevices.contains(device) || !m_board || !m_board->currentSlide())
        return;
    beginStroke(scenePoint(input), device);
}

void IPencilMode::deviceMove(DeviceInput& input)
{
    if (!m_strokes.contains(input.deviceNumber()))
        return;
    IMode::deviceMove(input);
    addSegment(input);
}

void IPencilMode::deviceRelease(DeviceInput& input)
{
    const int device = input.deviceNumber();
    if (!m_strokes.contains(device))
        return;
    IMode::deviceRelease(input);
    if (!m_strokes.contains(device))
        return;
    // The release usually comes where the last move went; when it does not,
    // the stroke still reaches the point where the pointer came up.
    addSegment(input);
    Stroke stroke = m_strokes.take(device);
    updateDrawingFlag();
    // A slide deleted mid-stroke took the segments with it.
    if (!stroke.slide || stroke.segments.isEmpty())
        return;
    auto* element = new IInkElement;
    element->setWidth(strokeWidth());
    element->setStyle(0);
    for (IPolygonInkElement* segment : stroke.proxy->segments())
        element->addToGroup(segment);
    stroke.proxy->setGroup(element);
    stroke.slide->addElement(element, false);
}

void IPencilMode::activate()
{
    updateCursor(inkColor());
}

void IPencilMode::deactivate()
{
    dropStrokes();
    IInkBaseMode::deactivate();
    // The arrow is up now; the next activation puts the pencil back.
    m_cursorColor = QColor();
}

void IPencilMode::cancel()
{
    dropStrokes();
    IInkBaseMode::cancel();
}

void IPencilMode::beginStroke(const QPointF& point, int device)
{
    Stroke stroke;
    stroke.lastPoint = point;
    stroke.slide = m_board ? m_board->currentSlide() : nullptr;
    m_strokes.insert(device, stroke);
    updateDrawingFlag();
    extend(m_strokes[device], point);
}

void IPencilMode::addSegment(DeviceInput& input)
{
    const auto found = m_strokes.find(input.deviceNumber());
    if (found == m_strokes.end())
        return;
    const QPointF point = scenePoint(input);
    if (point == found->lastPoint)
        return;
    extend(*found, point);
}

void IPencilMode::extend(Stroke& stroke, const QPointF& point)
{
    if (!stroke.slide)
        return;
    const double width = strokeWidth();
    const QColor color = inkColor();
    if (stroke.lastWidth < 0)
        stroke.lastWidth = width;
    auto* segment = new IPolygonInkElement(QLineF(stroke.lastPoint, point), width);
    segment->setZValue(kSegmentZ);
    applyInkColor(segment, color);
    if (segment->isTranslucent()) {
        // Where the stroke already lies, a second translucent layer would
        // show as a darker patch.
        const QRectF bounds = segment->polygon().boundingRect();
        QPainterPath outline;
        outline.addPolygon(segment->polygon());
        bool cut = false;
        for (const IPolygonInkElement* earlier : qAsConst(stroke.segments)) {
            if (!earlier->polygon().boundingRect().intersects(bounds))
                continue;
            QPainterPath covered;
            covered.addPolygon(earlier->polygon());
            outline = outline.subtracted(covered);
            cut = true;
        }
        if (cut)
            segment->setPolygon(outline.toFillPolygon());
    }
    stroke.slide->addItem(segment);
    if (!stroke.proxy)
        stroke.proxy = new IInkProxy;
    segment->setProxy(stroke.proxy);
    stroke.segments.append(segment);
    stroke.lastPoint = point;
    stroke.lastWidth = width;
    if (color != m_cursorColor)
        updateCursor(color);
}

void IPencilMode::dropStrokes()
{
    const QMap<int, Stroke> strokes = std::exchange(m_strokes, {});
    for (const Stroke& stroke : strokes) {
        // Gone with its slide otherwise.
        if (stroke.slide)
            qDeleteAll(stroke.segments);
    }
    if (!strokes.isEmpty())
        updateDrawingFlag();
}

void IPencilMode::updateDrawingFlag()
{
    if (IBoardState* state = boardState())
        state->setDrawing(!m_strokes.isEmpty());
}

void IPencilMode::updateCursor(const QColor& color)
{
    m_cursorColor = color;
    setCursor(ICursorRecolor::pencilCursor(color));
    if (m_board)
        m_board->setBoardCursor(m_cursor);
}

double IPencilMode::strokeWidth() const
{
    // Divided by the zoom so that a stroke keeps its width on the screen.
    const IBoardState* state = boardState();
    return (state ? state->inkThickness() : 1.0) / viewScale();
}

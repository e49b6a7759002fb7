// Typing text that becomes ink.
#include "board/path/itextpathmode.h"

#include "board/iboard.h"
#include "board/iboardstate.h"
#include "board/islide.h"
#include "board/item/iabstractframe.h"
#include "board/mode/deviceinput.h"
#include "board/path/ipathclip.h"
#include "board/path/itextpathelement.h"

#include <QFont>
#include <QStringList>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

namespace {

// How wide the editor lets a line grow before it wraps.
constexpr double kEditorTextWidth = 500;
// Text being typed shows above everything the slide holds.
constexpr double kEditorZ = 10000000.0;

} // namespace

ITextPathMode::~ITextPathMode()
{
    // A slide still showing it owns it; one taken off every slide is ours.
    if (m_editor && !m_editor->scene())
        delete m_editor.data();
}

ITextElement* ITextPathMode::makeEditor()
{
    auto* editor = new ITextElement();
    editor->setFontFamily(QStringLiteral("Arial"));
    editor->setPointSize(24);
    editor->setZValue(kEditorZ);
    editor->hide();
    return editor;
}

void ITextPathMode::activate()
{
    setCursor(QCursor(Qt::IBeamCursor));
    if (m_board)
        m_board->setBoardCursor(cursor());
}

void ITextPathMode::deactivate()
{
    m_pressed = false;
    commit();
    closeEditor();
    if (m_board) {
        if (QGraphicsItem* textFrame = m_board->sceneElementFrame()) {
            // A hidden frame still holding the put-away editor would answer for it.
            auto* frame = dynamic_cast<IAbstractFrame*>(textFrame);
            if (frame && m_editor && frame->items().contains(m_editor))
                frame->clearSelection(true);
            textFrame->hide();
        }
        m_board->setBoardCursor(QCursor(Qt::ArrowCursor));
    }
    IMode::deactivate();
}

void ITextPathMode::cancel()
{
    if (m_pressed) {
        m_pressed = false;
        if (IBoardState* state = boardState())
            state->setDrawing(false);
    }
    IMode::cancel();
}

void ITextPathMode::devicePress(DeviceInput& input)
{
    IMode::devicePress(input);
    if (!m_activeDevices.contains(input.deviceNumber()) || m_pressed)
        return;
    if (IBoardState* state = boardState())
        state->setDrawing(true);
    commit();
    m_pressed = true;
}

void ITextPathMode::deviceRelease(DeviceInput& input)
{
    IMode::deviceRelease(input);
    if (!m_pressed)
        return;
    m_pressed = false;
    if (IBoardState* state = boardState())
        state->setDrawing(false);
    openEditor(scenePoint(input));
}

void ITextPathMode::openEditor(const QPointF& scenePos)
{
    ISlide* slide = m_board ? m_board->currentSlide() : nullptr;
    if (!slide)
        return;
    if (!m_editor)
        m_editor = makeEditor();
    // Into the scene only, past the slide's element list: nothing lists,
    // saves, erases or hears of it.
    if (m_editor->scene() != slide) {
        if (m_editor->scene())
            m_editor->scene()->removeItem(m_editor);
        slide->addItem(m_editor);
    }
    if (IBoardState* state = boardState()) {
        QColor ink = state->inkColor();
        ink.setAlpha(state->inkOpacity());
        m_editor->setDefaultTextColor(ink);
    }
    // As the text tool sets up a new box; it only colours a selection.
    m_editor->setTextColor(QColor(0, 0, 0, 0));
    m_editor->setPos(scenePos);
    m_editor->setTextWidth(kEditorTextWidth);
    m_editor->setPlainText(QString());
    m_editor->show();
    m_editor->setEditable(true);
    slide->clearSelection();
    m_editor->setSelected(true);
    // Framing it may take the focus from it for a moment, which must not end
    // the typing it is opened for.
    m_editor->setEndEditEnabled(false);
    m_board->showFrameFor({m_editor});
    m_editor->setEndEditEnabled(true);
    // The keys go to the view, which hands them to the scene's focus item.
    m_board->setFocus(Qt::MouseFocusReason);
    m_editor->setFocus(Qt::MouseFocusReason);
}

void ITextPathMode::closeEditor()
{
    if (!m_editor)
        return;
    // Losing the focus ends the typing; one without the focus ends it here.
    m_editor->clearFocus();
    if (m_editor->isEditing())
        m_editor->finishEditing();
    m_editor->hide();
}

ITextPathElement* ITextPathMode::commit()
{
    if (!m_editor)
        return nullptr;
    const QString typed = shownLines(m_editor);
    // Emptied at once, so that no later commit puts the same text down twice.
    const QPointF origin = firstBaseline(m_editor);
    const QFont font = m_editor->font();
    m_editor->setPlainText(QString());
    // Onto the slide it was typed on, even when the board shows another by now.
    auto* slide = qobject_cast<ISlide*>(m_editor->scene());
    if (typed.trimmed().isEmpty() || !slide)
        return nullptr;

    auto* element = new ITextPathElement();
    element->setOrigin(origin);
    element->show();
    if (const IBoardState* state = boardState()) {
        element->setAlpha(state->inkOpacity());
        element->setColor(state->inkColor());
    }
    element->setFont(font);
    element->setText(typed);
    // Ink only covers what the board showed, typed or drawn.
    if (IPathClip::keepOnly(element, IPathClip::visibleRegion(m_board, element))) {
        delete element;
        return nullptr;
    }
    slide->addElement(element);
    return element;
}

QString ITextPathMode::shownLines(const QGraphicsTextItem* editor)
{
    QTextDocument* document = editor->document();
    // Lays the whole text out, hidden or not.
    document->size();
    QStringList lines;
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        const QString text = block.text();
        const QTextLayout* layout = block.layout();
        const int count = layout ? layout->lineCount() : 0;
        if (count == 0) {
            lines << text;
            continue;
        }
        for (int i = 0; i < count; ++i) {
            const QTextLine line = layout->lineAt(i);
            QString part = text.mid(line.textStart(), line.textLength());
            // The blank or break the line was wrapped at is not shown.
            part.remove(QChar::LineSeparator);
            if (i + 1 < count) {
                while (part.endsWith(QLatin1Char(' ')))
                    part.chop(1);
            }
            lines << part.replace(QChar::Nbsp, QLatin1Char(' '));
        }
    }
    return lines.join(QLatin1Char('\n'));
}

QPointF ITextPathMode::firstBaseline(const QGraphicsTextItem* editor)
{
    QTextDocument* document = editor->document();
    document->size();
    const QTextBlock first = document->begin();
    const QTextLayout* layout = first.isValid() ? first.layout() : nullptr;
    if (!layout || layout->lineCount() == 0)
        return editor->mapToScene(QPointF(document->documentMargin(), document->documentMargin()));
    const QTextLine line = layout->lineAt(0);
    return editor->mapToScene(layout->position() + QPointF(line.x(), line.y() + line.ascent()));
}

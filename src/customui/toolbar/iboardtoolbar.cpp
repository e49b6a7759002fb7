// The annotation toolbar.
#include "customui/toolbar/iboardtoolbar.h"

#include <QGraphicsOpacityEffect>
#include <QUndoGroup>

namespace {
const char* const kIcons = ":/boardtoolbar/boardtoolbar/";
}

IBoardToolBar::IBoardToolBar(QWidget* mainWindow, QWidget* parent)
    : IToolBar(mainWindow, Qt::Vertical, parent)
{
    const QString icons = QString::fromLatin1(kIcons);
    addButton(Move, tr("Move"), icons + "move");
    addButton(Pencil, tr("Pencil"), icons + "pencil");
    addButton(Thickness, tr("Thickness"), icons + "thickness");
    addButton(Color, tr("Color"), icons + "color");
    addButton(Transparency, tr("Transparency"), icons + "transparency");
    addButton(Text, tr("Text"), icons + "text");
    addButton(Shape, tr("Shape"), icons + "shape");
    addButton(Eraser, tr("Eraser"), icons + "eraser");
    addSeparator();
    addButton(Undo, tr("Undo"), icons + "undo");
    addButton(Redo, tr("Redo"), icons + "redo");
    addButton(Clear, tr("Clear"), icons + "clear");
    addButton(Home, tr("Home"), icons + "home");
    addButton(Desktop, tr("Desktop"), icons + "desktop");
    addStretch();

    // The board is in exactly one input mode; its tool shows as pressed.
    makeExclusive({Move, Pencil, Text, Eraser});
    resetSelection();

    // Desktop gets the presenter to the desktop: the window goes to the
    // task bar. The click is still reported so that pop-ups close.
    connect(this, &IToolBar::sgButtonClick, this, [this](bool, const QVariant& id) {
        if (id.toInt() == Desktop && this->mainWindow())
            this->mainWindow()->showMinimized();
    });
}

void IBoardToolBar::resetSelection()
{
    setButtonChecked(Move, true);
}

void IBoardToolBar::followHistory(QUndoGroup* history)
{
    const auto enable = [this](int id, bool can) {
        setButtonEnabled(id, can);
        // Without its label (a small screen) the icon alone shows the state.
        if (QWidget* b = button(id)) {
            QGraphicsOpacityEffect* dim = nullptr;
            if (!can) {
                dim = new QGraphicsOpacityEffect(b);
                dim->setOpacity(0.4);
            }
            b->setGraphicsEffect(dim);
        }
    };
    enable(Undo, history->canUndo());
    enable(Redo, history->canRedo());
    connect(history, &QUndoGroup::canUndoChanged, this, [enable](bool can) { enable(Undo, can); });
    connect(history, &QUndoGroup::canRedoChanged, this, [enable](bool can) { enable(Redo, can); });
}

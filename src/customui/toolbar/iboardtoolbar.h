// The annotation toolbar: drawing tools, their panels, and the way back.
#pragma once

#include "customui/toolbar/itoolbar.h"

class QUndoGroup;

class IBoardToolBar : public IToolBar
{
    Q_OBJECT
public:
    enum ButtonId {
        Move = 0,
        Pencil = 1,
        Thickness = 2,
        Color = 3,
        Transparency = 4,
        Text = 5,
        Shape = 6,
        Eraser = 7,
        Clear = 8,
        Home = 9,
        Desktop = 10,
        Undo = 11,
        Redo = 12,
    };

    explicit IBoardToolBar(QWidget* mainWindow, QWidget* parent = nullptr);

    // Back to the selection tool, as when annotation is left.
    void resetSelection();
    // Undo and Redo are enabled while the current slide has a step to take.
    void followHistory(QUndoGroup* history);
};

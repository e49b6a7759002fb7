// The right-hand toolbar: view commands and the way into annotation.
#pragma once

#include "customui/toolbar/itoolbar.h"

class IRightToolBar : public IToolBar
{
    Q_OBJECT
public:
    enum ButtonId { Board = 0, Magnifier = 1, ZoomIn = 2, ZoomOut = 3, Rotate = 4, SelfAdapting = 5 };

    explicit IRightToolBar(QWidget* mainWindow, QWidget* parent = nullptr);
};

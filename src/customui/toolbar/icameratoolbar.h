// The bottom toolbar: camera, picture, capture and output commands.
#pragma once

#include "customui/toolbar/itoolbar.h"

class ICameraToolBar : public IToolBar
{
    Q_OBJECT
public:
    enum ButtonId {
        FocusExposure = 0,
        Magnifier = 1,
        Resolution = 2,
        ZoomIn = 3,
        ZoomOut = 4,
        Rotate = 5,
        Freeze = 6,
        ColorAdjusting = 7,
        SelfAdapting = 8,
        AutoEdge = 9,
        Snap = 10,
        PhotoMode = 11,
        VideoRecording = 12,
        Ocr = 13,
        Pdf = 14,
        Camera = 15,
        PictureInPicture = 16,
        SplitScreen = 17,
    };

    explicit ICameraToolBar(QWidget* mainWindow, QWidget* parent = nullptr);
};

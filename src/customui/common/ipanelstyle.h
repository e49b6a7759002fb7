// The dark face the capture panels share with the toolbars.
#pragma once

#include <QString>

class QAbstractButton;

class IPanelStyle
{
public:
    // A style sheet for a panel matched by `selector` (its class name, or
    // "QWidget#name"): dark background, light labels, line edits and push
    // buttons that light up orange; sizes follow the screen scale.
    static QString sheet(const QString& selector);
    // Added to sheet() by panels with sliders, check and radio buttons,
    // combo boxes or checkable tool buttons: the same colours for those.
    static QString controlsSheet();
    // A choice in a pop-up list (capture modes, resolutions): large bold
    // text, checkable, pointing hand, no keyboard focus.
    static void makeListChoice(QAbstractButton* button);
};

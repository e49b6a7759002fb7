// The right-hand toolbar.
#include "customui/toolbar/irighttoolbar.h"

namespace {
const char* const kIcons = ":/righttoolbar/righttoolbar/";
}

IRightToolBar::IRightToolBar(QWidget* mainWindow, QWidget* parent)
    : IToolBar(mainWindow, Qt::Vertical, parent)
{
    const QString icons = QString::fromLatin1(kIcons);
    addButton(Board, tr("Board"), icons + "board");
    addSeparator();
    addButton(Magnifier, tr("Magnifier"), icons + "magnifier", true);
    addButton(ZoomIn, tr("Zoom-in"), icons + "zoomin");
    addButton(ZoomOut, tr("Zoom-out"), icons + "zoomout");
    addButton(Rotate, tr("Rotate"), icons + "rotate");
    addButton(SelfAdapting, tr("Self-adapting"), icons + "selfadapting");
    addStretch();
}

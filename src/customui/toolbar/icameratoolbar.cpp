// The bottom toolbar.
#include "customui/toolbar/icameratoolbar.h"

#include <QKeySequence>

namespace {
const char* const kIcons = ":/cameratoolbar/cameratoolbar/";
}

ICameraToolBar::ICameraToolBar(QWidget* mainWindow, QWidget* parent)
    : IToolBar(mainWindow, Qt::Horizontal, parent)
{
    const QString icons = QString::fromLatin1(kIcons);
    addStretch();
    addButton(FocusExposure, tr("Focus and Exposure"), icons + "focus");
    addButton(Magnifier, tr("Magnifier"), icons + "magnifier", true);
    addButton(Resolution, tr("Resolution"), icons + "resolution");
    addButton(ZoomIn, tr("Zoom-in"), icons + "zoomin")->setShortcut(QKeySequence(Qt::Key_Plus));
    addButton(ZoomOut, tr("Zoom-out"), icons + "zoomout")->setShortcut(QKeySequence(Qt::Key_Minus));
    addButton(Rotate, tr("Rotate"), icons + "rotate");
    addButton(Freeze, tr("Freeze"), icons + "freeze", true);
    addButton(ColorAdjusting, tr("Color-adjusting"), icons + "coloradjusting");
    addButton(SelfAdapting, tr("Self-adapting"), icons + "selfadapting");
    addButton(AutoEdge, tr("Automatic edging"), icons + "autoedge", true);
    addSeparator();
    addButton(Camera, tr("Camera"), icons + "camera");
    addButton(PictureInPicture, tr("Picture-in-picture"), icons + "pip", true);
    addButton(SplitScreen, tr("Split-screen"), icons + "split", true);
    addSeparator();
    addButton(Snap, tr("Snap"), icons + "snap")->setShortcut(QKeySequence(Qt::Key_Space));
    addButton(PhotoMode, tr("Photo-mode"), icons + "photomode");
    addButton(VideoRecording, tr("Video-Recording"), icons + "video");
    addButton(Ocr, tr("OCR"), icons + "ocr");
    addButton(Pdf, tr("PDF"), icons + "pdf");
    addStretch();
}

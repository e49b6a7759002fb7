// One captured picture on its way to a file: the picture, the annotations over it and how to cut it.
#pragma once

#include "opencv/icompressedpicture.h"
#include "opencv/ifilterkind.h"

#include <QImage>
#include <QMetaType>
#include <QPolygonF>
#include <QRect>
#include <QString>

// A plain value: copied into the save thread's queue and never shared.
struct ICaptureJob
{
    QImage picture;
    // When the picture is null: the camera's frame, decoded in full through
    // the filter kind by the save thread.
    ICompressedPicture compressed;
    int filterKind = FilterNone;
    // Same size as the picture, transparent where nothing is drawn.
    QImage overlay;
    // Picture size over the size the board shows it at, per axis.
    double scaleX = 1.0;
    double scaleY = 1.0;
    // Degrees, clockwise on screen, as the board view is turned.
    int rotation = 0;
    // The folder the picture is written to. A job without one, unless it
    // feeds a timelapse, is reported as failed rather than dropped.
    QString targetFolder;
    // The picture goes back to the caller as a timelapse frame, full size,
    // and no file is written; the target folder is not used.
    bool timelapse = false;
    // The photo format in force when the picture was taken; filled in by
    // the save thread's addCaptureJob, on the caller's thread.
    QString format;
    // Decodes `compressed` into `picture` when there is no picture yet; on
    // the thread that cuts or saves, never the GUI thread.
    void decodeCompressed()
    {
        if (picture.isNull() && !compressed.isNull())
            picture = compressed.decode(filterKind);
        compressed = ICompressedPicture();
    }

    // Picture pixels; a null rectangle means no crop.
    QRect cropRect;
    // The detector's outline; -1 means no outline and nothing is straightened.
    double edgeAngle = -1.0;
    QPolygonF edgePolygon;
};

Q_DECLARE_METATYPE(ICaptureJob)

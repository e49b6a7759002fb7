// A camera frame kept as the camera sent it (MJPG), with the outline found
// in it: decoded in full only when a capture needs it, on the thread that
// needs it, so that a live view decoding at reduced size loses no
// resolution in what is captured.
#pragma once

#include "opencv/iedgeresult.h"

#include <QByteArray>
#include <QImage>
#include <QMetaType>
#include <QSize>

#include <opencv2/core/mat.hpp>

struct ICompressedPicture
{
    QByteArray jpeg;
    // The full picture's size.
    QSize size;
    // In full-size pixels; drawn into the decoded picture as the live view
    // draws it, so that a capture looks the same whichever way it was
    // decoded. Empty when edging was off.
    IEdgeResult outline;

    bool isNull() const { return jpeg.isEmpty(); }
    // The full picture through a filter kind; null when the bytes do not
    // decode to the promised size.
    QImage decode(int filterKind) const;

    // Decodes MJPG bytes reduced by 1, 2, 4 or 8 in each direction (libjpeg
    // decodes the smaller sizes in a fraction of the time); empty when they
    // do not decode.
    static cv::Mat decodeMat(const QByteArray& jpeg, int reduction = 1);
};

Q_DECLARE_METATYPE(ICompressedPicture)

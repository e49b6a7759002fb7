// A page outline kept for a series of pictures: its four corners, and the perspective cut that straightens the page.
#pragma once

#include <QImage>
#include <QPolygonF>
#include <QSize>

// A plain value: the capture road copies it onto the thread that cuts.
class IPageOutline
{
public:
    IPageOutline() = default;
    // `corners` top-left, top-right, bottom-right, bottom-left as seen, in
    // pixels of a picture of `pictureSize` (pixel centres on whole numbers).
    IPageOutline(const QPolygonF& corners, const QSize& pictureSize);

    // The page in `picture`, found by its edges (see
    // IOpencvApi::cvPageCorners). When none is found, a frame a tenth inside
    // the picture's edges for the user to drag onto the page, and `found`
    // false. Invalid for a null picture.
    static IPageOutline find(const QImage& picture, bool* found = nullptr);

    // Four corners in order making a convex quadrilateral with sides of a
    // few pixels at least: a crossed or folded one cuts out no page.
    bool isValid() const;
    QPolygonF corners() const { return m_corners; }
    QSize pictureSize() const { return m_pictureSize; }

    // The upright page's size from the side lengths: the mean of the top
    // and bottom sides by the mean of the left and right ones, each rounded
    // to an even number, which a video needs. For pictures of `pictureSize`;
    // others scale it with them.
    QSize uprightSize(const QSize& pictureSize) const;

    // The page cut out of `picture` and straightened onto an upright picture
    // of `size`, its corners on the result's corners. A picture of another
    // size than the outline's is the same view at another resolution. Null
    // when the outline is invalid or the picture unreadable.
    QImage straighten(const QImage& picture, const QSize& size) const;

private:
    QPolygonF m_corners;
    QSize m_pictureSize;
};

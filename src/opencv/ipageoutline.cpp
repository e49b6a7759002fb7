// A page outline kept for a series of pictures.
#include "opencv/ipageoutline.h"

#include "opencv/iopencvapi.h"

#include <QLineF>

#include <opencv2/imgproc.hpp>

#include <cmath>

namespace {

// Below this a side is a slip of the hand, not a page.
const double kShortestSide = 8.0;

int evenAtLeast(double length, int least)
{
    return std::max(least, 2 * int(std::lround(length / 2.0)));
}

} // namespace

IPageOutline::IPageOutline(const QPolygonF& corners, const QSize& pictureSize)
    : m_corners(corners)
    , m_pictureSize(pictureSize)
{
}

IPageOutline IPageOutline::find(const QImage& picture, bool* found)
{
    if (found)
        *found = false;
    if (picture.isNull())
        return IPageOutline();
    QImage source = picture;
    if (source.format() != QImage::Format_RGB888 && source.format() != QImage::Format_RGB32
        && source.format() != QImage::Format_ARGB32 && !(source.format() == QImage::Format_Indexed8 && source.isGrayscale()))
        source = source.convertToFormat(QImage::Format_RGB32);
    const QPolygonF corners = IOpencvApi::cvPageCorners(IOpencvApi::cvImage2Mat(source));
    if (corners.size() == 4) {
        if (found)
            *found = true;
        return IPageOutline(corners, picture.size());
    }
    const QRectF inside = QRectF(picture.rect()).adjusted(picture.width() / 10.0, picture.height() / 10.0,
                                                          -picture.width() / 10.0, -picture.height() / 10.0);
    return IPageOutline(QPolygonF() << inside.topLeft() << inside.topRight() << inside.bottomRight()
                                    << inside.bottomLeft(),
                        picture.size());
}

bool IPageOutline::isValid() const
{
    if (m_corners.size() != 4 || m_pictureSize.isEmpty())
        return false;
    for (int i = 0; i < 4; ++i) {
        const QPointF a = m_corners[i], b = m_corners[(i + 1) % 4], c = m_corners[(i + 2) % 4];
        if (QLineF(a, b).length() < kShortestSide)
            return false;
        // Clockwise on screen (y down) turns right at every corner.
        const double turn = (b.x() - a.x()) * (c.y() - b.y()) - (b.y() - a.y()) * (c.x() - b.x());
        if (turn <= 0.0)
            return false;
    }
    return true;
}

QSize IPageOutline::uprightSize(const QSize& pictureSize) const
{
    if (!isValid() || pictureSize.isEmpty())
        return QSize();
    const double sx = double(pictureSize.width()) / m_pictureSize.width();
    const double sy = double(pictureSize.height()) / m_pictureSize.height();
    auto side = [&](int from, int to) {
        const QPointF d = m_corners[to] - m_corners[from];
        return std::hypot(d.x() * sx, d.y() * sy);
    };
    return QSize(evenAtLeast((side(0, 1) + side(3, 2)) / 2.0, 2), evenAtLeast((side(0, 3) + side(1, 2)) / 2.0, 2));
}

QImage IPageOutline::straighten(const QImage& picture, const QSize& size) const
{
    if (!isValid() || picture.isNull() || size.isEmpty())
        return QImage();
    QImage source = picture;
    switch (source.format()) {
    case QImage::Format_RGB32:
    case QImage::Format_ARGB32:
    case QImage::Format_ARGB32_Premultiplied:
    case QImage::Format_RGB888:
        break;
    case QImage::Format_Indexed8:
        if (source.isGrayscale())
            break;
        source = source.convertToFormat(QImage::Format_RGB32);
        break;
    default:
        source = source.convertToFormat(QImage::Format_ARGB32);
    }
    const cv::Mat whole = IOpencvApi::cvImage2Mat(source);
    if (whole.empty())
        return QImage();

    // The outline's picture and this one show the same view: corners scale
    // with the pixels, their centres kept.
    const double sx = double(picture.width()) / m_pictureSize.width();
    const double sy = double(picture.height()) / m_pictureSize.height();
    cv::Point2f from[4];
    for (int i = 0; i < 4; ++i)
        from[i] = cv::Point2f(float((m_corners[i].x() + 0.5) * sx - 0.5), float((m_corners[i].y() + 0.5) * sy - 0.5));
    // The page's edges on the result's outer pixel edges.
    const float w = float(size.width()) - 0.5f, h = float(size.height()) - 0.5f;
    const cv::Point2f to[4] = {{-0.5f, -0.5f}, {w, -0.5f}, {w, h}, {-0.5f, h}};
    cv::Mat page;
    cv::warpPerspective(whole, page, cv::getPerspectiveTransform(from, to), cv::Size(size.width(), size.height()),
                        cv::INTER_LINEAR, cv::BORDER_REPLICATE);
    return IOpencvApi::cvMat2Image(page);
}

// Picture/matrix conversions, picture filters and the document edge detector.
#include "opencv/iopencvapi.h"

#include <QDebug>
#include <QVector>

#include <opencv2/core/utility.hpp>
#include <opencv2/imgproc.hpp>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

namespace IOpencvApi {

namespace {

const QVector<QRgb>& greyColorTable()
{
    static const QVector<QRgb> table = [] {
        QVector<QRgb> colors(256);
        for (int i = 0; i < 256; ++i)
            colors[i] = qRgb(i, i, i);
        return colors;
    }();
    return table;
}

bool isFilterInput(const cv::Mat& frame)
{
    const int channels = frame.channels();
    return !frame.empty() && frame.depth() == CV_8U
        && (channels == 1 || channels == 3 || channels == 4);
}

// Grey of an accepted filter input. Capture sources hand in their bytes in
// their own order; the filters weigh the first byte as red whatever it holds.
cv::Mat toGray(const cv::Mat& frame)
{
    if (!isFilterInput(frame))
        return cv::Mat();
    if (frame.channels() == 1)
        return frame.clone();
    cv::Mat gray;
    cv::cvtColor(frame, gray, cv::COLOR_RGB2GRAY);
    return gray;
}

IEdgeResult blankEdgeResult(const cv::Mat& frame)
{
    IEdgeResult result;
    result.angle = 0.0;
    const double w = frame.cols;
    const double h = frame.rows;
    result.corners << QPointF(0, 0) << QPointF(0, w) << QPointF(h, w) << QPointF(h, 0);
    return result;
}

// Grey, mean adaptive threshold (block 27, constant 0), 3x3 median, two
// erosions and one dilation.
void binarize(const cv::Mat& frame, cv::Mat& gray, cv::Mat& binary)
{
    cv::cvtColor(frame, gray, cv::COLOR_BGR2GRAY);
    // The mean adaptive threshold with constant 0, taken apart: 255 where a
    // pixel is above the (8-bit) mean of its 27x27 block. cv::adaptiveThreshold
    // compares through a lookup table, one pixel at a time, which costs as much
    // as the mean itself; cv::compare does the same in vector registers.
    cv::boxFilter(gray, binary, -1, cv::Size(27, 27), cv::Point(-1, -1), true,
                  cv::BORDER_REPLICATE | cv::BORDER_ISOLATED);
    cv::compare(gray, binary, binary, cv::CMP_GT);
    cv::medianBlur(binary, binary, 3);
    cv::erode(binary, binary, cv::Mat(), cv::Point(-1, -1), 2);
    cv::dilate(binary, binary, cv::Mat(), cv::Point(-1, -1), 1);
}

// How far (in rows) a binarized pixel looks: threshold 13, median 1,
// erosions 2, dilation 1.
constexpr int binarizeReach = 13 + 1 + 2 + 1;

// The outermost pixels count as background (cv::findContours would pad
// outside them instead), so a page that runs off the frame is traced one
// pixel inside its edge.
void clearOuterFrame(cv::Mat& binary)
{
    binary.row(0).setTo(0);
    binary.row(binary.rows - 1).setTo(0);
    binary.col(0).setTo(0);
    binary.col(binary.cols - 1).setTo(0);
}

cv::Point rounded(const cv::Point2f& p)
{
    return cv::Point(cvRound(p.x), cvRound(p.y));
}

void drawBox(cv::Mat& frame, const cv::Point2f (&p)[4], int lineWidth)
{
    const cv::Scalar red(0, 0, 255, 255);
    for (int i = 0; i < 4; ++i)
        cv::line(frame, rounded(p[i]), rounded(p[(i + 1) % 4]), red, lineWidth, cv::LINE_8, 0);
}

// The answer for a frame without a page (see blankEdgeResult): an upright
// box of a detected page never starts with (0, 0), (0, W).
bool isBlankAnswer(const IEdgeResult& edge)
{
    return edge.angle == 0.0 && edge.corners.value(0) == QPointF(0, 0) && edge.corners.value(1).x() == 0.0;
}

} // namespace

QImage cvMat2Image(cv::Mat mat)
{
    switch (mat.type()) {
    case CV_8UC1: {
        QImage image(mat.cols, mat.rows, QImage::Format_Indexed8);
        image.setColorTable(greyColorTable());
        // QImage pads its rows to 4 bytes and the matrix may be a region of a
        // wider one, so the strides differ in general.
        for (int row = 0; row < mat.rows; ++row)
            memcpy(image.scanLine(row), mat.ptr(row), size_t(mat.cols));
        return image;
    }
    case CV_8UC3: {
        // The red-blue exchange written straight into the picture's own rows:
        // one pass instead of a wrap and a swapped copy.
        QImage image(mat.cols, mat.rows, QImage::Format_RGB888);
        if (image.isNull())
            return image;
        cv::Mat pixels(mat.rows, mat.cols, CV_8UC3, image.bits(), size_t(image.bytesPerLine()));
        cv::cvtColor(mat, pixels, cv::COLOR_BGR2RGB);
        return image;
    }
    case CV_8UC4: {
        const QImage view(mat.data, mat.cols, mat.rows, int(mat.step), QImage::Format_RGB32);
        return view.copy();
    }
    default:
        qDebug("ERROR: Mat could not be converted to QImage.");
        return QImage();
    }
}

cv::Mat cvImage2Mat(const QImage& image)
{
    // constBits() so that converting never detaches the caller's picture.
    uchar* bits = const_cast<uchar*>(image.constBits());
    const size_t step = size_t(image.bytesPerLine());
    switch (image.format()) {
    case QImage::Format_Indexed8:
        return cv::Mat(image.height(), image.width(), CV_8UC1, bits, step).clone();
    case QImage::Format_RGB32:
    case QImage::Format_ARGB32:
    case QImage::Format_ARGB32_Premultiplied:
        return cv::Mat(image.height(), image.width(), CV_8UC4, bits, step).clone();
    case QImage::Format_RGB888: {
        const cv::Mat view(image.height(), image.width(), CV_8UC3, bits, step);
        cv::Mat mat;
        cv::cvtColor(view, mat, cv::COLOR_RGB2BGR);
        return mat;
    }
    default:
        return cv::Mat();
    }
}

cv::Mat cvGray(const cv::Mat& frame)
{
    return toGray(frame);
}

cv::Mat cvBlackWhite(const cv::Mat& frame)
{
    cv::Mat gray = toGray(frame);
    if (!gray.empty())
        cv::threshold(gray, gray, 100.0, 255.0, cv::THRESH_BINARY);
    return gray;
}

cv::Mat cvSharpen(const cv::Mat& frame)
{
    const cv::Mat gray = toGray(frame);
    if (gray.empty())
        return gray;
    const cv::Mat kernel = (cv::Mat_<float>(3, 3) << 0, -1, 0, -1, 5, -1, 0, -1, 0);
    cv::Mat sharp;
    cv::filter2D(gray, sharp, -1, kernel, cv::Point(-1, -1), 0.0, cv::BORDER_REFLECT_101);
    return sharp;
}

cv::Mat cvSketch(const cv::Mat& frame)
{
    cv::Mat sketch = toGray(frame);
    if (sketch.empty())
        return sketch;
    cv::medianBlur(sketch, sketch, 7);
    cv::Laplacian(sketch, sketch, CV_8U, 5, 1.0, 0.0, cv::BORDER_REFLECT_101);
    cv::threshold(sketch, sketch, 127.0, 255.0, cv::THRESH_BINARY_INV);
    return sketch;
}

cv::Mat cvRelief(const cv::Mat& frame)
{
    if (!isFilterInput(frame))
        return cv::Mat();
    cv::Mat relief(frame.size(), frame.type(), cv::Scalar::all(128));
    if (frame.rows >= 3 && frame.cols >= 3) {
        // relief(r, c) = frame(r + 1, c + 1) - frame(r, c - 1) + 128, saturated,
        // for every pixel that has both neighbours.
        const cv::Size inner(frame.cols - 2, frame.rows - 2);
        const cv::Mat lowerRight = frame(cv::Rect(cv::Point(2, 2), inner));
        const cv::Mat left = frame(cv::Rect(cv::Point(0, 1), inner));
        cv::Mat out = relief(cv::Rect(cv::Point(1, 1), inner));
        cv::addWeighted(lowerRight, 1.0, left, -1.0, 128.0, out);
    }
    if (relief.channels() == 1)
        return relief;
    return toGray(relief);
}

cv::Mat cvFilter(const cv::Mat& frame, int kind)
{
    switch (kind) {
    case FilterGray:
        return cvGray(frame);
    case FilterBlackWhite:
        return cvBlackWhite(frame);
    case FilterSharpen:
        return cvSharpen(frame);
    case FilterSketch:
        return cvSketch(frame);
    case FilterRelief:
        return cvRelief(frame);
    default:
        return frame;
    }
}

cv::Mat cvDocumentMask(const cv::Mat& frame)
{
    if (frame.empty() || frame.depth() != CV_8U || (frame.channels() != 3 && frame.channels() != 4))
        return cv::Mat();
    // The box mean, the slowest step, uses one core only. Every step is
    // local, so horizontal bands that overlap by the reach of the whole chain
    // give exactly the whole-frame result and can run side by side.
    const int bands = std::max(1, std::min(2 * cv::getNumThreads(), frame.rows / (8 * binarizeReach)));
    if (bands == 1) {
        cv::Mat gray;
        cv::Mat binary;
        binarize(frame, gray, binary);
        return binary;
    }
    cv::Mat binary(frame.size(), CV_8UC1);
    cv::parallel_for_(cv::Range(0, bands), [&](const cv::Range& range) {
        cv::Mat gray;
        cv::Mat band;
        for (int i = range.start; i < range.end; ++i) {
            const int first = frame.rows * i / bands;
            const int last = frame.rows * (i + 1) / bands;
            const int from = std::max(0, first - binarizeReach);
            const int to = std::min(frame.rows, last + binarizeReach);
            binarize(frame.rowRange(from, to), gray, band);
            band.rowRange(first - from, last - from).copyTo(binary.rowRange(first, last));
        }
    });
    return binary;
}

IEdgeResult cvEdgeDetect(cv::Mat& frame, int lineWidth)
{
    cv::Mat binary = cvDocumentMask(frame);
    if (binary.empty())
        return blankEdgeResult(frame);
    clearOuterFrame(binary);

    std::vector<std::vector<cv::Point>> contours;
    cv::findContours(binary, contours, cv::RETR_LIST, cv::CHAIN_APPROX_SIMPLE);
    if (contours.empty())
        return blankEdgeResult(frame);

    // Strictly larger only: among equal bounding areas the first contour wins.
    size_t kept = 0;
    int keptArea = cv::boundingRect(contours[0]).area();
    for (size_t i = 1; i < contours.size(); ++i) {
        const int area = cv::boundingRect(contours[i]).area();
        if (area > keptArea) {
            kept = i;
            keptArea = area;
        }
    }

    const cv::RotatedRect box = cv::minAreaRect(contours[kept]);
    cv::Point2f p[4];
    box.points(p);
    // Corners 1 and 3 lie on one diagonal; the lower of the two moves one row
    // down (corner 3 on a tie).
    if (p[1].y > p[3].y)
        p[1].y += 1.0f;
    else
        p[3].y += 1.0f;

    drawBox(frame, p, lineWidth);

    IEdgeResult result;
    // OpenCV's box angle lies in (0, 90], so this lies in [-90, 0).
    result.angle = -double(box.angle);
    result.corners << QPointF(p[0].x, p[0].y) << QPointF(p[1].x, p[1].y)
                   << QPointF(p[3].x, p[3].y) << QPointF(p[2].x, p[2].y);
    return result;
}

IEdgeResult cvEdgeToFullSize(const IEdgeResult& edge, const cv::Size& reduced, const cv::Size& full)
{
    if (reduced.empty() || reduced == full)
        return edge;
    const double sx = double(full.width) / reduced.width;
    const double sy = double(full.height) / reduced.height;
    IEdgeResult result = edge;
    if (edge.corners.size() != 4 || isBlankAnswer(edge)) {
        // The blank-frame answer names the frame's own size.
        for (QPointF& corner : result.corners)
            corner = QPointF(corner.x() * sx, corner.y() * sy);
        return result;
    }
    for (QPointF& corner : result.corners)
        corner = QPointF(corner.x() * sx + (sx - 1.0) / 2.0, corner.y() * sy + (sy - 1.0) / 2.0);
    // The detector moved the lower end of one diagonal a row down.
    QPointF& moved = result.corners[1].y() > result.corners[2].y() ? result.corners[1] : result.corners[2];
    moved.ry() -= sy - 1.0;
    // Round the box (first, second, fourth, third), each corner moves out
    // along both sides that meet there.
    const double grow = (sx + sy) / 2.0 - 1.0;
    const int order[4] = {0, 1, 3, 2};
    const QPolygonF box = result.corners;
    for (int i = 0; i < 4; ++i) {
        const QPointF corner = box[order[i]];
        QPointF out;
        for (const int neighbour : {order[(i + 3) % 4], order[(i + 1) % 4]}) {
            const QPointF side = corner - box[neighbour];
            const double length = std::hypot(side.x(), side.y());
            if (length > 0.0)
                out += side / length;
        }
        result.corners[order[i]] = corner + out * grow;
    }
    return result;
}

void cvDrawOutline(cv::Mat& frame, const IEdgeResult& edge, int lineWidth)
{
    if (edge.corners.size() != 4 || isBlankAnswer(edge))
        return;
    // The corners go first, second, fourth, third round the box.
    const QPolygonF& c = edge.corners;
    const cv::Point2f p[4] = {{float(c[0].x()), float(c[0].y())}, {float(c[1].x()), float(c[1].y())},
                              {float(c[3].x()), float(c[3].y())}, {float(c[2].x()), float(c[2].y())}};
    drawBox(frame, p, lineWidth);
}

QPolygonF cvPageCorners(const cv::Mat& frame)
{
    if (!isFilterInput(frame))
        return QPolygonF();
    cv::Mat gray;
    if (frame.channels() == 1)
        gray = frame;
    else
        cv::cvtColor(frame, gray, frame.channels() == 3 ? cv::COLOR_BGR2GRAY : cv::COLOR_BGRA2GRAY);
    // Read above 2000 pixels at half size: the corners stay as sharp, and a
    // 4K frame costs what a 1080p one does.
    const double shrink = gray.cols > 2000 ? 0.5 : 1.0;
    if (shrink != 1.0)
        cv::resize(gray, gray, cv::Size(), shrink, shrink, cv::INTER_AREA);

    // Paper is the bright part of the picture; a desk, the shadow along the
    // sheet and a detector's red outline are darker. Outer contours only, so
    // the print inside the sheet does not count.
    cv::Mat paper;
    const double level = cv::threshold(gray, paper, 0, 255, cv::THRESH_BINARY | cv::THRESH_OTSU);
    if (frame.channels() != 1) {
        // The edge detector's red outline lies on the page's edge where it
        // runs along one: taken as neither paper nor desk, it puts the edge
        // in its middle instead of at its inner side.
        cv::Mat red;
        cv::inRange(frame, cv::Scalar(0, 0, 200, 0), cv::Scalar(60, 60, 255, 255), red);
        if (shrink != 1.0)
            cv::resize(red, red, gray.size(), 0, 0, cv::INTER_NEAREST);
        gray = gray.clone();
        gray.setTo(cv::Scalar(level), red);
    }
    cv::GaussianBlur(gray, paper, cv::Size(5, 5), 0);
    cv::threshold(paper, paper, level, 255, cv::THRESH_BINARY);
    cv::morphologyEx(paper, paper, cv::MORPH_OPEN, cv::getStructuringElement(cv::MORPH_RECT, cv::Size(5, 5)));
    std::vector<std::vector<cv::Point>> contours;
    cv::findContours(paper, contours, cv::RETR_EXTERNAL, cv::CHAIN_APPROX_NONE);
    const auto largest = std::max_element(contours.begin(), contours.end(),
                                          [](const std::vector<cv::Point>& a, const std::vector<cv::Point>& b) {
                                              return cv::contourArea(a) < cv::contourArea(b);
                                          });
    if (largest == contours.end() || cv::contourArea(*largest) < paper.total() / 20.0)
        return QPolygonF();

    // A lamp's glare or a finger on the edge dents the outline; its hull
    // does not. Coarser and coarser until four corners remain.
    std::vector<cv::Point> hull;
    cv::convexHull(*largest, hull);
    const double perimeter = cv::arcLength(hull, true);
    std::vector<cv::Point> quad;
    for (int percent = 1; percent <= 10; ++percent) {
        cv::approxPolyDP(hull, quad, perimeter * percent / 100.0, true);
        if (quad.size() <= 4)
            break;
    }
    if (quad.size() != 4)
        return QPolygonF();

    // Clockwise on screen from the corner nearest the picture's top-left.
    cv::Point2d centre(0, 0);
    for (const cv::Point& p : quad)
        centre += cv::Point2d(p) / 4.0;
    std::sort(quad.begin(), quad.end(), [&](const cv::Point& a, const cv::Point& b) {
        return std::atan2(a.y - centre.y, a.x - centre.x) < std::atan2(b.y - centre.y, b.x - centre.x);
    });
    const auto first = std::min_element(quad.begin(), quad.end(),
                                        [](const cv::Point& a, const cv::Point& b) { return a.x + a.y < b.x + b.y; });
    std::rotate(quad.begin(), first, quad.end());

    // The tips are the least sure part: a rounded or dog-eared corner, or a
    // detector's outline drawn across it. Each side is fitted to the middle
    // of its edge instead, and the corners are where the sides meet.
    cv::Point2f refined[4];
    cv::Vec4f side[4];
    bool fitted = true;
    for (int i = 0; i < 4 && fitted; ++i) {
        const cv::Point2f a = quad[i], b = quad[(i + 1) % 4];
        const cv::Point2f along = b - a;
        const double length = cv::norm(along);
        std::vector<cv::Point2f> edge;
        for (const cv::Point& p : *largest) {
            const cv::Point2f d = cv::Point2f(p) - a;
            const double t = d.dot(along) / (length * length);
            const double off = std::abs(d.cross(along)) / length;
            if (t > 0.1 && t < 0.9 && off < 3.0)
                edge.push_back(p);
        }
        fitted = edge.size() >= 10;
        if (fitted)
            cv::fitLine(edge, side[i], cv::DIST_HUBER, 0, 0.01, 0.01);
    }
    for (int i = 0; i < 4; ++i) {
        refined[i] = quad[i];
        if (!fitted)
            continue;
        // Corner i joins the side ending there and the side starting there.
        const cv::Vec4f& u = side[(i + 3) % 4];
        const cv::Vec4f& v = side[i];
        const double det = u[0] * v[1] - u[1] * v[0];
        if (std::abs(det) < 0.2)
            continue;
        const double s = ((v[2] - u[2]) * v[1] - (v[3] - u[3]) * v[0]) / det;
        const cv::Point2f meet(float(u[2] + s * u[0]), float(u[3] + s * u[1]));
        // A side fitted astray would throw the corner far off: keep the tip.
        if (cv::norm(meet - refined[i]) < 0.05 * perimeter)
            refined[i] = meet;
    }

    QPolygonF corners;
    for (const cv::Point2f& p : refined)
        corners << QPointF((p.x + 0.5) / shrink - 0.5, (p.y + 0.5) / shrink - 0.5);
    return corners;
}

} // namespace IOpencvApi

// What the virtual document camera looks at: a printed page lying tilted on a wooden desk under a lamp.
#include "directshow/virtual/ivirtualpage.h"

#include <opencv2/imgproc.hpp>

#include <QFont>
#include <QImage>
#include <QLinearGradient>
#include <QMutexLocker>
#include <QPainter>
#include <QRadialGradient>
#include <QTextLayout>

#include <algorithm>
#include <cmath>

namespace {

// The page is laid out in tenths of a millimetre on an A4 sheet, so the
// words fall on the same lines at every frame size.
constexpr double pageWidth = 2100.0;
constexpr double pageHeight = 2970.0;
// Share of the frame's height the sheet's long side takes.
constexpr double pageShare = 0.80;

const QColor ink(30, 30, 34);
const QColor paper(247, 245, 239);

// Page units to frame pixels (Qt's pixel grid: pixel centres at .5).
QTransform pageToFrame(cv::Size size, double tilt, double keystone)
{
    const double scale = pageShare * size.height / pageHeight;
    // A little off centre, as a hand puts a sheet down.
    const QPointF centre(size.width * 0.512, size.height * 0.508);
    QTransform t;
    t.translate(centre.x(), centre.y());
    t.rotate(-tilt); // Qt turns clockwise on screen
    if (keystone == 0.0) {
        t.scale(scale, scale);
        t.translate(-pageWidth / 2.0, -pageHeight / 2.0);
        return t;
    }
    // Seen from the lower right, the far edges shrink towards the page's
    // middle; a projective map carries the page onto that quadrilateral, so
    // the print foreshortens as a lens would show it.
    const double w = pageWidth * scale / 2.0, h = pageHeight * scale / 2.0, far = 1.0 - keystone;
    const QPointF seen[4] = {{-w * far, -h * far}, {w * far, -h}, {w, h}, {-w, h * far}};
    QPolygonF page, quad;
    page << QPointF(0.0, 0.0) << QPointF(pageWidth, 0.0) << QPointF(pageWidth, pageHeight)
         << QPointF(0.0, pageHeight);
    for (const QPointF& p : seen)
        quad << t.map(p);
    QTransform projective;
    QTransform::quadToQuad(page, quad, projective);
    return projective;
}

QFont font(const char* family, int pixelSize, bool bold = false)
{
    QFont f(QString::fromLatin1(family));
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    // Unhinted outlines keep the layout the same whatever the scale.
    f.setHintingPreference(QFont::PreferNoHinting);
    f.setStyleStrategy(QFont::PreferAntialias);
    return f;
}

const char* const serif = "DejaVu Serif";
const char* const sans = "DejaVu Sans";

// Uniform noise in [-1, 1] on a coarse grid, smoothly enlarged to `size`.
cv::Mat smoothNoise(cv::Size grid, cv::Size size, cv::RNG& rng)
{
    cv::Mat coarse(std::max(2, grid.height), std::max(2, grid.width), CV_32FC1);
    rng.fill(coarse, cv::RNG::UNIFORM, -1.0, 1.0);
    cv::Mat out;
    cv::resize(coarse, out, size, 0, 0, cv::INTER_CUBIC);
    return out;
}

// A walnut-stained board: wandering growth rings, fine streaks along the
// grain and broad blotches of stain, as 8-bit BGR.
cv::Mat renderDesk(cv::Size size, cv::RNG& rng)
{
    const double u = size.height / 1080.0;

    // The rings are smooth, so a smaller grid suffices for them.
    const double work = std::min(1.0, 1280.0 / size.width);
    const cv::Size ws(std::max(2, int(std::lround(size.width * work))),
                      std::max(2, int(std::lround(size.height * work))));
    const cv::Mat broad = smoothNoise(cv::Size(4, 3), ws, rng);
    const cv::Mat narrow = smoothNoise(cv::Size(11, 6), ws, rng);
    const cv::Mat spacing = smoothNoise(cv::Size(3, 6), ws, rng);
    cv::Mat rings(ws, CV_32FC1);
    const double period = 34.0 * u * work;
    const double sway = 95.0 * u * work;
    const double ripple = 4.0 * u * work;
    for (int y = 0; y < ws.height; ++y) {
        const float* b = broad.ptr<float>(y);
        const float* n = narrow.ptr<float>(y);
        const float* s = spacing.ptr<float>(y);
        float* out = rings.ptr<float>(y);
        for (int x = 0; x < ws.width; ++x) {
            const double v = (y + 0.035 * x + sway * b[x] + ripple * n[x]) / (period * (1.0 + 0.3 * s[x]));
            const double f = v - std::floor(v);
            // Dark late wood, sharp on one side, fading on the other.
            out[x] = float(f < 0.18 ? f / 0.18 : std::exp(-(f - 0.18) * 5.0));
        }
    }
    cv::Mat t;
    cv::resize(rings, t, size, 0, 0, cv::INTER_LINEAR);
    t.convertTo(t, CV_32FC1, -0.55, 0.25);

    // Fine grain: noise stretched along the rows.
    const cv::Mat fine = smoothNoise(cv::Size(int(size.width / (70 * u)), int(size.height / (2.0 * u))), size, rng);
    const cv::Mat finer = smoothNoise(cv::Size(int(size.width / (22 * u)), int(size.height / (1.1 * u))), size, rng);
    const cv::Mat blotch = smoothNoise(cv::Size(7, 5), size, rng);
    cv::scaleAdd(fine, 0.22, t, t);
    cv::scaleAdd(finer, 0.12, t, t);
    cv::scaleAdd(blotch, 0.18, t, t);

    cv::Mat channels[3];
    t.convertTo(channels[0], CV_8U, 26.0, 44.0);  // blue
    t.convertTo(channels[1], CV_8U, 42.0, 74.0);  // green
    t.convertTo(channels[2], CV_8U, 58.0, 108.0); // red
    cv::Mat desk;
    cv::merge(channels, 3, desk);
    return desk;
}

// The shadow the sheet casts away from the lamp, and the darker line where
// it touches the desk, darkening `desk` in place.
void castShadow(cv::Mat& desk, const QPolygonF& corners)
{
    const double u = desk.rows / 1080.0;
    const int reduce = 4;
    const cv::Size small(std::max(1, desk.cols / reduce), std::max(1, desk.rows / reduce));
    auto polygon = [&](double dx, double dy) {
        std::vector<cv::Point> points;
        for (const QPointF& c : corners)
            points.emplace_back(int(std::lround((c.x() + dx) * 16.0 / reduce)),
                                int(std::lround((c.y() + dy) * 16.0 / reduce)));
        return points;
    };
    cv::Mat wide(small, CV_32FC1, cv::Scalar(0));
    cv::fillConvexPoly(wide, polygon(7.0 * u, 12.0 * u), cv::Scalar(0.42), cv::LINE_AA, 4);
    cv::GaussianBlur(wide, wide, cv::Size(0, 0), 9.0 * u / reduce);
    cv::Mat touch(small, CV_32FC1, cv::Scalar(0));
    cv::fillConvexPoly(touch, polygon(1.0 * u, 1.5 * u), cv::Scalar(0.25), cv::LINE_AA, 4);
    cv::GaussianBlur(touch, touch, cv::Size(0, 0), std::max(0.5, 2.0 * u / reduce));
    cv::Mat shade = wide + touch;
    cv::resize(shade, shade, desk.size(), 0, 0, cv::INTER_LINEAR);
    shade.convertTo(shade, CV_8UC1, -255.0, 255.0);
    cv::cvtColor(shade, shade, cv::COLOR_GRAY2BGR);
    cv::multiply(desk, shade, desk, 1.0 / 255.0);
}

// A justified paragraph from `top`; returns where the next one starts.
double drawParagraph(QPainter& p, const QString& text, const QFont& f, double left, double width, double top,
                     double indent, double lineHeight)
{
    QTextLayout layout(text, f);
    QTextOption option;
    option.setAlignment(Qt::AlignJustify);
    option.setWrapMode(QTextOption::WordWrap);
    option.setUseDesignMetrics(true);
    layout.setTextOption(option);
    layout.beginLayout();
    double y = top;
    bool first = true;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        const double shift = first ? indent : 0.0;
        line.setLineWidth(width - shift);
        line.setPosition(QPointF(shift, y - line.ascent()));
        y += lineHeight;
        first = false;
    }
    layout.endLayout();
    layout.draw(&p, QPointF(left, 0.0));
    return y;
}

// Figure 1: a small bar chart with its axis, grid and labels.
double drawFigure(QPainter& p, double left, double width, double top)
{
    struct Bar
    {
        const char* label;
        int value;
    };
    const Bar bars[] = {{"Daylight", 148}, {"Desk lamp", 136}, {"Ceiling light", 121}, {"Dim room", 92}};
    const double height = 560.0;
    const double chartLeft = left + 230.0;
    const double chartRight = left + width - 150.0;
    const double chartTop = top + 90.0;
    const double chartBottom = top + height - 70.0;
    const double maxValue = 160.0;
    auto yOf = [&](double v) { return chartBottom - (chartBottom - chartTop) * v / maxValue; };

    p.setFont(font(sans, 30, true));
    p.setPen(ink);
    p.drawText(QRectF(chartLeft, top, chartRight - chartLeft, 60.0), Qt::AlignHCenter | Qt::AlignTop,
               QStringLiteral("Words read per minute"));

    p.setFont(font(sans, 25));
    for (int v = 0; v <= 160; v += 40) {
        const double y = yOf(v);
        p.setPen(QPen(v == 0 ? ink : QColor(196, 196, 196), v == 0 ? 3.0 : 2.0));
        p.drawLine(QPointF(chartLeft, y), QPointF(chartRight, y));
        p.setPen(ink);
        p.drawText(QRectF(chartLeft - 120.0, y - 20.0, 100.0, 40.0), Qt::AlignRight | Qt::AlignVCenter,
                   QString::number(v));
    }
    p.setPen(QPen(ink, 3.0));
    p.drawLine(QPointF(chartLeft, chartTop - 10.0), QPointF(chartLeft, chartBottom));

    const int count = int(sizeof(bars) / sizeof(bars[0]));
    const double slot = (chartRight - chartLeft) / count;
    for (int i = 0; i < count; ++i) {
        const double x = chartLeft + slot * i + slot * 0.22;
        const double w = slot * 0.56;
        p.setPen(Qt::NoPen);
        p.setBrush(i == 1 ? QColor(196, 110, 46) : QColor(62, 98, 148));
        p.drawRect(QRectF(x, yOf(bars[i].value), w, chartBottom - yOf(bars[i].value)));
        p.setPen(ink);
        p.drawText(QRectF(x - 40.0, yOf(bars[i].value) - 44.0, w + 80.0, 40.0), Qt::AlignHCenter | Qt::AlignBottom,
                   QString::number(bars[i].value));
        p.drawText(QRectF(x - 60.0, chartBottom + 12.0, w + 120.0, 50.0), Qt::AlignHCenter | Qt::AlignTop,
                   QString::fromLatin1(bars[i].label));
    }
    p.setBrush(Qt::NoBrush);

    p.setFont(font(sans, 29));
    p.setPen(QColor(60, 60, 64));
    p.drawText(QRectF(left, top + height + 10.0, width, 50.0), Qt::AlignHCenter | Qt::AlignTop,
               QStringLiteral("Figure 1. Average reading speed of twelve students under four kinds of light."));
    return top + height + 110.0;
}

void drawPage(QPainter& p)
{
    const double left = 230.0;
    const double width = pageWidth - 2.0 * left;

    p.setPen(Qt::NoPen);
    p.setBrush(paper);
    p.drawRect(QRectF(0.0, 0.0, pageWidth, pageHeight));
    p.setBrush(Qt::NoBrush);

    // Running head.
    p.setFont(font(sans, 26));
    p.setPen(QColor(105, 105, 110));
    p.drawText(QRectF(left, 150.0, width, 40.0), Qt::AlignLeft | Qt::AlignBottom,
               QStringLiteral("CLASSROOM TECHNOLOGY NOTES"));
    p.drawText(QRectF(left, 150.0, width, 40.0), Qt::AlignRight | Qt::AlignBottom, QStringLiteral("Chapter 3"));
    p.setPen(QPen(QColor(150, 150, 154), 2.5));
    p.drawLine(QPointF(left, 205.0), QPointF(left + width, 205.0));

    p.setFont(font(serif, 82, true));
    p.setPen(ink);
    p.drawText(QRectF(left, 280.0, width, 110.0), Qt::AlignLeft | Qt::AlignBottom, IVirtualPage::heading());
    p.setFont(font(sans, 38));
    p.setPen(QColor(80, 80, 86));
    p.drawText(QRectF(left, 412.0, width, 60.0), Qt::AlignLeft | Qt::AlignTop,
               QStringLiteral("Sharing printed pages with a document camera"));

    const QFont body = font(serif, 40);
    const double lineHeight = 58.0;
    const QStringList text = IVirtualPage::paragraphs();
    double y = 575.0;
    for (int i = 0; i < text.size(); ++i) {
        y = drawParagraph(p, text[i], body, left, width, y, i == 0 || i == 2 ? 0.0 : 70.0, lineHeight);
        y += 14.0;
        if (i == 1)
            y = drawFigure(p, left, width, y + 30.0) + lineHeight * 0.6;
    }

    p.setFont(font(serif, 34));
    p.setPen(ink);
    p.drawText(QRectF(left, pageHeight - 190.0, width, 50.0), Qt::AlignHCenter | Qt::AlignTop,
               QStringLiteral("17"));
}

// A lamp beyond the top-left corner and the lens's darker corners.
void light(QPainter& p, cv::Size size)
{
    p.setCompositionMode(QPainter::CompositionMode_Multiply);
    p.setPen(Qt::NoPen);
    QLinearGradient lamp(0.0, 0.0, size.width, size.height);
    lamp.setColorAt(0.0, QColor(255, 253, 246));
    lamp.setColorAt(1.0, QColor(214, 208, 198));
    p.fillRect(QRectF(0.0, 0.0, size.width, size.height), lamp);
    const double radius = std::hypot(size.width, size.height) / 2.0;
    QRadialGradient vignette(size.width / 2.0, size.height / 2.0, radius);
    vignette.setColorAt(0.0, Qt::white);
    vignette.setColorAt(0.55, QColor(252, 252, 252));
    vignette.setColorAt(1.0, QColor(196, 196, 196));
    p.fillRect(QRectF(0.0, 0.0, size.width, size.height), vignette);
}

} // namespace

IVirtualPage::IVirtualPage(double tiltDegrees, double keystone)
    : m_tilt(tiltDegrees)
    , m_keystone(keystone)
{
}

void IVirtualPage::setLie(double tiltDegrees, double keystone)
{
    QMutexLocker scenes(&m_mutex);
    QMutexLocker lie(&m_lieMutex);
    m_tilt = tiltDegrees;
    m_keystone = keystone;
    m_scenes.clear();
}

double IVirtualPage::tilt() const
{
    QMutexLocker lie(&m_lieMutex);
    return m_tilt;
}

double IVirtualPage::keystone() const
{
    QMutexLocker lie(&m_lieMutex);
    return m_keystone;
}

QPolygonF IVirtualPage::corners(cv::Size size) const
{
    const QTransform t = pageToFrame(size, tilt(), keystone());
    QPolygonF result;
    for (const QPointF& c : {QPointF(0.0, 0.0), QPointF(pageWidth, 0.0), QPointF(pageWidth, pageHeight),
                             QPointF(0.0, pageHeight)})
        result << t.map(c) - QPointF(0.5, 0.5);
    return result;
}

cv::Mat IVirtualPage::scene(cv::Size size)
{
    if (size.width <= 0 || size.height <= 0)
        return cv::Mat();
    QMutexLocker lock(&m_mutex);
    const auto key = std::make_pair(size.width, size.height);
    auto it = m_scenes.find(key);
    if (it != m_scenes.end())
        return it->second;
    // A camera offers a handful of sizes; anything beyond is a caller's
    // experiment and need not stay.
    if (m_scenes.size() >= 6)
        m_scenes.clear();
    cv::Mat rendered = render(size);
    m_scenes.emplace(key, rendered);
    return rendered;
}

cv::Mat IVirtualPage::render(cv::Size size) const
{
    cv::RNG rng(0xdec0de);
    cv::Mat desk = renderDesk(size, rng);
    castShadow(desk, corners(size));

    // Premultiplied ARGB with opaque alpha has BGRA's bytes: QPainter
    // draws straight into the matrix.
    cv::Mat canvas;
    cv::cvtColor(desk, canvas, cv::COLOR_BGR2BGRA);
    {
        QImage image(canvas.data, canvas.cols, canvas.rows, int(canvas.step), QImage::Format_ARGB32_Premultiplied);
        QPainter p(&image);
        p.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
        p.setTransform(pageToFrame(size, tilt(), keystone()));
        drawPage(p);
        p.resetTransform();
        light(p, size);
    }
    cv::Mat scene;
    cv::cvtColor(canvas, scene, cv::COLOR_BGRA2BGR);
    return scene;
}

QString IVirtualPage::heading()
{
    return QStringLiteral("Reading Under the Lens");
}

QStringList IVirtualPage::paragraphs()
{
    return {
        QStringLiteral(
            "A document camera turns any printed page into something a whole room can read at once. The sheet "
            "lies flat on the desk, the camera looks straight down at it, and a moment later the same page "
            "appears on the wall. Nothing has to be scanned, saved or sent ahead of time, which is why teachers "
            "reach for one whenever a question comes up that the prepared slides did not expect."),
        QStringLiteral(
            "Good light matters more than an expensive lens. A lamp placed to one side leaves a soft shadow "
            "along one edge of the paper and a brighter corner where it shines closest. Most cameras correct a "
            "little of this on their own, but glossy paper still throws the lamp back into the lens. Matte "
            "paper, steady light and a darker desk give the clearest letters, and the dark surface also helps "
            "the software find the edges of the page."),
        QStringLiteral(
            "The page rarely lies perfectly straight. A tilt of a few degrees is normal when a sheet is put "
            "down in a hurry, so the program looks for its four corners, turns the picture upright and trims "
            "the desk away. After that the text can be enlarged, marked up with a pen on the screen, or passed "
            "to a recognition engine, which works best on clean and level lines of print."),
        QStringLiteral(
            "Finally, keep the camera still. Small movements blur fine print far more than they blur "
            "photographs, and a stand that wobbles whenever someone leans on the desk will undo the most "
            "careful focus. When the picture is steady, even the small type of a footnote stays easy to read "
            "from the back of the room."),
        QStringLiteral(
            "It also helps to decide where each page goes. Put the sheet in the same place every time, with its "
            "top edge towards the top of the picture, and mark that spot on the desk with a few pieces of light "
            "tape. Then nobody has to hunt for the page on the screen, and the picture stays level from one page "
            "to the next."),
    };
}

// Hue shift of cursor pictures.
#include "board/icursorrecolor.h"

#include <QPixmap>

#include <cmath>
#include <cstdlib>

namespace {

int wrapDegrees(int v)
{
    if (v > 360)
        return v % 360;
    if (v < 0)
        return 360 - (std::abs(v) % 360);
    return v;
}

bool hueWithin(int hue, int low, int high)
{
    if (hue < 0)
        return false; // grey: no hue to shift
    if (low <= high)
        return hue >= low && hue <= high;
    return hue >= low || hue <= high;
}

// Shifted saturation or lightness; false when the result would leave 0..1.
bool shiftComponent(double p, double t, double r, bool lightness, double& out)
{
    double v = p + t - r;
    if (v > 1.0) {
        if (r <= 0.0)
            return false;
        v = p * t / r;
        if (lightness && v > 1.0)
            v = p + (1.0 - p) * (t / r - 1.0);
    }
    if (v > 1.0)
        return false;
    out = v < 0.0 ? 0.0 : v;
    return true;
}

} // namespace

QImage ICursorRecolor::recolor(const QImage& picture, const QColor& reference,
                               const QColor& target, int hueTolerance)
{
    QImage result = picture.convertToFormat(QImage::Format_ARGB32);
    const QColor ref = reference.toHsl();
    const QColor tgt = target.toHsl();
    const int refHue = qMax(0, ref.hslHue());
    const int low = wrapDegrees(refHue - hueTolerance);
    const int high = wrapDegrees(refHue + hueTolerance);
    const double rh = qMax(0.0, ref.hslHueF());
    const double th = qMax(0.0, tgt.hslHueF());

    for (int y = 0; y < result.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(result.scanLine(y));
        for (int x = 0; x < result.width(); ++x) {
            const QColor pixel = QColor::fromRgba(line[x]).toHsl();
            if (!hueWithin(pixel.hslHue(), low, high))
                continue;
            double hue = pixel.hslHueF() + th - rh;
            if (hue < 0.0)
                hue = 0.0;
            for (int i = 0; i < 10 && hue > 1.0; ++i)
                hue -= 1.0;
            double saturation = 0.0;
            double lightness = 0.0;
            if (!shiftComponent(pixel.hslSaturationF(), tgt.hslSaturationF(),
                                ref.hslSaturationF(), false, saturation)
                || !shiftComponent(pixel.lightnessF(), tgt.lightnessF(), ref.lightnessF(), true,
                                   lightness))
                continue;
            // The pixel keeps its own alpha so antialiased edges stay soft.
            line[x] = QColor::fromHslF(qMin(hue, 1.0), saturation, lightness, pixel.alphaF()).rgba();
        }
    }
    return result;
}

QCursor ICursorRecolor::pencilCursor(const QColor& color)
{
    const QImage picture(QStringLiteral(":/cursors/cursors/pencil_red.png"));
    if (picture.isNull())
        return QCursor(Qt::ArrowCursor);
    return QCursor(QPixmap::fromImage(recolor(picture, Qt::red, color)), 4, 16);
}

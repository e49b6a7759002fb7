// The composite slider's slider.
#include "board/ui/islider.h"

#include "iglobals.h"

namespace {

// %1 handle side, %2 handle margin (negative: the handle overhangs the
// groove), %3 handle radius, %4 groove thickness, %5 groove radius,
// %6 the colour of the part before the handle.
const char* const kHorizontal =
    "QSlider{background:transparent;}"
    "QSlider::groove:horizontal{height:%4px;border-radius:%5px;background:gray;}"
    "QSlider::sub-page:horizontal{background:%6;border-radius:%5px;}"
    "QSlider::add-page:horizontal{background:gray;border-radius:%5px;}"
    "QSlider::handle:horizontal{background:white;width:%1px;height:%1px;margin:%2px 0px;border-radius:%3px;}";
// A vertical slider grows upwards: the part before the handle is below it.
const char* const kVertical =
    "QSlider{background:transparent;}"
    "QSlider::groove:vertical{width:%4px;border-radius:%5px;background:gray;}"
    "QSlider::add-page:vertical{background:%6;border-radius:%5px;}"
    "QSlider::sub-page:vertical{background:gray;border-radius:%5px;}"
    "QSlider::handle:vertical{background:white;width:%1px;height:%1px;margin:0px %2px;border-radius:%3px;}";

} // namespace

ISlider::ISlider(Qt::Orientation orientation, QWidget* parent)
    : QSlider(orientation, parent)
{
    refreshStyle();
}

void ISlider::setSizeMultiplier(double multiplier)
{
    m_multiplier = multiplier;
    refreshStyle();
}

void ISlider::refreshStyle()
{
    const double k = scaleFactors().uniform * m_multiplier;
    const int handle = qMax(8, qRound(16 * k));
    const int groove = qMax(2, qRound(4 * k));
    setStyleSheet(QString::fromLatin1(orientation() == Qt::Horizontal ? kHorizontal : kVertical)
                      .arg(handle)
                      .arg(-(handle - groove) / 2)
                      .arg(handle / 2)
                      .arg(groove)
                      .arg(groove / 2)
                      .arg(QStringLiteral("rgb(235,120,7)")));
}

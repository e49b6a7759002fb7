// The capture panels' shared look.
#include "customui/common/ipanelstyle.h"

#include "iglobals.h"

#include <QAbstractButton>
#include <QtMath>

namespace {

const char* const kSheet =
    "%1{background-color:rgb(45,45,48);border:1px solid rgb(80,80,84);}"
    "QLabel{color:rgb(224,224,224);font-size:%2px;}"
    "QLabel#panelMessage{color:rgb(235,120,7);}"
    "QLineEdit{color:rgb(224,224,224);background-color:rgb(60,60,64);font-size:%2px;"
    "border:1px solid rgb(90,90,94);border-radius:%3px;padding:%3px;}"
    "QLineEdit:focus{border-color:rgb(235,120,7);}"
    "QPushButton{color:rgb(224,224,224);background-color:rgb(60,60,64);font-size:%2px;"
    "border:1px solid rgb(90,90,94);border-radius:%3px;padding:%3px %4px;}"
    "QPushButton:hover{color:rgb(235,120,7);border-color:rgb(235,120,7);}";

const char* const kControls =
    "QLabel#panelSection{color:rgb(235,120,7);font-weight:bold;}"
    "QLabel:disabled{color:rgb(130,130,134);}"
    "QSlider::groove:horizontal{height:%1px;background:rgb(90,90,94);border-radius:%2px;}"
    "QSlider::sub-page:horizontal{background:rgb(235,120,7);border-radius:%2px;}"
    "QSlider::sub-page:horizontal:disabled{background:rgb(110,110,114);}"
    "QSlider::handle:horizontal{background:rgb(224,224,224);width:%3px;margin:-%4px 0;border-radius:%5px;}"
    "QSlider::handle:horizontal:disabled{background:rgb(130,130,134);}"
    "QCheckBox,QRadioButton{color:rgb(224,224,224);font-size:%6px;spacing:%7px;}"
    "QCheckBox:disabled,QRadioButton:disabled{color:rgb(130,130,134);}"
    "QCheckBox:hover,QRadioButton:hover{color:rgb(235,120,7);}"
    "QCheckBox::indicator,QRadioButton::indicator{width:%8px;height:%8px;"
    "border:1px solid rgb(150,150,154);background-color:rgb(60,60,64);}"
    "QRadioButton::indicator{border-radius:%9px;}"
    "QCheckBox::indicator{border-radius:%2px;}"
    "QCheckBox::indicator:checked,QRadioButton::indicator:checked{background-color:rgb(235,120,7);"
    "border-color:rgb(235,120,7);}"
    "QCheckBox::indicator:disabled,QRadioButton::indicator:disabled{border-color:rgb(90,90,94);}"
    "QComboBox{color:rgb(224,224,224);background-color:rgb(60,60,64);font-size:%6px;"
    "border:1px solid rgb(90,90,94);border-radius:%7px;padding:%7px;}"
    "QComboBox QAbstractItemView{color:rgb(224,224,224);background-color:rgb(60,60,64);"
    "selection-background-color:rgb(235,120,7);}"
    "QToolButton{color:rgb(224,224,224);background-color:transparent;border:none;"
    "padding:%7px %6px;border-radius:%7px;}"
    "QToolButton:hover{background-color:rgba(255,255,255,28);color:rgb(235,120,7);}"
    "QToolButton:checked{color:rgb(235,120,7);}";

} // namespace

QString IPanelStyle::sheet(const QString& selector)
{
    const double s = scaleFactors().uniform;
    return QString::fromLatin1(kSheet)
        .arg(selector)
        .arg(qRound(14 * s))
        .arg(qRound(4 * s))
        .arg(qRound(14 * s));
}

QString IPanelStyle::controlsSheet()
{
    const double s = scaleFactors().uniform;
    return QString::fromLatin1(kControls)
        .arg(qMax(2, qRound(4 * s)))
        .arg(qMax(1, qRound(2 * s)))
        .arg(qRound(14 * s))
        .arg(qRound(5 * s))
        .arg(qRound(7 * s))
        .arg(qRound(14 * s))
        .arg(qRound(4 * s))
        .arg(qRound(12 * s))
        .arg(qRound(12 * s) / 2 + 1);
}

void IPanelStyle::makeListChoice(QAbstractButton* button)
{
    QFont font = button->font();
    font.setPointSize(14);
    font.setWeight(87);
    button->setFont(font);
    button->setCheckable(true);
    button->setCursor(Qt::PointingHandCursor);
    button->setFocusPolicy(Qt::NoFocus);
}

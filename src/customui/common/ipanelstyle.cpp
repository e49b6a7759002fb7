// The capture panels' shared look.
#include "customui/common/ipanelstyle.h"

#include "iglobals.h"

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

// Progress of a recognition job.
#include "ocr/iocrprogressbar.h"

#include "customui/common/ipanelstyle.h"
#include "iglobals.h"

#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

IOcrProgressBar::IOcrProgressBar(QWidget* parent)
    : ICustomDialog(parent)
{
    const double s = scaleFactors().uniform;
    setTitle(tr("OCR"));
    setObjectName(QStringLiteral("ocrProgress"));
    setStyleSheet(IPanelStyle::sheet(QStringLiteral("IOcrProgressBar"))
                  + QStringLiteral("QProgressBar{color:rgb(224,224,224);border:1px solid rgb(90,90,94);"
                                   "text-align:center;}"
                                   "QProgressBar::chunk{background-color:rgb(235,120,7);}"));
    auto* label = new QLabel(tr("Start Recognizing..."), this);
    m_bar = new QProgressBar(this);
    m_bar->setRange(0, 100);
    m_bar->setValue(0);
    m_bar->setMinimumWidth(qRound(420 * s));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(qRound(24 * s), titleHeight() + qRound(16 * s), qRound(24 * s), qRound(24 * s));
    layout->setSpacing(qRound(12 * s));
    layout->addWidget(label);
    layout->addWidget(m_bar);
}

void IOcrProgressBar::setValue(int percent)
{
    m_bar->setValue(percent);
}

int IOcrProgressBar::value() const
{
    return m_bar->value();
}

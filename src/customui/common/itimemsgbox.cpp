// Short-lived notice that fades out by itself.
#include "customui/common/itimemsgbox.h"

#include "iglobals.h"

#include <QCursor>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPropertyAnimation>
#include <QScreen>
#include <QTimer>

ITimeMsgBox::ITimeMsgBox(QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    const double s = scaleFactors().uniform;
    const double sx = scaleFactors().horizontal;
    // Only the rounded background is drawn; the corners stay see-through.
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_ShowWithoutActivating);
    resize(width(), qRound(50 * s));

    m_background = new QWidget(this);
    m_background->setAttribute(Qt::WA_StyledBackground);
    m_background->setStyleSheet(
        QStringLiteral("QWidget{background-color:rgba(0,0,0,100);border-radius:%1px;}")
            .arg(qRound(8 * s)));

    m_label = new QLabel(m_background);
    m_label->setStyleSheet(QStringLiteral("QLabel{background-color:transparent;color:white;}"));
    QFont font = m_label->font();
    font.setPointSize(24);
    font.setWeight(75);
    m_label->setFont(font);
    m_label->setMaximumWidth(qRound(500 * sx));
    // Messages often carry error texts from elsewhere; never read them as markup.
    m_label->setTextFormat(Qt::PlainText);
    m_label->setAlignment(Qt::AlignCenter);

    auto* inner = new QHBoxLayout(m_background);
    inner->setContentsMargins(0, 0, 0, 0);
    inner->setSpacing(0);
    inner->addStretch(1);
    inner->addWidget(m_label);
    inner->addStretch(1);

    auto* outer = new QHBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);
    outer->addWidget(m_background);

    m_timer = new QTimer(this);
    m_timer->setInterval(1000);
    connect(m_timer, &QTimer::timeout, this, &ITimeMsgBox::slTimeout);

    m_fade = new QPropertyAnimation(this, "windowOpacity", this);
    m_fade->setStartValue(1.0);
    m_fade->setEndValue(0.0);
    m_fade->setDuration(1000);
    connect(m_fade, &QPropertyAnimation::finished, this, &QWidget::close);
}

void ITimeMsgBox::showMessage(const QString& text, int duration, int x, int y)
{
    layOut(text);
    QPoint topLeft(x, y);
    if (x == kCentred && y == kCentred) {
        QScreen* screen = QGuiApplication::screenAt(QCursor::pos());
        if (!screen)
            screen = QGuiApplication::primaryScreen();
        QRect frame(QPoint(0, 0), size());
        if (screen)
            frame.moveCenter(screen->availableGeometry().center());
        topLeft = frame.topLeft();
    }
    showAt(topLeft, duration);
}

void ITimeMsgBox::showMessageOver(const QWidget* window, const QString& text, int duration)
{
    if (!window || !window->isVisible()) {
        showMessage(text, duration);
        return;
    }
    layOut(text);
    QRect frame(QPoint(0, 0), size());
    frame.moveCenter(window->frameGeometry().center());
    showAt(frame.topLeft(), duration);
}

void ITimeMsgBox::layOut(const QString& text)
{
    const double s = scaleFactors().uniform;
    // A fade still running from the last notice would close this one.
    m_fade->stop();
    m_timer->stop();

    m_label->setMinimumSize(0, 0);
    m_label->setMaximumHeight(QWIDGETSIZE_MAX);
    m_label->setText(text);
    const int textWidth = m_label->fontMetrics().size(0, text).width();
    const bool wrap = textWidth > 500 * s;
    m_label->setWordWrap(wrap);
    QSize labelSize;
    if (wrap) {
        const int width = m_label->maximumWidth();
        labelSize = QSize(width, m_label->heightForWidth(width));
    } else {
        labelSize = m_label->sizeHint().boundedTo(m_label->maximumSize());
    }
    // Held at that size; the stretches and the layout centre it in the box.
    m_label->setMinimumSize(labelSize);
    m_label->setMaximumHeight(labelSize.height());
    m_label->resize(labelSize);

    const QSize box = labelSize + QSize(qRound(2 * 20 * s), qRound(20 * s));
    setMinimumSize(0, 0);
    resize(box);
}

void ITimeMsgBox::showAt(const QPoint& topLeft, int duration)
{
    move(topLeft);
    setWindowOpacity(1.0);
    show();
    raise();
    m_timer->start(qMax(0, duration));
}

void ITimeMsgBox::slTimeout()
{
    m_timer->stop();
    m_fade->start();
}

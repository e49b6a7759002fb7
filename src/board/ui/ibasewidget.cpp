// Frameless pop-up of the board's tools.
#include "board/ui/ibasewidget.h"

#include "board/ui/itoolbutton.h"
#include "iglobals.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>

IBaseWidget::IBaseWidget(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
{
    const double s = scaleFactors().uniform;
    // Only the rounded background is painted; the corners stay see-through.
    setAttribute(Qt::WA_TranslucentBackground, true);

    m_title = new QLabel(this);
    m_title->setStyleSheet(QStringLiteral("QLabel{color:rgb(51,51,51);background:transparent;font-size:%1px;}")
                               .arg(qMax(9, qRound(14 * s))));
    m_title->setTextFormat(Qt::PlainText);
    m_title->hide();
    m_close = new IToolButton(QVariant(), this);
    m_close->setIcon(QIcon(QStringLiteral(":/itemframe/redclose.svg")));
    m_close->setIconSize(QSize(scaledPixels(20), scaledPixels(20)));
    m_close->setFixedSize(scaledPixels(22), scaledPixels(22));
    m_close->setRadius(11);
    connect(m_close, &IToolButton::clicked, this, &QDialog::reject);

    auto* header = new QHBoxLayout;
    header->setContentsMargins(0, 0, 0, 0);
    header->addWidget(m_title, 1);
    header->addWidget(m_close, 0, Qt::AlignRight | Qt::AlignVCenter);
    auto* column = new QVBoxLayout(this);
    const int margin = scaledPixels(10);
    column->setContentsMargins(margin, margin, margin, margin);
    column->setSpacing(scaledPixels(8));
    column->addLayout(header);
    m_content = new QVBoxLayout;
    m_content->setContentsMargins(0, 0, 0, 0);
    m_content->setSpacing(scaledPixels(6));
    column->addLayout(m_content, 1);
}

QString IBaseWidget::title() const
{
    return m_title->text();
}

void IBaseWidget::setTitle(const QString& title)
{
    m_title->setText(title);
    m_title->setVisible(!title.isEmpty());
    setWindowTitle(title);
}

void IBaseWidget::setColors(const QColor& background, const QColor& border)
{
    m_background = background;
    m_border = border;
    update();
}

IToolButton* IBaseWidget::closeButton() const
{
    return m_close;
}

QVBoxLayout* IBaseWidget::contentLayout() const
{
    return m_content;
}

void IBaseWidget::done(int result)
{
    QDialog::done(result);
    emit sgClose();
}

void IBaseWidget::paintEvent(QPaintEvent*)
{
    const double s = scaleFactors().uniform;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(QPen(m_border, 1));
    painter.setBrush(m_background);
    const qreal radius = 8 * s;
    painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
}

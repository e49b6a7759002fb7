// Frameless pop-up of the board's tools.
#include "board/ui/ibasewidget.h"

#include "board/ui/itoolbutton.h"
#include "iglobals.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QRegion>

IBaseWidget::IBaseWidget(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
{
    const double s = scaleFactors().uniform;

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

QPainterPath IBaseWidget::outline() const
{
    QPainterPath path;
    const qreal radius = 8 * scaleFactors().uniform;
    path.addRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
    return path;
}

void IBaseWidget::resizeEvent(QResizeEvent* event)
{
    // The corners are cut off rather than painted see-through: without a
    // compositing window manager see-through pixels show black.
    setMask(QRegion(outline().toFillPolygon().toPolygon()));
    QDialog::resizeEvent(event);
}

void IBaseWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), m_background);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(QPen(m_border, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(outline());
}

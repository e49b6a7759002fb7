// Pop-up with a large colour field.
#include "board/ui/icolorpanel.h"

#include "board/ui/icolorimage.h"
#include "board/ui/itoolbutton.h"
#include "iglobals.h"

#include <QMouseEvent>
#include <QPixmap>
#include <QVBoxLayout>

IColorPanel::IColorPanel(QWidget* parent)
    : IBaseWidget(parent)
{
    setWindowFlags(windowFlags() | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    setTitle(tr("Color Panel"));

    const QImage picture = fieldPicture();
    m_field = new IToolButton(QVariant(), this);
    m_field->setIcon(QPixmap::fromImage(picture));
    m_field->setIconSize(picture.size());
    m_field->setFixedSize(picture.size());
    m_field->setRadius(0);
    m_field->setCursor(Qt::CrossCursor);
    m_field->installEventFilter(this);
    connect(m_field, &IToolButton::clicked, this, [this] { emit sgChangeColor(colorAt(m_lastRelease)); });
    contentLayout()->addWidget(m_field);
    adjustSize();
}

IToolButton* IColorPanel::fieldButton() const
{
    return m_field;
}

QImage IColorPanel::fieldPicture()
{
    // Painting gradients at this size is slow enough to do only once.
    static const QImage picture = [] {
        const IScaleFactors& f = scaleFactors();
        IColorImage field;
        field.resize(qRound(500 * f.horizontal), qRound(300 * f.vertical));
        QImage image(field.size(), QImage::Format_RGB32);
        image.fill(Qt::white);
        field.render(&image);
        return image;
    }();
    return picture;
}

QColor IColorPanel::colorAt(const QPoint& buttonPos) const
{
    const QImage picture = fieldPicture();
    // The icon is centred in the button.
    const QPoint offset((m_field->width() - picture.width()) / 2, (m_field->height() - picture.height()) / 2);
    const QPoint at = buttonPos - offset;
    return picture.pixelColor(qBound(0, at.x(), picture.width() - 1), qBound(0, at.y(), picture.height() - 1));
}

bool IColorPanel::eventFilter(QObject* watched, QEvent* event)
{
    // The click is reported on release, where the cursor is then.
    if (watched == m_field && event->type() == QEvent::MouseButtonRelease)
        m_lastRelease = static_cast<QMouseEvent*>(event)->pos();
    return IBaseWidget::eventFilter(watched, event);
}

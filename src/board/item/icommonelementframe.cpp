// The element frame the board shows.
#include "board/item/icommonelementframe.h"

#include "board/item/ielement.h"

#include <QGuiApplication>
#include <QPainter>
#include <QSvgRenderer>

#include <algorithm>

namespace {

// Rendered at twice the handle size so they stay sharp on high-density screens.
QPixmap renderPicture(const QString& path, const QSizeF& size)
{
    QSvgRenderer renderer(path);
    if (!renderer.isValid())
        return {};
    QPixmap picture((size * 2).toSize());
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter);
    return picture;
}

} // namespace

ICommonElementFrame::ICommonElementFrame(QWidget* parent)
    : IElementFrame(parent)
{
    qRegisterMetaType<IElement*>();
    setAcceptDrops(true);
    setAttribute(Qt::WA_TranslucentBackground);
    loadPictures();
}

void ICommonElementFrame::loadPictures()
{
    const QSizeF size = handleSize();
    m_lockPicture = renderPicture(QStringLiteral(":/itemframe/lock.svg"), size);
    m_lockActivePicture = renderPicture(QStringLiteral(":/itemframe/lock.svg"), size);
    if (!m_lockActivePicture.isNull()) {
        // The active lock sits on a filled disc so a locked selection reads at a glance.
        QPixmap active(m_lockActivePicture.size());
        active.fill(Qt::transparent);
        QPainter painter(&active);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(0x1e, 0x78, 0xd7));
        painter.drawEllipse(active.rect());
        painter.drawPixmap(active.rect().adjusted(2, 2, -2, -2), m_lockActivePicture);
        painter.end();
        m_lockActivePicture = active;
    }
    m_rotatePicture = renderPicture(QStringLiteral(":/itemframe/rotate.svg"), size);
    const QPixmap resize = renderPicture(QStringLiteral(":/itemframe/resize.svg"), size);
    for (QPixmap& picture : m_resizePictures)
        picture = resize;

    // Room above the content for the rotation handle and the lock button.
    double pictureHeight = size.height();
    for (const QPixmap* picture : {&m_lockPicture, &m_rotatePicture}) {
        if (!picture->isNull())
            pictureHeight = std::max(pictureHeight, picture->height() / 2.0);
    }
    const double margin = frameMargin();
    setInsets({margin, margin + pictureHeight, margin, margin});
}

void ICommonElementFrame::setHandleSize(const QSizeF& size)
{
    if (!size.isValid() || size.isEmpty())
        return;
    IElementFrame::setHandleSize(size);
    loadPictures();
}

void ICommonElementFrame::paintHandle(QPainter* painter, int handle, const QRectF& rect)
{
    const QPixmap* picture = nullptr;
    if (handle == LockHandle)
        picture = isLocked() ? &m_lockActivePicture : &m_lockPicture;
    else if (handle == RotationHandle)
        picture = &m_rotatePicture;
    else if (handle >= TopLeftHandle && handle <= LeftHandle)
        picture = &m_resizePictures[handle - TopLeftHandle];
    if (!picture || picture->isNull()) {
        IElementFrame::paintHandle(painter, handle, rect);
        return;
    }
    painter->drawPixmap(rect, *picture, QRectF(picture->rect()));
}

void ICommonElementFrame::lockSelection(bool notify)
{
    IElementFrame::lockSelection(notify);
    if (notify)
        notifyPropertyChanged();
}

void ICommonElementFrame::unlockSelection(bool notify)
{
    IElementFrame::unlockSelection(notify);
    if (notify)
        notifyPropertyChanged();
}

void ICommonElementFrame::notifyPropertyChanged()
{
    if (!parentWidget())
        return;
    for (QGraphicsItem* item : items()) {
        if (auto* element = dynamic_cast<IElement*>(item))
            emit sgItemPropertyChanged(element);
    }
}

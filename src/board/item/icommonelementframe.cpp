// The element frame the board shows.
#include "board/item/icommonelementframe.h"

#include "board/islide.h"
#include "board/undo/islidehistory.h"
#include "board/item/ielement.h"
#include "board/ui/ibasewidget.h"
#include "board/ui/itoolbutton.h"
#include "iglobals.h"

#include <QContextMenuEvent>
#include <QGraphicsItem>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QMenu>
#include <QPainter>
#include <QShortcut>
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
    if (parent) {
        // The key reaches the board view, not this frame, which never takes focus.
        m_deleteKey = new QShortcut(QKeySequence::Delete, parent, nullptr, nullptr, Qt::WidgetWithChildrenShortcut);
        m_deleteKey->setEnabled(false);
        connect(m_deleteKey, &QShortcut::activated, this, &ICommonElementFrame::deleteSelection);
    }
    connect(this, &IElementFrame::selectionChanged, this, [this](bool selected) {
        // Only while something is framed: otherwise the key belongs to whoever has focus.
        if (m_deleteKey)
            m_deleteKey->setEnabled(selected);
        updateBar();
    });
}

ICommonElementFrame::~ICommonElementFrame()
{
    delete m_bar;
    delete m_menu;
    delete m_deleteKey;
}

IBaseWidget* ICommonElementFrame::commandBar() const
{
    return m_bar;
}

IToolButton* ICommonElementFrame::barButton(const QString& name) const
{
    for (IToolButton* b : {m_copyButton, m_deleteButton}) {
        if (b && b->objectName() == name)
            return b;
    }
    return nullptr;
}

void ICommonElementFrame::createBar()
{
    if (m_bar || !parentWidget())
        return;
    m_bar = new IBaseWidget(parentWidget());
    // A part of the board, not a window: a click on it keeps the board active.
    m_bar->setWindowFlags(Qt::Widget);
    m_bar->setColors(QColor(45, 45, 48), QColor(80, 80, 84));
    m_bar->closeButton()->hide();
    m_bar->layout()->setContentsMargins(scaledPixels(4), scaledPixels(4), scaledPixels(4), scaledPixels(4));
    auto* row = new QHBoxLayout;
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    const auto make = [this, row](const char* name, const QString& text, const QString& icon,
                                  void (ICommonElementFrame::*slot)()) {
        auto* b = new IToolButton(QVariant(), m_bar);
        b->setObjectName(QString::fromLatin1(name));
        b->setText(text);
        b->setIcon(QIcon(icon));
        b->setIconSize(QSize(scaledPixels(24), scaledPixels(24)));
        b->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        b->setCursor(Qt::ArrowCursor);
        const int width = std::max(scaledPixels(40), b->fontMetrics().horizontalAdvance(text) + scaledPixels(10));
        b->setFixedSize(width, scaledPixels(50));
        connect(b, &QToolButton::clicked, this, slot);
        row->addWidget(b);
        return b;
    };
    m_copyButton = make("Copy", tr("Copy"), QStringLiteral(":/ui/ui/txtcopy.svg"), &ICommonElementFrame::copySelection);
    m_deleteButton =
        make("Delete", tr("Delete"), QStringLiteral(":/ui/ui/txtdelete.svg"), &ICommonElementFrame::deleteSelection);
    if (auto* column = qobject_cast<QBoxLayout*>(m_bar->layout()))
        column->addLayout(row);
    m_bar->hide();
}

void ICommonElementFrame::updateBar()
{
    const bool wanted = isVisible() && isSelected() && !items().isEmpty() && parentWidget();
    if (!wanted) {
        if (m_bar)
            m_bar->hide();
        return;
    }
    createBar();
    m_deleteButton->setVisible(hasUnlockedItem());
    m_bar->adjustSize();
    // Under the frame, or above it when the board ends first; always whole on the board.
    const QRect frame = geometry();
    const QSize room = parentWidget()->size();
    const int gap = scaledPixels(6);
    QPoint at(frame.center().x() - m_bar->width() / 2, frame.bottom() + gap);
    if (at.y() + m_bar->height() > room.height())
        at.setY(frame.top() - gap - m_bar->height());
    at.setX(std::max(0, std::min(at.x(), room.width() - m_bar->width())));
    at.setY(std::max(0, std::min(at.y(), room.height() - m_bar->height())));
    m_bar->move(at);
    m_bar->show();
    m_bar->raise();
}

bool ICommonElementFrame::hasUnlockedItem() const
{
    for (QGraphicsItem* item : items()) {
        const auto* element = dynamic_cast<const IElement*>(item);
        if (element && !element->isLocked())
            return true;
    }
    return false;
}

QMenu* ICommonElementFrame::contextMenu()
{
    if (!m_menu) {
        m_menu = new QMenu(parentWidget());
        m_menu->addAction(tr("Copy"), this, &ICommonElementFrame::copySelection);
        m_menu->addAction(tr("Delete"), this, &ICommonElementFrame::deleteSelection);
    }
    m_menu->actions().at(1)->setVisible(hasUnlockedItem());
    return m_menu;
}

void ICommonElementFrame::contextMenuEvent(QContextMenuEvent* event)
{
    if (items().isEmpty()) {
        IElementFrame::contextMenuEvent(event);
        return;
    }
    contextMenu()->popup(event->globalPos());
    event->accept();
}

void ICommonElementFrame::showEvent(QShowEvent* event)
{
    IElementFrame::showEvent(event);
    updateBar();
}

void ICommonElementFrame::hideEvent(QHideEvent* event)
{
    IElementFrame::hideEvent(event);
    if (m_bar)
        m_bar->hide();
}

void ICommonElementFrame::moveEvent(QMoveEvent* event)
{
    IElementFrame::moveEvent(event);
    updateBar();
}

void ICommonElementFrame::resizeEvent(QResizeEvent* event)
{
    IElementFrame::resizeEvent(event);
    updateBar();
}

void ICommonElementFrame::copySelection()
{
    const QList<QGraphicsItem*> originals = items();
    if (originals.isEmpty())
        return;
    // Back on the slide first, so each original's own position is its place in the scene.
    clearSelection(true);
    // All the copies are one step.
    auto* stepSlide = qobject_cast<ISlide*>(originals.first()->scene());
    if (stepSlide)
        stepSlide->history()->beginStep(QStringLiteral("copy"));
    QList<QGraphicsItem*> copies;
    for (QGraphicsItem* item : originals) {
        auto* element = dynamic_cast<IElement*>(item);
        auto* slide = qobject_cast<ISlide*>(item->scene());
        if (!element || !slide)
            continue;
        IElement* copy = element->clone();
        auto* copyItem = dynamic_cast<QGraphicsItem*>(copy);
        if (!copyItem) {
            delete copy;
            continue;
        }
        copyItem->setTransformOriginPoint(item->transformOriginPoint());
        copyItem->setTransform(item->transform());
        copyItem->setRotation(item->rotation());
        copyItem->setScale(item->scale());
        copyItem->setPos(item->pos() + QPointF(20, 20));
        // A copy is for working on: it never starts locked.
        copy->setLocked(false);
        slide->addElement(copy);
        copies.append(copyItem);
    }
    if (stepSlide)
        stepSlide->history()->endStep();
    setSelection(copies.isEmpty() ? originals : copies, true);
}

void ICommonElementFrame::deleteSelection()
{
    const QList<QGraphicsItem*> selected = items();
    if (selected.isEmpty())
        return;
    clearSelection(true);
    auto* stepSlide = qobject_cast<ISlide*>(selected.first()->scene());
    if (stepSlide)
        stepSlide->history()->beginStep(QStringLiteral("delete"));
    QList<QGraphicsItem*> kept;
    for (QGraphicsItem* item : selected) {
        auto* element = dynamic_cast<IElement*>(item);
        auto* slide = qobject_cast<ISlide*>(item->scene());
        if (!element || !slide || element->isLocked()) {
            kept.append(item);
            continue;
        }
        // The board's element bin frees it once no undo step can bring it back.
        slide->removeElement(element);
    }
    if (stepSlide)
        stepSlide->history()->endStep();
    if (!kept.isEmpty())
        setSelection(kept, true);
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

// The split-screen compare view.
#include "customui/imageview/imageview.h"

#include "customui/imageview/imageitem.h"
#include "customui/imglist/iimglist.h"
#include "iglobals.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPainter>
#include <QPointer>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

// Large enough to zoom into detail, small enough that a few pictures side
// by side stay well within memory.
const QSize kReadBox(4096, 4096);

} // namespace

ImageView::ImageView(QWidget* board)
    : QWidget(board)
    , m_board(board)
{
    setObjectName(QStringLiteral("imageView"));
    setFocusPolicy(Qt::StrongFocus);
    auto* column = new QVBoxLayout(this);
    const int gap = scaledPixels(6);
    column->setContentsMargins(gap, gap, gap, gap);
    column->setSpacing(gap);
    auto* top = new QHBoxLayout;
    top->addStretch();
    auto* close = new QToolButton(this);
    close->setObjectName(QStringLiteral("imageViewClose"));
    close->setText(QStringLiteral("\u2715"));
    close->setToolTip(tr("Close"));
    close->setStyleSheet(QStringLiteral("QToolButton{color:rgb(224,224,224);background:transparent;border:none;"
                                        "font-size:%1px;}QToolButton:hover{color:rgb(235,120,7);}")
                             .arg(scaledPixels(20)));
    connect(close, &QToolButton::clicked, this, &ImageView::closeView);
    top->addWidget(close);
    column->addLayout(top);
    m_row = new QHBoxLayout;
    m_row->setSpacing(gap);
    column->addLayout(m_row, 1);
    m_reader.setMaxThreadCount(2);
    hide();
    m_board->installEventFilter(this);
}

ImageView::~ImageView()
{
    m_reader.clear();
    m_reader.waitForDone();
}

void ImageView::setShown(bool on, const QStringList& files)
{
    if (!on) {
        closeView();
        return;
    }
    if (files.isEmpty()) {
        emit sgMessage(tr("Please select a picture first"));
        emit sgShownChanged(false);
        return;
    }
    clearItems();
    const int generation = ++m_generation;
    for (const QString& path : files) {
        auto* item = new ImageItem(path, this);
        m_row->addWidget(item, 1);
        m_items << item;
        ++m_pending;
        QPointer<ImageItem> target(item);
        m_reader.start([this, path, target, generation] {
            const IImgList::Read read = IImgList::readFitted(path, kReadBox);
            // The view outlives every task (its destructor waits).
            QMetaObject::invokeMethod(
                this,
                [this, read, target, generation] {
                    if (generation != m_generation)
                        return;
                    --m_pending;
                    if (target)
                        target->setPicture(read.picture, read.error);
                },
                Qt::QueuedConnection);
        });
    }
    setGeometry(m_board->rect());
    show();
    raise();
    setFocus();
    emit sgShownChanged(true);
}

void ImageView::closeView()
{
    const bool wasShown = isVisible();
    hide();
    clearItems();
    if (wasShown)
        emit sgShownChanged(false);
}

void ImageView::clearItems()
{
    ++m_generation;
    m_pending = 0;
    qDeleteAll(m_items);
    m_items.clear();
}

bool ImageView::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_board && event->type() == QEvent::Resize)
        setGeometry(m_board->rect());
    return false;
}

void ImageView::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        closeView();
        return;
    }
    QWidget::keyPressEvent(event);
}

void ImageView::paintEvent(QPaintEvent*)
{
    QPainter(this).fillRect(rect(), QColor(30, 30, 32));
}

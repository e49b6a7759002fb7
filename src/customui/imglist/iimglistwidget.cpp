// The picture list's panel.
#include "customui/imglist/iimglistwidget.h"

#include "customui/imglist/iimglist.h"
#include "customui/imglist/iimglistitem.h"
#include "customui/common/iitoolbutton.h"
#include "iglobals.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QScrollBar>
#include <QVBoxLayout>

namespace {

const char* const kPanelStyle =
    "IImgListWidget{background-color:rgb(45,45,48);}"
    "QLabel#galleryHeader{color:rgb(224,224,224);font-size:%1px;font-weight:bold;}"
    "QToolButton{color:rgb(224,224,224);font-size:%2px;}"
    "QScrollBar:vertical{background:transparent;width:%3px;margin:0px;}"
    "QScrollBar::handle:vertical{background:rgb(90,90,94);border-radius:%4px;min-height:%5px;}"
    "QScrollBar::handle:vertical:hover{background:rgb(120,120,124);}"
    "QScrollBar::add-line:vertical,QScrollBar::sub-line:vertical{height:0px;}"
    "QScrollBar::add-page:vertical,QScrollBar::sub-page:vertical{background:transparent;}";

} // namespace

IImgListWidget::IImgListWidget(QWidget* parent)
    : QWidget(parent)
{
    const double s = scaleFactors().uniform;
    const int scrollBar = qRound(8 * s);
    setAttribute(Qt::WA_StyledBackground, true);
    setStyleSheet(QString::fromLatin1(kPanelStyle)
                      .arg(qRound(15 * s))
                      .arg(qRound(11 * s))
                      .arg(scrollBar)
                      .arg(scrollBar / 2)
                      .arg(qRound(30 * s)));

    auto* header = new QLabel(tr("Gallery"), this);
    header->setObjectName(QStringLiteral("galleryHeader"));

    auto* buttons = new QHBoxLayout;
    buttons->setContentsMargins(0, 0, 0, 0);
    buttons->setSpacing(qRound(2 * s));
    buttons->addWidget(addButton(SelectAll, tr("Select All"), QStringLiteral(":/root/root/rselectall.svg")));
    buttons->addWidget(addButton(Deselect, tr("Deselect"), QStringLiteral(":/root/root/runselectall.svg")));
    buttons->addWidget(addButton(ImportFile, tr("Import File"), QStringLiteral(":/root/root/radd.svg")));

    m_list = new IImgList(this);
    m_list->verticalScrollBar()->setContextMenuPolicy(Qt::NoContextMenu);

    const int margin = qRound(6 * s);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(margin, margin, qRound(2 * s), 0);
    layout->setSpacing(margin);
    layout->addWidget(header);
    layout->addLayout(buttons);
    layout->addWidget(m_list, 1);

    // The entries and the scroll bar set the width, unless the buttons'
    // texts need more.
    const int forEntries =
        IImgListItem::entrySize().width() + scrollBar + margin + qRound(2 * s) + 2 * m_list->frameWidth();
    setFixedWidth(qMax(forEntries, buttons->sizeHint().width() + margin + qRound(2 * s)));
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);

    connect(button(SelectAll), &IIToolButton::clicked, m_list, &IImgList::selectAll);
    connect(button(Deselect), &IIToolButton::clicked, m_list, &IImgList::deselectAll);
    connect(button(ImportFile), &IIToolButton::clicked, m_list, qOverload<>(&IImgList::importFiles));
}

IIToolButton* IImgListWidget::addButton(int id, const QString& text, const QString& icon)
{
    const double s = scaleFactors().uniform;
    auto* b = new IIToolButton(id, icon, QString(), this);
    b->setObjectName(text);
    b->setText(text);
    b->setToolTip(text);
    b->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    b->setIconSize(QSize(qRound(24 * s), qRound(24 * s)));
    b->setHoverColor(QColor(255, 255, 255, 28));
    b->setFocusPolicy(Qt::NoFocus);
    b->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    m_buttons << b;
    return b;
}

IImgList* IImgListWidget::list() const
{
    return m_list;
}

IIToolButton* IImgListWidget::button(int id) const
{
    // Added in the order of their ids.
    return m_buttons.value(id, nullptr);
}

void IImgListWidget::addImage(const QImage& picture, const QString& path)
{
    m_list->addImage(picture, path);
}

void IImgListWidget::load()
{
    m_list->load();
}

QStringList IImgListWidget::selectedFiles() const
{
    return m_list->selectedFiles();
}

// The toolbar under a text being typed into.
#include "board/ui/itextelementtoolbar.h"

#include "board/item/itextelement.h"
#include "board/ui/icolorpalette.h"
#include "board/ui/itoolbutton.h"
#include "iglobals.h"

#include <QComboBox>
#include <QEvent>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGraphicsView>
#include <QHBoxLayout>
#include <QListView>

namespace {

// 1 border, 2 side padding, 3 corner radius, 4 drop-down width, 5 height,
// 6 list line height, 7 arrow size; pixels.
const char* const kComboStyle =
    "QComboBox{border:%1px solid gray;border-radius:%3px;padding:%1px %2px;height:%5px;min-width:5em;"
    "color:rgb(224,224,224);background-color:rgb(60,60,64);combobox-popup:0;}"
    "QComboBox QAbstractItemView::item{height:%6px;}"
    "QComboBox::drop-down{subcontrol-origin:padding;subcontrol-position:top right;width:%4px;"
    "border-left:%1px solid darkgray;border-top-right-radius:%3px;border-bottom-right-radius:%3px;}"
    "QComboBox::down-arrow{image:url(:/ui/ui/downArrow.svg);width:%7px;height:%7px;}";

// The open list in the toolbar's colours; its own sheet, as the list is a
// window of its own. 1 line height, 2 side padding.
const char* const kListStyle =
    "QListView{color:rgb(224,224,224);background-color:rgb(60,60,64);border:1px solid rgb(90,90,94);outline:0px;}"
    "QListView::item{height:%1px;padding:0px %2px;}"
    "QListView::item:selected,QListView::item:hover{color:white;background-color:rgb(235,120,7);}";

} // namespace

ITextElementToolBar::ITextElementToolBar(ITextElement* item, QGraphicsView* board, QWidget* parent)
    : IBaseWidget(parent ? parent : board)
    , m_board(board)
{
    // Part of the board, not a window: a click on it never deactivates the
    // window the text is typed in.
    if (parentWidget())
        setWindowFlags(Qt::Widget);
    setColors(QColor(45, 45, 48), QColor(80, 80, 84));
    closeButton()->hide();
    const int margin = scaledPixels(6);
    layout()->setContentsMargins(margin, margin, margin, margin);
    setMinimumWidth(scaledPixels(280));

    auto* row = new QHBoxLayout;
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(scaledPixels(4));
    m_family = makeBox(14);
    m_family->setToolTip(tr("Font"));
    // Some family names are very long; the list shows them whole.
    m_family->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_family->setMinimumContentsLength(13);
    m_family->view()->setMinimumWidth(scaledPixels(220));
    m_family->addItems(QFontDatabase().families());
    m_family->setCurrentText(QStringLiteral("Arial"));
    m_size = makeBox(16);
    m_size->setToolTip(tr("Font size"));
    m_size->addItems(fontSizes());
    m_size->setCurrentText(QStringLiteral("36"));
    row->addWidget(m_family, 1);
    row->addWidget(m_size);
    m_color = makeButton("color", tr("Text color"), QStringLiteral(":/ui/ui/txtcolor.svg"), &ITextElementToolBar::onTextColor);
    row->addWidget(m_color);
    row->addWidget(makeButton("bold", tr("Bold"), QStringLiteral(":/ui/ui/txtbold.svg"), &ITextElementToolBar::onTextBold));
    row->addWidget(
        makeButton("italic", tr("Italic"), QStringLiteral(":/ui/ui/txtitalic.svg"), &ITextElementToolBar::onTextItalic));
    row->addWidget(makeButton("underline", tr("Underline"), QStringLiteral(":/ui/ui/txtunderline.svg"),
                              &ITextElementToolBar::onTextUnderline));
    contentLayout()->addLayout(row);
    connect(m_size, &QComboBox::currentTextChanged, this, &ITextElementToolBar::onChangeFontSize);
    connect(m_family, &QComboBox::currentTextChanged, this, &ITextElementToolBar::onChangeFontFamily);

    m_palette = new IColorPalette(parentWidget() ? parentWidget() : this);
    m_palette->hide();
    m_paletteObject = m_palette;
    m_palette->installEventFilter(this);
    connect(m_palette, &IColorPalette::sgChangeColor, this, &ITextElementToolBar::onPaletteColor);
    adjustSize();
    setItem(item);
}

ITextElementToolBar::~ITextElementToolBar()
{
    // The palette lies over the board beside the toolbar, not inside it.
    if (m_palette && m_palette->parent() != this)
        delete m_palette;
}

IColorPalette* ITextElementToolBar::palette() const
{
    return m_palette;
}

QStringList ITextElementToolBar::fontSizes()
{
    return {QStringLiteral("3"),   QStringLiteral("4"),    QStringLiteral("5"),   QStringLiteral("6"),
            QStringLiteral("6.5"), QStringLiteral("7"),    QStringLiteral("7.5"), QStringLiteral("8"),
            QStringLiteral("8.8"), QStringLiteral("9"),    QStringLiteral("9.5"), QStringLiteral("10"),
            QStringLiteral("10.5"), QStringLiteral("11"),  QStringLiteral("11.5"), QStringLiteral("12"),
            QStringLiteral("12.5"), QStringLiteral("13"),  QStringLiteral("13.5"), QStringLiteral("14"),
            QStringLiteral("15"),  QStringLiteral("16"),   QStringLiteral("17"),  QStringLiteral("18"),
            QStringLiteral("19"),  QStringLiteral("20"),   QStringLiteral("22"),  QStringLiteral("24"),
            QStringLiteral("26"),  QStringLiteral("28"),   QStringLiteral("30"),  QStringLiteral("32"),
            QStringLiteral("34"),  QStringLiteral("36"),   QStringLiteral("38"),  QStringLiteral("40"),
            QStringLiteral("44"),  QStringLiteral("48"),   QStringLiteral("52"),  QStringLiteral("56"),
            QStringLiteral("62"),  QStringLiteral("72"),   QStringLiteral("76"),  QStringLiteral("80"),
            QStringLiteral("88"),  QStringLiteral("96"),   QStringLiteral("104"), QStringLiteral("112"),
            QStringLiteral("120"), QStringLiteral("128"),  QStringLiteral("136"), QStringLiteral("144")};
}

QComboBox* ITextElementToolBar::makeBox(int fontPixels)
{
    auto* box = new QComboBox(this);
    // A list view, so that the style sheet's line height applies to the list.
    auto* list = new QListView(box);
    list->setStyleSheet(QString::fromLatin1(kListStyle).arg(scaledPixels(26)).arg(scaledPixels(4)));
    box->setView(list);
    // Taking the keyboard would end the typing the box is meant to serve.
    box->setFocusPolicy(Qt::NoFocus);
    box->setMaxVisibleItems(12);
    const double s = scaleFactors().uniform;
    box->setStyleSheet(QString::fromLatin1(kComboStyle)
                           .arg(qMax(1, qRound(s)))
                           .arg(scaledPixels(4))
                           .arg(scaledPixels(3))
                           .arg(scaledPixels(18))
                           .arg(scaledPixels(24))
                           .arg(scaledPixels(26))
                           .arg(scaledPixels(10)));
    QFont font = box->font();
    font.setPixelSize(qMax(8, qRound(fontPixels * s)));
    font.setWeight(QFont::Normal);
    box->setFont(font);
    return box;
}

IToolButton* ITextElementToolBar::makeButton(const char* name, const QString& tip, const QString& icon,
                                             void (ITextElementToolBar::*slot)())
{
    auto* b = new IToolButton(QVariant(), this);
    b->setObjectName(QString::fromLatin1(name));
    b->setToolTip(tip);
    b->setIcon(QIcon(icon));
    b->setFixedSize(scaledPixels(30), scaledPixels(30));
    b->setIconSize(QSize(scaledPixels(22), scaledPixels(22)));
    connect(b, &QToolButton::clicked, this, slot);
    return b;
}

void ITextElementToolBar::setItem(ITextElement* item)
{
    m_item = item;
    if (!item)
        return;
    const QFont font = item->font();
    const QSignalBlocker sizeBlock(m_size);
    const QSignalBlocker familyBlock(m_family);
    const int size = m_size->findText(QString::number(font.pointSizeF()));
    if (size >= 0)
        m_size->setCurrentIndex(size);
    // A family the system lacks shows as the one it is drawn with.
    int family = m_family->findText(font.family());
    if (family < 0)
        family = m_family->findText(QFontInfo(font).family());
    if (family >= 0)
        m_family->setCurrentIndex(family);
    m_palette->setPaletteColor(item->defaultTextColor());
}

void ITextElementToolBar::giveFocusBack()
{
    if (!m_item)
        return;
    m_item->setFocus(Qt::OtherFocusReason);
    if (m_board)
        m_board->setFocus(Qt::OtherFocusReason);
}

void ITextElementToolBar::onChangeFontSize(const QString& text)
{
    bool ok = false;
    const double size = text.toDouble(&ok);
    if (!m_item || !ok)
        return;
    m_item->setPointSize(size);
    giveFocusBack();
}

void ITextElementToolBar::onChangeFontFamily(const QString& text)
{
    if (!m_item || text.isEmpty())
        return;
    m_item->setFontFamily(text);
    giveFocusBack();
}

void ITextElementToolBar::onTextBold()
{
    if (m_item)
        m_item->toggleBold();
}

void ITextElementToolBar::onTextItalic()
{
    if (m_item)
        m_item->toggleItalic();
}

void ITextElementToolBar::onTextUnderline()
{
    if (m_item)
        m_item->toggleUnderline();
}

void ITextElementToolBar::onTextColor()
{
    setPaletteVisible(!m_palette->isVisible());
}

void ITextElementToolBar::setPaletteVisible(bool visible)
{
    if (!visible) {
        m_palette->hide();
        return;
    }
    placePalette();
    m_palette->show();
    m_palette->raise();
    if (m_item)
        m_palette->setPaletteColor(m_item->defaultTextColor());
}

void ITextElementToolBar::placePalette()
{
    QWidget* host = m_palette->parentWidget();
    if (!host || host == this)
        return;
    const double s = scaleFactors().uniform;
    const QPoint top = m_color->mapTo(host, QPoint(m_color->width() / 2, 0));
    int x = top.x() - m_palette->width() / 2;
    int y = top.y() + m_color->height() + qRound(10 * s * s);
    x = qBound(0, x, qMax(0, host->width() - m_palette->width()));
    y = qBound(0, y, qMax(0, host->height() - m_palette->height()));
    m_palette->move(x, y);
}

void ITextElementToolBar::onPaletteColor(const QColor& color)
{
    if (!m_item || !m_item->isSelected())
        return;
    m_palette->hide();
    m_item->recolor(color);
    m_item->setEditable(true);
    giveFocusBack();
}

bool ITextElementToolBar::eventFilter(QObject* watched, QEvent* event)
{
    // While the palette is open (and its colour panel, a window of its own,
    // may take the activation) losing the focus does not end the typing.
    // Compared as a plain object: a palette being destroyed still sends its
    // hide, and is no palette any more by then.
    if (watched == m_paletteObject && m_item) {
        if (event->type() == QEvent::Show)
            m_item->setEndEditEnabled(false);
        else if (event->type() == QEvent::Hide)
            m_item->setEndEditEnabled(true);
    }
    return IBaseWidget::eventFilter(watched, event);
}

void ITextElementToolBar::hideEvent(QHideEvent* event)
{
    m_palette->hide();
    IBaseWidget::hideEvent(event);
}

void ITextElementToolBar::moveEvent(QMoveEvent* event)
{
    if (m_palette->isVisible())
        placePalette();
    IBaseWidget::moveEvent(event);
}

// The program's modal question and information dialog.
#include "customui/common/imsgbox.h"

#include "iglobals.h"
#include "service/iconfigureservice.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

static_assert(IMsgBox::Yes == int(QMessageBox::Yes), "Yes code");
static_assert(IMsgBox::No == int(QMessageBox::No), "No code");
static_assert(IMsgBox::Ok == int(QMessageBox::Ok), "Ok code");
static_assert(IMsgBox::Save == int(QMessageBox::Save), "Save code");
static_assert(IMsgBox::Cancel == int(QMessageBox::Cancel), "Cancel code");

namespace {

const char* const kBoxStyle =
    "IMsgBox{background-color:white;}"
    // Transparent children: a style sheet on the parent window must not
    // paint through the dialog.
    "QLabel{color:rgb(51,51,51);background:transparent;}"
    "QWidget#buttonRow{background:transparent;}"
    "QPushButton{background-color:white;color:rgb(51,51,51);"
    "border:1px solid rgb(200,200,200);border-radius:%1px;padding:0px %2px;}"
    "QPushButton:hover{border-color:rgb(235,120,7);color:rgb(235,120,7);}"
    "QPushButton:pressed{background-color:rgb(253,236,218);}"
    "QPushButton[primary=\"true\"]{background-color:rgb(235,120,7);color:white;"
    "border-color:rgb(235,120,7);}"
    "QPushButton[primary=\"true\"]:hover{background-color:rgb(245,140,35);}"
    "QPushButton[primary=\"true\"]:pressed{background-color:rgb(205,100,0);}";

} // namespace

IMsgBox::IMsgBox(const QString& text, const QString& title, QWidget* parent)
    : ICustomDialog(parent)
    , m_text(text)
{
    const double s = scaleFactors().uniform;
    setTitle(title);
    setClosable(true);
    setMovable(true);
    setStyleSheet(QString::fromLatin1(kBoxStyle).arg(qRound(4 * s)).arg(qRound(12 * s)));

    m_label = new QLabel(text, this);
    QFont font = m_label->font();
    font.setPointSize(12);
    m_label->setFont(font);
    m_label->setWordWrap(true);
    m_label->setTextFormat(Qt::PlainText);
    m_label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_label->setMinimumWidth(qRound(360 * s));
    m_label->setMaximumWidth(qRound(640 * s));

    m_buttonRow = new QWidget(this);
    m_buttonRow->setObjectName(QStringLiteral("buttonRow"));
    auto* row = new QHBoxLayout(m_buttonRow);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(qRound(10 * s));
    row->addStretch(1);

    auto* layout = new QVBoxLayout(this);
    // The strip is painted, not laid out: keep the contents below it.
    layout->setContentsMargins(qRound(24 * s), titleHeight() + qRound(20 * s),
                               qRound(24 * s), qRound(16 * s));
    layout->setSpacing(qRound(20 * s));
    layout->addWidget(m_label, 1);
    layout->addWidget(m_buttonRow);
    layout->setSizeConstraint(QLayout::SetMinimumSize);
}

IMsgBox::IMsgBox(const QString& text, int buttons, const QString& title, QWidget* parent)
    : IMsgBox(text, title, parent)
{
    m_buttons = buttons;
    QPushButton* first = nullptr;
    switch (buttons) {
    case 0:
        first = addButton(tr("Yes"));
        connect(first, &QPushButton::clicked, this, &IMsgBox::onYes);
        connect(addButton(tr("No")), &QPushButton::clicked, this, &IMsgBox::onNo);
        break;
    case 1:
        first = addButton(tr("Yes"));
        connect(first, &QPushButton::clicked, this, &IMsgBox::onYes);
        connect(addButton(tr("No")), &QPushButton::clicked, this, &IMsgBox::onNo);
        connect(addButton(tr("Cancel")), &QPushButton::clicked, this, &IMsgBox::onCancel);
        break;
    case 2:
        first = addButton(tr("Ok"));
        connect(first, &QPushButton::clicked, this, &IMsgBox::onOK);
        connect(addButton(tr("Cancel")), &QPushButton::clicked, this, &IMsgBox::onCancel);
        break;
    case 3:
        first = addButton(tr("Cancel"));
        connect(first, &QPushButton::clicked, this, &IMsgBox::onCancel);
        break;
    case 5:
        first = addButton(tr("Yes"));
        connect(first, &QPushButton::clicked, this, &IMsgBox::onYes);
        connect(addButton(tr("No")), &QPushButton::clicked, this, &IMsgBox::onNo);
        connect(addButton(tr("Save")), &QPushButton::clicked, this, &IMsgBox::onSave);
        break;
    default:
        first = addButton(tr("Ok"));
        connect(first, &QPushButton::clicked, this, &IMsgBox::onOK);
        break;
    }
    // The first button is the one Enter presses; it alone is drawn filled.
    first->setProperty("primary", true);
    first->setDefault(true);
    first->setFocus();
}

QPushButton* IMsgBox::addButton(const QString& label)
{
    const double s = scaleFactors().uniform;
    auto* button = new QPushButton(label, m_buttonRow);
    button->setMinimumSize(qRound(88 * s), qRound(32 * s));
    button->setCursor(Qt::PointingHandCursor);
    m_buttonRow->layout()->addWidget(button);
    return button;
}

void IMsgBox::paintEvent(QPaintEvent* event)
{
    ICustomDialog::paintEvent(event);
    // Framed last, over the title strip, so the edge shows on light windows too.
    QPainter painter(this);
    painter.setPen(QColor(200, 200, 200));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

int IMsgBox::showMessage(const QString& text, int buttons, const QString& title,
                         QWidget* parent)
{
    // On the heap behind a guard: the parent may go away while the nested
    // event loop runs, and the dialog with it.
    QPointer<IMsgBox> box = new IMsgBox(text, buttons, title, parent);
    box->exec();
    if (!box)
        return Cancel;
    const int code = box->resultCode();
    delete box;
    return code;
}

int IMsgBox::showInformation(const QString& text, QWidget* parent)
{
    return showMessage(text, 4, IConfigureService::productName(), parent);
}

QString IMsgBox::text() const
{
    return m_text;
}

void IMsgBox::setText(const QString& text)
{
    m_text = text;
    m_label->setText(text);
}

int IMsgBox::buttonSet() const
{
    return m_buttons;
}

int IMsgBox::resultCode() const
{
    return m_result;
}

void IMsgBox::onYes()
{
    m_result = Yes;
    accept();
}

void IMsgBox::onOK()
{
    m_result = Ok;
    accept();
}

void IMsgBox::onNo()
{
    m_result = No;
    reject();
}

void IMsgBox::onCancel()
{
    m_result = Cancel;
    reject();
}

void IMsgBox::onSave()
{
    m_result = Save;
    accept();
}

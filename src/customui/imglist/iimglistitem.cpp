// One entry of the picture list.
#include "customui/imglist/iimglistitem.h"

#include "iglobals.h"

#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>

namespace {

// Around the thumbnail, inside its white frame.
const int kPictureMargin = 3;
const QSize kPictureSize(145, 100);
const int kNumberWidth = 24;
const int kMarkSize = 20;
// Reference pixels between the entry's edge and its parts.
const int kPadding = 5;

} // namespace

IImgListItem::IImgListItem(const QString& path, int number, const QImage& thumbnail, QWidget* parent)
    : QWidget(parent)
    , m_path(path)
{
    setAttribute(Qt::WA_TranslucentBackground);
    setFixedSize(entrySize());

    m_numberLabel = new QLabel(this);
    QFont font = m_numberLabel->font();
    font.setPointSize(10);
    font.setWeight(75);
    m_numberLabel->setFont(font);
    m_numberLabel->setFixedWidth(scaledPixels(kNumberWidth));
    m_numberLabel->setAlignment(Qt::AlignCenter);
    setCurrent(false);

    m_pictureLabel = new QLabel(this);
    m_pictureLabel->setFixedSize(scaledPixels(kPictureSize.width()), scaledPixels(kPictureSize.height()));
    m_pictureLabel->setMargin(scaledPixels(kPictureMargin));
    m_pictureLabel->setAlignment(Qt::AlignCenter);
    m_pictureLabel->setStyleSheet(
        QStringLiteral("QLabel{background-color:white;border-radius:%1px;}").arg(scaledPixels(6)));
    if (!thumbnail.isNull()) {
        m_pictureLabel->setPixmap(QPixmap::fromImage(
            thumbnail.scaled(thumbnailBox(), Qt::KeepAspectRatio, Qt::SmoothTransformation)));
    }

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, scaledPixels(kPadding), scaledPixels(kPadding), scaledPixels(kPadding));
    layout->setSpacing(0);
    layout->addWidget(m_numberLabel);
    layout->addWidget(m_pictureLabel);
    layout->addStretch(1);

    // Placed by hand over the thumbnail's lower left corner.
    m_mark = new QLabel(this);
    m_mark->setFixedSize(scaledPixels(kMarkSize), scaledPixels(kMarkSize));
    m_mark->setPixmap(QIcon(QStringLiteral(":/root/root/rselect.svg")).pixmap(m_mark->size()));
    m_mark->setStyleSheet(QStringLiteral("QLabel{background-color:transparent;}"));
    m_mark->move(scaledPixels(40), height() - scaledPixels(32));
    m_mark->hide();

    setNumber(number);
    setToolTip(path);
}

QSize IImgListItem::entrySize()
{
    return QSize(scaledPixels(kNumberWidth + kPictureSize.width() + kPadding),
                 scaledPixels(kPictureSize.height() + 2 * kPadding));
}

QSize IImgListItem::thumbnailBox()
{
    const int margin = scaledPixels(kPictureMargin);
    return QSize(scaledPixels(kPictureSize.width()) - 2 * margin, scaledPixels(kPictureSize.height()) - 2 * margin);
}

QString IImgListItem::path() const
{
    return m_path;
}

int IImgListItem::number() const
{
    return m_number;
}

void IImgListItem::setNumber(int number)
{
    m_number = number;
    m_numberLabel->setText(QString::number(number));
}

bool IImgListItem::isChecked() const
{
    return !m_mark->isHidden();
}

void IImgListItem::setChecked(bool checked)
{
    m_mark->setVisible(checked);
}

void IImgListItem::setCurrent(bool current)
{
    m_numberLabel->setStyleSheet(current ? QStringLiteral("QLabel{color:rgb(235,120,7);background-color:transparent;}")
                                         : QStringLiteral("QLabel{color:white;background-color:transparent;}"));
}

QPixmap IImgListItem::thumbnail() const
{
    return m_pictureLabel->pixmap(Qt::ReturnByValue);
}

void IImgListItem::setTooLarge(const QString& why)
{
    m_tooLarge = true;
    m_pictureLabel->setWordWrap(true);
    m_pictureLabel->setText(tr("Too large to show"));
    setToolTip(m_path + QLatin1Char('\n') + why);
}

bool IImgListItem::isTooLarge() const
{
    return m_tooLarge;
}

// Settings panel.
#include "customui/setting/isettingframe.h"

#include "customui/common/imsgbox.h"
#include "customui/common/ipanelstyle.h"
#include "iglobals.h"
#include "service/iconfigureservice.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDebug>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QImageWriter>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QUrl>
#include <QVBoxLayout>

namespace {

const QStringList kPictureFormats = {QStringLiteral("png"), QStringLiteral("jpeg"), QStringLiteral("tiff"),
                                     QStringLiteral("bmp")};
const QStringList kVideoFormats = {QStringLiteral("mp4"), QStringLiteral("flv"), QStringLiteral("avi"),
                                   QStringLiteral("mov")};

QLabel* sectionLabel(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QStringLiteral("panelSection"));
    return label;
}

QString storedFolder(int kind)
{
    const IConfigureService* config = IConfigureService::instance();
    return kind == 0 ? config->photoPath() : config->videoPath();
}

} // namespace

const QList<ISettingFrame::Language>& ISettingFrame::languages()
{
    static const QList<Language> table = {
        {"简体中文", "2052"}, {"繁體中文", "1028"}, {"English", "1033"},  {"Pусский", "1049"},
        {"Español", "1034"},  {"Deutsch", "1031"},  {"日本語", "1041"},    {"한국어.", "1042"},
        {"Français", "1036"}, {"Italiano", "1040"}, {"Nederlands", "1043"}, {"Türkçe", "1055"},
    };
    return table;
}

ISettingFrame::ISettingFrame(QWidget* parent)
    : ICustomWidget(parent)
    , m_chooseFolder([this](const QString& title, const QString& current) {
        return QFileDialog::getExistingDirectory(this, title, current);
    })
    , m_openFolder([](const QUrl& folder) { return QDesktopServices::openUrl(folder); })
{
    setAttribute(Qt::WA_StyledBackground, true);
    setStyleSheet(IPanelStyle::sheet(QStringLiteral("ISettingFrame")) + IPanelStyle::controlsSheet());
    auto* grid = new QGridLayout(this);
    const int margin = scaledPixels(16);
    grid->setContentsMargins(margin, margin, margin, margin);
    grid->setHorizontalSpacing(scaledPixels(14));
    grid->setVerticalSpacing(scaledPixels(10));
    grid->setColumnStretch(1, 1);

    grid->addWidget(sectionLabel(tr("Format"), this), grid->rowCount(), 0, 1, 2);
    addFormatRow(this, PictureKind, kPictureFormats);
    addFormatRow(this, VideoKind, kVideoFormats);

    grid->addWidget(sectionLabel(tr("Save"), this), grid->rowCount(), 0, 1, 2);
    addFolderRow(this, PictureKind);
    addFolderRow(this, VideoKind);

    grid->addWidget(sectionLabel(tr("About"), this), grid->rowCount(), 0, 1, 2);
    int row = grid->rowCount();
    grid->addWidget(new QLabel(tr("Software:"), this), row, 0);
    grid->addWidget(new QLabel(IConfigureService::productName(), this), row, 1);
    row = grid->rowCount();
    grid->addWidget(new QLabel(tr("Software Version:"), this), row, 0);
    grid->addWidget(new QLabel(IConfigureService::versionString(), this), row, 1);
    row = grid->rowCount();
    grid->addWidget(new QLabel(tr("Language switch:"), this), row, 0);
    m_languages = new QComboBox(this);
    m_languages->setFocusPolicy(Qt::NoFocus);
    for (const Language& language : languages())
        m_languages->addItem(QString::fromUtf8(language.text), QString::fromLatin1(language.id));
    grid->addWidget(m_languages, row, 1, Qt::AlignLeft);
    connect(m_languages, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &ISettingFrame::slCurrentIndexChanged);

    syncFromSettings();
    adjustSize();
}

void ISettingFrame::addFormatRow(QWidget* page, int kind, const QStringList& formats)
{
    auto* grid = static_cast<QGridLayout*>(layout());
    const int row = grid->rowCount();
    grid->addWidget(new QLabel(kind == PictureKind ? tr("Picture") : tr("Video"), page), row, 0);
    auto* choices = new QHBoxLayout;
    choices->setSpacing(scaledPixels(16));
    m_formats[kind] = new QButtonGroup(this);
    const QList<QByteArray> writable = QImageWriter::supportedImageFormats();
    for (const QString& format : formats) {
        auto* b = new QRadioButton(format, page);
        b->setProperty("index", kind);
        b->setProperty("format", format);
        b->setFocusPolicy(Qt::NoFocus);
        // A picture format this system cannot write would lose every capture.
        if (kind == PictureKind && !writable.contains(format.toLatin1())) {
            b->setEnabled(false);
            b->setToolTip(tr("This system cannot save pictures in this format."));
        }
        m_formats[kind]->addButton(b);
        choices->addWidget(b);
        connect(b, &QRadioButton::clicked, this, &ISettingFrame::slRadioButtonClicked);
    }
    choices->addStretch(1);
    grid->addLayout(choices, row, 1);
}

void ISettingFrame::addFolderRow(QWidget* page, int kind)
{
    auto* grid = static_cast<QGridLayout*>(layout());
    const int row = grid->rowCount();
    grid->addWidget(new QLabel(kind == PictureKind ? tr("Picture") : tr("Video"), page), row, 0, Qt::AlignTop);
    auto* column = new QVBoxLayout;
    column->setSpacing(scaledPixels(6));
    m_folders[kind] = new QLabel(page);
    m_folders[kind]->setTextInteractionFlags(Qt::TextSelectableByMouse);
    column->addWidget(m_folders[kind]);
    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(scaledPixels(10));
    const QString view = kind == PictureKind ? tr("View picture file path") : tr("View video file path");
    const QString setup = kind == PictureKind ? tr("Setup picture file path") : tr("Setup video file path");
    for (const QString& text : {view, setup}) {
        auto* b = new QPushButton(text, page);
        b->setFocusPolicy(Qt::NoFocus);
        b->setCursor(Qt::PointingHandCursor);
        buttons->addWidget(b);
        m_buttons << b;
    }
    buttons->addStretch(1);
    connect(m_buttons.at(m_buttons.size() - 2), &QPushButton::clicked, this, [this, kind] { viewFolder(kind); });
    connect(m_buttons.last(), &QPushButton::clicked, this, [this, kind] { chooseFolder(kind); });
    column->addLayout(buttons);
    grid->addLayout(column, row, 1);
}

void ISettingFrame::setFolderChooser(FolderChooser chooser)
{
    m_chooseFolder = std::move(chooser);
}

void ISettingFrame::setFolderOpener(FolderOpener opener)
{
    m_openFolder = std::move(opener);
}

QPushButton* ISettingFrame::button(const QString& text) const
{
    for (QPushButton* b : m_buttons) {
        if (b->text() == text)
            return b;
    }
    return nullptr;
}

QList<QRadioButton*> ISettingFrame::formatButtons(int index) const
{
    QList<QRadioButton*> list;
    if (index == PictureKind || index == VideoKind) {
        for (QAbstractButton* b : m_formats[index]->buttons())
            list << static_cast<QRadioButton*>(b);
    }
    return list;
}

void ISettingFrame::slCurrentIndexChanged(int index)
{
    const QString id = m_languages->itemData(index).toString();
    if (id.isEmpty())
        return;
    qDebug() << "language id: " << id;
    IConfigureService::instance()->setLangId(id);
    // The running window keeps its texts; the new ones are loaded at the next start.
    QWidget* owner = parentWidget() ? parentWidget()->window() : nullptr;
    auto* box = new IMsgBox(tr("Restart the software, to activate the language setting."), 4,
                            IConfigureService::productName(), owner);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

void ISettingFrame::slRadioButtonClicked()
{
    const QObject* b = sender();
    if (!b)
        return;
    const QString format = b->property("format").toString();
    IConfigureService* config = IConfigureService::instance();
    if (b->property("index").toInt() == PictureKind) {
        qDebug() << "picture format: " << format;
        config->setPhotoFormat(format);
    } else {
        qDebug() << "video format: " << format;
        config->setVideoFormat(format);
    }
}

void ISettingFrame::viewFolder(int kind)
{
    const QString folder = storedFolder(kind);
    if (folder.isEmpty()) {
        qDebug() << "openUrl is empty.";
        return;
    }
    // Nothing may have been saved yet: the folder is made as a save would.
    QDir().mkpath(folder);
    if (!m_openFolder(QUrl::fromLocalFile(folder)))
        qDebug() << "openUrl failed: " << folder;
}

void ISettingFrame::chooseFolder(int kind)
{
    const QString title = kind == PictureKind ? tr("Setup picture file path") : tr("Setup video file path");
    const QString chosen = m_chooseFolder(title, storedFolder(kind));
    if (chosen.isEmpty())
        return;
    const QFileInfo info(chosen);
    if (!info.isDir() || !info.isWritable()) {
        IMsgBox::showInformation(tr("This folder cannot be written to. Please choose another one."), this);
        return;
    }
    const QString folder = QDir::cleanPath(info.absoluteFilePath());
    IConfigureService* config = IConfigureService::instance();
    if (kind == PictureKind)
        config->setPhotoPath(folder);
    else
        config->setVideoPath(folder);
    qDebug() << (kind == PictureKind ? "picture path: " : "video path: ") << folder;
    syncFromSettings();
}

void ISettingFrame::showEvent(QShowEvent* event)
{
    syncFromSettings();
    ICustomWidget::showEvent(event);
}

void ISettingFrame::syncFromSettings()
{
    const IConfigureService* config = IConfigureService::instance();
    const QString stored[2] = {config->photoFormat(), config->videoFormat()};
    for (int kind : {PictureKind, VideoKind}) {
        for (QAbstractButton* b : m_formats[kind]->buttons())
            b->setChecked(b->property("format").toString() == stored[kind]);
        const QString folder = QDir::toNativeSeparators(storedFolder(kind));
        m_folders[kind]->setToolTip(folder);
        const int room = scaledPixels(420);
        m_folders[kind]->setText(m_folders[kind]->fontMetrics().elidedText(folder, Qt::ElideMiddle, room));
    }
    const QSignalBlocker quiet(m_languages);
    m_languages->setCurrentIndex(m_languages->findData(config->langId()));
}

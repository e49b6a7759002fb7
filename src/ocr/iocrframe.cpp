// The OCR window.
#include "ocr/iocrframe.h"

#include "customui/common/imsgbox.h"
#include "customui/common/ipanelstyle.h"
#include "iglobals.h"
#include "ocr/iocrlanguages.h"
#include "ocr/iocrprogressbar.h"
#include "service/iconfigureservice.h"

#include <QDir>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QImageReader>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

struct Format
{
    const char* label;
    ExportFileType type;
    const char* suffix;
};

// In the order shown. Spreadsheets are written as .xlsx.
const Format kFormats[] = {
    {"PDF", ExportPdf, "pdf"},
    {"WORD", ExportWord, "docx"},
    {"EXCEL", ExportExcel, "xlsx"},
    {"TEXT", ExportText, "txt"},
};

const char* const kExtraStyle =
    "QPushButton:checked{color:white;background-color:rgb(235,120,7);border-color:rgb(235,120,7);}"
    "QPushButton#ocrStart{color:white;background-color:rgb(235,120,7);border-color:rgb(235,120,7);}"
    "QPushButton#ocrStart:hover{background-color:rgb(245,140,35);}"
    "QLabel#ocrPreview{background-color:rgb(30,30,32);border:1px solid rgb(80,80,84);}";

} // namespace

IOcrFrame::IOcrFrame(IOcrEngine* engine, QWidget* parent)
    : ICustomDialog(parent)
    , m_engine(engine)
{
    const double s = scaleFactors().uniform;
    setTitle(tr("OCR"));
    setClosable(true);
    setMovable(true);
    setStyleSheet(IPanelStyle::sheet(QStringLiteral("IOcrFrame")) + QString::fromLatin1(kExtraStyle));

    // Left: the pictures.
    m_import = makeButton(tr("Import File"), this);
    m_preview = new QLabel(this);
    m_preview->setObjectName(QStringLiteral("ocrPreview"));
    m_preview->setAlignment(Qt::AlignCenter);
    m_preview->setWordWrap(true);
    m_preview->setMinimumSize(qRound(440 * s), qRound(520 * s));
    m_preview->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    m_last = makeButton(tr("Last page"), this);
    m_next = makeButton(tr("Next Page"), this);
    m_counter = new QLabel(counterText(), this);
    m_counter->setAlignment(Qt::AlignCenter);
    m_counter->setMinimumWidth(qRound(80 * s));
    auto* paging = new QHBoxLayout;
    paging->addWidget(m_last);
    paging->addWidget(m_counter, 1);
    paging->addWidget(m_next);
    auto* left = new QVBoxLayout;
    left->setSpacing(qRound(10 * s));
    left->addWidget(m_import, 0, Qt::AlignLeft);
    left->addWidget(m_preview, 1);
    left->addLayout(paging);

    // Right: languages, format, start.
    auto* languages = new QGridLayout;
    languages->setSpacing(qRound(6 * s));
    const QStringList stored = IConfigureService::instance()->ocrLanguages();
    const QVector<IOcrLanguages::Language> offered =
        IOcrLanguages::ordered(IConfigureService::instance()->langId());
    const int columns = 4;
    for (int i = 0; i < offered.size(); ++i) {
        QPushButton* button = makeButton(offered[i].displayText(), this, true);
        button->setProperty("lang", offered[i].engineName);
        button->setChecked(stored.contains(offered[i].engineName));
        languages->addWidget(button, i / columns, i % columns);
        m_languageButtons << button;
    }
    // The stored choice, at most two as a click would allow.
    QStringList chosen;
    for (QAbstractButton* button : qAsConst(m_languageButtons)) {
        if (button->isChecked() && chosen.size() < 2)
            chosen << button->property("lang").toString();
        else
            button->setChecked(false);
    }
    m_languages = chosen.join(QLatin1Char(','));

    auto* formats = new QHBoxLayout;
    formats->setSpacing(qRound(10 * s));
    for (const Format& format : kFormats) {
        QPushButton* button = makeButton(QString::fromLatin1(format.label), this, true);
        button->setProperty("ExportFileType", int(format.type));
        button->setAutoExclusive(true);
        button->setChecked(format.type == m_exportType);
        formats->addWidget(button);
        m_formatButtons << button;
    }
    m_start = makeButton(tr("OCR Recognizing"), this);
    m_start->setObjectName(QStringLiteral("ocrStart"));
    m_start->setMinimumHeight(qRound(48 * s));

    auto* right = new QVBoxLayout;
    right->setSpacing(qRound(12 * s));
    right->addWidget(new QLabel(tr("Language Identification"), this));
    right->addLayout(languages);
    right->addStretch(1);
    right->addLayout(formats);
    right->addWidget(m_start);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(qRound(20 * s), titleHeight() + qRound(12 * s), qRound(20 * s), qRound(20 * s));
    layout->setSpacing(qRound(24 * s));
    layout->addLayout(left, 1);
    layout->addLayout(right, 0);

    connect(m_engine, &IOcrEngine::sgOcrError, this, &IOcrFrame::slOcrImageError);
    connect(m_engine, &IOcrEngine::sgOcrProgress, this, &IOcrFrame::slOcrImageProgress);
}

QPushButton* IOcrFrame::makeButton(const QString& text, QWidget* parent, bool checkable)
{
    auto* button = new QPushButton(text, parent);
    button->setCheckable(checkable);
    button->setFocusPolicy(Qt::NoFocus);
    button->setCursor(Qt::PointingHandCursor);
    connect(button, &QPushButton::clicked, this, &IOcrFrame::slButtonClick);
    return button;
}

QString IOcrFrame::counterText() const
{
    return QStringLiteral("%1/%2").arg(m_index).arg(m_images.size());
}

QAbstractButton* IOcrFrame::formatButton(ExportFileType type) const
{
    for (QAbstractButton* button : m_formatButtons) {
        if (button->property("ExportFileType").toInt() == type)
            return button;
    }
    return nullptr;
}

QAbstractButton* IOcrFrame::importButton() const { return m_import; }
QAbstractButton* IOcrFrame::lastButton() const { return m_last; }
QAbstractButton* IOcrFrame::nextButton() const { return m_next; }
QAbstractButton* IOcrFrame::startButton() const { return m_start; }

void IOcrFrame::setImages(const QStringList& files)
{
    if (files.isEmpty())
        return;
    m_images = files;
    showPage(1);
}

void IOcrFrame::slButtonClick()
{
    auto* button = qobject_cast<QAbstractButton*>(sender());
    if (button == m_import) {
        importFiles();
    } else if (button == m_last) {
        if (m_index > 1)
            showPage(m_index - 1);
    } else if (button == m_next) {
        if (m_index < m_images.size())
            showPage(m_index + 1);
    } else if (button == m_start) {
        start();
    } else if (m_languageButtons.contains(button)) {
        chooseLanguage(button);
    } else if (m_formatButtons.contains(button)) {
        m_exportType = ExportFileType(button->property("ExportFileType").toInt());
    }
}

void IOcrFrame::importFiles()
{
    const QString filter = pictureNameFilters().join(QLatin1Char(' '));
    setImages(m_openChooser ? m_openChooser()
                            : QFileDialog::getOpenFileNames(this, tr("Open Picture"), QString(), filter));
}

void IOcrFrame::showPage(int index)
{
    m_index = index;
    m_counter->setText(counterText());
    preview();
}

void IOcrFrame::preview()
{
    if (m_index < 1 || m_index > m_images.size()) {
        m_preview->clear();
        return;
    }
    const QString path = m_images[m_index - 1];
    QImageReader reader(path);
    reader.setAutoTransform(true);
    const QString tooLarge = pictureSizeProblem(reader.size());
    if (!tooLarge.isEmpty()) {
        m_preview->setText(QDir::toNativeSeparators(path) + QLatin1Char('\n') + tooLarge);
        return;
    }
    // Decoded at the preview's size: a 4K JPEG shrinks while it is read.
    const QSize box = m_preview->size() - QSize(10, 10);
    if (reader.size().isValid())
        reader.setScaledSize(reader.size().scaled(box, Qt::KeepAspectRatio));
    const QImage picture = reader.read();
    if (picture.isNull()) {
        m_preview->setText(QDir::toNativeSeparators(path) + QLatin1Char('\n') + reader.errorString());
        return;
    }
    m_preview->setPixmap(QPixmap::fromImage(picture.scaled(box, Qt::KeepAspectRatio, Qt::SmoothTransformation)));
}

void IOcrFrame::resizeEvent(QResizeEvent* event)
{
    ICustomDialog::resizeEvent(event);
    preview();
}

void IOcrFrame::chooseLanguage(QAbstractButton* button)
{
    QStringList chosen;
    for (QAbstractButton* each : qAsConst(m_languageButtons)) {
        if (each->isChecked())
            chosen << each->property("lang").toString();
    }
    if (chosen.size() > 2) {
        button->setChecked(false);
        return;
    }
    m_languages = chosen.join(QLatin1Char(','));
    IConfigureService::instance()->setOcrLanguages(chosen);
}

void IOcrFrame::start()
{
    if (m_images.isEmpty()) {
        showMessage(tr("Please import a picture for parsing."));
        return;
    }
    if (m_languages.isEmpty())
        return;
    // Said before anything is asked or started.
    const QString missing = IOcrLanguages::missingPackProblem(m_languages);
    if (!missing.isEmpty()) {
        showMessage(missing);
        return;
    }
    const Format& format = kFormats[m_exportType];
    const QString filter = QStringLiteral("(*.%1)").arg(QLatin1String(format.suffix));
    QString target = m_saveChooser ? m_saveChooser(filter)
                                   : QFileDialog::getSaveFileName(this, tr("Save"), QString(), filter);
    if (target.isEmpty())
        return;
    const QString suffix = QLatin1Char('.') + QLatin1String(format.suffix);
    if (!target.endsWith(suffix, Qt::CaseInsensitive))
        target += suffix;

    OcrParameter parameter;
    parameter.images = m_images;
    parameter.outputFile = target;
    parameter.exportType = m_exportType;
    parameter.languages = m_languages;
    accept();
    ++m_jobs;
    m_engine->startOcr(parameter);
    if (!m_progress)
        // Beside the window, which closes when the job starts.
        m_progress = new IOcrProgressBar(parentWidget() ? parentWidget() : this);
    m_progress->setValue(0);
    m_progress->show();
}

void IOcrFrame::slOcrImageProgress(int percent)
{
    if (m_jobs == 0)
        return;
    if (m_progress)
        m_progress->setValue(percent);
    if (percent < 100)
        return;
    if (--m_jobs == 0 && m_progress)
        m_progress->hide();
    showMessage(tr("OCR Analysing Succeed!"));
}

void IOcrFrame::slOcrImageError(QString text)
{
    if (m_jobs == 0) {
        // Not a job of ours (unloading at close): the log has it.
        return;
    }
    if (--m_jobs == 0 && m_progress)
        m_progress->hide();
    showMessage(text);
}

void IOcrFrame::showMessage(const QString& text)
{
    if (m_messageShower)
        m_messageShower(text);
    else
        IMsgBox::showMessage(text, 4, tr("OCR"), parentWidget());
}

// The picture list.
#include "customui/imglist/iimglist.h"

#include "customui/imglist/iimglistitem.h"
#include "iglobals.h"
#include "ipdflayout.h"
#include "service/iconfigureservice.h"

#include <QContextMenuEvent>
#include <QDateTime>
#include <QDebug>
#include <QDir>
#include <QFileDialog>
#include <QImageReader>
#include <QLabel>
#include <QMenu>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollBar>
#include <QTimer>

namespace {

// How many pictures of the photo folder the list starts with.
const int kLoadedPictures = 20;

const char* const kListStyle =
    "QListWidget{background-color:transparent;border:none;outline:none;}"
    "QListWidget::item{background-color:transparent;border-radius:%1px;}"
    "QListWidget::item:hover{background-color:rgba(135,206,235,110);}";

// "JPEG File(*.jpeg *.jpg)" -> "jpeg".
QString suffixOfFilter(const QString& filter)
{
    const QRegularExpression firstSuffix(QStringLiteral("\\*\\.([^\\s)]+)"));
    return firstSuffix.match(filter).captured(1);
}

// "JPEG File(*.jpeg *.jpg *.jpe)" for a format of the shared list.
QString saveFilter(const QString& label, const QByteArray& format)
{
    QStringList patterns;
    for (const IPictureFormat& known : pictureFormats()) {
        if (known.format == format) {
            for (const QString& suffix : known.suffixes)
                patterns << QStringLiteral("*.") + suffix;
        }
    }
    return QStringLiteral("%1(%2)").arg(label, patterns.join(QLatin1Char(' ')));
}

} // namespace

IImgList::IImgList(QWidget* parent)
    : QListWidget(parent)
{
    // One reader keeps the disk and the CPU free for the camera.
    m_reader.setMaxThreadCount(1);

    setStyleSheet(QString::fromLatin1(kListStyle).arg(scaledPixels(6)));
    setAttribute(Qt::WA_TranslucentBackground);
    viewport()->setAttribute(Qt::WA_TranslucentBackground);
    // The marks are the selection; the view's own would only confuse them.
    setSelectionMode(QAbstractItemView::NoSelection);
    // Keys belong to the window's shortcuts and the board.
    setFocusPolicy(Qt::NoFocus);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    setMouseTracking(true);

    m_menu = new QMenu(this);
    m_menu->addAction(tr("Delete"), this, &IImgList::deleteEntries);
    m_menu->addAction(tr("View"), this, &IImgList::viewCurrent);
    m_menu->addAction(tr("Save As"), this, &IImgList::saveAs);

    // Bursts of new entries scroll to the newest once.
    m_scrollTimer = new QTimer(this);
    m_scrollTimer->setSingleShot(true);
    m_scrollTimer->setInterval(50);
    connect(m_scrollTimer, &QTimer::timeout, this, &IImgList::slTimeout);

    connect(this, &QListWidget::itemClicked, this, &IImgList::slItemClicked);
    connect(this, &QListWidget::itemDoubleClicked, this, &IImgList::slItemDoubleClicked);
    connect(this, &QListWidget::currentItemChanged, this, &IImgList::slCurrentItemChanged);
}

IImgList::~IImgList()
{
    m_reader.clear();
    m_reader.waitForDone();
}

QString IImgList::proposedExportPath()
{
    QString folder = IConfigureService::instance()->fileDialogFolder();
    // Without a remembered folder the name would point at the file system's root.
    if (folder.isEmpty() || !QDir(folder).exists())
        folder = QDir::homePath();
    return QDir(folder).filePath(QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMddhhmmss")));
}

void IImgList::addImage(const QImage& picture, const QString& path)
{
    if (picture.isNull()) {
        enqueueFiles({path});
        return;
    }
    Pending ready;
    ready.id = ++m_nextId;
    ready.path = path;
    ready.read.picture = picture;
    ready.ready = true;
    m_pending.append(ready);
    flushPending();
}

void IImgList::load()
{
    if (m_loaded)
        return;
    m_loaded = true;
    const QString folder = IConfigureService::instance()->photoPath();
    if (folder.isEmpty() || !QDir(folder).exists())
        return;
    const QDir dir(folder);
    // Without QDir::CaseSensitive the filters match "SHOT.JPG" too.
    const QFileInfoList found =
        dir.entryInfoList(pictureNameFilters(), QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot);
    QStringList paths;
    for (int i = qMax(0, found.size() - kLoadedPictures); i < found.size(); ++i)
        paths << found[i].absoluteFilePath();
    enqueueFiles(paths);
}

void IImgList::importFiles()
{
    QString folder = IConfigureService::instance()->fileDialogFolder();
    if (folder.isEmpty() || !QDir(folder).exists())
        folder = IConfigureService::instance()->photoPath();
    importFiles(m_openChooser ? m_openChooser(folder) : askOpenFiles(folder));
}

void IImgList::importFiles(const QStringList& paths)
{
    for (const QString& path : paths)
        qDebug() << "import path:" << path;
    enqueueFiles(paths);
}

void IImgList::enqueueFiles(const QStringList& paths)
{
    const QSize box = IImgListItem::thumbnailBox();
    for (const QString& path : paths) {
        Pending waiting;
        waiting.id = ++m_nextId;
        waiting.path = path;
        m_pending.append(waiting);
        const quint64 id = waiting.id;
        readAsync(path, box, [this, id](const Read& read) { onThumbnailRead(id, read); });
    }
}

IImgList::Read IImgList::readFitted(const QString& path, const QSize& box)
{
    // Most formats cannot decode less than all of a picture: one over the
    // limit is refused by its header.
    Read result;
    QImageReader reader(path);
    reader.setAutoTransform(true);
    const QSize size = reader.size();
    result.error = pictureSizeProblem(size);
    if (!result.error.isEmpty()) {
        result.tooLarge = true;
        return result;
    }
    if (size.isValid() && (size.width() > box.width() || size.height() > box.height()))
        reader.setScaledSize(size.scaled(box, Qt::KeepAspectRatio));
    if (!reader.read(&result.picture))
        result.error = reader.errorString();
    return result;
}

void IImgList::readAsync(const QString& path, const QSize& box, std::function<void(const Read&)> done)
{
    // The list outlives every task (the destructor waits), so posting back
    // to it is safe; an answer still queued when it goes is dropped with it.
    m_reader.start([this, path, box, done] {
        const Read read = readFitted(path, box);
        QMetaObject::invokeMethod(
            this, [done, read] { done(read); }, Qt::QueuedConnection);
    });
}

void IImgList::onThumbnailRead(quint64 id, const Read& read)
{
    for (Pending& waiting : m_pending) {
        if (waiting.id == id) {
            waiting.read = read;
            waiting.ready = true;
            break;
        }
    }
    flushPending();
}

void IImgList::flushPending()
{
    while (!m_pending.isEmpty() && m_pending.first().ready) {
        const Pending done = m_pending.takeFirst();
        if (done.read.tooLarge) {
            // Still listed, so the user sees it is there and why it shows
            // no picture; viewing and exporting it say the same.
            qDebug() << "picture too large" << done.path << done.read.error;
            appendEntry(done.path, QImage(), done.read.error);
        } else if (done.read.picture.isNull()) {
            qDebug() << "read Image failed" << done.path << done.read.error;
        } else {
            appendEntry(done.path, done.read.picture);
        }
    }
}

void IImgList::appendEntry(const QString& path, const QImage& thumbnail, const QString& tooLarge)
{
    auto* widget = new IImgListItem(path, count() + 1, thumbnail);
    if (!tooLarge.isEmpty())
        widget->setTooLarge(tooLarge);
    auto* item = new QListWidgetItem(this);
    item->setSizeHint(widget->size());
    setItemWidget(item, widget);
    m_scrollTimer->start();
}

IImgListItem* IImgList::entryOf(QListWidgetItem* item) const
{
    return item ? qobject_cast<IImgListItem*>(itemWidget(item)) : nullptr;
}

IImgListItem* IImgList::entry(int row) const
{
    return entryOf(item(row));
}

QStringList IImgList::files() const
{
    QStringList paths;
    for (int row = 0; row < count(); ++row)
        paths << entry(row)->path();
    return paths;
}

QStringList IImgList::selectedFiles() const
{
    QStringList paths;
    for (int row = 0; row < count(); ++row) {
        if (entry(row)->isChecked())
            paths << entry(row)->path();
    }
    return paths;
}

int IImgList::pendingCount() const
{
    return m_pending.size();
}

void IImgList::setSaveFileChooser(SaveFileChooser chooser)
{
    m_saveChooser = std::move(chooser);
}

void IImgList::setPdfFileChooser(SaveFileChooser chooser)
{
    m_pdfChooser = std::move(chooser);
}

void IImgList::setOpenFilesChooser(OpenFilesChooser chooser)
{
    m_openChooser = std::move(chooser);
}

QMenu* IImgList::contextMenu() const
{
    return m_menu;
}

QWidget* IImgList::viewer() const
{
    return m_viewer;
}

void IImgList::selectAll()
{
    for (int row = 0; row < count(); ++row)
        entry(row)->setChecked(true);
}

void IImgList::deselectAll()
{
    for (int row = 0; row < count(); ++row)
        entry(row)->setChecked(false);
}

void IImgList::deleteEntries()
{
    QList<QListWidgetItem*> doomed;
    for (int row = 0; row < count(); ++row) {
        if (entry(row)->isChecked())
            doomed << item(row);
    }
    if (doomed.isEmpty() && currentItem())
        doomed << currentItem();
    for (QListWidgetItem* gone : qAsConst(doomed)) {
        if (gone == m_lastClicked)
            m_lastClicked = nullptr;
        delete takeItem(row(gone));
    }
    renumber();
}

void IImgList::renumber()
{
    for (int row = 0; row < count(); ++row)
        entry(row)->setNumber(row + 1);
}

void IImgList::viewCurrent()
{
    const IImgListItem* current = entryOf(currentItem());
    if (!current)
        return;
    QSize box(1280, 720);
    if (const QScreen* where = screen())
        box = where->availableGeometry().size() * 0.8;
    const QString path = current->path();
    readAsync(path, box, [this, path](const Read& read) { showInViewer(path, read); });
}

void IImgList::showInViewer(const QString& path, const Read& read)
{
    if (!m_viewer) {
        m_viewer = new QLabel(this, Qt::Window);
        m_viewer->setAlignment(Qt::AlignCenter);
        m_viewer->setStyleSheet(QStringLiteral("QLabel{background-color:rgb(30,30,30);color:white;}"));
        m_viewer->setTextFormat(Qt::PlainText);
    }
    m_viewer->setWindowTitle(QFileInfo(path).fileName());
    if (read.tooLarge) {
        qDebug() << "picture too large" << path << read.error;
        m_viewer->setText(
            tr("The picture \"%1\" is not shown: %2").arg(QDir::toNativeSeparators(path), read.error));
        m_viewer->adjustSize();
    } else if (read.picture.isNull()) {
        qDebug() << "read Image failed" << path << read.error;
        m_viewer->setText(tr("The picture \"%1\" cannot be read: %2").arg(QDir::toNativeSeparators(path), read.error));
        m_viewer->adjustSize();
    } else {
        m_viewer->setPixmap(QPixmap::fromImage(read.picture));
        m_viewer->resize(read.picture.size());
    }
    m_viewer->show();
    m_viewer->raise();
    m_viewer->activateWindow();
}

void IImgList::saveAs()
{
    const QStringList sources = selectedFiles();
    if (sources.isEmpty())
        return;
    const QString proposed = proposedExportPath();
    const QString target = m_saveChooser ? m_saveChooser(proposed) : askSaveFile(proposed);
    if (target.isEmpty())
        return;
    emit sgExportFiles(target, sources, PdfFittedOnA4);
}

bool IImgList::exportPdf()
{
    const QStringList sources = selectedFiles();
    if (sources.isEmpty())
        return false;
    const QString proposed = proposedExportPath();
    QString target = m_pdfChooser ? m_pdfChooser(proposed)
                                  : QFileDialog::getSaveFileName(this, tr("Save"), proposed,
                                                                 QStringLiteral("PDF File (*.pdf)"));
    if (target.isEmpty())
        return true;
    // "x.PDF" is a PDF name already.
    if (!target.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive))
        target += QLatin1String(".pdf");
    emit sgExportFiles(target, sources, PdfFittedOnA4);
    return true;
}

QString IImgList::askSaveFile(const QString& proposedPath)
{
    const QString png = QStringLiteral("PNG File(*.png)");
    QFileDialog dialog(this, tr("Save As"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilters({QStringLiteral("PDF File (*.pdf)"), saveFilter(QStringLiteral("BMP File"), "bmp"),
                           saveFilter(QStringLiteral("TIFF File"), "tiff"),
                           saveFilter(QStringLiteral("JPEG File"), "jpeg"), png});
    // Shown filter and added suffix agree from the start.
    dialog.selectNameFilter(png);
    dialog.setDefaultSuffix(QStringLiteral("png"));
    connect(&dialog, &QFileDialog::filterSelected, &dialog,
            [&dialog](const QString& filter) { dialog.setDefaultSuffix(suffixOfFilter(filter)); });
    const QFileInfo proposed(proposedPath);
    dialog.setDirectory(proposed.absolutePath());
    dialog.selectFile(proposed.fileName());
    if (dialog.exec() != QDialog::Accepted)
        return QString();
    return dialog.selectedFiles().value(0);
}

QStringList IImgList::askOpenFiles(const QString& folder)
{
    // Native dialogs may match patterns case-sensitively.
    QStringList patterns = pictureNameFilters();
    for (const QString& pattern : pictureNameFilters())
        patterns << pattern.toUpper();
    return QFileDialog::getOpenFileNames(this, tr("Import File"), folder, patterns.join(QLatin1Char(' ')));
}

void IImgList::slTimeout()
{
    scrollToBottom();
}

void IImgList::slItemClicked(QListWidgetItem* item)
{
    IImgListItem* clicked = entryOf(item);
    if (!clicked)
        return;
    m_lastClicked = item;
    m_markBeforeClick = clicked->isChecked();
    clicked->setChecked(!clicked->isChecked());
}

void IImgList::slItemDoubleClicked(QListWidgetItem* item)
{
    IImgListItem* clicked = entryOf(item);
    if (!clicked)
        return;
    // A double-click views; the mark stays as it was before it.
    if (item == m_lastClicked)
        clicked->setChecked(m_markBeforeClick);
    m_lastClicked = nullptr;
    setCurrentItem(item);
    viewCurrent();
}

void IImgList::slCurrentItemChanged(QListWidgetItem* current, QListWidgetItem* previous)
{
    if (IImgListItem* was = entryOf(previous))
        was->setCurrent(false);
    if (IImgListItem* is = entryOf(current))
        is->setCurrent(true);
}

void IImgList::contextMenuEvent(QContextMenuEvent* event)
{
    QListWidgetItem* under = itemAt(event->pos());
    if (!under)
        return;
    setCurrentItem(under);
    entryOf(under)->setChecked(true);
    m_menu->popup(event->globalPos());
}

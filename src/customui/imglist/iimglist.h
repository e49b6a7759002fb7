// The picture list: numbered thumbnails with selection marks, loaded from the
// photo folder, imported, viewed, removed and exported. Pictures are read
// from disk on a worker thread, so a folder of large pictures never stalls
// the window.
#pragma once

#include <QImage>
#include <QListWidget>
#include <QPointer>
#include <QThreadPool>

#include <functional>

class IImgListItem;
class QLabel;
class QMenu;
class QTimer;

class IImgList : public QListWidget
{
    Q_OBJECT
public:
    // Stand-ins for the file dialogs, so that callers without a user can
    // answer them; an empty answer means cancelled.
    using SaveFileChooser = std::function<QString(const QString& proposedPath)>;
    using OpenFilesChooser = std::function<QStringList(const QString& folder)>;

    // A picture read from disk for the list or the viewer.
    struct Read
    {
        QImage picture;
        QString error;
        // Over the pixel limit: refused without decoding.
        bool tooLarge = false;
    };

    explicit IImgList(QWidget* parent = nullptr);
    // Waits for a picture being read, so no result outlives the list.
    ~IImgList() override;

    // Reads `path` no larger than `box` (smaller pictures keep their size);
    // a picture over the pixel limit is refused before it is decoded. Safe
    // on any thread.
    static Read readFitted(const QString& path, const QSize& box);

    // The name an export dialog proposes: the last dialog folder (the home
    // folder while there is none) + "/" + the current time.
    static QString proposedExportPath();

    // Appends an entry with the next number. A null picture is read from
    // `path` instead.
    void addImage(const QImage& picture, const QString& path);
    // The last 20 pictures of the photo folder; only the first call loads.
    void load();
    // Reads each file and appends the readable ones.
    void importFiles(const QStringList& paths);

    IImgListItem* entry(int row) const;
    QStringList files() const;
    // Paths of the marked entries, in list order.
    QStringList selectedFiles() const;
    // Pictures still being read before they join the list.
    int pendingCount() const;

    void setSaveFileChooser(SaveFileChooser chooser);
    void setPdfFileChooser(SaveFileChooser chooser);
    void setOpenFilesChooser(OpenFilesChooser chooser);
    QMenu* contextMenu() const;
    // The window "View" shows pictures in; null until first used.
    QWidget* viewer() const;

public slots:
    // Marks every entry.
    void selectAll() override;
    void deselectAll();
    // Asks for files and imports them.
    void importFiles();
    // Removes the marked entries (the current one when none is marked) from
    // the list; the files stay on disk.
    void deleteEntries();
    void viewCurrent();
    // Asks for a target and exports the marked entries to it.
    void saveAs();
    // Asks for a PDF file and exports the marked entries into it, each
    // fitted on an A4 page; false when no entry is marked.
    bool exportPdf();

    void slTimeout();
    void slItemClicked(QListWidgetItem* item);
    void slItemDoubleClicked(QListWidgetItem* item);
    void slCurrentItemChanged(QListWidgetItem* current, QListWidgetItem* previous);

signals:
    // An export of stored pictures for the save thread.
    void sgExportFiles(QString targetPath, QStringList sourceFiles, int mode);

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    // A picture on its way into the list; entries join in the order asked
    // for, whichever is read first.
    struct Pending
    {
        quint64 id = 0;
        QString path;
        Read read;
        bool ready = false;
    };

    IImgListItem* entryOf(QListWidgetItem* item) const;
    void enqueueFiles(const QStringList& paths);
    void readAsync(const QString& path, const QSize& box, std::function<void(const Read&)> done);
    void onThumbnailRead(quint64 id, const Read& read);
    void flushPending();
    // `tooLarge`, when set, says why the picture is not shown.
    void appendEntry(const QString& path, const QImage& thumbnail, const QString& tooLarge = QString());
    void renumber();
    void showInViewer(const QString& path, const Read& read);
    QString askSaveFile(const QString& proposedPath);
    QStringList askOpenFiles(const QString& folder);

    QThreadPool m_reader;
    QList<Pending> m_pending;
    quint64 m_nextId = 0;
    bool m_loaded = false;
    QMenu* m_menu = nullptr;
    QTimer* m_scrollTimer = nullptr;
    QPointer<QLabel> m_viewer;
    SaveFileChooser m_saveChooser;
    SaveFileChooser m_pdfChooser;
    OpenFilesChooser m_openChooser;
    // Undoes the mark change of a double-click's first click.
    QListWidgetItem* m_lastClicked = nullptr;
    bool m_markBeforeClick = false;
};

// The picture list as a user meets it: loading the photo folder, captures
// joining, marks set by clicks and buttons, the context menu, import and
// "Save As" through the save thread.
#include "common/testenv.h"

#include "customui/imglist/iimglist.h"
#include "customui/imglist/iimglistitem.h"
#include "customui/imglist/iimglistwidget.h"
#include "customui/common/iitoolbutton.h"
#include "iglobals.h"
#include "iimagetansformthread.h"
#include "service/iconfigureservice.h"

#include <QContextMenuEvent>
#include <algorithm>
#include <QDateTime>
#include <QDir>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QImageReader>
#include <QLabel>
#include <QMenu>
#include <QRegularExpression>
#include <QTimer>

#include <memory>

namespace {

QString writePicture(const QString& path, const QSize& size, const QColor& color)
{
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(color);
    // In the format its suffix names, PNG for any other suffix.
    const QByteArray format = pictureFormatOfSuffix(QFileInfo(path).suffix());
    if (!picture.save(path, format.isEmpty() ? "png" : format.constData()))
        qWarning("cannot write %s", qPrintable(path));
    return QFileInfo(path).absoluteFilePath();
}

} // namespace

class TestImgList : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_folder;
    std::unique_ptr<IImgListWidget> m_panel;

    IImgList* list() const { return m_panel->list(); }

    // A shown panel on an empty list, reading from a fresh photo folder.
    void newPanel()
    {
        m_folder = std::make_unique<QTemporaryDir>();
        IConfigureService::instance()->setPhotoPath(m_folder->path() + "/");
        m_panel = std::make_unique<IImgListWidget>();
        m_panel->resize(m_panel->width(), 900);
        m_panel->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_panel.get()));
    }

    // Appends `n` pictures with the given thumbnail colours, waiting for none.
    QStringList addPictures(int n)
    {
        QStringList paths;
        for (int i = 0; i < n; ++i) {
            const QString path = m_folder->filePath(QString("added%1.png").arg(i));
            QImage thumbnail(139, 94, QImage::Format_RGB32);
            thumbnail.fill(Qt::darkCyan);
            list()->addImage(thumbnail, path);
            paths << path;
        }
        return paths;
    }

    QPoint centreOf(int row) const { return list()->visualItemRect(list()->item(row)).center(); }

    void click(int row) { QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, centreOf(row)); }

    void openMenuOn(int row)
    {
        const QPoint at = centreOf(row);
        QContextMenuEvent event(QContextMenuEvent::Mouse, at, list()->viewport()->mapToGlobal(at));
        QApplication::sendEvent(list()->viewport(), &event);
    }

    QAction* menuAction(const QString& text) const
    {
        for (QAction* action : list()->contextMenu()->actions()) {
            if (action->text() == text)
                return action;
        }
        return nullptr;
    }

    QList<bool> marks() const
    {
        QList<bool> result;
        for (int row = 0; row < list()->count(); ++row)
            result << list()->entry(row)->isChecked();
        return result;
    }

private slots:
    void initTestCase()
    {
        TestEnv::silenceOffscreenPlatformNotices();
        IConfigureService::instance()->readConfigure();
    }

    void cleanup()
    {
        m_panel.reset();
        m_folder.reset();
    }

    void thePanelHasItsHeaderAndButtons()
    {
        newPanel();
        const QList<QLabel*> labels = m_panel->findChildren<QLabel*>();
        QVERIFY(std::any_of(labels.begin(), labels.end(), [](QLabel* l) { return l->text() == "Gallery"; }));
        const QList<QPair<int, QString>> buttons = {{IImgListWidget::SelectAll, "Select All"},
                                                    {IImgListWidget::Deselect, "Deselect"},
                                                    {IImgListWidget::ImportFile, "Import File"}};
        for (const auto& expected : buttons) {
            IIToolButton* button = m_panel->button(expected.first);
            QVERIFY(button);
            QCOMPARE(button->text(), expected.second);
            QVERIFY2(!button->icon().pixmap(24, 24).isNull(), qPrintable(expected.second));
        }
        const QStringList icons = {":/root/root/rselect.svg", ":/root/root/rselectall.svg",
                                   ":/root/root/runselectall.svg", ":/root/root/radd.svg"};
        for (const QString& icon : icons)
            QVERIFY2(QFile::exists(icon), qPrintable(icon));
        QStringList menu;
        for (QAction* action : list()->contextMenu()->actions())
            menu << action->text();
        QCOMPARE(menu, QStringList({"Delete", "View", "Save As"}));
    }

    void loadShowsTheLastTwentyPicturesOfThePhotoFolderInDirectoryOrder()
    {
        newPanel();
        const QStringList formats = {"png", "jpeg", "bmp", "tiff"};
        QStringList written;
        for (int i = 1; i <= 25; ++i) {
            const QString name = QString("shot%1.%2").arg(i, 2, 10, QChar('0')).arg(formats[i % formats.size()]);
            written << writePicture(m_folder->filePath(name), QSize(400, 300), QColor(i * 10, 80, 120));
        }
        // Not among the names the list loads.
        writePicture(m_folder->filePath("notes.txt"), QSize(40, 30), Qt::red);

        list()->load();
        // Reading happens off the GUI thread: nothing is in yet.
        QCOMPARE(list()->count(), 0);
        QCOMPARE(list()->pendingCount(), 20);
        QTRY_COMPARE_WITH_TIMEOUT(list()->count(), 20, 20000);
        QCOMPARE(list()->files(), written.mid(5));
        for (int row = 0; row < 20; ++row)
            QCOMPARE(list()->entry(row)->number(), row + 1);

        // Thumbnails keep the picture's shape and fit their box.
        const QPixmap thumbnail = list()->entry(0)->thumbnail();
        const QSize box = IImgListItem::thumbnailBox();
        QVERIFY(thumbnail.width() <= box.width() && thumbnail.height() <= box.height());
        QVERIFY(qAbs(thumbnail.width() * 3 - thumbnail.height() * 4) <= 4);

        // The camera reopening does not load the folder a second time.
        list()->load();
        QTest::qWait(200);
        QCOMPARE(list()->count(), 20);
        QCOMPARE(list()->pendingCount(), 0);
    }

    // Whatever a camera or another program named them: the usual suffixes
    // of JPEG, PNG, BMP and TIFF in any case.
    void loadTakesTheUsualSuffixesInAnyCase_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("listed");
        for (const char* name : {"shot.jpg", "SHOT.JPG", "shot.jpe", "shot.Jpeg", "shot.tif", "shot.TIFF", "shot.PNG",
                                 "shot.Bmp"})
            QTest::newRow(name) << QString(name) << true;
        // Readable, but not a format the program keeps pictures in.
        QTest::newRow("shot.gif") << "shot.gif" << false;
        QTest::newRow("shot.txt") << "shot.txt" << false;
    }
    void loadTakesTheUsualSuffixesInAnyCase()
    {
        QFETCH(QString, name);
        QFETCH(bool, listed);
        newPanel();
        const QString path = writePicture(m_folder->filePath(name), QSize(64, 48), Qt::darkGreen);

        list()->load();
        QTRY_COMPARE_WITH_TIMEOUT(list()->pendingCount(), 0, 20000);
        QCOMPARE(list()->files(), listed ? QStringList{path} : QStringList());
        if (listed)
            QCOMPARE(list()->entry(0)->thumbnail().isNull(), false);
    }

    // The import dialog offers them too.
    void importDialogOffersTheUsualSuffixesInAnyCase()
    {
        newPanel();
        const QStringList pictures = {"a.jpg", "b.JPG", "c.jpeg", "d.jpe", "e.png", "f.bmp", "g.tif", "h.TIFF"};
        for (const QString& name : pictures)
            writePicture(m_folder->filePath(name), QSize(8, 8), Qt::gray);
        writePicture(m_folder->filePath("i.txt"), QSize(8, 8), Qt::gray);
        IConfigureService::instance()->setFileDialogFolder(m_folder->path());

        // Qt's own dialog (no native one offscreen), read once it has listed
        // the folder, then cancelled.
        QStringList offered;
        QTimer::singleShot(0, this, [&] {
            QFileDialog* dialog = nullptr;
            auto opened = [&] { return (dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())); };
            if (!QTest::qWaitFor(opened, 10000))
                return;
            if (auto* model = dialog->findChild<QFileSystemModel*>()) {
                // The folder is listed in the background.
                const QModelIndex folder = model->index(m_folder->path());
                if (!QTest::qWaitFor([&] { return model->rowCount(folder) >= pictures.size(); }, 10000))
                    qWarning("the dialog lists fewer files than there are pictures");
                QTest::qWait(200); // in case more come
                for (int row = 0; row < model->rowCount(folder); ++row)
                    offered << model->index(row, 0, folder).data().toString();
            }
            dialog->reject();
        });
        m_panel->button(IImgListWidget::ImportFile)->click();
        offered.sort();
        QCOMPARE(offered, pictures);
        QCOMPARE(list()->pendingCount(), 0);
    }

    // A picture too large to decode safely is listed with a note instead
    // of a thumbnail, and the viewer says why it shows nothing.
    void picturesOverThePixelLimitAreListedButNotDecoded()
    {
        newPanel();
        QImage large(10001, 10000, QImage::Format_Mono);
        large.fill(0);
        const QString largePath = m_folder->filePath("large.png");
        QVERIFY(large.save(largePath));
        const QString small = writePicture(m_folder->filePath("small.png"), QSize(64, 48), Qt::blue);

        list()->load();
        QTRY_COMPARE_WITH_TIMEOUT(list()->count(), 2, 20000);
        QCOMPARE(list()->files(), QStringList({largePath, small}));
        QVERIFY(list()->entry(0)->isTooLarge());
        QVERIFY(list()->entry(0)->thumbnail().isNull());
        QVERIFY2(list()->entry(0)->toolTip().contains("100 million"), qPrintable(list()->entry(0)->toolTip()));
        QVERIFY(!list()->entry(1)->isTooLarge());
        QVERIFY(!list()->entry(1)->thumbnail().isNull());

        list()->setCurrentRow(0);
        list()->viewCurrent();
        QTRY_VERIFY_WITH_TIMEOUT(list()->viewer() && list()->viewer()->isVisible(), 20000);
        auto* viewer = qobject_cast<QLabel*>(list()->viewer());
        QVERIFY(viewer);
        QVERIFY(viewer->pixmap(Qt::ReturnByValue).isNull());
        QVERIFY2(viewer->text().contains("large.png") && viewer->text().contains("100 million"),
                 qPrintable(viewer->text()));
        viewer->close();
    }

    void aMissingPhotoFolderLoadsNothing()
    {
        newPanel();
        IConfigureService::instance()->setPhotoPath(m_folder->path() + "/gone/");
        list()->load();
        QCOMPARE(list()->pendingCount(), 0);
        QCOMPARE(list()->count(), 0);
    }

    void addAppendsWithTheNextNumberAfterEntriesStillBeingRead()
    {
        newPanel();
        const QString first = writePicture(m_folder->filePath("a.png"), QSize(3840, 2160), Qt::blue);
        const QString second = writePicture(m_folder->filePath("b.png"), QSize(64, 48), Qt::green);
        list()->importFiles({first, second});
        // A capture saved meanwhile joins after them.
        const QStringList added = addPictures(1);
        QTRY_COMPARE_WITH_TIMEOUT(list()->count(), 3, 20000);
        QCOMPARE(list()->files(), QStringList({first, second, added.first()}));

        addPictures(1);
        QCOMPARE(list()->count(), 4); // nothing to read: at once
        QCOMPARE(list()->entry(3)->number(), 4);
        QVERIFY(!list()->entry(3)->isChecked());
    }

    // A saved capture shows the picture the save thread handed over; the
    // file is not read back, so what is on disk meanwhile does not matter.
    void aCaptureShowsThePictureHandedOverNotTheFile()
    {
        newPanel();
        const QString path = writePicture(m_folder->filePath("shot.jpeg"), QSize(64, 48), Qt::blue);
        QImage handed(139, 94, QImage::Format_RGB32);
        handed.fill(Qt::red);
        list()->addImage(handed, path);
        QCOMPARE(list()->count(), 1);
        QCOMPARE(list()->entry(0)->path(), path);
        const QImage shown = list()->entry(0)->thumbnail().toImage();
        QCOMPARE(QColor(shown.pixel(shown.rect().center())), QColor(Qt::red));
    }

    void clicksToggleMarksAndTheButtonsMarkAllOrNone()
    {
        newPanel();
        const QStringList paths = addPictures(4);
        QCOMPARE(marks(), QList<bool>({false, false, false, false}));

        click(2);
        QCOMPARE(marks(), QList<bool>({false, false, true, false}));
        click(0);
        QCOMPARE(marks(), QList<bool>({true, false, true, false}));
        // Marked in the order 2, 0; reported in list order.
        QCOMPARE(list()->selectedFiles(), QStringList({paths[0], paths[2]}));
        QCOMPARE(m_panel->selectedFiles(), list()->selectedFiles());
        click(2);
        QCOMPARE(marks(), QList<bool>({true, false, false, false}));

        m_panel->button(IImgListWidget::SelectAll)->click();
        QCOMPARE(list()->selectedFiles(), paths);
        m_panel->button(IImgListWidget::Deselect)->click();
        QVERIFY(list()->selectedFiles().isEmpty());
    }

    void doubleClickViewsThePictureAndKeepsTheMark()
    {
        newPanel();
        const QString path = writePicture(m_folder->filePath("view.png"), QSize(320, 200), Qt::magenta);
        list()->importFiles({path});
        QTRY_COMPARE_WITH_TIMEOUT(list()->count(), 1, 20000);

        // What a user's double-click sends: a click, then a press that
        // becomes a double-click, then a release.
        QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, centreOf(0));
        QTest::mousePress(list()->viewport(), Qt::LeftButton, {}, centreOf(0));
        QTest::mouseDClick(list()->viewport(), Qt::LeftButton, {}, centreOf(0));
        QTest::mouseRelease(list()->viewport(), Qt::LeftButton, {}, centreOf(0));
        QTRY_VERIFY_WITH_TIMEOUT(list()->viewer() && list()->viewer()->isVisible(), 20000);
        QCOMPARE(marks(), QList<bool>({false}));
        auto* viewer = qobject_cast<QLabel*>(list()->viewer());
        QVERIFY(viewer);
        QCOMPARE(viewer->pixmap(Qt::ReturnByValue).size(), QSize(320, 200));
        QCOMPARE(viewer->windowTitle(), QString("view.png"));
        viewer->close();
    }

    void theContextMenuActsOnTheEntryUnderTheMouse()
    {
        newPanel();
        const QStringList paths = addPictures(4);
        click(0);
        openMenuOn(2);
        QTRY_VERIFY(list()->contextMenu()->isVisible());
        QCOMPARE(list()->currentRow(), 2);
        QCOMPARE(marks(), QList<bool>({true, false, true, false}));
        list()->contextMenu()->hide();

        // Delete takes the marked entries off the list and numbers the rest anew.
        menuAction("Delete")->trigger();
        QCOMPARE(list()->files(), QStringList({paths[1], paths[3]}));
        QCOMPARE(list()->entry(0)->number(), 1);
        QCOMPARE(list()->entry(1)->number(), 2);

        // With nothing marked it takes the current one.
        list()->setCurrentRow(1);
        menuAction("Delete")->trigger();
        QCOMPARE(list()->files(), QStringList({paths[1]}));
    }

    void deleteLeavesTheFilesOnDisk()
    {
        newPanel();
        const QString path = writePicture(m_folder->filePath("keep.png"), QSize(50, 50), Qt::yellow);
        list()->importFiles({path});
        QTRY_COMPARE_WITH_TIMEOUT(list()->count(), 1, 20000);
        openMenuOn(0);
        list()->contextMenu()->hide();
        menuAction("Delete")->trigger();
        QCOMPARE(list()->count(), 0);
        QVERIFY(QFile::exists(path));
    }

    void importReadsTheChosenFilesAndSkipsUnreadableOnes()
    {
        newPanel();
        const QString good = writePicture(m_folder->filePath("good.bmp"), QSize(80, 60), Qt::gray);
        const QString broken = m_folder->filePath("broken.png");
        QFile file(broken);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("this is no picture");
        file.close();

        QString askedIn;
        list()->setOpenFilesChooser([&](const QString& folder) {
            askedIn = folder;
            return QStringList({broken, good});
        });
        QTest::ignoreMessage(QtDebugMsg, QRegularExpression("^import path: .*broken\\.png"));
        QTest::ignoreMessage(QtDebugMsg, QRegularExpression("^import path: .*good\\.bmp"));
        QTest::ignoreMessage(QtDebugMsg, QRegularExpression("^read Image failed .*broken\\.png"));
        m_panel->button(IImgListWidget::ImportFile)->click();
        QTRY_COMPARE_WITH_TIMEOUT(list()->pendingCount(), 0, 20000);
        QCOMPARE(list()->files(), QStringList({good}));
        QVERIFY(!askedIn.isEmpty());

        // A cancelled dialog imports nothing.
        list()->setOpenFilesChooser([](const QString&) { return QStringList(); });
        m_panel->button(IImgListWidget::ImportFile)->click();
        QCOMPARE(list()->pendingCount(), 0);
        QCOMPARE(list()->count(), 1);
    }

    void saveAsExportsOneFileExactlyAndSeveralNumbered()
    {
        newPanel();
        IImageTansformThread thread;
        connect(list(), &IImgList::sgExportFiles, &thread, &IImageTansformThread::setExportJob);
        thread.start();

        QStringList sources;
        for (int i = 0; i < 3; ++i)
            sources << writePicture(m_folder->filePath(QString("src%1.png").arg(i)), QSize(120, 90),
                                    QColor(60 * i, 90, 200));
        list()->importFiles(sources);
        QTRY_COMPARE_WITH_TIMEOUT(list()->count(), 3, 20000);

        QTemporaryDir out;
        QString proposed;
        list()->setSaveFileChooser([&](const QString& name) {
            proposed = name;
            return out.filePath("x.png");
        });

        const QDateTime before = QDateTime::currentDateTime().addSecs(-1);
        openMenuOn(1);
        list()->contextMenu()->hide();
        menuAction("Save As")->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(out.filePath("x.png")), 20000);
        QTRY_COMPARE(IConfigureService::instance()->fileDialogFolder(), QFileInfo(out.path()).absoluteFilePath());
        QCOMPARE(QDir(out.path()).entryList(QDir::Files), QStringList({"x.png"}));
        QImageReader single(out.filePath("x.png"));
        QCOMPARE(single.format(), QByteArray("png"));
        QCOMPARE(single.size(), QSize(120, 90));
        // Proposed: a folder and the time as yyyyMMddhhmmss.
        const QDateTime stamp = QDateTime::fromString(QFileInfo(proposed).fileName(), "yyyyMMddhhmmss");
        QVERIFY2(stamp.isValid() && stamp >= before && stamp <= QDateTime::currentDateTime(), qPrintable(proposed));
        // After an export the dialog starts where it went.
        const QString next = IImgList::proposedExportPath();
        QCOMPARE(QFileInfo(next).absolutePath(), QFileInfo(out.path()).absoluteFilePath());

        QVERIFY(QFile::remove(out.filePath("x.png")));
        m_panel->button(IImgListWidget::SelectAll)->click();
        openMenuOn(0);
        list()->contextMenu()->hide();
        menuAction("Save As")->trigger();
        QTRY_COMPARE_WITH_TIMEOUT(QDir(out.path()).entryList(QDir::Files).size(), 3, 20000);
        QCOMPARE(QDir(out.path()).entryList(QDir::Files), QStringList({"x1.png", "x2.png", "x3.png"}));

        // Cancelling the dialog exports nothing.
        int exports = 0;
        connect(list(), &IImgList::sgExportFiles, this, [&] { ++exports; });
        list()->setSaveFileChooser([](const QString&) { return QString(); });
        menuAction("Save As")->trigger();
        QCOMPARE(exports, 0);
    }
};

VESKAROO_TEST_MAIN(TestImgList)
#include "tst_imglist.moc"

// The settings panel: the language is stored for the next start and the
// running window keeps its texts; formats and folders are stored under
// their keys; viewing a folder hands it to the file browser.
#include "common/logrecorder.h"
#include "common/testenv.h"

#include "customui/common/imsgbox.h"
#include "customui/setting/isettingframe.h"
#include "service/iconfigureservice.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QUrl>

namespace {

QVariant stored(const QString& key)
{
    return QSettings(IConfigureService::settingsFilePath(), QSettings::IniFormat).value(key);
}

IMsgBox* shownMessage()
{
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (auto* box = qobject_cast<IMsgBox*>(top); box && box->isVisible())
            return box;
    }
    return nullptr;
}

// Counts the language changes a widget is told of.
class LanguageWatch : public QObject
{
public:
    int changes = 0;
    bool eventFilter(QObject*, QEvent* event) override
    {
        changes += event->type() == QEvent::LanguageChange;
        return false;
    }
};

} // namespace

class TestSettingFrame : public QObject
{
    Q_OBJECT

    ISettingFrame* m_panel = nullptr;
    QList<QUrl> m_opened;
    QString m_answer;

private slots:
    void init()
    {
        IConfigureService::instance()->readConfigure();
        m_panel = new ISettingFrame;
        m_opened.clear();
        m_panel->setFolderOpener([this](const QUrl& url) {
            m_opened << url;
            return true;
        });
        m_panel->setFolderChooser([this](const QString&, const QString&) { return m_answer; });
        m_panel->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_panel));
    }
    void cleanup()
    {
        delete m_panel;
        delete shownMessage();
    }

    void languageIsStoredForTheNextStartOnly()
    {
        QComboBox* box = m_panel->languageBox();
        QStringList texts;
        for (int i = 0; i < box->count(); ++i)
            texts << box->itemText(i) + "=" + box->itemData(i).toString();
        QCOMPARE(texts, (QStringList{"简体中文=2052", "繁體中文=1028", "English=1033", "Pусский=1049",
                                     "Español=1034", "Deutsch=1031", "日本語=1041", "한국어.=1042",
                                     "Français=1036", "Italiano=1040", "Nederlands=1043", "Türkçe=1055"}));
        QCOMPARE(box->currentText(), QString("English")); // the stored default

        LanguageWatch watch;
        m_panel->installEventFilter(&watch);
        qApp->installEventFilter(&watch);
        box->setCurrentIndex(box->findText("Deutsch"));
        QCOMPARE(IConfigureService::instance()->langId(), QString("1031"));
        QCOMPARE(stored("lang/langid").toString(), QString("1031"));
        IMsgBox* message = shownMessage();
        QVERIFY(message);
        QCOMPARE(message->text(), QString("Restart the software, to activate the language setting."));
        // The running window keeps its language.
        QCoreApplication::processEvents();
        QCOMPARE(watch.changes, 0);
        QVERIFY(m_panel->button("View picture file path"));
        qApp->removeEventFilter(&watch);
    }

    void formatsAreStoredUnderTheirKeys()
    {
        LogRecorder log;
        QStringList pictures;
        for (QRadioButton* b : m_panel->formatButtons(0))
            pictures << b->text();
        QCOMPARE(pictures, (QStringList{"png", "jpeg", "tiff", "bmp"}));
        QVERIFY(m_panel->formatButtons(0).at(1)->isChecked()); // "jpeg", the default

        QTest::mouseClick(m_panel->formatButtons(0).first(), Qt::LeftButton);
        QCOMPARE(stored("format/photo").toString(), QString("png"));
        QCOMPARE(IConfigureService::instance()->photoFormat(), QString("png"));
        QCOMPARE(log.count("picture format: "), 1);

        QStringList videos;
        for (QRadioButton* b : m_panel->formatButtons(1))
            videos << b->text();
        QCOMPARE(videos, (QStringList{"mp4", "flv", "avi", "mov"}));
        QTest::mouseClick(m_panel->formatButtons(1).last(), Qt::LeftButton);
        QCOMPARE(stored("format/video").toString(), QString("mov"));
        QCOMPARE(stored("format/photo").toString(), QString("png"));
        QCOMPARE(log.count("video format: "), 1);
    }

    void foldersAreShownAndChosen()
    {
        IConfigureService* config = IConfigureService::instance();
        QTest::mouseClick(m_panel->button("View picture file path"), Qt::LeftButton);
        QCOMPARE(m_opened, QList<QUrl>{QUrl::fromLocalFile(config->photoPath())});

        QTemporaryDir chosen;
        m_answer = chosen.path();
        QTest::mouseClick(m_panel->button("Setup video file path"), Qt::LeftButton);
        QCOMPARE(stored("path/video").toString(), chosen.path());
        QCOMPARE(config->videoPath(), chosen.path());

        // Cancelled: nothing changes.
        const QString photos = config->photoPath();
        m_answer.clear();
        QTest::mouseClick(m_panel->button("Setup picture file path"), Qt::LeftButton);
        QCOMPARE(stored("path/photo").toString(), photos);

        // Somewhere pictures cannot be saved is refused, and said so.
        QFile file(chosen.filePath("not-a-folder"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        m_answer = file.fileName();
        QString told;
        QTimer::singleShot(200, [&told] {
            if (IMsgBox* box = shownMessage()) {
                told = box->text();
                box->onOK();
            }
        });
        QTest::mouseClick(m_panel->button("Setup picture file path"), Qt::LeftButton);
        QCOMPARE(told, QString("This folder cannot be written to. Please choose another one."));
        QCOMPARE(stored("path/photo").toString(), photos);

        // No folder at all: said so, and no browser opened.
        LogRecorder log;
        m_opened.clear();
        config->setPhotoPath(QString());
        QTest::mouseClick(m_panel->button("View picture file path"), Qt::LeftButton);
        QCOMPARE(log.count("openUrl is empty."), 1);
        QVERIFY(m_opened.isEmpty());
    }
};

VESKAROO_TEST_MAIN(TestSettingFrame)
#include "tst_settingframe.moc"

// The translation chosen in the settings: old "LG_" ids are rewritten, the
// matching file is loaded, a missing one leaves English.
#include "common/testenv.h"

#include "iapplication.h"
#include "ilanguage.h"
#include "service/iconfigureservice.h"

#include <QSettings>

class TestLanguage : public QObject
{
    Q_OBJECT

    static void storeLanguage(const QString& id)
    {
        QSettings s(IConfigureService::settingsFilePath(), QSettings::IniFormat);
        s.setValue("lang/langid", id);
    }
    static QString storedLanguage()
    {
        QSettings s(IConfigureService::settingsFilePath(), QSettings::IniFormat);
        return s.value("lang/langid").toString();
    }
    static IApplication* app() { return qobject_cast<IApplication*>(qApp); }

private slots:
    void olderIdIsRewrittenAndChineseLoaded()
    {
        storeLanguage("LG_2052");
        QVERIFY(loadLanguage(app(), VESKAROO_BIN_DIR));
        QCOMPARE(storedLanguage(), QString("2052"));
        QCOMPARE(IConfigureService::instance()->langId(), QString("2052"));
        QCOMPARE(QCoreApplication::translate("IMsgBox", "Yes"), QString::fromUtf8("是"));
        QCOMPARE(QCoreApplication::translate("IMsgBox", "Cancel"), QString::fromUtf8("取消"));
    }

    void missingTranslationLeavesEnglish()
    {
        storeLanguage("1033");
        QVERIFY(loadLanguage(app(), VESKAROO_BIN_DIR));
        QCOMPARE(QCoreApplication::translate("IMsgBox", "Yes"), QString("Yes"));
        storeLanguage("not a number");
        QVERIFY(loadLanguage(app(), VESKAROO_BIN_DIR));
        QCOMPARE(QCoreApplication::translate("IMsgBox", "Yes"), QString("Yes"));
    }

    void freshProfileDefaultsToEnglishAndStoresIt()
    {
        QFile::remove(IConfigureService::settingsFilePath());
        QVERIFY(loadLanguage(app(), VESKAROO_BIN_DIR));
        QCOMPARE(storedLanguage(), QString("1033"));
    }
};

int main(int argc, char** argv)
{
    TestEnv::isolateDataFolder();
    IApplication app(QStringLiteral("VeskarooTest"), argc, argv);
    TestLanguage tc;
    return QTest::qExec(&tc, argc, argv);
}
#include "tst_language.moc"

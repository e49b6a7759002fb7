// One copy per profile: a second process hands its message to the first and
// exits with 1; a copy that died leaves nothing that blocks the next.
#include "common/testenv.h"

#include <QProcess>

class TestSingleApplication : public QObject
{
    Q_OBJECT

    static bool startFirst(QProcess& first, const QStringList& env = {})
    {
        QProcessEnvironment e = QProcessEnvironment::systemEnvironment();
        for (const QString& pair : env)
            e.insert(pair.section('=', 0, 0), pair.section('=', 1));
        first.setProcessEnvironment(e);
        first.start(TestEnv::peerPath("singleinstancepeer"), QStringList());
        if (!first.waitForStarted(10000))
            return false;
        while (!first.canReadLine())
            if (!first.waitForReadyRead(20000))
                return false;
        return first.readLine().trimmed() == "ready";
    }

private slots:
    void secondCopyHandsOverAndExits()
    {
        QProcess first;
        QVERIFY(startFirst(first));
        QCOMPARE(TestEnv::runProcess(TestEnv::peerPath("singleinstancepeer"), {}), 1);
        QVERIFY(first.waitForFinished(20000));
        QCOMPARE(first.readAll().trimmed(), QByteArray("received:raise_window_noop"));
        QCOMPARE(first.exitCode(), 0);
    }

    void aKilledCopyDoesNotBlockTheNext()
    {
        QProcess first;
        QVERIFY(startFirst(first));
        first.kill();
        QVERIFY(first.waitForFinished(10000));

        QProcess next;
        QVERIFY(startFirst(next));
        QCOMPARE(TestEnv::runProcess(TestEnv::peerPath("singleinstancepeer"), {}), 1);
        QVERIFY(next.waitForFinished(20000));
        QCOMPARE(next.readAll().trimmed(), QByteArray("received:raise_window_noop"));
    }

    void otherProfilesDoNotMeet()
    {
        QProcess first;
        QVERIFY(startFirst(first));
        QTemporaryDir otherProfile;
        QProcess other;
        QVERIFY(startFirst(other, {"XDG_DATA_HOME=" + otherProfile.path()}));
        other.kill();
        first.kill();
        other.waitForFinished(10000);
        first.waitForFinished(10000);
    }
};

VESKAROO_TEST_MAIN(TestSingleApplication)
#include "tst_singleapplication.moc"

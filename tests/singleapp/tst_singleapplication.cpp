// One copy per profile: a second process hands its message to the first and
// exits with 1; a copy that died leaves nothing that blocks the next.
#include "common/testenv.h"

#include <QDir>
#include <QElapsedTimer>
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

    // Only a live copy's lock keeps a copy from starting: a temporary folder
    // where no lock can be made, or a lock file naming no process, does not.
    void failuresOtherThanALiveCopyDoNotKeepTheProgramOut_data()
    {
        QTest::addColumn<QString>("problem");
        // Running without the guard is worth saying.
        QTest::addColumn<QString>("told");
        QTest::newRow("temporary folder is a file") << "file" << "lock problem: cannot take the lock ";
        QTest::newRow("temporary folder is missing") << "missing" << "lock problem: the temporary folder ";
        QTest::newRow("lock file left empty") << "empty lock" << QString();
        QTest::newRow("lock file holding no process") << "garbled lock" << QString();
    }

    void failuresOtherThanALiveCopyDoNotKeepTheProgramOut()
    {
        QFETCH(QString, problem);
        QFETCH(QString, told);
        QTemporaryDir dir;
        QString temp = dir.path();
        if (problem == "file") {
            temp = dir.filePath("not-a-folder");
            QFile file(temp);
            QVERIFY(file.open(QIODevice::WriteOnly));
        } else if (problem == "missing") {
            temp = dir.filePath("gone");
        } else {
            // A copy run once leaves its lock behind when killed; then the
            // file is spoilt.
            QProcess once;
            QVERIFY(startFirst(once, {"TMPDIR=" + temp}));
            once.kill();
            QVERIFY(once.waitForFinished(10000));
            const QStringList locks = QDir(temp).entryList({"*.lock"}, QDir::Files | QDir::Hidden);
            QCOMPARE(locks.size(), 1);
            QFile lock(dir.filePath(locks.first()));
            QVERIFY(lock.open(QIODevice::WriteOnly | QIODevice::Truncate));
            if (problem == "garbled lock")
                lock.write("not a process\n\n\n");
        }

        QProcess first;
        QElapsedTimer clock;
        clock.start();
        const bool started = startFirst(first, {"TMPDIR=" + temp});
        const QByteArray errors = first.readAllStandardError();
        QVERIFY2(started, errors.constData());
        QVERIFY(clock.elapsed() < 4000); // no wait for a copy that is not there
        if (told.isEmpty())
            QVERIFY2(!errors.contains("lock problem"), errors.constData());
        else
            QVERIFY2(errors.contains(told.toUtf8() + QFile::encodeName(temp)), errors.constData());
        first.kill();
        QVERIFY(first.waitForFinished(10000));
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

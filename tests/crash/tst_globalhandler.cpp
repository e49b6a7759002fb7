// The crash handler: a crashing process leaves a dump and a log line and
// starts the reporter; only one handler may exist.
#include "common/testenv.h"

#include "crash/globalhandler.h"

#include <QDir>
#include <QFile>
#include <QProcess>

class TestGlobalHandler : public QObject
{
    Q_OBJECT

private slots:
    void reporterPathRules()
    {
        using BreakpadQt::GlobalHandler;
        QCOMPARE(GlobalHandler::resolveReporter("Pelmora", "/opt/veskaroo"), QString("/opt/veskaroo/Pelmora"));
        QCOMPARE(GlobalHandler::resolveReporter("tools/../Pelmora", "/opt/veskaroo"), QString("/opt/veskaroo/Pelmora"));
        QCOMPARE(GlobalHandler::resolveReporter("/usr/bin/reporter", "/opt/veskaroo"), QString("/usr/bin/reporter"));
        QVERIFY(GlobalHandler::resolveReporter("", "/opt/veskaroo").startsWith("/opt/veskaroo/crashreporter"));
    }

    void onlyOneHandlerIsArmed()
    {
        QTemporaryDir dumps;
        BreakpadQt::GlobalHandler first(dumps.path() + "/dump", "Pelmora");
        QVERIFY(first.isArmed());
        QVERIFY(QDir(dumps.path() + "/dump").exists());
        QTest::ignoreMessage(QtDebugMsg, "BreakpadQt: GlobalHandler already exists!");
        BreakpadQt::GlobalHandler second(dumps.path() + "/other", "Pelmora");
        QVERIFY(!second.isArmed());
        QVERIFY(!QDir(dumps.path() + "/other").exists());
    }

    void crashLeavesDumpLogAndStartsReporter_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<int>("signal");
        QTest::newRow("invalid memory access") << "segv" << 11;
        QTest::newRow("uncaught exception") << "exception" << 6;
        QTest::newRow("abort") << "abort" << 6;
        // The handler needs a stack of its own on the thread whose stack ran out.
        QTest::newRow("stack overflow on the main thread") << "overflow" << 11;
        QTest::newRow("stack overflow on the USB capture thread") << "overflow-usb-thread" << 11;
        QTest::newRow("stack overflow on the OpenCV capture thread") << "overflow-opencv-thread" << 11;
    }

    void crashLeavesDumpLogAndStartsReporter()
    {
        QFETCH(QString, how);
        QFETCH(int, signal);
        QTemporaryDir work;
        const QString dumps = work.path() + "/dump";
        const QString marker = work.path() + "/reporter-ran";
        const QString reporter = work.path() + "/Pelmora";
        QFile script(reporter);
        QVERIFY(script.open(QIODevice::WriteOnly));
        // Written aside and renamed, so the test never reads a half-written file.
        script.write("#!/bin/sh\necho \"$#\" > '" + marker.toUtf8() + ".tmp' && mv '" + marker.toUtf8()
                     + ".tmp' '" + marker.toUtf8() + "'\n");
        script.close();
        script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("XDG_DATA_HOME", work.path() + "/data");
        // Let our handler, not the sanitizer's, see the fault.
        env.insert("ASAN_OPTIONS", "handle_segv=0:handle_abort=0:detect_leaks=0");
        child.setProcessEnvironment(env);
        child.start(TestEnv::peerPath("crashpeer"), {how, dumps, reporter});
        QVERIFY(child.waitForFinished(30000));
        QCOMPARE(child.exitStatus(), QProcess::CrashExit);

        const QStringList files = QDir(dumps).entryList({"*.dmp"}, QDir::Files);
        QCOMPARE(files.size(), 1);
        QFile dump(dumps + "/" + files.first());
        QVERIFY(dump.open(QIODevice::ReadOnly));
        const QByteArray content = dump.readAll();
        QVERIFY2(content.contains("signal: " + QByteArray::number(signal) + "\n"), content.constData());
        QVERIFY(content.contains("backtrace:\n"));
        QVERIFY(content.count('\n') > 6); // some frames

        // The reporter runs detached and without arguments.
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(marker), 10000);
        QFile ran(marker);
        QVERIFY(ran.open(QIODevice::ReadOnly));
        QCOMPARE(ran.readAll().trimmed(), QByteArray("0"));

        const QString log = work.path() + "/data/crashpeer/other/log_"
            + QDate::currentDate().toString("yyyyMMdd") + ".txt";
        QFile logFile(log);
        QVERIFY2(logFile.open(QIODevice::ReadOnly), qPrintable(log));
        const QRegularExpression line(
            R"(^\(\d{4}-\d\d-\d\d \d\d:\d\d:\d\d \d{3}\) Debug: BreakpadQt: writeMinidump\(\) successed\.    File:\(.*\) Line:\(\d+\) Function\(.*\)\r$)",
            QRegularExpression::MultilineOption);
        const QString text = QString::fromUtf8(logFile.readAll());
        QVERIFY2(line.match(text).hasMatch(), qPrintable(text));
    }

    // The refusal of a second handler reaches the daily log, which keeps
    // debug messages and drops warnings.
    void secondHandlerIsLogged()
    {
        QTemporaryDir work;
        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("XDG_DATA_HOME", work.path() + "/data");
        child.setProcessEnvironment(env);
        child.start(TestEnv::peerPath("crashpeer"), {"twice", work.path() + "/dump", work.path() + "/absent"});
        QVERIFY(child.waitForFinished(30000));
        QCOMPARE(child.exitCode(), 0);
        QVERIFY(!QDir(work.path() + "/dump-second").exists());

        QFile logFile(work.path() + "/data/crashpeer/other/log_" + QDate::currentDate().toString("yyyyMMdd") + ".txt");
        QVERIFY2(logFile.open(QIODevice::ReadOnly), qPrintable(logFile.fileName()));
        const QString text = QString::fromUtf8(logFile.readAll());
        QVERIFY2(text.contains(QRegularExpression(R"(\) Debug: BreakpadQt: GlobalHandler already exists!    File:)")),
                 qPrintable(text));
    }

    void missingReporterStillLeavesTheDump()
    {
        QTemporaryDir work;
        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("XDG_DATA_HOME", work.path() + "/data");
        env.insert("ASAN_OPTIONS", "handle_segv=0:handle_abort=0:detect_leaks=0");
        child.setProcessEnvironment(env);
        child.start(TestEnv::peerPath("crashpeer"), {"segv", work.path() + "/dump", work.path() + "/absent"});
        QVERIFY(child.waitForFinished(30000));
        QCOMPARE(child.exitStatus(), QProcess::CrashExit);
        QCOMPARE(QDir(work.path() + "/dump").entryList({"*.dmp"}, QDir::Files).size(), 1);
    }
};

VESKAROO_TEST_MAIN(TestGlobalHandler)
#include "tst_globalhandler.moc"

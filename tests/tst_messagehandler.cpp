// The daily log: exact line format, dropped warnings, the file of the day,
// and whole lines when several threads log at once.
#include "common/testenv.h"

#include "imessagehandler.h"

#include <QDir>
#include <QFile>
#include <QThread>

class TestMessageHandler : public QObject
{
    Q_OBJECT

    static QString todaysLog() { return IMessageHandler::logFilePath(QDate::currentDate()); }
    static QByteArray readLog()
    {
        QFile f(todaysLog());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

private slots:
    void initTestCase() { IMessageHandler::install(); }
    void cleanupTestCase() { qInstallMessageHandler(nullptr); }
    void init() { QFile::remove(todaysLog()); }

    void lineFormat()
    {
        const char file[] = "capture.cpp";
        const char function[] = "void ICamera::open()";
        QMessageLogContext context(file, 86, function, "default");
        const QDateTime when(QDate(2025, 11, 12), QTime(14, 32, 18, 7));
        QCOMPARE(IMessageHandler::formatLine(QtDebugMsg, context, "M", when),
                 QString("(2025-11-12 14:32:18 007) Debug: M    File:(capture.cpp) Line:(86) Function(void ICamera::open())"));
        QCOMPARE(IMessageHandler::formatLine(QtCriticalMsg, context, "M", when),
                 QString("(2025-11-12 14:32:18 007) Critical: M    File:(capture.cpp) Line:(86) Function(void ICamera::open())"));
        QCOMPARE(IMessageHandler::formatLine(QtInfoMsg, context, "M", when),
                 QString("(2025-11-12 14:32:18 007)  M    File:(capture.cpp) Line:(86) Function(void ICamera::open())"));
    }

    void debugMessageWritesOneLine()
    {
        const int line = __LINE__ + 1;
        qDebug("camera %d opened", 2);
        const QByteArray log = readLog();
        QCOMPARE(log.count("\r\n"), 1);
        QVERIFY(log.endsWith("\r\n"));
        const QRegularExpression pattern(QStringLiteral(
            R"(^\(\d{4}-\d\d-\d\d \d\d:\d\d:\d\d \d{3}\) Debug: camera 2 opened    File:\(.*tst_messagehandler\.cpp\) Line:\(%1\) Function\(.*debugMessageWritesOneLine.*\)\r\n$)")
                                             .arg(line));
        QVERIFY2(pattern.match(QString::fromUtf8(log)).hasMatch(), log.constData());
    }

    void warningsAreDropped()
    {
        qWarning("this must not be logged");
        QVERIFY(readLog().isEmpty());
        qCritical("but this must");
        QVERIFY(readLog().contains("Critical: but this must"));
    }

    void dailyFileName()
    {
        QCOMPARE(QDir::cleanPath(IMessageHandler::logFilePath(QDate(2025, 11, 12))),
                 TestEnv::dataFolder() + "/other/log_20251112.txt");
        qDebug("into today's file");
        const QString expected = QStringLiteral("log_%1.txt").arg(QDate::currentDate().toString("yyyyMMdd"));
        QVERIFY(QDir(TestEnv::dataFolder() + "/other").entryList(QDir::Files).contains(expected));
    }

    void threadsNeverMixWithinALine()
    {
        const int threads = 6;
        const int perThread = 150;
        const QString payload(300, QChar('x'));
        QList<QThread*> workers;
        for (int t = 0; t < threads; ++t) {
            workers << QThread::create([t, payload] {
                for (int i = 0; i < perThread; ++i)
                    qDebug("thread %d line %d %s", t, i, qPrintable(payload));
            });
            workers.last()->start();
        }
        for (QThread* w : workers) {
            QVERIFY(w->wait(60000));
            delete w;
        }
        const QList<QByteArray> lines = readLog().split('\n');
        QCOMPARE(lines.size(), threads * perThread + 1); // the last split is empty
        const QRegularExpression whole(QStringLiteral(
            R"(^\(\d{4}-\d\d-\d\d \d\d:\d\d:\d\d \d{3}\) Debug: thread \d line \d+ x{300}    File:\(.*\) Line:\(\d+\) Function\(.*\)\r$)"));
        for (int i = 0; i < lines.size() - 1; ++i)
            QVERIFY2(whole.match(QString::fromUtf8(lines[i])).hasMatch(), lines[i].constData());
    }
};

VESKAROO_TEST_MAIN(TestMessageHandler)
#include "tst_messagehandler.moc"

// The application object: screen scale factors and the global mouse signals.
#include "common/testenv.h"

#include "iapplication.h"
#include "iglobals.h"

#include <QSignalSpy>

class TestApplication : public QObject
{
    Q_OBJECT

private slots:
    void scaleFactors_data()
    {
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<double>("sx");
        QTest::addColumn<double>("s");
        QTest::addColumn<double>("sy");
        QTest::newRow("narrow laptop") << QSize(1366, 768) << 1366 / 1420.0 << 1366 / 1420.0 << 1366 / 1420.0;
        QTest::newRow("between 1420 and 1920") << QSize(1600, 900) << 1.0 << 1.0 << 1.0;
        QTest::newRow("reference") << QSize(1920, 1080) << 1.0 << 1.0 << 1.0;
        QTest::newRow("16:10, taller than 16:9") << QSize(2560, 1600) << 2560 / 1920.0 << 2560 / 1920.0 << 1600 / 1080.0;
        QTest::newRow("ultra wide") << QSize(3840, 1080) << 2.0 << 1.0 << 1.0;
    }

    void scaleFactors()
    {
        QFETCH(QSize, screen);
        QFETCH(double, sx);
        QFETCH(double, s);
        QFETCH(double, sy);
        const IScaleFactors f = IScaleFactors::fromScreen(screen);
        QCOMPARE(f.horizontal, sx);
        QCOMPARE(f.uniform, s);
        QCOMPARE(f.vertical, sy);
    }

    void mouseActionsAnywhereAreReportedWithTheGlobalPosition()
    {
        auto* app = qobject_cast<IApplication*>(qApp);
        QVERIFY(app);
        QWidget window;
        window.setGeometry(100, 100, 300, 200);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QSignalSpy pressed(app, &IApplication::sgGMousePressEvent);
        QSignalSpy moved(app, &IApplication::sgGMouseMoveEvent);
        QSignalSpy released(app, &IApplication::sgGMouseReleaseEvent);

        QTest::mousePress(&window, Qt::LeftButton, {}, QPoint(10, 20));
        QTest::mouseMove(&window, QPoint(30, 40));
        QTest::mouseRelease(&window, Qt::LeftButton, {}, QPoint(30, 40));

        QVERIFY(pressed.count() >= 1);
        QCOMPARE(pressed.first().first().toPoint(), window.mapToGlobal(QPoint(10, 20)));
        QVERIFY(released.count() >= 1);
        QCOMPARE(released.first().first().toPoint(), window.mapToGlobal(QPoint(30, 40)));
        QVERIFY(moved.count() >= 1);
    }
};

int main(int argc, char** argv)
{
    TestEnv::isolateDataFolder();
    IApplication app(QStringLiteral("VeskarooTest"), argc, argv);
    TestApplication tc;
    return QTest::qExec(&tc, argc, argv);
}
#include "tst_application.moc"

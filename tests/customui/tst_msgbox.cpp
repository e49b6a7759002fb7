// The modal message box: button sets, result codes, every way of closing it.
#include "common/testenv.h"

#include "customui/common/imsgbox.h"
#include "iglobals.h"
#include "service/iconfigureservice.h"

#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTimer>

#include <algorithm>
#include <functional>

namespace {

// Acts on the message box once it runs modally. A watchdog rejects whatever
// is still modal long after, so that a broken case fails instead of hanging.
class ModalDriver
{
public:
    explicit ModalDriver(std::function<void(IMsgBox*)> act)
        : m_act(std::move(act))
    {
        m_poll.setInterval(10);
        QObject::connect(&m_poll, &QTimer::timeout, [this]() {
            auto* box = qobject_cast<IMsgBox*>(QApplication::activeModalWidget());
            if (!box || !box->isVisible())
                return;
            m_poll.stop();
            m_acted = true;
            m_act(box);
        });
        m_poll.start();
        m_watchdog.setSingleShot(true);
        QObject::connect(&m_watchdog, &QTimer::timeout, []() {
            if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
                dialog->done(-1);
        });
        m_watchdog.start(60000);
    }

    bool acted() const { return m_acted; }

private:
    std::function<void(IMsgBox*)> m_act;
    QTimer m_poll;
    QTimer m_watchdog;
    bool m_acted = false;
};

// The visible buttons, left to right.
QList<QPushButton*> buttonsOf(IMsgBox* box)
{
    QList<QPushButton*> buttons;
    const QList<QPushButton*> all = box->findChildren<QPushButton*>();
    for (QPushButton* button : all)
        if (button->isVisible())
            buttons.append(button);
    std::sort(buttons.begin(), buttons.end(), [](QPushButton* a, QPushButton* b) {
        return a->mapToGlobal(QPoint()).x() < b->mapToGlobal(QPoint()).x();
    });
    return buttons;
}

QStringList labelsOf(IMsgBox* box)
{
    QStringList labels;
    const QList<QPushButton*> buttons = buttonsOf(box);
    for (QPushButton* button : buttons)
        labels.append(button->text());
    return labels;
}

QPushButton* buttonLabelled(IMsgBox* box, const QString& label)
{
    const QList<QPushButton*> buttons = buttonsOf(box);
    for (QPushButton* button : buttons)
        if (button->text() == label)
            return button;
    return nullptr;
}

void addSets()
{
    QTest::addColumn<int>("set");
    for (int set : {0, 1, 2, 3, 4, 5, 9})
        QTest::addRow("set %d", set) << set;
}

} // namespace

class TestMsgBox : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        TestEnv::silenceOffscreenPlatformNotices();
    }

    void buttonSetsShowTheirButtonsLeftToRight_data()
    {
        QTest::addColumn<int>("set");
        QTest::addColumn<QStringList>("labels");
        QTest::newRow("0") << 0 << QStringList{"Yes", "No"};
        QTest::newRow("1") << 1 << QStringList{"Yes", "No", "Cancel"};
        QTest::newRow("2") << 2 << QStringList{"Ok", "Cancel"};
        QTest::newRow("3") << 3 << QStringList{"Cancel"};
        QTest::newRow("4") << 4 << QStringList{"Ok"};
        QTest::newRow("5") << 5 << QStringList{"Yes", "No", "Save"};
        QTest::newRow("9") << 9 << QStringList{"Ok"};
        QTest::newRow("6") << 6 << QStringList{"Ok"};
        QTest::newRow("-1") << -1 << QStringList{"Ok"};
    }
    void buttonSetsShowTheirButtonsLeftToRight()
    {
        QFETCH(int, set);
        QFETCH(QStringList, labels);
        IMsgBox box(QStringLiteral("Question?"), set, QStringLiteral("Title"));
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        QCOMPARE(labelsOf(&box), labels);
        QCOMPARE(box.resultCode(), int(IMsgBox::Cancel));
    }

    void buttonsReturnTheirCodes_data()
    {
        QTest::addColumn<int>("set");
        QTest::addColumn<QString>("label");
        QTest::addColumn<int>("code");
        QTest::newRow("0 Yes") << 0 << "Yes" << 0x4000;
        QTest::newRow("0 No") << 0 << "No" << 0x10000;
        QTest::newRow("1 Yes") << 1 << "Yes" << 0x4000;
        QTest::newRow("1 No") << 1 << "No" << 0x10000;
        QTest::newRow("1 Cancel") << 1 << "Cancel" << 0x400000;
        QTest::newRow("2 Ok") << 2 << "Ok" << 0x400;
        QTest::newRow("2 Cancel") << 2 << "Cancel" << 0x400000;
        QTest::newRow("3 Cancel") << 3 << "Cancel" << 0x400000;
        QTest::newRow("4 Ok") << 4 << "Ok" << 0x400;
        QTest::newRow("5 Yes") << 5 << "Yes" << 0x4000;
        QTest::newRow("5 No") << 5 << "No" << 0x10000;
        QTest::newRow("5 Save") << 5 << "Save" << 0x800;
        QTest::newRow("9 Ok") << 9 << "Ok" << 0x400;
    }
    void buttonsReturnTheirCodes()
    {
        QFETCH(int, set);
        QFETCH(QString, label);
        QFETCH(int, code);
        QString missing;
        ModalDriver driver([&](IMsgBox* box) {
            QPushButton* button = buttonLabelled(box, label);
            if (!button) {
                missing = label;
                box->done(-1);
                return;
            }
            QTest::mouseClick(button, Qt::LeftButton);
        });
        const int result = IMsgBox::showMessage(QStringLiteral("Question?"), set,
                                                QStringLiteral("Title"));
        QVERIFY(driver.acted());
        QVERIFY2(missing.isEmpty(), qPrintable("no button " + missing));
        QCOMPARE(result, code);
    }

    void enterPressesTheFirstButton()
    {
        ModalDriver driver([](IMsgBox* box) { QTest::keyClick(box, Qt::Key_Return); });
        QCOMPARE(IMsgBox::showMessage(QStringLiteral("Keep it?"), 1, QStringLiteral("Title")),
                 int(IMsgBox::Yes));
        QVERIFY(driver.acted());
    }

    void escapeGivesCancel_data() { addSets(); }
    void escapeGivesCancel()
    {
        QFETCH(int, set);
        ModalDriver driver([](IMsgBox* box) { QTest::keyClick(box, Qt::Key_Escape); });
        QCOMPARE(IMsgBox::showMessage(QStringLiteral("Question?"), set, QStringLiteral("Title")),
                 int(IMsgBox::Cancel));
        QVERIFY(driver.acted());
    }

    void closeMarkGivesCancel_data() { addSets(); }
    void closeMarkGivesCancel()
    {
        QFETCH(int, set);
        bool covered = true;
        ModalDriver driver([&covered](IMsgBox* box) {
            const QPoint mark = box->closeMarkRect().center();
            // Nothing laid out may sit over the painted mark.
            covered = box->childAt(mark) != nullptr;
            QTest::mouseClick(box, Qt::LeftButton, Qt::NoModifier, mark);
            if (box->isVisible())
                box->done(-1);
        });
        QCOMPARE(IMsgBox::showMessage(QStringLiteral("Question?"), set, QStringLiteral("Title")),
                 int(IMsgBox::Cancel));
        QVERIFY(driver.acted());
        QVERIFY(!covered);
    }

    void slotsStoreTheirCodeAndEndTheDialog_data()
    {
        QTest::addColumn<QString>("slot");
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("ending");
        QTest::newRow("onYes") << "onYes" << 0x4000 << int(QDialog::Accepted);
        QTest::newRow("onOK") << "onOK" << 0x400 << int(QDialog::Accepted);
        QTest::newRow("onNo") << "onNo" << 0x10000 << int(QDialog::Rejected);
        QTest::newRow("onCancel") << "onCancel" << 0x400000 << int(QDialog::Rejected);
        QTest::newRow("onSave") << "onSave" << 0x800 << int(QDialog::Accepted);
    }
    void slotsStoreTheirCodeAndEndTheDialog()
    {
        QFETCH(QString, slot);
        QFETCH(int, code);
        QFETCH(int, ending);
        IMsgBox box(QStringLiteral("Question?"), 1, QStringLiteral("Title"));
        QSignalSpy closed(&box, &ICustomDialog::sgClose);
        box.show();
        QVERIFY(QMetaObject::invokeMethod(&box, slot.toLatin1().constData()));
        QCOMPARE(box.resultCode(), code);
        QCOMPARE(box.result(), ending);
        QVERIFY(!box.isVisible());
        QCOMPARE(closed.count(), 1);
    }

    void informationHasOneOkAndTheApplicationName()
    {
        QString title;
        QStringList labels;
        int pointSize = 0;
        ModalDriver driver([&](IMsgBox* box) {
            title = box->title();
            labels = labelsOf(box);
            const QList<QLabel*> texts = box->findChildren<QLabel*>();
            for (QLabel* label : texts)
                if (label->text() == QLatin1String("Camera not found."))
                    pointSize = label->font().pointSize();
            QTest::mouseClick(buttonLabelled(box, "Ok"), Qt::LeftButton);
        });
        QCOMPARE(IMsgBox::showInformation(QStringLiteral("Camera not found.")),
                 int(IMsgBox::Ok));
        QVERIFY(driver.acted());
        QCOMPARE(title, IConfigureService::productName());
        QCOMPARE(labels, QStringList{"Ok"});
        QCOMPARE(pointSize, 12);
    }

    void longTextWrapsInsideTheDialog()
    {
        const QString text = QString("The picture could not be written to the photo folder. ")
                                 .repeated(8);
        IMsgBox box(text, 2, QStringLiteral("Title"));
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        QLabel* label = nullptr;
        const QList<QLabel*> labels = box.findChildren<QLabel*>();
        for (QLabel* l : labels)
            if (l->text() == text)
                label = l;
        QVERIFY(label);
        QVERIFY(box.width() < 900);
        QVERIFY(label->height() > 2 * label->fontMetrics().lineSpacing());
        QVERIFY(box.rect().contains(label->geometry()));
        // The text starts below the title strip.
        QVERIFY(label->geometry().top() >= box.titleHeight());
    }

    void parentGoingAwayGivesCancel()
    {
        auto* parent = new QWidget;
        parent->show();
        QPointer<QWidget> guard(parent);
        ModalDriver driver([parent](IMsgBox*) { delete parent; });
        QCOMPARE(IMsgBox::showMessage(QStringLiteral("Question?"), 0, QStringLiteral("Title"),
                                      parent),
                 int(IMsgBox::Cancel));
        QVERIFY(driver.acted());
        QVERIFY(guard.isNull());
    }
};

VESKAROO_TEST_MAIN(TestMsgBox)
#include "tst_msgbox.moc"

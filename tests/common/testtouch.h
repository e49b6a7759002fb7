// Fingers on a touch screen for widget tests. The touches go to the widget's
// window, which hands them to whatever widget lies beneath, so Qt's own
// recognisers make gestures of them, with the states and steps a real screen
// gives (a test cannot set a gesture's state itself).
#pragma once

#include <QSet>
#include <QTouchDevice>
#include <QWidget>
#include <QtTest>

class TestTouch
{
public:
    // Positions are in `widget` coordinates.
    explicit TestTouch(QWidget* widget)
        : m_widget(widget)
        , m_step(QTest::touchEvent(widget->window()->windowHandle(), device(), false))
    {
    }

    TestTouch& press(int finger, const QPoint& pos)
    {
        m_step.press(finger, pos, m_widget);
        m_named.insert(finger);
        m_down.insert(finger);
        return *this;
    }

    TestTouch& move(int finger, const QPoint& pos)
    {
        m_step.move(finger, pos, m_widget);
        m_named.insert(finger);
        return *this;
    }

    TestTouch& release(int finger, const QPoint& pos)
    {
        m_step.release(finger, pos, m_widget);
        m_named.insert(finger);
        m_down.remove(finger);
        return *this;
    }

    // Sends the step; fingers down but not named in it stay where they are.
    void commit()
    {
        for (int finger : qAsConst(m_down)) {
            if (!m_named.contains(finger))
                m_step.stationary(finger);
        }
        m_named.clear();
        m_step.commit();
    }

private:
    static QTouchDevice* device()
    {
        static QTouchDevice* screen = QTest::createTouchDevice();
        return screen;
    }

    QWidget* m_widget;
    QTest::QTouchEventSequence m_step;
    QSet<int> m_named;
    QSet<int> m_down;
};

// The application of a GUI benchmark: offscreen unless a platform is chosen,
// a throw-away data folder, and the GUI thread's time spent on events.
#pragma once

#include <QApplication>

#include <functional>

class BenchApplication : public QApplication
{
public:
    // Must be the first Qt object: it points the data folder elsewhere first.
    BenchApplication(int& argc, char** argv);

    static BenchApplication* instance();

    // From now on, GUI-thread events for which `select` answers true are
    // timed (from delivery until their handler returns). Events handled
    // inside a timed one count once.
    void timeEvents(std::function<bool(QObject*, QEvent*)> select);
    void resetTimes();
    qint64 selectedNanoseconds() const { return m_selectedNs; }
    int selectedEvents() const { return m_selectedCount; }
    // Every GUI-thread event handled since the last reset, outermost only:
    // how busy the GUI thread was.
    qint64 busyNanoseconds() const { return m_busyNs; }

    bool notify(QObject* receiver, QEvent* event) override;

private:
    std::function<bool(QObject*, QEvent*)> m_select;
    qint64 m_selectedNs = 0;
    int m_selectedCount = 0;
    qint64 m_busyNs = 0;
    int m_depth = 0;
    bool m_insideSelected = false;
};

// main() of a benchmark that needs the application object.
#define VESKAROO_BENCH_MAIN()                               \
    int main(int argc, char** argv)                          \
    {                                                        \
        BenchApplication app(argc, argv);                    \
        benchmark::Initialize(&argc, argv);                  \
        if (benchmark::ReportUnrecognizedArguments(argc, argv)) \
            return 1;                                        \
        benchmark::RunSpecifiedBenchmarks();                 \
        benchmark::Shutdown();                               \
        return 0;                                            \
    }

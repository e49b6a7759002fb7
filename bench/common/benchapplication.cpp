// The application of a GUI benchmark.
#include "benchapplication.h"

#include "common/testenv.h"

#include <QLoggingCategory>
#include <QThread>

#include <chrono>

namespace {

int& prepared(int& argc)
{
    // Sets offscreen unless QT_QPA_PLATFORM is set already.
    TestEnv::isolateDataFolder();
    TestEnv::silenceOffscreenPlatformNotices();
    return argc;
}

qint64 now()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

} // namespace

BenchApplication::BenchApplication(int& argc, char** argv)
    : QApplication(prepared(argc), argv)
{
    // The program's debug lines would bury the results.
    QLoggingCategory::setFilterRules(QStringLiteral("*.debug=false"));
}

BenchApplication* BenchApplication::instance()
{
    return static_cast<BenchApplication*>(QCoreApplication::instance());
}

void BenchApplication::timeEvents(std::function<bool(QObject*, QEvent*)> select)
{
    m_select = std::move(select);
    resetTimes();
}

void BenchApplication::resetTimes()
{
    m_selectedNs = 0;
    m_selectedCount = 0;
    m_busyNs = 0;
}

bool BenchApplication::notify(QObject* receiver, QEvent* event)
{
    // Other threads' events are theirs to pay for.
    if (QThread::currentThread() != thread())
        return QApplication::notify(receiver, event);

    const bool selected = !m_insideSelected && m_select && m_select(receiver, event);
    const bool outermost = m_depth == 0;
    if (selected)
        m_insideSelected = true;
    ++m_depth;
    const qint64 start = now();
    const bool handled = QApplication::notify(receiver, event);
    const qint64 spent = now() - start;
    --m_depth;
    if (outermost)
        m_busyNs += spent;
    if (selected) {
        m_insideSelected = false;
        m_selectedNs += spent;
        ++m_selectedCount;
    }
    return handled;
}

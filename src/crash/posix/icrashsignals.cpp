// Fatal-signal handling on POSIX systems. The handler uses only
// async-signal-safe calls: open/write/close, fork/exec, no allocation, no
// locks, no Qt.
#include "crash/icrashsignals.h"

#include <QFile>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <ctime>
#include <execinfo.h>
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace ICrashSignals {

namespace {

constexpr int kPathMax = 4096;
char g_dumpFolder[kPathMax];
char g_reporterPath[kPathMax];
char g_logFolder[kPathMax];
long g_utcOffset = 0; // seconds east of UTC when the handler was armed

constexpr int kSignals[] = {SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT, SIGSYS, SIGTRAP};
constexpr std::size_t kAltStackSize = 64 * 1024;
alignas(16) char g_altStack[kAltStackSize];

// A small fixed buffer writer: the only string building the handler does.
struct Text
{
    char data[kPathMax + 512];
    size_t size = 0;

    Text& add(const char* s)
    {
        while (*s && size + 1 < sizeof(data))
            data[size++] = *s++;
        data[size] = '\0';
        return *this;
    }
    Text& number(unsigned long long value, int width = 1)
    {
        char digits[24];
        int n = 0;
        do {
            digits[n++] = char('0' + value % 10);
            value /= 10;
        } while (value > 0);
        while (n < width)
            digits[n++] = '0';
        while (n > 0 && size + 1 < sizeof(data))
            data[size++] = digits[--n];
        data[size] = '\0';
        return *this;
    }
};

void writeAll(int fd, const char* data, size_t size)
{
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return;
        data += n;
        size -= size_t(n);
    }
}

struct CivilTime
{
    long long year;
    unsigned month, day, hour, minute, second;
};

// Days since 1970-01-01 to a civil date (Howard Hinnant's algorithm); the
// C library's localtime is not async-signal-safe.
CivilTime civilFromSeconds(long long seconds)
{
    long long days = seconds / 86400;
    long long rest = seconds % 86400;
    if (rest < 0) {
        rest += 86400;
        --days;
    }
    days += 719468;
    const long long era = (days >= 0 ? days : days - 146096) / 146097;
    const unsigned doe = unsigned(days - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    CivilTime t;
    t.day = doy - (153 * mp + 2) / 5 + 1;
    t.month = mp < 10 ? mp + 3 : mp - 9;
    t.year = (long long)yoe + era * 400 + (t.month <= 2);
    t.hour = unsigned(rest / 3600);
    t.minute = unsigned(rest / 60 % 60);
    t.second = unsigned(rest % 60);
    return t;
}

bool writeDump(int signal, const timespec& now, Text& path)
{
    path.add(g_dumpFolder).add("/").number((unsigned long long)now.tv_sec).add("-")
        .number((unsigned long long)::getpid()).add(".dmp");
    const int fd = ::open(path.data, O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd < 0)
        return false;
    Text head;
    head.add("Veskaroo crash dump\nsignal: ").number((unsigned long long)signal)
        .add("\ntime: ").number((unsigned long long)now.tv_sec)
        .add("\npid: ").number((unsigned long long)::getpid())
        .add("\nbacktrace:\n");
    writeAll(fd, head.data, head.size);
    void* frames[128];
    const int count = ::backtrace(frames, 128);
    ::backtrace_symbols_fd(frames, count, fd);
    // The memory map turns the raw addresses above into symbols later.
    const char mapsHead[] = "maps:\n";
    writeAll(fd, mapsHead, sizeof(mapsHead) - 1);
    const int maps = ::open("/proc/self/maps", O_RDONLY | O_CLOEXEC);
    if (maps >= 0) {
        char buffer[4096];
        ssize_t n;
        while ((n = ::read(maps, buffer, sizeof(buffer))) > 0)
            writeAll(fd, buffer, size_t(n));
        ::close(maps);
    }
    ::close(fd);
    return true;
}

// Same line format and daily file as the program's message handler.
void logDumpWritten(const timespec& now)
{
    const CivilTime t = civilFromSeconds((long long)now.tv_sec + g_utcOffset);
    Text path;
    path.add(g_logFolder).add("/log_").number((unsigned long long)t.year, 4)
        .number(t.month, 2).number(t.day, 2).add(".txt");
    Text line;
    line.add("(").number((unsigned long long)t.year, 4).add("-").number(t.month, 2).add("-")
        .number(t.day, 2).add(" ").number(t.hour, 2).add(":").number(t.minute, 2).add(":")
        .number(t.second, 2).add(" ").number((unsigned long long)(now.tv_nsec / 1000000), 3)
        .add(") Debug: BreakpadQt: writeMinidump() successed.    File:(")
        .add(__FILE__).add(") Line:(").number(__LINE__).add(") Function(")
        .add("void ICrashSignals::logDumpWritten(const timespec&)").add(")\r\n");
    const int fd = ::open(path.data, O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
    if (fd < 0)
        return;
    writeAll(fd, line.data, line.size);
    ::close(fd);
}

// Detached: the reporter is reparented to init and outlives this process.
void startReporter()
{
    if (g_reporterPath[0] == '\0' || ::access(g_reporterPath, X_OK) != 0)
        return;
    const pid_t child = ::fork();
    if (child == 0) {
        ::setsid();
        if (::fork() == 0) {
            char* const argv[] = {g_reporterPath, nullptr};
            ::execv(g_reporterPath, argv);
        }
        ::_exit(0);
    }
    if (child > 0) {
        while (::waitpid(child, nullptr, 0) < 0 && errno == EINTR) {
        }
    }
}

void onFatalSignal(int signal, siginfo_t*, void*)
{
    const int savedErrno = errno;
    timespec now{};
    ::clock_gettime(CLOCK_REALTIME, &now);
    Text path;
    if (writeDump(signal, now, path)) {
        logDumpWritten(now);
        startReporter();
    }
    errno = savedErrno;
    // The handler was reset on entry; raising again ends the process with
    // the original signal once this handler returns.
    ::raise(signal);
}

void copyPath(char* target, const QString& path)
{
    const QByteArray bytes = QFile::encodeName(path);
    const size_t n = std::min(size_t(bytes.size()), size_t(kPathMax - 1));
    std::memcpy(target, bytes.constData(), n);
    target[n] = '\0';
}

} // namespace

bool install(const Config& config)
{
    copyPath(g_dumpFolder, config.dumpFolder);
    copyPath(g_reporterPath, config.reporterPath);
    copyPath(g_logFolder, config.logFolder);

    const time_t now = ::time(nullptr);
    tm local{};
    ::localtime_r(&now, &local);
    g_utcOffset = local.tm_gmtoff;

    // The first backtrace() call loads libgcc; do it now, not in the handler.
    void* warmUp[2];
    ::backtrace(warmUp, 2);

    // Its own stack, so that a stack overflow can still be reported.
    stack_t stack{};
    stack.ss_sp = g_altStack;
    stack.ss_size = kAltStackSize;
    ::sigaltstack(&stack, nullptr);

    struct sigaction action{};
    action.sa_sigaction = &onFatalSignal;
    action.sa_flags = SA_SIGINFO | SA_ONSTACK | SA_RESETHAND;
    sigemptyset(&action.sa_mask);
    bool ok = true;
    for (int signal : kSignals)
        ok = ::sigaction(signal, &action, nullptr) == 0 && ok;
    return ok;
}

ThreadStack::ThreadStack()
{
    // A thread that has one already keeps it.
    stack_t current{};
    if (::sigaltstack(nullptr, &current) == 0 && !(current.ss_flags & SS_DISABLE))
        return;
    void* stack = ::mmap(nullptr, kAltStackSize, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS | MAP_STACK,
                         -1, 0);
    if (stack == MAP_FAILED)
        return;
    stack_t alternate{};
    alternate.ss_sp = stack;
    alternate.ss_size = kAltStackSize;
    if (::sigaltstack(&alternate, nullptr) != 0) {
        ::munmap(stack, kAltStackSize);
        return;
    }
    m_stack = stack;
    m_size = kAltStackSize;
}

ThreadStack::~ThreadStack()
{
    if (!m_stack)
        return;
    // Off first: the handler must never land on freed memory.
    stack_t off{};
    off.ss_flags = SS_DISABLE;
    ::sigaltstack(&off, nullptr);
    ::munmap(m_stack, m_size);
}

} // namespace ICrashSignals

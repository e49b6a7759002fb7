// A process that arms the crash handler the way the program does, then
// crashes in the way its first argument names.
#include "crash/globalhandler.h"
#include "imessagehandler.h"

#include <QCoreApplication>
#include <csignal>
#include <stdexcept>
#include <sys/mman.h>

namespace {

[[noreturn]] void throwUncaught()
{
    throw std::runtime_error("nobody catches this");
}

// A write into a page that allows no access: a real fault, which the
// sanitizers do not intercept as they would a null pointer.
int faultingWrite()
{
    void* page = ::mmap(nullptr, 4096, PROT_NONE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    volatile int* target = static_cast<int*>(page);
    *target = 42;
    return *target;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 4)
        return 2;
    IMessageHandler::install();
    new BreakpadQt::GlobalHandler(args.at(2), args.at(3));

    const QString how = args.at(1);
    if (how == "segv")
        return faultingWrite();
    if (how == "exception")
        throwUncaught();
    if (how == "abort")
        std::abort();
    return 0;
}

// A process that arms the crash handler the way the program does, then
// crashes in the way its first argument names.
#include "crash/globalhandler.h"
#include "imessagehandler.h"

#include <QCoreApplication>
#include <csignal>
#include <stdexcept>

namespace {

[[noreturn]] void throwUncaught()
{
    throw std::runtime_error("nobody catches this");
}

int nullWrite(volatile int* target)
{
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
        return nullWrite(nullptr);
    if (how == "exception")
        throwUncaught();
    if (how == "abort")
        std::abort();
    return 0;
}

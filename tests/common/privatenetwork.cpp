// Private network namespaces for the tests that open sockets.
#include "common/privatenetwork.h"

#include <QByteArray>
#include <QFile>
#include <QStringList>

#include <cstdio>
#include <cstdlib>
#include <unistd.h>
#include <vector>

namespace {

const char* const kMarker = "VESKAROO_PRIVATE_NETWORK";

[[noreturn]] void giveUp(const char* why)
{
    std::fprintf(stderr, "private network namespace: %s\n", why);
    std::exit(1);
}

bool run(const char* command)
{
    return std::system(command) == 0;
}

} // namespace

namespace TestEnv {

QString accessPointAddress()
{
    return QStringLiteral("192.168.43.1");
}

void enterPrivateNetwork(int argc, char** argv)
{
    if (qgetenv(kMarker) != "1") {
        setenv(kMarker, "1", 1);
        // As root a plain network namespace; otherwise one inside a user namespace.
        std::vector<char*> command{const_cast<char*>("unshare"), const_cast<char*>(geteuid() == 0 ? "-n" : "-rn"),
                                   const_cast<char*>("--")};
        for (int i = 0; i < argc; ++i)
            command.push_back(argv[i]);
        command.push_back(nullptr);
        execvp("unshare", command.data());
        giveUp("cannot run unshare");
    }
    // Nothing but loopback may be here: a namespace shared with the machine
    // would let packets out.
    // (/proc/self/net tells this process's namespace; /sys may not.)
    QFile table(QStringLiteral("/proc/self/net/dev"));
    if (!table.open(QIODevice::ReadOnly))
        giveUp("cannot read the network devices");
    QStringList devices;
    for (const QByteArray& line : table.readAll().split('\n')) {
        const int colon = line.indexOf(':');
        if (colon > 0)
            devices << QString::fromLatin1(line.left(colon).trimmed());
    }
    if (devices != QStringList{QStringLiteral("lo")})
        giveUp("the namespace has devices besides lo");
    if (!run("ip link set lo up") || !run("ip addr add 192.168.43.1/32 dev lo"))
        giveUp("cannot set up the loopback device");
    // Network camera discovery probes by multicast and by broadcast; here
    // both stay on lo.
    if (!run("ip link set lo multicast on") || !run("ip route add 224.0.0.0/4 dev lo")
        || !run("ip route add broadcast 255.255.255.255 dev lo table local"))
        giveUp("cannot route multicast and broadcast to the loopback device");
}

} // namespace TestEnv

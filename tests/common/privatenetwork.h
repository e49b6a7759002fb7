// Tests that open sockets run in a private network namespace of their own:
// only a loopback device, with the Wi-Fi camera's access-point address on it,
// so that nothing they send can leave the machine. Multicast (224.0.0.0/4)
// and the broadcast address 255.255.255.255 are routed to that device too,
// for network camera discovery. By hand, as root in `unshare -n`:
//   ip link set lo up; ip addr add 192.168.43.1/32 dev lo
//   ip link set lo multicast on; ip route add 224.0.0.0/4 dev lo
//   ip route add broadcast 255.255.255.255 dev lo table local
#pragma once

#include <QString>

namespace TestEnv {

// The address a Wi-Fi camera has on its own access point.
QString accessPointAddress();

// Re-executes this process under `unshare` unless it already runs in the
// namespace it made; there, brings up the loopback device with the
// access-point address, multicast and broadcast. Ends the process when no
// private namespace can be had.
void enterPrivateNetwork(int argc, char** argv);

} // namespace TestEnv

// VESKAROO_TEST_MAIN in a private network namespace.
#define VESKAROO_NETWORK_TEST_MAIN(TestClass)              \
    int main(int argc, char** argv)                        \
    {                                                      \
        TestEnv::enterPrivateNetwork(argc, argv);          \
        TestEnv::isolateDataFolder();                      \
        QApplication app(argc, argv);                      \
        app.setAttribute(Qt::AA_Use96Dpi, true);           \
        TestClass tc;                                      \
        QTEST_SET_MAIN_SOURCE_PATH                         \
        return QTest::qExec(&tc, argc, argv);              \
    }

// Network cameras answering WS-Discovery probes, for tests and demos. Run it
// only in a private network namespace whose loopback device carries
// multicast and broadcast (see tests/common/privatenetwork.h), e.g.
//   unshare -n sh -c 'ip link set lo up; ip addr add 192.168.43.1/32 dev lo;
//     ip link set lo multicast on; ip route add 224.0.0.0/4 dev lo;
//     ip route add broadcast 255.255.255.255 dev lo table local;
//     onvifresponder --device "host=127.0.0.5,name=Doc Cam"'
// Prints "ready" once it listens, then "probe multicast" or "probe broadcast"
// per probe and "answer HOST to ADDRESS:PORT" per answer.
#include "common/onvifresponder.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription("Network cameras answering WS-Discovery probes on the loopback device");
    parser.addHelpOption();
    const QCommandLineOption device(
        "device",
        "A camera, e.g. \"host=127.0.0.5,name=Doc Cam,xaddrs=http://127.0.0.5:80/onvif/device_service\"; keys: "
        "host, name, hardware, location, type, xaddrs (or none), address, manufacturer, model, serial, firmware, "
        "delay (ms), behaviour (normal, malformed, noaddress, garbage, duplicate). Repeatable.",
        "description");
    const QCommandLineOption late("late-ms", "Every camera answers this many milliseconds late.", "ms", "0");
    parser.addOptions({device, late});
    parser.process(app);

    bool ok = false;
    const int lateMs = parser.value(late).toInt(&ok);
    if (!ok || lateMs < 0) {
        std::fprintf(stderr, "onvifresponder: --late-ms takes milliseconds\n");
        return 2;
    }
    const QStringList descriptions = parser.values(device);
    if (descriptions.isEmpty()) {
        std::fprintf(stderr, "onvifresponder: give at least one --device\n");
        return 2;
    }
    OnvifResponder responder;
    for (const QString& description : descriptions) {
        OnvifResponder::Device camera;
        QString error;
        if (!OnvifResponder::parseDevice(description, &camera, &error)) {
            std::fprintf(stderr, "onvifresponder: %s\n", qPrintable(error));
            return 2;
        }
        if (lateMs > 0)
            camera.delayMs = lateMs;
        responder.addDevice(camera);
    }
    QObject::connect(&responder, &OnvifResponder::probeReceived,
                     [](OnvifResponder::Destination destination, const QHostAddress&, quint16) {
                         std::printf("probe %s\n", qPrintable(OnvifResponder::destinationName(destination)));
                         std::fflush(stdout);
                     });
    QObject::connect(&responder, &OnvifResponder::answered, [](const QString& host, const QHostAddress& to, quint16 port) {
        std::printf("answer %s to %s:%u\n", qPrintable(host), qPrintable(to.toString()), unsigned(port));
        std::fflush(stdout);
    });
    QString error;
    if (!responder.start(&error)) {
        std::fprintf(stderr, "onvifresponder: %s\n", qPrintable(error));
        return 1;
    }
    std::printf("ready\n");
    std::fflush(stdout);
    return app.exec();
}

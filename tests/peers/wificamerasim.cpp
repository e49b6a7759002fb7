// The Wi-Fi document camera simulator for tests and demos: the control
// protocol on port 5324 and the RTSP picture at "/stream/main", listening on
// the camera's access-point address (or --address). Run it only where that
// address is on a loopback device, e.g. in a private network namespace:
//   unshare -rn sh -c 'ip link set lo up; ip addr add 192.168.43.1/32 dev lo; wificamerasim'
// Prints "ready" once both servers listen, then one line per event.
// --control-only plays the camera without RTSP: the control port alone.
// GLib before Qt: GLib's headers use "signals" as a name, which Qt defines.
#include <gst/gst.h>

#include "peers/wificamera/simcontrolserver.h"
#include "peers/wificamera/simrtspserver.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QHostAddress>
#include <QNetworkInterface>
#include <QTimer>

#include <algorithm>
#include <cstdio>

namespace {

QSize parseSize(const QString& text)
{
    const QStringList parts = text.split('x');
    return parts.size() == 2 ? QSize(parts[0].toInt(), parts[1].toInt()) : QSize();
}

} // namespace

int main(int argc, char** argv)
{
    gst_init(&argc, &argv);
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription("Wi-Fi document camera simulator");
    parser.addHelpOption();
    const QCommandLineOption address("address", "Address to listen on.", "ip", "192.168.43.1");
    const QCommandLineOption controlPort("control-port", "Control port.", "port", "5324");
    const QCommandLineOption rtspPort("rtsp-port", "RTSP port.", "port", "554");
    const QCommandLineOption transport("transport", "What the binding reply asks for: tcp or udp.", "kind", "tcp");
    const QCommandLineOption size("size", "Stream size.", "WxH", "320x240");
    const QCommandLineOption fps("fps", "Frames per second.", "n", "30");
    const QCommandLineOption stillSize("still-size", "Size of the stills (control-only: the current size).", "WxH",
                                       "2592x1944");
    const QCommandLineOption controlOnly("control-only", "The camera without RTSP: the control port only.");
    const QCommandLineOption dropAfter("drop-after", "Close every control connection this long after the first "
                                                     "binding, once.", "s", "-1");
    const QCommandLineOption shared("shared", "One stream for every viewer.");
    const QCommandLineOption loss("loss", "Percentage of RTP packets lost.", "percent", "0");
    const QCommandLineOption outageAfter("outage-after", "The first session's stream stops after this.", "s", "-1");
    const QCommandLineOption outage("outage", "... for this long.", "s", "0");
    const QCommandLineOption changeAfter("change-resolution-after", "The camera changes its size after this.", "s",
                                         "-1");
    const QCommandLineOption changeTo("change-resolution", "... to this size.", "WxH", "640x480");
    const QCommandLineOption dropMid("drop-mid-picture", "Drop the connection in the middle of the first still.");
    const QCommandLineOption split("split-picture", "Send stills in many small pieces.");
    const QCommandLineOption noPicture("no-picture", "Never send a still.");
    const QCommandLineOption garbage("garbage", "Send garbage between the replies for this long after binding.",
                                     "s", "0");
    const QCommandLineOption timestamps("timestamps", "Write when each frame was drawn.", "file");
    parser.addOptions({address, controlPort, rtspPort, transport, size, fps, stillSize, shared, loss, outageAfter,
                       outage, changeAfter, changeTo, dropMid, split, noPicture, garbage, timestamps, controlOnly,
                       dropAfter});
    parser.process(app);
    // A simulator answers on loopback only: the access-point address must sit
    // on this namespace's loopback device, never on a real network's.
    const QHostAddress listenOn(parser.value(address));
    const QNetworkInterface loopback = QNetworkInterface::interfaceFromName(QStringLiteral("lo"));
    const QList<QNetworkAddressEntry> entries = loopback.addressEntries();
    const bool onLoopback = listenOn.isLoopback()
        || std::any_of(entries.cbegin(), entries.cend(),
                       [&listenOn](const QNetworkAddressEntry& e) { return e.ip() == listenOn; });
    if (!onLoopback) {
        std::fprintf(stderr, "wificamerasim: %s is not on the loopback device; run it in a private "
                             "network namespace (see scripts/wifi-demo.sh)\n",
                     qPrintable(listenOn.toString()));
        return 2;
    }

    SimStreamOptions stream;
    stream.address = parser.value(address);
    stream.port = parser.value(rtspPort).toInt();
    stream.size = parseSize(parser.value(size));
    stream.fps = parser.value(fps).toInt();
    stream.lossPercent = parser.value(loss).toDouble();
    stream.outageAfterSeconds = parser.value(outageAfter).toDouble();
    stream.outageSeconds = parser.value(outage).toDouble();
    stream.shared = parser.isSet(shared);
    stream.timestampsFile = parser.value(timestamps);
    SimRtspServer rtsp(stream);

    SimControlOptions control;
    control.address = stream.address;
    control.port = parser.value(controlPort).toInt();
    control.rtspOverTcp = parser.value(transport) != QLatin1String("udp");
    control.controlOnly = parser.isSet(controlOnly);
    control.stillSize = control.controlOnly && !parser.isSet(stillSize) ? QSize() : parseSize(parser.value(stillSize));
    control.dropAfterSeconds = parser.value(dropAfter).toDouble();
    control.dropMidPicture = parser.isSet(dropMid);
    control.splitPicture = parser.isSet(split);
    control.noPicture = parser.isSet(noPicture);
    control.garbageSeconds = parser.value(garbage).toDouble();
    SimControlServer server(
        control, [&rtsp] { return rtsp.resolution(); }, [&rtsp](QSize s) { rtsp.setResolution(s); });

    QString error;
    // The control-only camera has nothing on the RTSP port: it refuses.
    if ((!control.controlOnly && !rtsp.start(&error)) || !server.start(&error)) {
        std::fprintf(stderr, "wificamerasim: %s\n", error.toLocal8Bit().constData());
        return 1;
    }
    const double change = parser.value(changeAfter).toDouble();
    if (change >= 0) {
        const QSize to = parseSize(parser.value(changeTo));
        QTimer::singleShot(int(change * 1000), &server, [&server, to] { server.announceResolution(to); });
    }
    std::printf("ready\n");
    std::fflush(stdout);
    return app.exec();
}

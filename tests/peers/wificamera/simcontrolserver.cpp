// The simulator's control port.
#include "peers/wificamera/simcontrolserver.h"

#include "common/wifitestpattern.h"

#include <QBuffer>
#include <QElapsedTimer>
#include <QImage>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <QtEndian>

#include <cstdio>

namespace {

const QList<QSize> kResolutions = {
    {320, 240},   {480, 272},   {640, 480},   {800, 600},   {1024, 768},  {1280, 720},
    {1280, 960},  {1600, 1200}, {1920, 1080}, {2592, 1944}, {3264, 2448},
};
const QList<QSize> kControlOnlyResolutions = {
    {320, 240},   {480, 272},   {640, 480},   {800, 600},   {1024, 768},  {1280, 720},
    {1280, 960},  {1600, 1200}, {1920, 1080}, {2592, 1944}, {3264, 2440},
};
// What the control-only camera sends after its encoding record.
const QByteArray kReserved = QByteArray::fromHex("a1b2c3");

void say(const QString& line)
{
    std::printf("%s\n", line.toLocal8Bit().constData());
    std::fflush(stdout);
}

QByteArray bytes(std::initializer_list<int> values)
{
    QByteArray out;
    for (int v : values)
        out.append(char(v));
    return out;
}

// Data bytes that follow each command's 6-byte header.
int dataLength(const QByteArray& header)
{
    switch (quint8(header.at(0))) {
    case 0x02:
    case 0x03: return 1;
    case 0x05:
    case 0x07: return 8;
    default: return 0;
    }
}

bool knownHeader(const QByteArray& header)
{
    static const QList<QByteArray> headers = {
        bytes({0x01, 0x00, 0x02, 0xf3, 0xfd, 0x0c}), bytes({0x02, 0x00, 0x02, 0xf9, 0xfd, 0x06}),
        bytes({0x03, 0x00, 0x02, 0xfa, 0xfd, 0x05}), bytes({0x04, 0x00, 0x0a, 0xf0, 0xf5, 0x0f}),
        bytes({0x05, 0x00, 0x0b, 0xf0, 0xf4, 0x0f}), bytes({0x06, 0x00, 0x0b, 0xf1, 0xf4, 0x0e}),
        bytes({0x07, 0x00, 0x0b, 0xf2, 0xf4, 0x0d}), bytes({0x08, 0x00, 0x0b, 0xf3, 0xf4, 0x0c}),
        bytes({0x08, 0x00, 0x0b, 0xf4, 0xf4, 0x0b}), bytes({0x09, 0x00, 0x0b, 0xf5, 0xf4, 0x0a}),
    };
    return headers.contains(header);
}

// The command number the program uses for a header.
int commandOf(const QByteArray& header)
{
    const int index = quint8(header.at(0));
    if (index <= 7)
        return index;
    if (index == 8)
        return quint8(header.at(3)) == 0xf3 ? 8 : 9;
    return 10;
}

} // namespace

SimControlServer::SimControlServer(const SimControlOptions& options, std::function<QSize()> resolution,
                                   std::function<void(QSize)> setResolution, QObject* parent)
    : QObject(parent)
    , m_options(options)
    , m_resolution(std::move(resolution))
    , m_setResolution(std::move(setResolution))
    , m_defaults(bytes({0x80, 0x40, 0x50, 0x05, 0x01, 0x30, 0x60, 0x00}))
    , m_quality(bytes({0x70, 0x44, 0x52, 0x05, 0x01, 0x33, 0x61, 0x00}))
{
}

bool SimControlServer::start(QString* error)
{
    m_server = new QTcpServer(this);
    connect(m_server, &QTcpServer::newConnection, this, &SimControlServer::onConnection);
    if (!m_server->listen(QHostAddress(m_options.address), quint16(m_options.port))) {
        *error = m_server->errorString();
        return false;
    }
    return true;
}

const QList<QSize>& SimControlServer::resolutions() const
{
    return m_options.controlOnly ? kControlOnlyResolutions : kResolutions;
}

QByteArray SimControlServer::encodeRecord() const
{
    const int index = std::max(0, int(resolutions().indexOf(m_resolution())));
    return bytes({0x01, 0x00, 0x1e, index, 0x00, 0x40, 0x00, 0x00});
}

void SimControlServer::announceResolution(const QSize& size)
{
    m_setResolution(size);
    const QByteArray packet = bytes({0x0f, 0x0f, 0x10, 0x00, 0x00}) + encodeRecord();
    for (auto it = m_clients.begin(); it != m_clients.end(); ++it) {
        if (it->bound)
            it.key()->write(packet);
    }
    say(QStringLiteral("announced resolution %1x%2").arg(size.width()).arg(size.height()));
}

void SimControlServer::onConnection()
{
    while (QTcpSocket* socket = m_server->nextPendingConnection()) {
        socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
        m_clients.insert(socket, Client());
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { onReadable(socket); });
        connect(socket, &QTcpSocket::disconnected, this, [this, socket] {
            m_clients.remove(socket);
            socket->deleteLater();
            say(QStringLiteral("client gone"));
        });
        say(QStringLiteral("client connected"));
    }
}

void SimControlServer::onReadable(QTcpSocket* socket)
{
    auto it = m_clients.find(socket);
    if (it == m_clients.end())
        return;
    Client& client = *it;
    client.buffer.append(socket->readAll());
    if (!client.bound) {
        if (client.buffer.size() < 4)
            return;
        if (!client.buffer.startsWith(QByteArray(4, char(0xff)))) {
            say(QStringLiteral("garbage instead of the opening: %1").arg(QString(client.buffer.toHex(' '))));
            client.buffer.clear();
            return;
        }
        client.buffer.remove(0, 4);
        client.id = bytes({0x12 + m_connections++, m_options.rtspOverTcp ? 0x80 : 0x00});
        client.bound = true;
        socket->write(client.id);
        socket->flush();
        say(QStringLiteral("bound %1").arg(QString(client.id.toHex(' '))));
        if (m_options.dropAfterSeconds >= 0 && !m_dropArmed) {
            m_dropArmed = true;
            QTimer::singleShot(int(m_options.dropAfterSeconds * 1000), this, [this] { dropEveryConnection(); });
        }
        if (m_options.garbageSeconds > 0) {
            auto* timer = new QTimer(socket);
            auto* clock = new QElapsedTimer;
            clock->start();
            const QByteArray id = client.id;
            connect(timer, &QTimer::timeout, socket, [this, socket, timer, clock, id] {
                if (clock->elapsed() > m_options.garbageSeconds * 1000) {
                    timer->stop();
                    delete clock;
                    say(QStringLiteral("garbage over"));
                    return;
                }
                sendGarbage(socket, id);
            });
            timer->start(100);
        }
    }
    while (client.buffer.size() >= 6) {
        int offset = 0;
        if (client.buffer.size() >= 8 && client.buffer.startsWith(client.id)
            && knownHeader(client.buffer.mid(2, 6)))
            offset = 2;
        else if (!knownHeader(client.buffer.left(6))) {
            say(QStringLiteral("garbage from client: %1").arg(QString(client.buffer.left(32).toHex(' '))));
            client.buffer.clear();
            return;
        }
        const QByteArray header = client.buffer.mid(offset, 6);
        const int length = offset + 6 + dataLength(header);
        if (client.buffer.size() < length)
            return;
        const QByteArray data = client.buffer.mid(offset + 6, dataLength(header));
        client.buffer.remove(0, length);
        say(QStringLiteral("command %1%2 %3")
                .arg(commandOf(header))
                .arg(offset ? QString() : QStringLiteral(" without id"))
                .arg(QString(data.toHex(' '))));
        handle(socket, client, header, data);
        if (!m_clients.contains(socket))
            return;
    }
}

void SimControlServer::handle(QTcpSocket* socket, Client& client, const QByteArray& header, const QByteArray& data)
{
    const QByteArray id = client.id;
    const int command = commandOf(header);
    auto reply = [&](int index, const QByteArray& rest = QByteArray()) {
        socket->write(id + bytes({index, 0x00, 0x00}) + rest);
    };
    switch (command) {
    case 1: reply(0x01); break;
    case 2: reply(0x02); break;
    case 3: reply(0x03); break;
    case 4: reply(0x04, bytes({0x01})); break;
    case 5: {
        const int index = quint8(data.at(3));
        const QSize size = index < resolutions().size() ? resolutions().at(index) : resolutions().first();
        m_setResolution(size);
        reply(0x05);
        say(QStringLiteral("resolution %1x%2").arg(size.width()).arg(size.height()));
        // The other clients hear of it.
        const QByteArray packet = bytes({0x0f, 0x0f, 0x10, 0x00, 0x00}) + encodeRecord();
        for (auto it = m_clients.begin(); it != m_clients.end(); ++it) {
            if (it.key() != socket && it->bound)
                it.key()->write(packet);
        }
        break;
    }
    case 6: reply(0x06, encodeRecord() + (m_options.controlOnly ? kReserved : QByteArray())); break;
    case 7:
        m_quality = data;
        reply(0x07);
        break;
    case 8: reply(0x08, m_quality); break;
    case 9: reply(0x08, m_defaults); break;
    case 10: sendPicture(socket, id); break;
    default: break;
    }
}

void SimControlServer::sendPicture(QTcpSocket* socket, const QByteArray& id)
{
    if (m_options.noPicture) {
        say(QStringLiteral("picture withheld"));
        return;
    }
    QImage still = WifiTestPattern::page(m_options.stillSize.isValid() ? m_options.stillSize : m_resolution());
    WifiTestPattern::drawFrameMarks(still, quint32(++m_stills));
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    still.save(&buffer, "JPG", 90);
    QByteArray size(4, '\0');
    qToLittleEndian<quint32>(quint32(jpeg.size()), size.data());
    const QByteArray packet = id + bytes({0x09, 0x00, 0x00}) + size + jpeg;

    if (m_options.dropMidPicture && !m_dropped) {
        m_dropped = true;
        socket->write(packet.left(packet.size() / 2));
        socket->flush();
        say(QStringLiteral("picture cut, dropping the connection"));
        socket->disconnectFromHost();
        return;
    }
    if (m_options.splitPicture) {
        // The header with the picture's first bytes in one write, as a
        // camera does, then the rest in small pieces.
        constexpr int kFirst = 9 + 100;
        socket->write(packet.left(kFirst));
        socket->flush();
        const int pieces = 40;
        const int step = (packet.size() - kFirst + pieces - 1) / pieces;
        QPointer<QTcpSocket> guard(socket);
        for (int i = 0; i < pieces; ++i) {
            const QByteArray piece = packet.mid(kFirst + i * step, step);
            QTimer::singleShot(15 * (i + 1), this, [guard, piece] {
                if (guard) {
                    guard->write(piece);
                    guard->flush();
                }
            });
        }
        say(QStringLiteral("picture split %1 bytes").arg(jpeg.size()));
        return;
    }
    socket->write(packet);
    say(QStringLiteral("picture sent %1 bytes").arg(jpeg.size()));
}

void SimControlServer::dropEveryConnection()
{
    const QList<QTcpSocket*> sockets = m_clients.keys();
    for (QTcpSocket* socket : sockets)
        socket->disconnectFromHost();
    say(QStringLiteral("dropped %1 connections").arg(sockets.size()));
}

void SimControlServer::sendGarbage(QTcpSocket* socket, const QByteArray& id)
{
    std::uniform_int_distribution<int> byte(0, 255);
    QByteArray junk;
    switch (std::uniform_int_distribution<int>(0, 4)(m_random)) {
    case 0: // random bytes
        for (int i = std::uniform_int_distribution<int>(1, 64)(m_random); i > 0; --i)
            junk.append(char(byte(m_random)));
        break;
    case 1: // a picture of absurd size
        junk = id + bytes({0x09, 0x00, 0x00, 0xff, 0xff, 0xff, 0x7f}) + QByteArray(32, 'x');
        break;
    case 2: // someone else's reply
        junk = bytes({0x77, 0x00, 0x08, 0x00, 0x00, 1, 2, 3, 4, 5, 6, 7, 8});
        break;
    case 3: // a command index nobody knows
        junk = id + bytes({0x42, 0x00, 0x00, 0x01});
        break;
    default: // a reply cut short
        junk = id + bytes({0x08, 0x00});
        break;
    }
    socket->write(junk);
}

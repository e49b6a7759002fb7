// The simulator's control port: binding, every command of the control
// protocol, JPEG stills of the page, and the faults a flaky camera shows;
// either camera: with an RTSP stream beside it, or the control-only one.
#pragma once

#include <QByteArray>
#include <QHash>
#include <QObject>
#include <QSize>
#include <QString>

#include <functional>
#include <random>

class QTcpServer;
class QTcpSocket;

struct SimControlOptions
{
    QString address = QStringLiteral("192.168.43.1");
    int port = 5324;
    bool rtspOverTcp = true;
    // Invalid: stills at the size the camera runs at.
    QSize stillSize{2592, 1944};
    // The first still: the connection is dropped half-way through it.
    bool dropMidPicture = false;
    // Every still comes in many small pieces.
    bool splitPicture = false;
    // Stills are never sent.
    bool noPicture = false;
    // For this many seconds after binding, garbage goes out between the replies.
    double garbageSeconds = 0;
    // The camera without RTSP: its largest size is 3264x2440 and its
    // encoding reply carries three reserved bytes more.
    bool controlOnly = false;
    // Every connection is closed this many seconds after the first binding,
    // once; negative: never.
    double dropAfterSeconds = -1;
};

class SimControlServer : public QObject
{
    Q_OBJECT
public:
    SimControlServer(const SimControlOptions& options, std::function<QSize()> resolution,
                     std::function<void(QSize)> setResolution, QObject* parent = nullptr);

    bool start(QString* error);
    // Tells every client that another one changed the resolution.
    void announceResolution(const QSize& size);

private:
    struct Client
    {
        QByteArray buffer;
        QByteArray id;
        bool bound = false;
    };

    void onConnection();
    void onReadable(QTcpSocket* socket);
    void handle(QTcpSocket* socket, Client& client, const QByteArray& header, const QByteArray& data);
    void sendPicture(QTcpSocket* socket, const QByteArray& id);
    void sendGarbage(QTcpSocket* socket, const QByteArray& id);
    QByteArray encodeRecord() const;
    const QList<QSize>& resolutions() const;
    void dropEveryConnection();

    SimControlOptions m_options;
    std::function<QSize()> m_resolution;
    std::function<void(QSize)> m_setResolution;
    QTcpServer* m_server = nullptr;
    QHash<QTcpSocket*, Client> m_clients;
    int m_connections = 0;
    int m_stills = 0;
    bool m_dropped = false;
    bool m_dropArmed = false;
    QByteArray m_defaults;
    QByteArray m_quality;
    std::mt19937 m_random{4242};
};

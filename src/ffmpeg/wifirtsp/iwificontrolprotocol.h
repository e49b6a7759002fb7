// The Wi-Fi camera's control protocol: the packets the program sends, the
// replies it understands, and what it keeps of them (client id, encode and
// quality records, default and current values, lamp step). Pure bytes in,
// packets and signals out, so that it runs the same on the socket thread and
// in tests. Every member function is thread-safe: the socket thread parses
// while the facade's thread sets values.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QMutex>
#include <QObject>
#include <QSize>
#include <QVariant>

#include <functional>
#include <vector>

class IWifiControlProtocol : public QObject
{
    Q_OBJECT
public:
    // The commands the program knows, numbered as the camera thread sends them.
    enum Command {
        AutoFocus = 1,
        TopLamp = 2,
        WallLamp = 3,
        LampState = 4,
        SetEncoding = 5,
        QueryEncoding = 6,
        SetQuality = 7,
        QueryQuality = 8,
        QueryDefaultQuality = 9,
        TakePicture = 10,
    };
    // Fields of the quality record, in record order.
    enum QualityField {
        Brightness = 0,
        Saturation = 1,
        Contrast = 2,
        Definition = 3,
        Antiflash = 4,
        Exposure = 5,
        Focus = 6,
        Reserve = 7,
    };

    // The two cameras that speak this protocol. The control-only one has no
    // RTSP stream; its resolution table and its encoding reply differ.
    enum CameraType {
        RtspCamera = 0,
        ControlOnlyCamera = 1,
    };

    // The size in a picture reply is the camera's word; nothing it says makes
    // the program hold more than this for one picture.
    static constexpr quint32 kMaxPictureBytes = 64u * 1024u * 1024u;
    static constexpr int kRecordSize = 8;
    // The control-only camera's encoding reply carries these after its record.
    static constexpr int kReservedSize = 3;

    explicit IWifiControlProtocol(QObject* parent = nullptr);
    explicit IWifiControlProtocol(CameraType type, QObject* parent = nullptr);

    CameraType cameraType() const { return m_type; }

    // A packet to the camera: client id + the command's 6-byte header + data
    // (a QByteArray, or an int sent as one byte). Unknown commands give an
    // empty packet.
    static QByteArray buildPacket(const QByteArray& clientId, int command, const QVariant& data = QVariant());
    QByteArray buildPacket(int command, const QVariant& data = QVariant()) const;

    // The resolution index table of a camera; sizes outside it go as index 0.
    static QList<QSize> supportedResolutions(CameraType type = RtspCamera);
    static int resolutionIndex(const QSize& size, CameraType type = RtspCamera);
    static QSize resolutionSize(int index, CameraType type = RtspCamera);

    // A new connection: binding pending, no client id. What the camera said
    // about its settings is kept.
    void reset();
    // Bytes as they come off the connection, in any cut: they are put back
    // together into the camera's packets, each handled by Unpacket.
    void receive(const QByteArray& bytes);
    // The connection went quiet with a packet half-read: it is dropped (a
    // picture as failed).
    void readStalled();
    // One whole packet of the camera (the binding reply while binding is
    // pending).
    void Unpacket(const QByteArray& packet);

    bool isBindingPending() const;
    bool isBound() const; // binding over with a client id
    QByteArray clientId() const;
    bool rtspOverTcp() const;

    // The camera resolution as the program believes it to be.
    QSize resolution() const;
    void setResolution(const QSize& size);

    QByteArray encodeRecord() const;  // empty until the camera told it
    QByteArray qualityRecord() const; // empty until the camera told it
    // Brightness, saturation, contrast, exposure, focus: 0 until known.
    int defaultValue(QualityField field) const;
    int currentValue(QualityField field) const;
    bool currentValuesKnown() const;

    // Packets that carry out a setting; empty when nothing may be sent yet.
    QByteArray qualityPacket(QualityField field, int value);
    QByteArray resolutionPacket(const QSize& size);
    // The next lamp step (1, 2, 3, 4, 0, ...) and its packets.
    QList<QByteArray> nextLampStep(int* step);
    int lampStep() const;

signals:
    // Binding is over: with a client id (ok) or without.
    void sgBound(bool ok);
    // A packet the protocol itself answers with (command 8 after the defaults).
    void sgSend(QByteArray packet);
    // A picture reply: the picture, null when its data was incomplete,
    // refused or not decodable.
    void sgPicture(QImage picture);
    // The camera runs at another resolution than the program believed.
    void sgResolutionChanged(QSize size);

private:
    using Emission = std::function<void()>;
    // Length of the packet at the front of the buffer: 0 while more bytes
    // are needed, -1 when the bytes are no packet the program knows.
    qint64 frontPacketLength(bool* tooLarge) const;
    void unpackLocked(const QByteArray& packet, std::vector<Emission>& out);
    void handleEncoding(const QByteArray& packet, bool fromOtherApp, std::vector<Emission>& out);
    void handleQuality(const QByteArray& packet, std::vector<Emission>& out);
    void handlePicture(const QByteArray& packet, std::vector<Emission>& out);
    static void run(std::vector<Emission>& emissions);

    const CameraType m_type = RtspCamera;
    mutable QMutex m_mutex;
    QByteArray m_buffer;
    QByteArray m_clientId;
    bool m_bindingPending = true;
    bool m_rtspOverTcp = false;
    QSize m_resolution;
    QByteArray m_encodeRecord;
    QByteArray m_qualityRecord;
    int m_defaults[kRecordSize];
    int m_currents[kRecordSize];
    bool m_currentKnown = false;
    int m_lampStep = 0;
};

// The Wi-Fi camera's control protocol.
#include "ffmpeg/wifirtsp/iwificontrolprotocol.h"

#include <QDebug>
#include <QMutexLocker>
#include <QtEndian>

#include <algorithm>
#include <cstring>

namespace {

// Command headers; bytes 4-5 are the complement of bytes 2-3. Commands 8 and
// 9 share the index 08 00.
const unsigned char kHeaders[10][6] = {
    {0x01, 0x00, 0x02, 0xf3, 0xfd, 0x0c}, {0x02, 0x00, 0x02, 0xf9, 0xfd, 0x06},
    {0x03, 0x00, 0x02, 0xfa, 0xfd, 0x05}, {0x04, 0x00, 0x0a, 0xf0, 0xf5, 0x0f},
    {0x05, 0x00, 0x0b, 0xf0, 0xf4, 0x0f}, {0x06, 0x00, 0x0b, 0xf1, 0xf4, 0x0e},
    {0x07, 0x00, 0x0b, 0xf2, 0xf4, 0x0d}, {0x08, 0x00, 0x0b, 0xf3, 0xf4, 0x0c},
    {0x08, 0x00, 0x0b, 0xf4, 0xf4, 0x0b}, {0x09, 0x00, 0x0b, 0xf5, 0xf4, 0x0a},
};

const QList<QSize> kResolutions = {
    {320, 240},   {480, 272},   {640, 480},   {800, 600},   {1024, 768},  {1280, 720},
    {1280, 960},  {1600, 1200}, {1920, 1080}, {2592, 1944}, {3264, 2448},
};
// The control-only camera's sensor gives eight rows fewer at its largest size.
const QList<QSize> kControlOnlyResolutions = {
    {320, 240},   {480, 272},   {640, 480},   {800, 600},   {1024, 768},  {1280, 720},
    {1280, 960},  {1600, 1200}, {1920, 1080}, {2592, 1944}, {3264, 2440},
};

const QList<QSize>& resolutionTable(IWifiControlProtocol::CameraType type)
{
    return type == IWifiControlProtocol::ControlOnlyCamera ? kControlOnlyResolutions : kResolutions;
}

// Header of every reply: client id, command index, state byte.
constexpr int kReplyHeader = 5;
constexpr int kPictureHeader = kReplyHeader + 4;
const QByteArray kEveryClient("\x0f\x0f", 2);

// The five values the program keeps, as quality record fields.
const IWifiControlProtocol::QualityField kKeptFields[] = {
    IWifiControlProtocol::Brightness, IWifiControlProtocol::Saturation, IWifiControlProtocol::Contrast,
    IWifiControlProtocol::Exposure, IWifiControlProtocol::Focus,
};

int byteAt(const QByteArray& bytes, int i)
{
    return static_cast<unsigned char>(bytes.at(i));
}

int index16(const QByteArray& packet)
{
    return byteAt(packet, 2) << 8 | byteAt(packet, 3);
}

QString hex(const QByteArray& bytes)
{
    return QString::fromLatin1(bytes.toHex(' '));
}

} // namespace

IWifiControlProtocol::IWifiControlProtocol(QObject* parent)
    : IWifiControlProtocol(RtspCamera, parent)
{
}

IWifiControlProtocol::IWifiControlProtocol(CameraType type, QObject* parent)
    : QObject(parent)
    , m_type(type)
{
    std::fill(std::begin(m_defaults), std::end(m_defaults), 0);
    std::fill(std::begin(m_currents), std::end(m_currents), 0);
}

QByteArray IWifiControlProtocol::buildPacket(const QByteArray& clientId, int command, const QVariant& data)
{
    if (command < AutoFocus || command > TakePicture)
        return QByteArray();
    QByteArray packet = clientId;
    packet.append(reinterpret_cast<const char*>(kHeaders[command - 1]), 6);
    if (data.type() == QVariant::ByteArray)
        packet.append(data.toByteArray());
    else if (data.isValid())
        packet.append(char(data.toInt() & 0xff));
    return packet;
}

QByteArray IWifiControlProtocol::buildPacket(int command, const QVariant& data) const
{
    return buildPacket(clientId(), command, data);
}

QList<QSize> IWifiControlProtocol::supportedResolutions(CameraType type)
{
    return resolutionTable(type);
}

int IWifiControlProtocol::resolutionIndex(const QSize& size, CameraType type)
{
    const int index = resolutionTable(type).indexOf(size);
    return index < 0 ? 0 : index;
}

QSize IWifiControlProtocol::resolutionSize(int index, CameraType type)
{
    const QList<QSize>& table = resolutionTable(type);
    return index >= 0 && index < table.size() ? table.at(index) : table.first();
}

void IWifiControlProtocol::reset()
{
    QMutexLocker lock(&m_mutex);
    m_buffer.clear();
    m_clientId.clear();
    m_bindingPending = true;
    m_rtspOverTcp = false;
}

bool IWifiControlProtocol::isBindingPending() const
{
    QMutexLocker lock(&m_mutex);
    return m_bindingPending;
}

bool IWifiControlProtocol::isBound() const
{
    QMutexLocker lock(&m_mutex);
    return !m_bindingPending && !m_clientId.isEmpty();
}

QByteArray IWifiControlProtocol::clientId() const
{
    QMutexLocker lock(&m_mutex);
    return m_clientId;
}

bool IWifiControlProtocol::rtspOverTcp() const
{
    QMutexLocker lock(&m_mutex);
    return m_rtspOverTcp;
}

QSize IWifiControlProtocol::resolution() const
{
    QMutexLocker lock(&m_mutex);
    return m_resolution;
}

void IWifiControlProtocol::setResolution(const QSize& size)
{
    QMutexLocker lock(&m_mutex);
    m_resolution = size;
}

QByteArray IWifiControlProtocol::encodeRecord() const
{
    QMutexLocker lock(&m_mutex);
    return m_encodeRecord;
}

QByteArray IWifiControlProtocol::qualityRecord() const
{
    QMutexLocker lock(&m_mutex);
    return m_qualityRecord;
}

int IWifiControlProtocol::defaultValue(QualityField field) const
{
    QMutexLocker lock(&m_mutex);
    return m_defaults[field];
}

int IWifiControlProtocol::currentValue(QualityField field) const
{
    QMutexLocker lock(&m_mutex);
    return m_currents[field];
}

bool IWifiControlProtocol::currentValuesKnown() const
{
    QMutexLocker lock(&m_mutex);
    return m_currentKnown;
}

int IWifiControlProtocol::lampStep() const
{
    QMutexLocker lock(&m_mutex);
    return m_lampStep;
}

void IWifiControlProtocol::run(std::vector<Emission>& emissions)
{
    for (const Emission& emission : emissions)
        emission();
    emissions.clear();
}

qint64 IWifiControlProtocol::frontPacketLength(bool* tooLarge) const
{
    *tooLarge = false;
    if (m_buffer.size() < 4)
        return 0;
    const QByteArray id = m_buffer.left(2);
    const int index = index16(m_buffer);
    if (id == kEveryClient && index == 0x1000)
        return kReplyHeader + kRecordSize;
    if (m_clientId.isEmpty() || id != m_clientId)
        return -1;
    switch (index) {
    case 0x0100:
    case 0x0200:
    case 0x0300:
    case 0x0500:
    case 0x0700: return kReplyHeader;
    case 0x0400: return kReplyHeader + 1;
    case 0x0600:
        return kReplyHeader + kRecordSize + (m_type == ControlOnlyCamera ? kReservedSize : 0);
    case 0x0800: return kReplyHeader + kRecordSize;
    case 0x0900: {
        if (m_buffer.size() < kPictureHeader)
            return 0;
        const quint32 size = qFromLittleEndian<quint32>(m_buffer.constData() + kReplyHeader);
        if (size > kMaxPictureBytes) {
            *tooLarge = true;
            return -1;
        }
        return kPictureHeader + qint64(size);
    }
    default: return -1;
    }
}

void IWifiControlProtocol::receive(const QByteArray& bytes)
{
    std::vector<Emission> out;
    {
        QMutexLocker lock(&m_mutex);
        if (m_bindingPending) {
            // The camera answers the opening with exactly two bytes, which
            // may still come one at a time; a longer first answer is no
            // binding.
            m_buffer.append(bytes);
            if (m_buffer.size() < 2)
                return;
            const QByteArray reply = m_buffer;
            m_buffer.clear();
            unpackLocked(reply, out);
        } else {
            m_buffer.append(bytes);
            while (!m_buffer.isEmpty()) {
                bool tooLarge = false;
                const qint64 length = frontPacketLength(&tooLarge);
                if (length == 0 || length > m_buffer.size())
                    break;
                if (length < 0) {
                    // Nothing tells where the next packet starts: drop what
                    // came, the stream is in step again at the next reply.
                    if (tooLarge) {
                        qDebug() << "picture size refused: "
                                 << qFromLittleEndian<quint32>(m_buffer.constData() + kReplyHeader)
                                 << " limit: " << kMaxPictureBytes;
                        out.push_back([this] { emit sgPicture(QImage()); });
                    } else {
                        unpackLocked(m_buffer, out);
                    }
                    m_buffer.clear();
                    break;
                }
                const QByteArray packet = m_buffer.left(int(length));
                m_buffer.remove(0, int(length));
                unpackLocked(packet, out);
            }
        }
    }
    run(out);
}

void IWifiControlProtocol::readStalled()
{
    std::vector<Emission> out;
    {
        QMutexLocker lock(&m_mutex);
        if (m_buffer.isEmpty())
            return;
        qDebug() << "tcp packet incomplete, dropped: " << hex(m_buffer.left(16)) << " bytes: " << m_buffer.size();
        const bool picture = !m_bindingPending && m_buffer.size() >= 4 && m_buffer.left(2) == m_clientId
            && index16(m_buffer) == 0x0900;
        m_buffer.clear();
        if (picture)
            out.push_back([this] { emit sgPicture(QImage()); });
    }
    run(out);
}

void IWifiControlProtocol::Unpacket(const QByteArray& packet)
{
    std::vector<Emission> out;
    {
        QMutexLocker lock(&m_mutex);
        unpackLocked(packet, out);
    }
    run(out);
}

void IWifiControlProtocol::unpackLocked(const QByteArray& packet, std::vector<Emission>& out)
{
    if (m_bindingPending) {
        m_bindingPending = false;
        if (packet.size() == 2) {
            m_clientId = packet;
            qDebug() << "bind port success: " << hex(packet);
            m_rtspOverTcp = byteAt(packet, 1) == 0x80;
            qDebug() << (m_rtspOverTcp ? "rtsp TCP---->" : "rtsp UDP---->");
            out.push_back([this] { emit sgBound(true); });
        } else {
            m_clientId.clear();
            qDebug() << "bind port error.";
            out.push_back([this] { emit sgBound(false); });
        }
        return;
    }
    if (packet.size() < 4) {
        qDebug() << "invalid tcp packet. clientid: " << hex(packet) << hex(packet.left(2));
        return;
    }
    const QByteArray id = packet.left(2);
    const int index = index16(packet);
    if (!m_clientId.isEmpty() && id == m_clientId) {
        const int state = packet.size() > 4 ? byteAt(packet, 4) : -1;
        switch (index) {
        case 0x0100: qDebug() << "autofocus state: " << state; break;
        case 0x0200: qDebug() << "top lamp state: " << state; break;
        case 0x0300: qDebug() << "wall lamp state: " << state; break;
        case 0x0400:
            qDebug() << "lamp state: " << state << "top lamp: " << (packet.size() > 5 ? byteAt(packet, 5) : -1);
            break;
        case 0x0500: qDebug() << "image encod state: " << state; break;
        case 0x0600: handleEncoding(packet, false, out); break;
        case 0x0700: qDebug() << "image quality state: " << state; break;
        case 0x0800: handleQuality(packet, out); break;
        case 0x0900: handlePicture(packet, out); break;
        default:
            qDebug() << "invalid tcp packet. cmdindex: " << hex(packet.left(64)) << hex(packet.mid(2, 2));
            break;
        }
    } else if (id == kEveryClient && index == 0x1000) {
        handleEncoding(packet, true, out);
    } else {
        qDebug() << "invalid tcp packet. clientid: " << hex(packet.left(64)) << hex(id);
    }
}

void IWifiControlProtocol::handleEncoding(const QByteArray& packet, bool fromOtherApp, std::vector<Emission>& out)
{
    if (packet.size() < kReplyHeader + kRecordSize) {
        qDebug() << "invalid tcp packet. cmdindex: " << hex(packet) << hex(packet.mid(2, 2));
        return;
    }
    const QSize size = resolutionSize(byteAt(packet, 8), m_type);
    if (fromOtherApp) {
        if (size != m_resolution) {
            qDebug() << "other app chaneg resolution: " << size;
            m_resolution = size;
            out.push_back([this, size] { emit sgResolutionChanged(size); });
        }
        return;
    }
    if (size != m_resolution) {
        m_resolution = size;
        out.push_back([this, size] { emit sgResolutionChanged(size); });
        qDebug() << "start app sync resolution: " << size;
    }
    if (m_encodeRecord.isEmpty()) {
        m_encodeRecord = packet.mid(5, 2);
        m_encodeRecord.append(char(0x1e));
        m_encodeRecord.append(char(resolutionIndex(m_resolution, m_type)));
        // The control-only camera takes no "any bit rate"; this is its own.
        m_encodeRecord.append(m_type == ControlOnlyCamera ? QByteArray("\x3d\x06\x00\x00", 4)
                                                         : QByteArray(4, char(0xff)));
    }
    qDebug() << "RateCtrl: " << hex(packet.mid(5, 1)) << "IDR: " << hex(packet.mid(6, 1))
             << "FrameRate: " << hex(packet.mid(7, 1)) << "ResIndex: " << hex(packet.mid(8, 1))
             << "BitRate: " << hex(packet.mid(9, 4));
    if (m_type == ControlOnlyCamera) {
        const int reserved = kReplyHeader + kRecordSize;
        qDebug() << "reserve1: " << hex(packet.mid(reserved, 1)) << "reserve2: " << hex(packet.mid(reserved + 1, 1))
                 << "reserve3: " << hex(packet.mid(reserved + 2, 1));
    }
}

void IWifiControlProtocol::handleQuality(const QByteArray& packet, std::vector<Emission>& out)
{
    if (packet.size() < kReplyHeader + kRecordSize) {
        qDebug() << "invalid tcp packet. cmdindex: " << hex(packet) << hex(packet.mid(2, 2));
        return;
    }
    const QByteArray record = packet.mid(kReplyHeader, kRecordSize);
    if (m_qualityRecord.isEmpty()) {
        // The answer to command 9: the camera's defaults.
        m_qualityRecord = record;
        for (QualityField field : kKeptFields)
            m_defaults[field] = byteAt(record, field);
        qDebug() << "获取摄像头默认参数: " << hex(packet) << m_defaults[Brightness] << m_defaults[Saturation]
                 << m_defaults[Contrast] << m_defaults[Exposure] << m_defaults[Focus];
        const QByteArray query = buildPacket(m_clientId, QueryQuality);
        out.push_back([this, query] { emit sgSend(query); });
        return;
    }
    const bool allZero = std::all_of(std::begin(kKeptFields), std::end(kKeptFields),
                                     [this](QualityField field) { return m_currents[field] == 0; });
    if (!allZero)
        return;
    for (QualityField field : kKeptFields)
        m_currents[field] = byteAt(record, field);
    m_currentKnown = true;
    qDebug() << "获取摄像头当前参数: " << hex(packet) << m_currents[Brightness] << m_currents[Saturation]
             << m_currents[Contrast] << m_currents[Exposure] << m_currents[Focus];
}

void IWifiControlProtocol::handlePicture(const QByteArray& packet, std::vector<Emission>& out)
{
    QImage picture;
    if (packet.size() >= kPictureHeader) {
        const quint32 size = qFromLittleEndian<quint32>(packet.constData() + kReplyHeader);
        const QByteArray data = packet.mid(kPictureHeader);
        if (size <= kMaxPictureBytes && quint32(data.size()) == size)
            picture = QImage::fromData(data);
        qDebug() << "picture state: " << byteAt(packet, 4) << "data size: " << size << "received: " << data.size();
    }
    out.push_back([this, picture] { emit sgPicture(picture); });
}

QByteArray IWifiControlProtocol::qualityPacket(QualityField field, int value)
{
    QMutexLocker lock(&m_mutex);
    if (m_bindingPending || m_clientId.isEmpty())
        return QByteArray();
    if (m_qualityRecord.size() != kRecordSize) {
        // Sending a record the camera has not told would overwrite its
        // other settings with zeros.
        qDebug() << "image quality not known yet, setting dropped.";
        return QByteArray();
    }
    m_qualityRecord[field] = char(qBound(0, value, 255));
    return buildPacket(m_clientId, SetQuality, m_qualityRecord);
}

QByteArray IWifiControlProtocol::resolutionPacket(const QSize& size)
{
    QMutexLocker lock(&m_mutex);
    m_resolution = size;
    if (m_bindingPending || m_clientId.isEmpty())
        return QByteArray();
    if (m_encodeRecord.size() != kRecordSize) {
        qDebug() << "image encoding not known yet, resolution dropped.";
        return QByteArray();
    }
    m_encodeRecord[3] = char(resolutionIndex(size, m_type));
    return buildPacket(m_clientId, SetEncoding, m_encodeRecord);
}

QList<QByteArray> IWifiControlProtocol::nextLampStep(int* step)
{
    QMutexLocker lock(&m_mutex);
    m_lampStep = (m_lampStep + 1) % 5;
    if (step)
        *step = m_lampStep;
    switch (m_lampStep) {
    case 1: return {buildPacket(m_clientId, TopLamp, 1)};
    case 2: return {buildPacket(m_clientId, WallLamp, 1)};
    case 3: return {buildPacket(m_clientId, WallLamp, 2)};
    case 4: return {buildPacket(m_clientId, WallLamp, 3)};
    default: return {buildPacket(m_clientId, TopLamp, 0), buildPacket(m_clientId, WallLamp, 0)};
    }
}

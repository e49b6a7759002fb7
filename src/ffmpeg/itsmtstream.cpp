// Control connection framing.
#include "ffmpeg/itsmtstream.h"

namespace {

const QByteArray kMarker("TSMT");
const QByteArray kEnd("END");
constexpr int kHeader = 8; // marker + length field

// The length field as text up to its first NUL, base 10; -1 when unreadable.
int lengthField(const QByteArray& field)
{
    const int nul = field.indexOf('\0');
    const QByteArray digits = nul < 0 ? field : field.left(nul);
    bool ok = false;
    const int length = digits.toInt(&ok, 10);
    return ok ? length : -1;
}

} // namespace

QByteArray ITsmtStream::pack(const QByteArray& payload)
{
    if (payload.size() > kMaxPayload)
        return QByteArray();
    QByteArray length = QByteArray::number(payload.size() + 7);
    length.append(QByteArray(4 - length.size(), '\0'));
    return kMarker + length + payload + kEnd;
}

QList<QByteArray> ITsmtStream::feed(const QByteArray& received)
{
    QList<QByteArray> payloads;
    QByteArray data = m_pending + received;
    m_pending.clear();
    int at = 0;
    while (at < data.size()) {
        const int left = data.size() - at;
        // Even the marker may still be on its way.
        if (left < int(kMarker.size()) || (left < kHeader && data.mid(at, 4) == kMarker.left(left))) {
            m_pending = data.mid(at);
            break;
        }
        if (data.mid(at, 4) != kMarker)
            break;
        const int length = lengthField(data.mid(at + 4, 4));
        if (length < 7)
            break;
        if (left < 4 + length) {
            m_pending = data.mid(at);
            break;
        }
        if (data.mid(at + 4 + length - 3, 3) != kEnd)
            break;
        payloads.append(data.mid(at + kHeader, length - 7));
        at += 4 + length;
    }
    return payloads;
}

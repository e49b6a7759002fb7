// The framing of the screen recorder's control connection, both ways:
// "TSMT", a 4-byte decimal length L (NUL-padded), the payload, "END", where L
// counts the length field, the payload and "END". Shared by the program's
// control server and the recorder program.
#pragma once

#include <QByteArray>
#include <QList>

// The recorder connects to this port when the program could listen on it;
// otherwise the program passes the port it took in this environment variable.
constexpr quint16 kRecorderControlPort = 308;
constexpr const char kRecorderPortVariable[] = "VESKAROO_RECORDER_PORT";

class ITsmtStream
{
public:
    // The largest payload the 4-digit length field can carry.
    static constexpr int kMaxPayload = 9999 - 7;

    // One packet carrying `payload`; empty when the payload is too long.
    static QByteArray pack(const QByteArray& payload);

    // Appends received bytes and returns the payloads of every packet now
    // complete, in order. An incomplete packet waits for the next bytes; a
    // malformed one (wrong marker, unreadable length, no "END") and everything
    // after it is dropped.
    QList<QByteArray> feed(const QByteArray& received);
    // Bytes kept for the next feed.
    const QByteArray& pending() const { return m_pending; }
    void clear() { m_pending.clear(); }

private:
    QByteArray m_pending;
};

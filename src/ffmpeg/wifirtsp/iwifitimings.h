// The waits of the Wi-Fi camera's control connection and video stream. The
// program runs on the defaults; tests shorten them so that a camera that
// never answers is found out in seconds.
#pragma once

#include <QtGlobal>

struct IWifiTimings
{
    // A still that has not arrived by then has failed.
    int captureTimeoutMs = 10000;
    // Video reads failing for longer than this reopen the stream.
    int reopenAfterMs = 3000;
    // One socket read of the stream gives up after this long (microseconds).
    qint64 rtspTimeoutUs = 2000000;
    // The demuxer is flushed at a key frame this often, so that no delay
    // builds up over a long session.
    int flushIntervalMs = 240000;
    // A packet (a picture above all) that stops arriving half-way is dropped
    // after this long without a byte.
    int readStallMs = 4000;
    // Connecting to the control port gives up after this long.
    int connectTimeoutMs = 30000;
    // After a failed connection attempt the next one starts this much later.
    int reconnectDelayMs = 2000;

    // The timings every new Wi-Fi camera source uses.
    static IWifiTimings& current()
    {
        static IWifiTimings timings;
        return timings;
    }
};

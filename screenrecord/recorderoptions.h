// The recorder's command line: output file, zone, first-start flag, frame rate.
#pragma once

#include <QRect>
#include <QString>
#include <QStringList>

class RecorderOptions
{
public:
    // Reads `args` (without the program name). On failure returns false and
    // sets `error` to a short English reason for the main program.
    bool parse(const QStringList& args, QString* error);

    QString filePath;      // absolute
    QString containerName; // FFmpeg muxer name chosen by the suffix
    QRect zone;            // X screen pixels, as asked (not yet clamped)
    bool firstStart = false;
    int frameRate = 0;

    static constexpr int kMinFrameRate = 1;
    static constexpr int kMaxFrameRate = 120;
};

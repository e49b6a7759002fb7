// FFmpeg error codes as text for the recorder's messages.
#pragma once

#include <QString>

extern "C" {
#include <libavutil/error.h>
}

inline QString avErrorText(int error)
{
    char text[AV_ERROR_MAX_STRING_SIZE] = {};
    av_strerror(error, text, sizeof text);
    return QString::fromUtf8(text);
}

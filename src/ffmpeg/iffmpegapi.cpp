// The recording service (being written).
#include "ffmpeg/iffmpegapi.h"

#include "ffmpeg/ipicturevynthesisvideo.h"

IFFmpegApi* IFFmpegApi::instance()
{
    static IFFmpegApi api;
    return &api;
}

IFFmpegApi::IFFmpegApi() = default;
IFFmpegApi::~IFFmpegApi() = default;

void IFFmpegApi::startPictureVideo(const QString&, const QSize&, const int&) {}
void IFFmpegApi::addPictureVideoFrame(const QImage&) {}

QString IFFmpegApi::finishPictureVideo(int* seconds, QString* error)
{
    if (seconds)
        *seconds = 0;
    if (error)
        *error = QStringLiteral("not built yet");
    return QString();
}

bool IFFmpegApi::pictureVideoRunning() const
{
    return false;
}

// Command line parsing of the recorder.
#include "recorderoptions.h"

#include <QFileInfo>

namespace {

bool readInt(const QString& text, int* value)
{
    bool ok = false;
    *value = text.trimmed().toInt(&ok, 10);
    return ok;
}

} // namespace

bool RecorderOptions::parse(const QStringList& args, QString* error)
{
    if (args.size() != 7) {
        *error = QStringLiteral("expected 7 arguments: file left top width height firstStart frameRate, got %1")
                     .arg(args.size());
        return false;
    }
    if (args[0].trimmed().isEmpty()) {
        *error = QStringLiteral("no output file");
        return false;
    }
    const QFileInfo file(args[0]);
    const QString suffix = file.suffix().toLower();
    if (suffix == QLatin1String("mp4") || suffix == QLatin1String("mov")
        || suffix == QLatin1String("flv") || suffix == QLatin1String("avi")) {
        containerName = suffix;
    } else {
        *error = QStringLiteral("unknown file type \"%1\" (use mp4, mov, flv or avi)").arg(suffix);
        return false;
    }
    filePath = file.absoluteFilePath();

    int left = 0, top = 0, width = 0, height = 0, first = 0, rate = 0;
    if (!readInt(args[1], &left) || !readInt(args[2], &top) || !readInt(args[3], &width)
        || !readInt(args[4], &height)) {
        *error = QStringLiteral("the zone is not four whole numbers");
        return false;
    }
    if (width <= 0 || height <= 0) {
        *error = QStringLiteral("empty zone %1x%2").arg(width).arg(height);
        return false;
    }
    zone = QRect(left, top, width, height);
    if (!readInt(args[5], &first) || (first != 0 && first != 1)) {
        *error = QStringLiteral("first start flag must be 0 or 1");
        return false;
    }
    firstStart = first == 1;
    if (!readInt(args[6], &rate) || rate < kMinFrameRate || rate > kMaxFrameRate) {
        *error = QStringLiteral("frame rate must be a whole number from %1 to %2")
                     .arg(kMinFrameRate)
                     .arg(kMaxFrameRate);
        return false;
    }
    frameRate = rate;
    return true;
}

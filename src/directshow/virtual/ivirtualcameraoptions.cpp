// The command line's choice of virtual document camera: none, the rendered page, or a file.
#include "directshow/virtual/ivirtualcameraoptions.h"

#include <QDir>
#include <QFileInfo>

IVirtualCameraOptions IVirtualCameraOptions::parse(const QStringList& arguments)
{
    static const QString option = QStringLiteral("--virtual-camera");
    IVirtualCameraOptions result;
    for (const QString& argument : arguments) {
        if (argument == QLatin1String("--"))
            break;
        if (argument == QLatin1String("--virtual-camera-raw")) {
            result.m_rawFrames = true;
        } else if (argument == option) {
            result.m_mode = Rendered;
            result.m_filePath.clear();
        } else if (argument.startsWith(option + QLatin1Char('='))) {
            QString path = argument.mid(option.size() + 1);
            // Shells leave a tilde after '=' alone.
            if (path == QLatin1String("~") || path.startsWith(QLatin1String("~/")))
                path = QDir::homePath() + path.mid(1);
            if (path.isEmpty()) {
                result.m_mode = Rendered;
                result.m_filePath.clear();
            } else {
                result.m_mode = File;
                result.m_filePath = QFileInfo(path).absoluteFilePath();
            }
        }
    }
    return result;
}

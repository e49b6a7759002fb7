// The POSIX dynamic loader.
#include "ocr/include/iocrnativeloader.h"

#include <QFile>

#include <dlfcn.h>

namespace IOcrNativeLoader {

void* open(const QString& path)
{
    // Global symbols, so that the engine's own plug-ins resolve against it.
    return ::dlopen(QFile::encodeName(path).constData(), RTLD_NOW | RTLD_GLOBAL);
}

} // namespace IOcrNativeLoader

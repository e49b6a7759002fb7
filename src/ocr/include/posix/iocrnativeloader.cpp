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

void* resolve(void* handle, const char* name)
{
    return handle ? ::dlsym(handle, name) : nullptr;
}

bool close(void* handle)
{
    return handle && ::dlclose(handle) == 0;
}

QString lastError()
{
    const char* error = ::dlerror();
    return error ? QString::fromLocal8Bit(error) : QString();
}

} // namespace IOcrNativeLoader

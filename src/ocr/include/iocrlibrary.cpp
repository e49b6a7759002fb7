// Loads the OCR engine's shared library at start-up.
#include "ocr/include/iocrlibrary.h"

#include "ocr/include/iocrnativeloader.h"

#include <QDebug>
#include <QLibrary>

namespace {
void* g_handle = nullptr;
}

QString IOcrLibrary::defaultPath()
{
    return QStringLiteral("libtesseract.so.5");
}

bool IOcrLibrary::load(const QString& path)
{
    g_handle = IOcrNativeLoader::open(path);
    if (g_handle) {
        qDebug().noquote() << QStringLiteral("windows load OCR FREngine.dll success! path=") + path;
        return true;
    }
    qDebug().noquote() << QStringLiteral("windows load OCR FREngine.dll ERROR! path=") + path;
    // Never unloaded: the engine stays for the life of the process.
    auto* library = new QLibrary(path);
    const bool loaded = library->load();
    qDebug().noquote() << (loaded ? QStringLiteral("Qt QLibrary load dll return true")
                                  : QStringLiteral("Qt QLibrary load dll return false"));
    // QLibrary keeps its handle to itself. It completes names the platform
    // loader does not (prefix, suffix); asked for the very file QLibrary
    // found, the platform loader hands out the module already loaded.
    if (loaded)
        g_handle = IOcrNativeLoader::open(library->fileName());
    return loaded && g_handle;
}

void* IOcrLibrary::handle()
{
    return g_handle;
}

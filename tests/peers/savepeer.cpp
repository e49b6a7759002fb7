// A process that saves one capture through the save thread with the disk
// misbehaving as its arguments say, and prints what the thread answered.
// Usage: savepeer FOLDER FORMAT WIDTH HEIGHT none|filesize|rename
#include "iimagetansformthread.h"

#include <QCoreApplication>
#include <QStringList>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace {

bool g_refuseRename = false;

// Noise, so that the picture's file is about as large as its pixels.
QImage noise(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    quint32 state = 12345;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            state = state * 1664525u + 1013904223u;
            image.setPixel(x, y, state >> 8);
        }
    }
    return image;
}

} // namespace

// The save puts the finished file in place with linkat() (Qt's unnamed
// temporary files) or rename(); these stand in for a file system that
// refuses it. Qt's library calls them through the executable's definitions.
extern "C" int linkat(int fromDir, const char* from, int toDir, const char* to, int flags)
{
    if (g_refuseRename) {
        errno = EIO;
        return -1;
    }
    return int(::syscall(SYS_linkat, fromDir, from, toDir, to, flags));
}

extern "C" int rename(const char* from, const char* to)
{
    if (g_refuseRename) {
        errno = EIO;
        return -1;
    }
    return int(::syscall(SYS_renameat, AT_FDCWD, from, AT_FDCWD, to));
}

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 6)
        return 2;

    ICaptureJob job;
    job.picture = noise(args[3].toInt(), args[4].toInt());
    job.targetFolder = args[1];
    job.format = args[2];

    IImageTansformThread thread;
    QObject::connect(&thread, &IImageTansformThread::sgCaptureImage, [](const QImage&, const QString& path) {
        std::printf("captured\t%s\n", qPrintable(path));
    });
    QObject::connect(&thread, &IImageTansformThread::sgCaptureFailed, [](const QString& path, const QString& error) {
        std::printf("failed\t%s\t%s\n", qPrintable(path), qPrintable(error));
    });
    thread.addCaptureJob(job);

    const QString fault = args[5];
    if (fault == "filesize") {
        // Files stop growing at 16 bytes: writes fail with EFBIG instead of
        // killing the process, even for root.
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{16, 16};
        if (::setrlimit(RLIMIT_FSIZE, &limit) != 0)
            return 3;
    } else if (fault == "rename") {
        g_refuseRename = true;
    } else if (fault != "none") {
        return 2;
    }
    thread.processCaptureJob();
    std::fflush(stdout);
    return 0;
}

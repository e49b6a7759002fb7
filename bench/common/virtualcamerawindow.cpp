// The main window on the virtual document camera.
#include "virtualcamerawindow.h"

#include "board/iboard.h"
#include "board/item/ipixmapitem.h"
#include "directshow/idshowthread.h"
#include "directshow/ivideodeviceregistry.h"
#include "directshow/ivideodevicesetup.h"
#include "directshow/virtual/ivirtualcamera.h"
#include "icamera.h"
#include "mainframe.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTest>
#include <QTimer>

namespace {
std::unique_ptr<VirtualCameraWindow> g_window;
bool g_tried = false;
// A full-HD desktop: the offscreen screen is smaller, and the board's size
// sets what every frame costs to paint.
const QRect kDesktop(0, 0, 1920, 1080);
} // namespace

VirtualCameraWindow* VirtualCameraWindow::instance()
{
    if (!g_tried) {
        g_tried = true;
        g_window.reset(new VirtualCameraWindow);
        qAddPostRoutine(&VirtualCameraWindow::release);
        if (!g_window->open())
            g_window.reset();
    }
    return g_window.get();
}

bool VirtualCameraWindow::open()
{
    // As "--virtual-camera --no-discovery" on the command line.
    ICamera::setDiscoveryEnabled(false);
    IVideoDeviceRegistry::instance().clear();
    m_camera = IVideoDeviceSetup::install({"veskaroo", "--virtual-camera"});
    if (!m_camera)
        return false;
    m_window = new MainFrame(nullptr);
    m_window->createFirstSlide();
    // The window shows itself when the camera reports success.
    if (!waitFor([this] { return m_window->isVisible(); }) || !QTest::qWaitForWindowExposed(m_window))
        return false;
    m_window->setGeometry(kDesktop);
    return waitFor([this] {
        return m_window->board()->width() > kDesktop.width() / 2
            && !m_window->board()->pictureItem()->image().isNull();
    });
}

void VirtualCameraWindow::release()
{
    if (!g_window)
        return;
    if (g_window->m_window) {
        g_window->m_window->close();
        delete g_window->m_window;
    }
    ICamera::instance()->closeAllSources();
    g_window.reset();
}

bool VirtualCameraWindow::setResolution(const QSize& size)
{
    // The board may show a reduced decode: the stream's size is what counts,
    // once a frame of it is shown.
    IPixmapItem* picture = m_window->board()->pictureItem();
    IDShowThread* source = ICamera::instance()->dshowSource();
    if (!source)
        return false;
    if (source->streamSize() == size && !picture->image().isNull())
        return true;
    ICamera::instance()->setResolution(size);
    if (!waitFor([&] { return source->streamSize() == size; }))
        return false;
    const qint64 before = picture->image().cacheKey();
    return waitFor([&] {
        const QImage shown = picture->image();
        return shown.cacheKey() != before && shown.width() * size.height() == shown.height() * size.width();
    });
}

bool VirtualCameraWindow::waitFor(const std::function<bool()>& condition, int timeoutMs)
{
    if (condition())
        return true;
    // A real event loop, looking every millisecond: neither spinning, which
    // would take a core from the threads being measured, nor sleeping
    // through events.
    QEventLoop loop;
    QElapsedTimer clock;
    clock.start();
    bool met = false;
    QTimer poll;
    poll.setInterval(1);
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        met = condition();
        if (met || clock.elapsed() > timeoutMs)
            loop.quit();
    });
    poll.start();
    loop.exec();
    return met;
}

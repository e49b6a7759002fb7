// The main window on the virtual document camera, streaming and shown
// offscreen, with network discovery off; one per benchmark process.
#pragma once

#include <QSize>

#include <functional>
#include <memory>

class IVirtualCamera;
class MainFrame;

class VirtualCameraWindow
{
public:
    // Built on first use: the window opens the camera as at start-up and
    // is ready once it shows frames. Null when the camera did not open.
    static VirtualCameraWindow* instance();

    MainFrame* window() const { return m_window; }

    // Switches the camera to `size` and waits until the board shows frames
    // of that size.
    bool setResolution(const QSize& size);

    // Runs the event loop until `condition` holds or `timeoutMs` passed.
    static bool waitFor(const std::function<bool()>& condition, int timeoutMs = 30000);

private:
    VirtualCameraWindow() = default;
    bool open();
    // Closes the window as the user would, while the application still exists.
    static void release();

    std::shared_ptr<IVirtualCamera> m_camera;
    MainFrame* m_window = nullptr;
};

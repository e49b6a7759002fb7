// The program's only top-level window.
#pragma once

#include <QWidget>

class IApplication;
class IBoard;
class IWinUsbDevice;

class MainFrame : public QWidget
{
    Q_OBJECT
public:
    explicit MainFrame(IApplication* app, QWidget* parent = nullptr);

    IBoard* board() const;
    // Opens the first accepted camera; run once the window exists.
    void InitData();
    IWinUsbDevice* usbWatcher() const;

private:
    void onCameraError(int code);
    void onUsbDeviceChanged(bool connected, const QString& deviceName);

    bool m_firstOpen = true;
    IBoard* m_board = nullptr;
    IApplication* m_application = nullptr;
    IWinUsbDevice* m_usbWatcher = nullptr;
};

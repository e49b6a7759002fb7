// Value record of one camera: USB or network, and which one is current.
#pragma once

#include <QMetaType>
#include <QString>

// What ICameraInfo::type holds; stored as a plain int because the camera
// tables and the settings carry these numbers.
enum CameraKind : int {
    UsbCamera = 0,
    StillUsbCamera = 1, // streams its largest size as stills only
    NetworkCamera = 2,
};

struct ICameraInfo
{
    int index = -1;        // -1: no camera
    QString pid;           // USB product id, four hex digits
    QString vid;           // USB vendor id, four hex digits
    int type = UsbCamera;  // a CameraKind
    QString devicePath;    // USB device path, or the RTSP address
    QString name;
    QString reserved1;
    QString reserved2;
    QString host;          // network: the camera's address
    int port = 0;          // network: the control port

    // The one process-wide current camera (index -1 until one is chosen).
    // Read and written on the GUI thread only.
    static ICameraInfo& current();
};

Q_DECLARE_METATYPE(ICameraInfo)

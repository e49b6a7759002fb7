// The picture settings a user chose for each camera, kept in the settings
// file and given back when that camera opens again: after a restart, a
// replug or a switch back to it.
#pragma once

#include "directshow/icameraparameterdata.h"

#include <QSize>
#include <QString>

#include <optional>

class ICameraSource;
struct ICameraInfo;

class ICameraSettingsStore
{
public:
    enum Setting { Brightness, Contrast, Saturation, Focus, Exposure };

    // The settings group of a camera: "camerasettings-usb-VID-PID-<device
    // path>" for a USB (or the virtual) camera, "camerasettings-net-<address>"
    // for a network camera; empty when there is no camera.
    static QString groupFor(const ICameraInfo& camera);

    // Focus and exposure may be -999 (automatic).
    void remember(const ICameraInfo& camera, Setting setting, int value);
    void rememberResolution(const ICameraInfo& camera, const QSize& size);
    std::optional<int> value(const ICameraInfo& camera, Setting setting) const;
    // The remembered size, or `fallback` when there is none.
    QSize resolution(const ICameraInfo& camera, const QSize& fallback) const;

    // Sends every remembered value to `source`: a control the camera has no
    // range for is skipped, a value outside its range is brought inside
    // (another camera may have taken the path), and `parameters` then read
    // the values sent as current. A remembered size the camera does not
    // offer is forgotten; the source has fallen back to one it offers.
    void apply(const ICameraInfo& camera, ICameraSource& source, ICameraParameterData& parameters) const;

private:
    static QString key(const ICameraInfo& camera, const char* name);
};

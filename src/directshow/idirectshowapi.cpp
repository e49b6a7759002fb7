// Camera enumeration and the reading of parameters and frame sizes.
#include "directshow/idirectshowapi.h"

#include "directshow/ivideodeviceregistry.h"

#include <QDebug>
#include <QHash>

namespace IDirectShowApi {

namespace {

const int kAutomatic = -999;

QVariantList readGroup(const IVideoDevice& device, IVideoDevice::Control control,
                       IVideoDevice::Control autoControl, bool hasAuto, const char* label)
{
    const IControlRange range = device.control(control);
    if (!range.valid) {
        qDebug().noquote() << QStringLiteral("Get %1 Parameter Error.").arg(label);
        return {};
    }
    int current = range.current;
    if (hasAuto) {
        const IControlRange automatic = device.control(autoControl);
        if (automatic.valid && automatic.current == 1)
            current = kAutomatic;
    }
    qDebug().noquote() << QStringLiteral("%1--->").arg(label) << "Cur:" << current << "Default:" << range.defaultValue
                       << "Max:" << range.maximum << "Min:" << range.minimum;
    return {current, range.defaultValue, range.maximum, range.minimum};
}

std::unique_ptr<IVideoDevice> openByIndex(int index)
{
    const QList<IVideoDeviceInfo> devices = IVideoDeviceRegistry::instance().devices();
    if (index < 0 || index >= devices.size())
        return nullptr;
    return IVideoDeviceRegistry::instance().open(devices.at(index).devicePath);
}

} // namespace

bool dxCameraDevices(QList<ICameraInfo>& cameras)
{
    cameras.clear();
    const QList<IVideoDeviceInfo> devices = IVideoDeviceRegistry::instance().devices();
    QHash<QString, int> sameName;
    for (int i = 0; i < devices.size(); ++i) {
        const IVideoDeviceInfo& device = devices.at(i);
        ICameraInfo camera;
        camera.index = i;
        camera.name = device.name + QStringLiteral(" #%1").arg(++sameName[device.name]);
        camera.devicePath = device.devicePath;
        camera.vid = device.vid;
        camera.pid = device.pid;
        qDebug() << "directshow camera info: " << camera.index << camera.name << camera.devicePath << camera.vid
                 << camera.pid;
        cameras << camera;
    }
    return true;
}

bool dxCameraParameter(const int& index, ICameraParameterData& data)
{
    const auto device = openByIndex(index);
    if (!device) {
        qDebug() << "directshow BindFilter error";
        return false;
    }
    data = readCameraParameters(*device);
    return true;
}

bool dxCameraSupportResolution(const int& index, QList<QSizeF>& sizes)
{
    sizes.clear();
    const auto device = openByIndex(index);
    if (!device)
        return false;
    for (const QSize& size : device->frameSizes())
        sizes << QSizeF(size);
    return true;
}

ICameraParameterData readCameraParameters(const IVideoDevice& device)
{
    ICameraParameterData data;
    data.focus = readGroup(device, IVideoDevice::Focus, IVideoDevice::FocusAuto, true, "Focus");
    data.exposure = readGroup(device, IVideoDevice::Exposure, IVideoDevice::ExposureAuto, true, "Exposure");
    data.brightness = readGroup(device, IVideoDevice::Brightness, IVideoDevice::Brightness, false, "Brightness");
    data.contrast = readGroup(device, IVideoDevice::Contrast, IVideoDevice::Contrast, false, "Contrast");
    data.saturation = readGroup(device, IVideoDevice::Saturation, IVideoDevice::Saturation, false, "Saturation");
    return data;
}

bool setAutoOrManual(IVideoDevice& device, IVideoDevice::Control autoControl, IVideoDevice::Control valueControl,
                     int value)
{
    if (value == kAutomatic)
        return device.setControl(autoControl, 1);
    // Devices without an automatic mode refuse the switch; the value decides.
    device.setControl(autoControl, 0);
    return device.setControl(valueControl, value);
}

} // namespace IDirectShowApi

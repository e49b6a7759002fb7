// Camera enumeration and the reading of parameters and frame sizes without
// opening a stream.
#pragma once

#include "directshow/icameraparameterdata.h"
#include "directshow/ivideodevice.h"
#include "icamerainfo.h"

#include <QList>
#include <QSizeF>

namespace IDirectShowApi {

// Every video capture device in system order: index from 0, name with
// " #n" counting devices of the same name, device path, vid and pid.
bool dxCameraDevices(QList<ICameraInfo>& cameras);
bool dxCameraParameter(const int& index, ICameraParameterData& data);
bool dxCameraSupportResolution(const int& index, QList<QSizeF>& sizes);

// The five parameter groups of an open device, logged as they are read.
ICameraParameterData readCameraParameters(const IVideoDevice& device);

// Focus or exposure: -999 switches the automatic mode on, any other value
// switches it off and sets the value.
bool setAutoOrManual(IVideoDevice& device, IVideoDevice::Control autoControl,
                     IVideoDevice::Control valueControl, int value);

} // namespace IDirectShowApi

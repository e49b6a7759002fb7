// What a mode relays to observers of its input: the record and the mode itself.
#pragma once

#include <QMetaType>

class DeviceInput;
class IModeBase;

// Lives only while the relaying signal is emitted; receivers must not keep it.
struct IDeviceArgs
{
    DeviceInput* input = nullptr;
    IModeBase* mode = nullptr;
};

Q_DECLARE_METATYPE(IDeviceArgs*)

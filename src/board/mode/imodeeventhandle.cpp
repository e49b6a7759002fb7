// Relay of a mode's accepted input.
#include "board/mode/imodeeventhandle.h"

IModeEventHandle::IModeEventHandle(QObject* parent)
    : QObject(parent)
{
    qRegisterMetaType<IDeviceArgs*>();
}

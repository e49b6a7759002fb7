// Lets other objects watch the input a mode accepts, without the mode knowing them.
#pragma once

#include "board/mode/ideviceargs.h"

#include <QObject>

class IModeEventHandle : public QObject
{
    Q_OBJECT
public:
    explicit IModeEventHandle(QObject* parent = nullptr);

signals:
    void devicePress(IDeviceArgs* dev);
    void deviceMove(IDeviceArgs* dev);
    void deviceRelease(IDeviceArgs* dev);
};

// One network camera that answered a WS-Discovery probe.
#pragma once

#include <QHostAddress>
#include <QMetaType>
#include <QString>

struct OnvifDevice
{
    QString address;          // endpoint reference; identifies the device
    QString types;            // "Types", or the type scope when there is one
    QString name;             // from the name scope
    QString hardware;         // from the hardware scope
    QString location;         // from the location scope
    QHostAddress host;        // sender of the answer
    int port = 80;            // of the first service address; -1 when it has none
    QString serviceAddresses; // "XAddrs", kept when its first URL is valid
    QString manufacturer;
    QString model;
    QString serialNumber;
    QString firmwareVersion;
};

Q_DECLARE_METATYPE(OnvifDevice)

// WS-Discovery of network cameras (being written).
#include "customui/onvif/ionvifdevice.h"

IOnvifDevice* IOnvifDevice::instance()
{
    static IOnvifDevice finder;
    return &finder;
}

IOnvifDevice::IOnvifDevice(QObject* parent)
    : QObject(parent)
{
}

IOnvifDevice::~IOnvifDevice() = default;

QList<OnvifDevice> IOnvifDevice::getDevices(int)
{
    return {};
}

bool IOnvifDevice::startDiscovery(int)
{
    return false;
}

QByteArray IOnvifDevice::probeMessage()
{
    return {};
}

bool IOnvifDevice::parseAnswer(const QByteArray&, OnvifDevice*)
{
    return false;
}

QList<QHostAddress> IOnvifDevice::directedTargets(const QList<ProbeInterface>&)
{
    return {};
}

QList<IOnvifDevice::ProbeInterface> IOnvifDevice::probeInterfaces() const
{
    return {};
}

void IOnvifDevice::sendProbe(const QByteArray&, const QHostAddress&) {}
void IOnvifDevice::readPendingDatagrams() {}
void IOnvifDevice::onDiscoveryTimeout() {}
void IOnvifDevice::onRetryTimeout() {}
void IOnvifDevice::sendProbeMessages() {}

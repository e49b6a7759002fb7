// Per-camera picture settings in the settings file.
#include "camera/icamerasettingsstore.h"

#include "camera/icamerasource.h"
#include "icamerainfo.h"
#include "service/iconfigureservice.h"

#include <QDebug>
#include <QRegularExpression>
#include <QUrl>

namespace {

const int kAutomatic = -999;

const char* const kNames[] = {"brightness", "contrast", "saturation", "focus", "exposure"};

// Group names stay one readable section of the file: no separators.
QString tidy(const QString& text)
{
    QString result = text;
    result.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9._-]")), QStringLiteral("_"));
    return result;
}

bool readInt(const QVariant& value, int* out)
{
    bool ok = false;
    *out = value.toInt(&ok);
    return ok;
}

// `value` as the control described by `group` ({current, default, maximum,
// minimum}) can take it; nothing when it has no usable range.
std::optional<int> fitted(const QVariantList& group, int value, bool mayBeAutomatic)
{
    int maximum = 0;
    int minimum = 0;
    if (group.size() < 4 || !readInt(group.at(2), &maximum) || !readInt(group.at(3), &minimum))
        return std::nullopt;
    if (mayBeAutomatic && value == kAutomatic)
        return value;
    if (minimum >= maximum)
        return std::nullopt;
    return qBound(minimum, value, maximum);
}

} // namespace

QString ICameraSettingsStore::groupFor(const ICameraInfo& camera)
{
    if (camera.type == NetworkCamera) {
        // The address, never the stream URL: that may carry a password.
        QString address = camera.host;
        if (address.isEmpty())
            address = QUrl(camera.devicePath).host();
        return address.isEmpty() ? QString() : QStringLiteral("camerasettings-net-") + tidy(address);
    }
    if (camera.devicePath.isEmpty())
        return QString();
    return QStringLiteral("camerasettings-usb-%1-%2-%3")
        .arg(tidy(camera.vid.toUpper()), tidy(camera.pid.toUpper()), tidy(camera.devicePath));
}

QString ICameraSettingsStore::key(const ICameraInfo& camera, const char* name)
{
    const QString group = groupFor(camera);
    return group.isEmpty() ? QString() : group + QLatin1Char('/') + QLatin1String(name);
}

void ICameraSettingsStore::remember(const ICameraInfo& camera, Setting setting, int value)
{
    const QString name = key(camera, kNames[setting]);
    if (!name.isEmpty())
        IConfigureService::instance()->setValue(name, value);
}

void ICameraSettingsStore::rememberResolution(const ICameraInfo& camera, const QSize& size)
{
    const QString name = key(camera, "resolution");
    if (!name.isEmpty() && !size.isEmpty())
        IConfigureService::instance()->setValue(name, QStringLiteral("%1x%2").arg(size.width()).arg(size.height()));
}

std::optional<int> ICameraSettingsStore::value(const ICameraInfo& camera, Setting setting) const
{
    const QString name = key(camera, kNames[setting]);
    if (name.isEmpty())
        return std::nullopt;
    const QVariant stored = IConfigureService::instance()->value(name);
    int result = 0;
    if (!readInt(stored, &result))
        return std::nullopt;
    return result;
}

QSize ICameraSettingsStore::resolution(const ICameraInfo& camera, const QSize& fallback) const
{
    const QString name = key(camera, "resolution");
    if (name.isEmpty())
        return fallback;
    const QStringList parts = IConfigureService::instance()->value(name).toString().split(QLatin1Char('x'));
    int width = 0;
    int height = 0;
    if (parts.size() != 2 || !readInt(parts.at(0), &width) || !readInt(parts.at(1), &height) || width <= 0
        || height <= 0)
        return fallback;
    return QSize(width, height);
}

void ICameraSettingsStore::apply(const ICameraInfo& camera, ICameraSource& source,
                                 ICameraParameterData& parameters) const
{
    const struct
    {
        Setting setting;
        QVariantList* group;
    } controls[] = {
        {Brightness, &parameters.brightness}, {Contrast, &parameters.contrast}, {Saturation, &parameters.saturation},
        {Focus, &parameters.focus},           {Exposure, &parameters.exposure},
    };
    for (const auto& control : controls) {
        const std::optional<int> stored = value(camera, control.setting);
        if (!stored)
            continue;
        const bool automatic = control.setting == Focus || control.setting == Exposure;
        const std::optional<int> sent = fitted(*control.group, *stored, automatic);
        if (!sent) {
            qDebug() << "remembered camera setting skipped, the camera has no range for it:"
                     << kNames[control.setting];
            continue;
        }
        switch (control.setting) {
        case Brightness: source.setBrightness(*sent); break;
        case Contrast: source.setContrast(*sent); break;
        case Saturation: source.setSaturation(*sent); break;
        case Focus: source.setFocus(*sent); break;
        case Exposure: source.setExposure(*sent); break;
        }
        (*control.group)[0] = *sent;
    }

    const QSize size = resolution(camera, QSize());
    const QList<QSizeF> offered = source.supportedResolutions();
    if (!size.isEmpty() && !offered.isEmpty() && !offered.contains(QSizeF(size)))
        IConfigureService::instance()->removeValue(key(camera, "resolution"));
}

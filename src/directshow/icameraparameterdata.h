// The adjustable camera settings read from a device: for each of focus,
// exposure, brightness, contrast and saturation the list {current, default,
// maximum, minimum}, or an empty list when the device lacks the control.
// Focus and exposure read -999 as current while they are automatic.
#pragma once

#include <QMetaType>
#include <QVariantList>

struct ICameraParameterData
{
    QVariantList focus;
    QVariantList exposure;
    QVariantList brightness;
    QVariantList contrast;
    QVariantList saturation;

    bool isEmpty() const
    {
        return focus.isEmpty() && exposure.isEmpty() && brightness.isEmpty() && contrast.isEmpty()
               && saturation.isEmpty();
    }
};

Q_DECLARE_METATYPE(ICameraParameterData)

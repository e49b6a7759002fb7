// Holds a tool's place in the mode manager until the tool itself exists:
// accepts input like any mode and counts how often it is switched on and off or cancelled.
#pragma once

#include "board/mode/imode.h"

class IIdleMode : public IMode
{
public:
    explicit IIdleMode(const QString& name = QString());

    void activate() override;
    void deactivate() override;
    void cancel() override;

    int activations() const { return m_activations; }
    int deactivations() const { return m_deactivations; }
    int cancellations() const { return m_cancellations; }

private:
    int m_activations = 0;
    int m_deactivations = 0;
    int m_cancellations = 0;
};

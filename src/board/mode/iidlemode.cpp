// Placeholder board tool.
#include "board/mode/iidlemode.h"

IIdleMode::IIdleMode(const QString& name)
{
    setName(name);
}

void IIdleMode::activate()
{
    ++m_activations;
}

void IIdleMode::deactivate()
{
    IMode::deactivate();
    ++m_deactivations;
}

void IIdleMode::cancel()
{
    IMode::cancel();
    ++m_cancellations;
}

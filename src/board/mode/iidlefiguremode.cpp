// Placeholder figure tool.
#include "board/mode/iidlefiguremode.h"

IIdleFigureMode::IIdleFigureMode(const QString& name)
    : IIdleMode(name)
{
}

// The do-nothing board tool.
#include "board/mode/inonemode.h"

INoneMode::INoneMode()
{
    setName(QStringLiteral("none"));
}

// The tool of mode 0: takes the board's input and does nothing with it.
#pragma once

#include "board/mode/imode.h"

class INoneMode : public IMode
{
public:
    INoneMode();
};

// The state of the modifier keys as the message being handled saw it (GetKeyState), not as the
// keyboard is this instant, so that a handler agrees with the keystroke it handles.
#pragma once
#include <afx.h>
#include "UtilApi.h"

class ORVUTIL_API Keyboard
{
public:
    static bool IsShiftKeyDown();
    static bool IsCtrlKeyDown();
    static bool IsAltKeyDown();
};

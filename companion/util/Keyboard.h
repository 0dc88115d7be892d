/// @class Keyboard
/// The state of the modifier keys as the message being handled saw it (GetKeyState), not as the
/// keyboard is this instant, so that a handler agrees with the keystroke it handles.
#pragma once
#include <afx.h>
#include "UtilApi.h"

class ORVUTIL_API Keyboard
{
public:
    /// Whether Shift, Ctrl or Alt was down for the message being handled.
    ///@{
    static bool IsShiftKeyDown();
    static bool IsCtrlKeyDown();
    static bool IsAltKeyDown();
    ///@}
};

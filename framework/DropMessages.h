// Window messages shared inside the library by the drop windows and their child controls.
// Registered by name during the module's static initialisation (module/RegisteredMessages.cpp),
// so every window of the process that registers the same name gets the same number.
#pragma once
#include <windows.h>

// Child control or drop window -> drop window: the user is done. wParam 1 accept, 0 cancel.
extern const UINT WM_DROPWND_CHILD_CLOSE;
// Text list -> its drop window: the selection moved. wParam 0; lParam 1 by keyboard, 0 by a click.
extern const UINT WM_DROPWND_CHILD_SELCHANGE;
// Selection edit -> itself, posted: merge the texts added one at a time while nothing else waits.
extern const UINT WM_SELECTEDIT_SETTLE;

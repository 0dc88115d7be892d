/// @class WndUtils
/// WndUtils: window helpers shared by the library's controls. Stateless; owns nothing.
#pragma once
#include <afxwin.h>
#include "UiApi.h"

class ORVUI_API WndUtils
{
public:
    /// Character index of the caret in a single-line edit: the end of the selection where the
    /// user put the caret, which is the selection's start after a leftward selection while the
    /// edit has the focus. 0 for a wrapper without a window.
    static int GetCaretPosition(const CEdit& edit);

private:
    WndUtils() = delete;
};

#include "EditInputRules.h"

namespace
{
const WPARAM kSelectAllChar = 0x01; // Ctrl+A
}

bool EditInputRules::IsSelectAll(UINT message, WPARAM wParam)
{
    return message == WM_CHAR && wParam == kSelectAllChar;
}

bool EditInputRules::MayChangeValue(UINT message, WPARAM wParam)
{
    switch (message)
    {
    case WM_KEYDOWN:
        return wParam != VK_ESCAPE;
    case WM_CHAR:
        return wParam != '\r';
    case WM_SYSKEYDOWN:
        return wParam == VK_BACK; // Alt+Backspace undoes
    case WM_MOUSEWHEEL:
    case WM_MOUSEHWHEEL:
    case WM_CUT:
    case WM_PASTE:
    case WM_CLEAR:
    case WM_UNDO:
        return true;
    default:
        return false;
    }
}

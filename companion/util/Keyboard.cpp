#include "Keyboard.h"

namespace
{
bool IsDown(int virtualKey)
{
    return (GetKeyState(virtualKey) & 0x8000) != 0;
}
}

bool Keyboard::IsShiftKeyDown()
{
    return IsDown(VK_SHIFT);
}

bool Keyboard::IsCtrlKeyDown()
{
    return IsDown(VK_CONTROL);
}

bool Keyboard::IsAltKeyDown()
{
    return IsDown(VK_MENU);
}

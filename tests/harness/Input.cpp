#include "Input.h"
#include <algorithm>
#include <cstring>
#include <iterator>
#include "TestApp.h"

namespace harness
{
namespace
{
void SendKey(WORD vk, DWORD flags, WORD scan = 0)
{
    static const WORD kExtended[] = { VK_LEFT, VK_RIGHT, VK_UP, VK_DOWN, VK_HOME, VK_END, VK_PRIOR, VK_NEXT, VK_INSERT, VK_DELETE };
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = vk;
    input.ki.wScan = scan != 0 ? scan : static_cast<WORD>(::MapVirtualKeyA(vk, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = flags;
    if (std::find(std::begin(kExtended), std::end(kExtended), vk) != std::end(kExtended))
        input.ki.dwFlags |= KEYEVENTF_EXTENDEDKEY;
    ::SendInput(1, &input, sizeof(INPUT));
}

void ForEachModifier(unsigned modifiers, bool down)
{
    const struct { unsigned flag; WORD vk; } mods[] = { { kCtrl, VK_CONTROL }, { kShift, VK_SHIFT }, { kAlt, VK_MENU } };
    for (const auto& m : mods)
    {
        if (modifiers & m.flag)
            SendKey(m.vk, down ? 0 : KEYEVENTF_KEYUP);
    }
}

// One mouse event at a screen point, then the pump.
void MouseAt(POINT screen, DWORD flags, DWORD data = 0)
{
    ::SetCursorPos(screen.x, screen.y);
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    input.mi.mouseData = data;
    ::SendInput(1, &input, sizeof(INPUT));
    Pump();
}
}

void KeyDown(WORD vk)
{
    SendKey(vk, 0);
    Pump();
}

void KeyUp(WORD vk)
{
    SendKey(vk, KEYEVENTF_KEYUP);
    Pump();
}

void PressKey(WORD vk, unsigned modifiers)
{
    ForEachModifier(modifiers, true);
    SendKey(vk, 0);
    SendKey(vk, KEYEVENTF_KEYUP);
    ForEachModifier(modifiers, false);
    Pump();
}

void TypeText(const char* text)
{
    for (const char* p = text; *p != '\0'; ++p)
    {
        unsigned char ch = static_cast<unsigned char>(*p);
        SHORT scan = ch < 0x80 ? ::VkKeyScanA(static_cast<char>(ch)) : -1;
        if (scan != -1 && LOBYTE(scan) != 0xFF)
        {
            unsigned mods = (HIBYTE(scan) & 1 ? unsigned(kShift) : 0u) | (HIBYTE(scan) & 2 ? unsigned(kCtrl) : 0u) |
                            (HIBYTE(scan) & 4 ? unsigned(kAlt) : 0u);
            PressKey(LOBYTE(scan), mods);
            continue;
        }
        // A lead byte and its trail byte make one character of a double-byte code page.
        const int nBytes = ::IsDBCSLeadByte(ch) && p[1] != '\0' ? 2 : 1;
        WCHAR wch = 0;
        ::MultiByteToWideChar(CP_ACP, 0, p, nBytes, &wch, 1);
        p += nBytes - 1;
        SendKey(0, KEYEVENTF_UNICODE, wch);
        SendKey(0, KEYEVENTF_UNICODE | KEYEVENTF_KEYUP, wch);
        Pump();
    }
}

void MoveMouse(POINT screen) { MouseAt(screen, MOUSEEVENTF_MOVE); }
void MouseDown(POINT screen, Button button) { MouseAt(screen, button == Button::Left ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_RIGHTDOWN); }
void MouseUp(POINT screen, Button button) { MouseAt(screen, button == Button::Left ? MOUSEEVENTF_LEFTUP : MOUSEEVENTF_RIGHTUP); }

void Click(POINT screen, Button button)
{
    // Press and release are queued together, as a real click arrives: controls that wait for
    // the release inside their press handler (drag detection) see it there.
    ::SetCursorPos(screen.x, screen.y);
    INPUT inputs[2]{};
    inputs[0].type = inputs[1].type = INPUT_MOUSE;
    inputs[0].mi.dwFlags = button == Button::Left ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_RIGHTDOWN;
    inputs[1].mi.dwFlags = button == Button::Left ? MOUSEEVENTF_LEFTUP : MOUSEEVENTF_RIGHTUP;
    ::SendInput(2, inputs, sizeof(INPUT));
    Pump();
}

void DoubleClick(POINT screen)
{
    Click(screen);
    Click(screen);
}

void Wheel(POINT screen, int delta, bool horizontal)
{
    MouseAt(screen, horizontal ? MOUSEEVENTF_HWHEEL : MOUSEEVENTF_WHEEL, static_cast<DWORD>(delta));
}

bool SetClipboardText(const char* text)
{
    HGLOBAL hMem = nullptr;
    if (text != nullptr)
    {
        const size_t nSize = std::strlen(text) + 1;
        hMem = ::GlobalAlloc(GMEM_MOVEABLE, nSize);
        if (hMem == nullptr)
            return false;
        std::memcpy(::GlobalLock(hMem), text, nSize);
        ::GlobalUnlock(hMem);
    }
    // An owner window: a clipboard emptied without one refuses new data on some systems.
    const bool ok = ::OpenClipboard(AfxGetMainWnd()->GetSafeHwnd()) && ::EmptyClipboard() &&
                    (hMem == nullptr || ::SetClipboardData(CF_TEXT, hMem) != nullptr);
    ::CloseClipboard();
    if (!ok && hMem != nullptr)
        ::GlobalFree(hMem);
    return ok;
}

POINT WindowPoint(HWND hWnd, const RECT& rc)
{
    RECT rcWindow;
    ::GetWindowRect(hWnd, &rcWindow);
    return POINT{ rcWindow.left + (rc.left + rc.right) / 2, rcWindow.top + (rc.top + rc.bottom) / 2 };
}

POINT ClientCenter(HWND hWnd)
{
    RECT rc;
    ::GetClientRect(hWnd, &rc);
    POINT pt{ (rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2 };
    ::ClientToScreen(hWnd, &pt);
    return pt;
}
}

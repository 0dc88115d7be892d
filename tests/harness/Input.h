// Real input through SendInput, followed by the application's own pump, so that each message
// reaches the windows through PreTranslateMessage as in a real host. Points are in screen
// coordinates; take them from the control's own geometry.
#pragma once
#include <windows.h>
#include <initializer_list>

namespace harness
{
enum Modifier : unsigned
{
    kNone = 0,
    kShift = 1,
    kCtrl = 2,
    kAlt = 4,
};

// A key press (down and up) with the given modifiers held.
void PressKey(WORD vk, unsigned modifiers = kNone);
void KeyDown(WORD vk);
void KeyUp(WORD vk);
// Types ANSI text: characters the keyboard layout has are typed as keys (so WM_KEYDOWN and
// WM_CHAR both arrive), others (bytes 0x80-0xFF, and a lead byte with its trail byte) as
// characters of the code page.
void TypeText(const char* text);

enum class Button
{
    Left,
    Right,
};
void MoveMouse(POINT screen);
void MouseDown(POINT screen, Button button = Button::Left);
void MouseUp(POINT screen, Button button = Button::Left);
void Click(POINT screen, Button button = Button::Left);
void DoubleClick(POINT screen);
// One wheel turn of delta (WHEEL_DELTA per notch; negative turns towards the user).
void Wheel(POINT screen, int delta, bool horizontal = false);

// Puts ANSI text on the clipboard, as another program would before the user pastes, or empties
// it for null; false when the clipboard cannot be had.
bool SetClipboardText(const char* text);

// Screen point of the centre of a rectangle given relative to a window's top-left corner (as
// non-client areas are laid out), or of a client rectangle.
POINT WindowPoint(HWND hWnd, const RECT& rcWindowRelative);
POINT ClientCenter(HWND hWnd);
}

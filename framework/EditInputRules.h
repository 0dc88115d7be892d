// EditInputRules: which messages are the user's shortcut to select the whole text, and which
// are user input that may change a drop edit's text or value or open its drop window. The drop
// edit base asks it before any control's own handler runs, so that one rule holds for all.
#pragma once
#include <windows.h>

class EditInputRules
{
public:
    // Ctrl+A, which arrives as its control character.
    static bool IsSelectAll(UINT message, WPARAM wParam);
    // Keys, characters, editing commands and wheel turns that the controls turn into changes.
    // What stays: Escape (it only closes), Enter's character (swallowed by the base), copying,
    // the mouse, and every setter the host calls.
    static bool MayChangeValue(UINT message, WPARAM wParam);
};

// HostCaption: keeps the caption of a drop edit's top-level window drawn active while the
// activation is in a drop window of one of its edits, as a native drop-down keeps its owner's.
// The system draws the host inactive as soon as a drop window takes the activation; the drop
// window puts it back, and draws it inactive itself when the activation leaves for a window
// that is neither the host nor another of its drop windows. Holds no state.
#pragma once
#include <windows.h>

class CDropWnd;

class HostCaption
{
public:
    // The drop window became active (bActive) or lost the activation to hOther (may be null).
    static void OnDropWndActivate(const CDropWnd& dropWnd, bool bActive, HWND hOther);

private:
    static HWND HostOf(const CDropWnd& dropWnd);
};

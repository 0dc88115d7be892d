// Parent of the control wrappers under test: a plain visible top-level window object, so that
// the controls paint and their notifications come back to them through a real parent object.
#pragma once
#include <afxwin.h>

class CControlHost : public CWnd
{
public:
    bool Open(int cx = 320, int cy = 240)
    {
        return CreateEx(0, AfxRegisterWndClass(0), "control host", WS_POPUP | WS_VISIBLE, 40, 40, cx, cy,
                        nullptr, nullptr) != FALSE;
    }
};

// Class name of a window, for checking which control a wrapper created.
inline CString WindowClassName(HWND hWnd)
{
    char szClass[64] = {};
    ::GetClassNameA(hWnd, szClass, sizeof(szClass));
    return szClass;
}

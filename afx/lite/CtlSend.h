// Internal to afxlite.dll: how the control wrappers talk to their windows. A wrapper without a
// window answers with the failure value instead of sending; the framework asserts there, and a
// host built without assertions must neither crash nor read uninitialised results.
#pragma once
#include "AfxApi.h"

inline bool AfxLiteHasWindow(HWND hWnd) { return hWnd != nullptr && ::IsWindow(hWnd); }

inline LRESULT AfxLiteSendCtl(HWND hWnd, UINT message, WPARAM wParam = 0, LPARAM lParam = 0,
                              LRESULT lFail = 0)
{
    return AfxLiteHasWindow(hWnd) ? ::SendMessageA(hWnd, message, wParam, lParam) : lFail;
}

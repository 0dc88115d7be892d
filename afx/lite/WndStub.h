// Temporary: the two window-side functions that the GDI wrappers call, declared here until the
// window classes and the module state are on this branch; then their own headers take over.
// Delete this file and WndStub.cpp once Wnd.h and ModuleState.h are always present.
#pragma once
#include "AfxApi.h"

#if __has_include("Wnd.h")
#include "Wnd.h"
#else
class CWnd;
AFX_LITE_API HWND AFXAPI AfxLiteGetSafeHwnd(const CWnd* pWnd);
#endif

#if __has_include("ModuleState.h")
#include "ModuleState.h"
#else
AFX_LITE_API HINSTANCE AFXAPI AfxFindResourceHandle(LPCSTR lpszName, LPCSTR lpszType);
#endif

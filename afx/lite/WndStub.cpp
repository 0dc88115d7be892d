// Temporary definitions for a build without the window classes (see WndStub.h).
#include "WndStub.h"

#if !__has_include("Wnd.h")
// No CWnd can exist without Wnd.h, so only the null window reaches this.
HWND AFXAPI AfxLiteGetSafeHwnd(const CWnd*) { return nullptr; }
#endif

#if !__has_include("ModuleState.h")
HINSTANCE AFXAPI AfxFindResourceHandle(LPCSTR, LPCSTR) { return ::GetModuleHandleA(nullptr); }
#endif

// Export marker of afxlite.dll and the framework's basic macros and types.
#pragma once

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>
#include <commctrl.h>
#include <tchar.h>

#ifdef AFXLITE_BUILD
#define AFX_LITE_API __declspec(dllexport)
#else
#define AFX_LITE_API __declspec(dllimport)
#endif

#ifndef AFXAPI
#define AFXAPI __stdcall
#endif
#define AFX_CDECL __cdecl
#define AFX_MSG_CALL
#define afx_msg
#define AFX_STATIC static
#define AFX_STATIC_DATA extern
#define AFX_COMDAT
#define AFX_DATA
#define AFX_NOVTABLE
#define AFX_INLINE inline

// In the framework these mark extension-library exports; each of our libraries defines its
// own marker instead, and this one stays available for host code that expects it.
#ifdef _AFXEXT
#define AFX_EXT_CLASS __declspec(dllexport)
#define AFX_EXT_API __declspec(dllexport)
#define AFX_EXT_DATA __declspec(dllexport)
#else
#define AFX_EXT_CLASS __declspec(dllimport)
#define AFX_EXT_API __declspec(dllimport)
#define AFX_EXT_DATA __declspec(dllimport)
#endif

#ifndef ASSERT
#define ASSERT(f) ((void)0)
#endif
#define VERIFY(f) ((void)(f))
#define ASSERT_VALID(p) ((void)0)
#define ASSERT_KINDOF(cls, p) ((void)0)
#define TRACE(...) ((void)0)
#define TRACE0(s) ((void)0)
#define UNUSED_ALWAYS(x) ((void)(x))
#define UNUSED(x) ((void)(x))
#define DEBUG_NEW new
#define AfxIsValidAddress(p, n, ...) ((p) != nullptr)
#define AfxIsValidString(p, ...) ((p) != nullptr)

// Deletes the temporary wrapper objects that FromHandle made (windows, DCs, GDI objects); the
// application's idle processing calls it, and so may tests.
AFX_LITE_API void AfxLiteFreeTempObjects();

// The system headers define these as function-like macros; the framework's classes have
// members with the same names and other arities.
#undef GetNextWindow

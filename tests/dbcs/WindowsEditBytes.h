// Windows' edit control behaviour on a double-byte code page, for every edit of the tests. Two
// measured differences of Wine's edit control under code page 932 stand in the way of testing
// the controls as they run on Windows:
// - a two-byte character that reaches the edit as two WM_CHAR bytes is taken as two
//   characters; Windows takes the lead byte and the trail byte as one character;
// - EM_GETSEL and EM_SETSEL count characters; on Windows they count bytes.
// EmulateWindowsEditBytes makes the edit class's own procedure one that gives every edit made
// afterwards these two Windows behaviours, below any control that subclasses it, and passes
// everything else on. TypeJapanese sends two-byte characters as Windows delivers them.
#pragma once
#include <windows.h>
#include <string>
#include "Controls.h"
#include "Input.h"
#include "TestApp.h"

namespace dbcstest
{
// Byte position of character index nChars in text, and the other way round.
inline int BytesOfChars(const std::string& text, int nChars)
{
    size_t pos = 0;
    for (int n = 0; n < nChars && pos < text.size(); ++n)
        pos += ::IsDBCSLeadByte(static_cast<BYTE>(text[pos])) && pos + 1 < text.size() ? 2 : 1;
    return static_cast<int>(pos);
}
inline int CharsOfBytes(const std::string& text, int nBytes)
{
    int nChars = 0;
    for (size_t pos = 0; pos < text.size() && static_cast<int>(pos) < nBytes; ++nChars)
        pos += ::IsDBCSLeadByte(static_cast<BYTE>(text[pos])) && pos + 1 < text.size() ? 2 : 1;
    return nChars;
}

inline WNDPROC g_wineEditProc = nullptr;
inline const char* kLeadProp = "dbcstest.lead";

inline LRESULT CALLBACK WindowsEditProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg)
    {
    case EM_GETSEL:
    {
        DWORD start = 0;
        DWORD end = 0;
        ::CallWindowProcA(g_wineEditProc, hWnd, msg, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
        const std::string text = harness::WindowText(hWnd);
        start = static_cast<DWORD>(BytesOfChars(text, static_cast<int>(start)));
        end = static_cast<DWORD>(BytesOfChars(text, static_cast<int>(end)));
        if (wParam != 0)
            *reinterpret_cast<DWORD*>(wParam) = start;
        if (lParam != 0)
            *reinterpret_cast<DWORD*>(lParam) = end;
        return MAKELRESULT(start, end);
    }
    case EM_SETSEL:
    {
        const std::string text = harness::WindowText(hWnd);
        const int start = static_cast<int>(wParam);
        const int end = static_cast<int>(lParam);
        return ::CallWindowProcA(g_wineEditProc, hWnd, msg, start < 0 ? wParam : CharsOfBytes(text, start),
                                 end < 0 ? lParam : CharsOfBytes(text, end));
    }
    case WM_CHAR:
    {
        const auto lead = static_cast<BYTE>(reinterpret_cast<UINT_PTR>(::RemovePropA(hWnd, kLeadProp)));
        if (lead != 0)
        {
            const char both[3] = { static_cast<char>(lead), static_cast<char>(wParam), '\0' };
            return ::CallWindowProcA(g_wineEditProc, hWnd, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(both));
        }
        if (wParam < 0x100 && ::IsDBCSLeadByte(static_cast<BYTE>(wParam)))
        {
            ::SetPropA(hWnd, kLeadProp, reinterpret_cast<HANDLE>(static_cast<UINT_PTR>(wParam)));
            return 0;
        }
        break;
    }
    case WM_NCDESTROY:
        ::RemovePropA(hWnd, kLeadProp);
        break;
    default:
        break;
    }
    return ::CallWindowProcA(g_wineEditProc, hWnd, msg, wParam, lParam);
}

// Types text into the focus window. A two-byte character reaches it as Windows' GetMessageA
// hands it to an ANSI window: two WM_CHAR messages, lead byte first. Measured under Wine: the
// same character typed through SendInput reaches an ANSI window as the bytes of a middle dot
// (0x81 0x45) and then its trail byte, so those are sent here; other characters are typed.
inline void TypeJapanese(const std::string& text)
{
    for (size_t i = 0; i < text.size(); ++i)
    {
        if (::IsDBCSLeadByte(static_cast<BYTE>(text[i])) && i + 1 < text.size())
        {
            ::SendMessageA(::GetFocus(), WM_CHAR, static_cast<BYTE>(text[i]), 1);
            ::SendMessageA(::GetFocus(), WM_CHAR, static_cast<BYTE>(text[++i]), 1);
            harness::Pump();
        }
        else
        {
            harness::TypeText(text.substr(i, 1).c_str());
        }
    }
}

// Every edit window made from now on in this process starts on WindowsEditProc (the process's
// edit class, changed through a scratch edit).
inline void EmulateWindowsEditBytes()
{
    const HWND hScratch = ::CreateWindowExA(0, "EDIT", "", 0, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr);
    g_wineEditProc = reinterpret_cast<WNDPROC>(
        ::SetClassLongPtrA(hScratch, GCLP_WNDPROC, reinterpret_cast<LONG_PTR>(&WindowsEditProc)));
    ::DestroyWindow(hScratch);
}
}

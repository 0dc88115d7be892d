#include "HostDialog.h"
#include <cstring>
#include <vector>
#include "TestApp.h"

namespace harness
{
BOOL CreateEmptyDialog(CDialog& dialog, const char* title)
{
    // A template is a sequence of WORDs (its start DWORD-aligned), its strings in UTF-16.
    DLGTEMPLATE header{};
    header.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT;
    header.cx = 100;
    header.cy = 50;
    const WORD* pHeader = reinterpret_cast<const WORD*>(&header);
    std::vector<WORD> words(pHeader, pHeader + sizeof(header) / sizeof(WORD));
    const auto addAscii = [&words](const char* text) { words.insert(words.end(), text, text + std::strlen(text) + 1); };
    words.insert(words.end(), { 0, 0 }); // no menu, the default class
    addAscii(title);
    words.push_back(8); // the font's point size
    addAscii("MS Shell Dlg");
    return dialog.CreateIndirect(reinterpret_cast<LPCDLGTEMPLATE>(words.data()), AfxGetMainWnd());
}

CHostDialog::~CHostDialog()
{
    if (m_hWnd != nullptr)
        DestroyWindow();
}

BOOL CHostDialog::CreateHost(POINT clientOrigin, SIZE clientSize, const RECT& rcEdit)
{
    if (!CreateEmptyDialog(*this, "host dialog"))
        return FALSE;

    RECT rcWindow{ clientOrigin.x, clientOrigin.y, clientOrigin.x + clientSize.cx, clientOrigin.y + clientSize.cy };
    ::AdjustWindowRectEx(&rcWindow, GetStyle(), FALSE, GetExStyle());
    ::SetWindowPos(m_hWnd, nullptr, rcWindow.left, rcWindow.top, rcWindow.right - rcWindow.left,
                   rcWindow.bottom - rcWindow.top, SWP_NOZORDER | SWP_NOACTIVATE);

    HFONT hFont = reinterpret_cast<HFONT>(SendMessage(WM_GETFONT));
    const DWORD editStyle = WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL;
    HWND hEdit = ::CreateWindowExA(WS_EX_CLIENTEDGE, "EDIT", "", editStyle, rcEdit.left, rcEdit.top,
                                   rcEdit.right - rcEdit.left, rcEdit.bottom - rcEdit.top, m_hWnd,
                                   reinterpret_cast<HMENU>(static_cast<UINT_PTR>(kEditId)), AfxGetInstanceHandle(), nullptr);
    // The other edit sits in the bottom-left corner, out of the way of any drop window.
    HWND hOther = ::CreateWindowExA(WS_EX_CLIENTEDGE, "EDIT", "", editStyle, 4, clientSize.cy - 26, 80, 22, m_hWnd,
                                    reinterpret_cast<HMENU>(static_cast<UINT_PTR>(kOtherId)), AfxGetInstanceHandle(), nullptr);
    if (hEdit == nullptr || hOther == nullptr)
        return FALSE;
    ::SendMessageA(hEdit, WM_SETFONT, reinterpret_cast<WPARAM>(hFont), FALSE);
    ::SendMessageA(hOther, WM_SETFONT, reinterpret_cast<WPARAM>(hFont), FALSE);
    ShowWindow(SW_SHOW);
    Pump();
    return TRUE;
}

void CHostDialog::FocusEdit()
{
    ::SetForegroundWindow(m_hWnd);
    ::SetActiveWindow(m_hWnd);
    ::SetFocus(Edit());
    Pump();
}
}

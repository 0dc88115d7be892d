#include "ImageMenuEdit.h"
#include "ImageMenu.h"
#include <algorithm>

IMPLEMENT_DYNCREATE(CImageMenuEdit, CEdit)

BEGIN_MESSAGE_MAP(CImageMenuEdit, CEdit)
    ON_WM_CONTEXTMENU()
END_MESSAGE_MAP()

namespace
{
struct MenuEntry
{
    UINT nCommand; // 0 for a separator
    const char* pszText;
};

const MenuEntry kMenu[] = {
    { CImageMenuEdit::kCmdUndo, "&Undo" },
    { 0, nullptr },
    { CImageMenuEdit::kCmdCut, "Cu&t" },
    { CImageMenuEdit::kCmdCopy, "&Copy" },
    { CImageMenuEdit::kCmdPaste, "&Paste" },
    { CImageMenuEdit::kCmdClear, "&Delete" },
    { 0, nullptr },
    { CImageMenuEdit::kCmdSelectAll, "Select &All" },
};
}

CImageMenuEdit::CImageMenuEdit() {}

CImageMenuEdit::~CImageMenuEdit() {}

void CImageMenuEdit::OnContextMenu(CWnd* /*pWnd*/, CPoint point)
{
    if (!::IsWindow(m_hWnd) || !IsWindowEnabled())
        return;
    // The commands act on the selection, so the user must see it while choosing.
    if (::GetFocus() != m_hWnd)
        SetFocus();

    CImageMenu menu;
    if (!menu.CreatePopupMenu())
        return;
    for (const MenuEntry& entry : kMenu)
    {
        if (entry.nCommand == 0)
            menu.AppendMenu(MF_SEPARATOR);
        else
            menu.AppendMenu(MF_STRING | (CanDoCommand(entry.nCommand) ? MF_ENABLED : MF_GRAYED), entry.nCommand,
                            entry.pszText);
    }

    if (point.x == -1 && point.y == -1)
        point = GetKeyboardMenuPoint();
    HWND hWnd = m_hWnd;
    const UINT nCommand = static_cast<UINT>(
        menu.TrackPopupMenu(TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON | TPM_RETURNCMD, point.x, point.y, this));
    // The host may have destroyed the edit while the menu was open.
    if (nCommand != 0 && ::IsWindow(hWnd) && m_hWnd == hWnd)
        DoCommand(nCommand);
}

bool CImageMenuEdit::CanDoCommand(UINT nCommand) const
{
    const DWORD dwStyle = GetStyle();
    const bool bReadOnly = (dwStyle & ES_READONLY) != 0;
    // A password edit never hands its text out.
    const bool bHidden = (dwStyle & ES_PASSWORD) != 0;
    int nStart = 0;
    int nEnd = 0;
    GetSel(nStart, nEnd);
    const bool bSelection = nStart != nEnd;
    const int nLength = GetWindowTextLength();

    switch (nCommand)
    {
    case kCmdUndo:
        return !bReadOnly && CanUndo();
    case kCmdCut:
        return !bReadOnly && !bHidden && bSelection;
    case kCmdCopy:
        return !bHidden && bSelection;
    case kCmdPaste:
        return !bReadOnly && ::IsClipboardFormatAvailable(CF_TEXT);
    case kCmdClear:
        return !bReadOnly && bSelection;
    case kCmdSelectAll:
        return nLength > 0 && !(nStart == 0 && nEnd == nLength);
    default:
        return false;
    }
}

void CImageMenuEdit::DoCommand(UINT nCommand)
{
    switch (nCommand)
    {
    case kCmdUndo:
        SendMessage(WM_UNDO);
        break;
    case kCmdCut:
        SendMessage(WM_CUT);
        break;
    case kCmdCopy:
        SendMessage(WM_COPY);
        break;
    case kCmdPaste:
        SendMessage(WM_PASTE);
        break;
    case kCmdClear:
        SendMessage(WM_CLEAR);
        break;
    case kCmdSelectAll:
        SendMessage(EM_SETSEL, 0, -1);
        break;
    default:
        break;
    }
}

CPoint CImageMenuEdit::GetKeyboardMenuPoint() const
{
    CRect rcClient;
    GetClientRect(&rcClient);
    // Under the caret, kept inside the edit so that a caret scrolled out of view cannot
    // send the menu elsewhere on the screen.
    CPoint point(rcClient.left, rcClient.bottom);
    if (::GetFocus() == m_hWnd)
    {
        const CPoint ptCaret = GetCaretPos();
        point.x = std::max(rcClient.left, std::min(ptCaret.x, rcClient.right));
    }
    ClientToScreen(&point);
    return point;
}

#include "Edit.h"
#include "CtlSend.h"

IMPLEMENT_DYNAMIC(CEdit, CWnd)

CEdit::CEdit() = default;

// Destroyed here, while the object is still a CEdit, so that late messages reach this class.
CEdit::~CEdit() { DestroyWindow(); }

BOOL CEdit::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return CWnd::Create("EDIT", nullptr, dwStyle, rect, pParentWnd, nID);
}

BOOL CEdit::CanUndo() const { return static_cast<BOOL>(AfxLiteSendCtl(m_hWnd, EM_CANUNDO)); }
int CEdit::GetLineCount() const { return static_cast<int>(AfxLiteSendCtl(m_hWnd, EM_GETLINECOUNT)); }
BOOL CEdit::GetModify() const { return static_cast<BOOL>(AfxLiteSendCtl(m_hWnd, EM_GETMODIFY)); }
void CEdit::SetModify(BOOL bModified) { AfxLiteSendCtl(m_hWnd, EM_SETMODIFY, bModified); }

void CEdit::GetRect(LPRECT lpRect) const
{
    if (lpRect == nullptr)
        return;
    ::SetRectEmpty(lpRect);
    AfxLiteSendCtl(m_hWnd, EM_GETRECT, 0, reinterpret_cast<LPARAM>(lpRect));
}

DWORD CEdit::GetSel() const { return static_cast<DWORD>(AfxLiteSendCtl(m_hWnd, EM_GETSEL)); }

void CEdit::GetSel(int& nStartChar, int& nEndChar) const
{
    DWORD dwStart = 0;
    DWORD dwEnd = 0;
    AfxLiteSendCtl(m_hWnd, EM_GETSEL, reinterpret_cast<WPARAM>(&dwStart), reinterpret_cast<LPARAM>(&dwEnd));
    nStartChar = static_cast<int>(dwStart);
    nEndChar = static_cast<int>(dwEnd);
}

void CEdit::SetMargins(UINT nLeft, UINT nRight)
{
    AfxLiteSendCtl(m_hWnd, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELONG(nLeft, nRight));
}

DWORD CEdit::GetMargins() const { return static_cast<DWORD>(AfxLiteSendCtl(m_hWnd, EM_GETMARGINS)); }
void CEdit::SetLimitText(UINT nMax) { AfxLiteSendCtl(m_hWnd, EM_SETLIMITTEXT, nMax); }
UINT CEdit::GetLimitText() const { return static_cast<UINT>(AfxLiteSendCtl(m_hWnd, EM_GETLIMITTEXT)); }

CPoint CEdit::PosFromChar(UINT nChar) const
{
    // Coordinates come back as signed words: a character scrolled out to the left is negative.
    LRESULT lPos = AfxLiteSendCtl(m_hWnd, EM_POSFROMCHAR, nChar);
    return CPoint(static_cast<short>(LOWORD(lPos)), static_cast<short>(HIWORD(lPos)));
}

int CEdit::CharFromPos(CPoint pt) const
{
    return static_cast<int>(AfxLiteSendCtl(m_hWnd, EM_CHARFROMPOS, 0, MAKELPARAM(pt.x, pt.y)));
}

int CEdit::GetLine(int nIndex, LPSTR lpszBuffer) const
{
    if (lpszBuffer == nullptr)
        return 0;
    return static_cast<int>(AfxLiteSendCtl(m_hWnd, EM_GETLINE, static_cast<WPARAM>(nIndex),
                                           reinterpret_cast<LPARAM>(lpszBuffer)));
}

int CEdit::GetLine(int nIndex, LPSTR lpszBuffer, int nMaxLength) const
{
    if (lpszBuffer == nullptr || nMaxLength <= 0 || !AfxLiteHasWindow(m_hWnd))
        return 0;
    // The size travels in the buffer's first word, which a one-character buffer cannot hold.
    if (nMaxLength < static_cast<int>(sizeof(WORD)))
    {
        char szLine[sizeof(WORD)];
        *reinterpret_cast<WORD*>(szLine) = static_cast<WORD>(nMaxLength);
        int nCopied = GetLine(nIndex, szLine);
        if (nCopied > 0)
            lpszBuffer[0] = szLine[0];
        return nCopied;
    }
    *reinterpret_cast<WORD*>(lpszBuffer) = static_cast<WORD>(nMaxLength > 0xFFFF ? 0xFFFF : nMaxLength);
    return GetLine(nIndex, lpszBuffer);
}

int CEdit::GetFirstVisibleLine() const { return static_cast<int>(AfxLiteSendCtl(m_hWnd, EM_GETFIRSTVISIBLELINE)); }
TCHAR CEdit::GetPasswordChar() const { return static_cast<TCHAR>(AfxLiteSendCtl(m_hWnd, EM_GETPASSWORDCHAR)); }

BOOL CEdit::SetCueBanner(LPCWSTR lpszText, BOOL fDrawIfFocused)
{
    return static_cast<BOOL>(AfxLiteSendCtl(m_hWnd, EM_SETCUEBANNER, fDrawIfFocused, reinterpret_cast<LPARAM>(lpszText)));
}

BOOL CEdit::GetCueBanner(LPWSTR lpszText, int cchText) const
{
    if (lpszText == nullptr || cchText <= 0)
        return FALSE;
    lpszText[0] = L'\0';
    return static_cast<BOOL>(AfxLiteSendCtl(m_hWnd, EM_GETCUEBANNER, reinterpret_cast<WPARAM>(lpszText), cchText));
}

void CEdit::EmptyUndoBuffer() { AfxLiteSendCtl(m_hWnd, EM_EMPTYUNDOBUFFER); }
BOOL CEdit::FmtLines(BOOL bAddEOL) { return static_cast<BOOL>(AfxLiteSendCtl(m_hWnd, EM_FMTLINES, bAddEOL)); }
void CEdit::LimitText(int nChars) { AfxLiteSendCtl(m_hWnd, EM_LIMITTEXT, static_cast<WPARAM>(nChars)); }
int CEdit::LineFromChar(int nIndex) const { return static_cast<int>(AfxLiteSendCtl(m_hWnd, EM_LINEFROMCHAR, static_cast<WPARAM>(nIndex))); }
int CEdit::LineIndex(int nLine) const { return static_cast<int>(AfxLiteSendCtl(m_hWnd, EM_LINEINDEX, static_cast<WPARAM>(nLine))); }
int CEdit::LineLength(int nLine) const { return static_cast<int>(AfxLiteSendCtl(m_hWnd, EM_LINELENGTH, static_cast<WPARAM>(nLine))); }
void CEdit::LineScroll(int nLines, int nChars) { AfxLiteSendCtl(m_hWnd, EM_LINESCROLL, static_cast<WPARAM>(nChars), nLines); }

void CEdit::ReplaceSel(LPCSTR lpszNewText, BOOL bCanUndo)
{
    // A null text replaces the selection with nothing rather than reaching the control.
    AfxLiteSendCtl(m_hWnd, EM_REPLACESEL, bCanUndo, reinterpret_cast<LPARAM>(lpszNewText != nullptr ? lpszNewText : ""));
}

void CEdit::SetPasswordChar(TCHAR ch) { AfxLiteSendCtl(m_hWnd, EM_SETPASSWORDCHAR, static_cast<BYTE>(ch)); }
void CEdit::SetRect(LPCRECT lpRect) { AfxLiteSendCtl(m_hWnd, EM_SETRECT, 0, reinterpret_cast<LPARAM>(lpRect)); }
void CEdit::SetRectNP(LPCRECT lpRect) { AfxLiteSendCtl(m_hWnd, EM_SETRECTNP, 0, reinterpret_cast<LPARAM>(lpRect)); }

void CEdit::SetSel(DWORD dwSelection, BOOL bNoScroll)
{
    SetSel(static_cast<int>(LOWORD(dwSelection)), static_cast<int>(HIWORD(dwSelection)), bNoScroll);
}

void CEdit::SetSel(int nStartChar, int nEndChar, BOOL bNoScroll)
{
    if (!AfxLiteHasWindow(m_hWnd))
        return;
    ::SendMessageA(m_hWnd, EM_SETSEL, static_cast<WPARAM>(nStartChar), nEndChar);
    if (!bNoScroll)
        ::SendMessageA(m_hWnd, EM_SCROLLCARET, 0, 0);
}

BOOL CEdit::SetTabStops(int nTabStops, LPINT rgTabStops)
{
    return static_cast<BOOL>(AfxLiteSendCtl(m_hWnd, EM_SETTABSTOPS, static_cast<WPARAM>(nTabStops),
                                            reinterpret_cast<LPARAM>(rgTabStops)));
}

void CEdit::SetTabStops() { AfxLiteSendCtl(m_hWnd, EM_SETTABSTOPS); }

BOOL CEdit::SetTabStops(const int& cxEachStop)
{
    return static_cast<BOOL>(AfxLiteSendCtl(m_hWnd, EM_SETTABSTOPS, 1, reinterpret_cast<LPARAM>(&cxEachStop)));
}

BOOL CEdit::SetReadOnly(BOOL bReadOnly) { return static_cast<BOOL>(AfxLiteSendCtl(m_hWnd, EM_SETREADONLY, bReadOnly)); }

BOOL CEdit::Undo() { return static_cast<BOOL>(AfxLiteSendCtl(m_hWnd, WM_UNDO)); }
void CEdit::Clear() { AfxLiteSendCtl(m_hWnd, WM_CLEAR); }
void CEdit::Copy() { AfxLiteSendCtl(m_hWnd, WM_COPY); }
void CEdit::Cut() { AfxLiteSendCtl(m_hWnd, WM_CUT); }
void CEdit::Paste() { AfxLiteSendCtl(m_hWnd, WM_PASTE); }

#include "FileEdit.h"
#include "CharWalk.h"
#include "DirUtils.h"
#include "DropDirWnd.h"
#include "FaultInjection.h"
#include "FileUtils.h"
#include "WndUtils.h"

BEGIN_MESSAGE_MAP(CFileEdit, CDirEdit)
    ON_MESSAGE(WM_SETTEXT, OnSetText)
END_MESSAGE_MAP()

namespace
{
// Characters that no file or folder name can hold; the colon only follows a drive letter.
bool IsNameForbidden(UINT nChar)
{
    switch (nChar)
    {
    case '"':
    case '\'':
    case '*':
    case '/':
    case ':':
    case '<':
    case '>':
    case '?':
    case '\\':
    case '|':
        return true;
    default:
        return false;
    }
}

// Whether text could be a path at all: no character a path cannot hold (forward slashes are
// separators, a colon only after the drive letter) and shorter than MAX_PATH.
bool CouldBePath(const CString& text)
{
    if (text.GetLength() >= MAX_PATH)
        return false;
    // Trail bytes of two-byte characters are skipped: 0x7C, the bar, is one of them.
    for (int i = 0; i < text.GetLength(); i = CharWalk::Next(text, i))
    {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if (c < 32 || c == '"' || c == '*' || c == '<' || c == '>' || c == '?' || c == '|' || (c == ':' && i != 1))
            return false;
    }
    return true;
}
}

CFileEdit::CFileEdit()
{
    SetToFileBrowser();
}

CFileEdit::~CFileEdit()
{
}

CDropDirWnd* CFileEdit::GetDirWnd() const
{
    return dynamic_cast<CDropDirWnd*>(m_pDropWnd);
}

bool CFileEdit::IsAcceptedPath(const CString& path) const
{
    return FileUtils::IsFile(path, true, true) || (!m_bReadOnly && DirUtils::IsDir(path, true));
}

// ---------------------------------------------------------------------------------------------
// Operations and hooks

void CFileEdit::SetExt(const CStringArray& exts)
{
    if (CDropDirWnd* pDrop = GetDirWnd())
        pDrop->SetExt(exts);
}

CDropWnd* CFileEdit::CreateSpecificDropWnd()
{
    return FaultInjection::New<CDropDirWnd>(m_bReadOnly);
}

void CFileEdit::DoDropWindowInit()
{
    if (CDropDirWnd* pDrop = GetDirWnd())
        pDrop->InitDropWindow();
}

bool CFileEdit::CanTypeChar(UINT nChar) const
{
    if (IsNameForbidden(nChar))
        return false;
    // Enter, Escape and the other control characters insert nothing: no beep for them.
    if (nChar < 32 && nChar != VK_BACK)
        return true;
    CString text;
    GetWindowText(text);
    const int last = CharWalk::ReverseFind(text, '\\');
    DWORD dwStart = 0;
    DWORD dwEnd = 0;
    ::SendMessageA(m_hWnd, EM_GETSEL, reinterpret_cast<WPARAM>(&dwStart), reinterpret_cast<LPARAM>(&dwEnd));
    const int start = static_cast<int>(dwStart);
    const int end = static_cast<int>(dwEnd);
    if (start != end)
    {
        // A selection is replaced or removed whole, wherever the caret stands: it must lie in
        // the name, or, for Backspace and Delete, be the whole text (an empty edit is allowed).
        const bool bRemovesAll = (nChar == VK_BACK || nChar == VK_DELETE) && start == 0 && end == text.GetLength();
        return start > last || bRemovesAll;
    }
    const int caret = WndUtils::GetCaretPosition(*this);
    if (nChar == VK_BACK)
        return caret > last + 1;
    if (nChar == VK_DELETE) // also the typed full stop, which may follow the backslash
        return caret >= last + 1;
    return caret > last;
}

// ---------------------------------------------------------------------------------------------
// Text

LRESULT CFileEdit::OnSetText(WPARAM /*wParam*/, LPARAM lParam)
{
    const CString text(lParam != 0 ? reinterpret_cast<LPCSTR>(lParam) : "");
    if (!text.IsEmpty() && !IsAcceptedPath(text))
    {
        // A read-only edit refuses a folder, but its tree still moves there.
        if (DirUtils::IsDir(text, true))
            SetDropWndPath(text);
        SetWindowText("");
        return 0;
    }
    const CString canonical = FileUtils::GetCanonicalPath(text);
    if (canonical != text)
        DefWindowProc(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(static_cast<LPCSTR>(canonical)));
    else
        Default();
    SendMessage(EM_SETSEL, 0, -1);
    SendMessage(EM_SCROLLCARET);
    SetDropWndPath(text.IsEmpty() ? GetInitBrowsToDir() : canonical);
    RedrawIcon();
    return 1;
}

void CFileEdit::OnDropWndChanged(bool /*keepOpen*/)
{
    CDropDirWnd* pDrop = GetDirWnd();
    if (pDrop == nullptr)
        return;
    const CString picked = pDrop->GetSelectedPath();
    if (picked.IsEmpty())
        return;
    CString current;
    GetWindowText(current);
    CString name;
    if (!m_bReadOnly && DirUtils::IsDir(picked, true) && !DirUtils::DoesDirExist(current))
        name = FileUtils::ParseFileNameFromPath(current, true);
    // As in a save dialog, a writable edit keeps the file name it holds, typed or picked,
    // after whatever folder is picked; a name that exists nowhere yet is kept as well.
    CString text = picked + name;
    if (!name.IsEmpty() && !IsAcceptedPath(text) && !CouldBePath(text))
        text = picked;
    // A pick that went from the disk since the tree was read leaves the edit as it is.
    if (!IsAcceptedPath(picked))
        return;
    if (text != current)
    {
        if (IsAcceptedPath(text))
            SetWindowText(text);
        else
            DefWindowProc(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(static_cast<LPCSTR>(text)));
    }
    SendMessage(EM_SETSEL, 0, -1);
    SendMessage(EM_SCROLLCARET);
    RedrawIcon();
}

void CFileEdit::ProcessEdit()
{
    CString before;
    GetWindowText(before);
    Default();
    CString after;
    GetWindowText(after);

    bool bRestore = false;
    if (!after.IsEmpty())
    {
        // A writable edit may hold a file name that does not exist yet, but never text that no
        // path can be.
        bRestore = m_bReadOnly ? !(FileUtils::IsFile(after, true, true) && FileUtils::DoesFileExist(after))
                               : !CouldBePath(after);
    }
    if (bRestore)
    {
        // A typed new file name would not pass the text rules again; it is put back as it was.
        if (before.IsEmpty() || IsAcceptedPath(before))
            SetWindowText(before);
        else
            DefWindowProc(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(static_cast<LPCSTR>(before)));
    }
    else if (!after.IsEmpty() && IsAcceptedPath(after))
    {
        StoreCanonical(after);
        SetDropWndPath(after);
    }
    RedrawIcon();
}

#include "DirEdit.h"
#include "DpiScale.h"
#include "CharWalk.h"
#include "DirUtils.h"
#include "DropDirListWnd.h"
#include "DropDirWnd.h"
#include "FaultInjection.h"
#include "FileUtils.h"
#include "GraphicsUtils.h"
#include "Keyboard.h"
#include "MemDC.h"

BEGIN_MESSAGE_MAP(CDirEdit, CDropBaseEdit)
    ON_WM_KEYDOWN()
    ON_WM_CHAR()
    ON_WM_DESTROY()
    ON_WM_SIZE()
    ON_MESSAGE(WM_CUT, OnClear)
    ON_MESSAGE(WM_PASTE, OnClear)
    ON_MESSAGE(WM_CLEAR, OnClear)
    ON_MESSAGE(WM_UNDO, OnClear)
    ON_MESSAGE(WM_SETTEXT, OnSetText)
    ON_MESSAGE(WM_DROPFILES, OnDropFiles)
END_MESSAGE_MAP()

namespace
{
const int kIconResourceId = 200;
const int kDropWidth = 260;
const int kDropHeight = 240;

void Beep()
{
    ::MessageBeep(MB_ICONEXCLAMATION);
}
}

CDirEdit::CDirEdit()
    : CDropBaseEdit(::GetSysColor(COLOR_WINDOW)), m_bReadOnly(true), m_bDirsOnly(true), m_hIcon(nullptr),
      m_bLeadByteTaken(false)
{
    DoDrawIcon(true);
}

CDirEdit::~CDirEdit()
{
    // An edit whose window was never destroyed still owns its icon.
    FreeIcon();
}

// ---------------------------------------------------------------------------------------------
// Public operations

void CDirEdit::Init(bool readOnly)
{
    SetWindowPos(nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    if (!m_bDirsOnly)
        m_bReadOnly = readOnly;

    FreeIcon();
    // The icon lives in the library's own file; without that module (objects linked into
    // another file) the icon area stays empty.
    HMODULE hModule = nullptr;
    if (::GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT, "orv059.dll", &hModule) && hModule)
        m_hIcon = static_cast<HICON>(
            ::LoadImageA(hModule, MAKEINTRESOURCEA(kIconResourceId), IMAGE_ICON, 0, 0, 0));

    CreateDropWnd(CreateSpecificDropWnd(), false);
    LOGFONTA lf = {};
    GraphicsUtils::SetDefaultFont(lf, CString(), -1, -1, false, false, false);
    SetDropWndFont(lf);
    DoDropWindowInit();
    m_dropTarget.Attach(this);
}

void CDirEdit::SetInitBrowseToDir(const CString& dir)
{
    if (dir.IsEmpty())
        return;
    m_strInitBrowseToDir = NormalizeBrowseDir(dir);
}

void CDirEdit::ShowList()
{
    CDropNotifier::HostCall call(GetNotifier());
    ShowDropWnd(true, true, true);
}

void CDirEdit::SetAcceptDrops(bool accept)
{
    m_dropTarget.SetAcceptDrops(this, accept);
}

bool CDirEdit::GetAcceptDrops() const
{
    return m_dropTarget.AcceptsDrops();
}

// ---------------------------------------------------------------------------------------------
// Hooks

CDropWnd* CDirEdit::CreateSpecificDropWnd()
{
    return FaultInjection::New<CDropDirListWnd>();
}

void CDirEdit::DoDropWindowInit()
{
    if (m_pDropWnd == nullptr)
        return;
    const int width = m_pDropWnd->ScaleToEdit(kDropWidth);
    const int height = m_pDropWnd->ScaleToEdit(kDropHeight);
    if (m_pDropWnd->m_nPreferredWidth == width && m_pDropWnd->m_nPreferredHeight == height)
        return;
    m_pDropWnd->m_nPreferredWidth = width;
    m_pDropWnd->m_nPreferredHeight = height;
    if (m_pDropWnd->m_pEdit != nullptr)
        m_pDropWnd->m_pEdit->OnAppMove();
}

bool CDirEdit::CanTypeChar(UINT /*nChar*/) const
{
    return false;
}

void CDirEdit::SetToFileBrowser()
{
    m_bDirsOnly = false;
}

bool CDirEdit::IsReadOnly() const
{
    return m_bReadOnly;
}

CString CDirEdit::GetInitBrowsToDir() const
{
    return m_strInitBrowseToDir;
}

void CDirEdit::SetDropWndPath(const CString& path)
{
    if (CDropDirListWnd* pList = dynamic_cast<CDropDirListWnd*>(m_pDropWnd))
        pList->SetPath(path);
    else if (CDropDirWnd* pTree = dynamic_cast<CDropDirWnd*>(m_pDropWnd))
        pTree->SetPath(path);
}

CString CDirEdit::NormalizeBrowseDir(const CString& dir)
{
    CString folder = FileUtils::IsFile(dir, true, true) ? DirUtils::ParsePathFromFile(dir) : dir;
    if (!DirUtils::IsDir(folder, true))
        folder.Empty();
    return FileUtils::GetCanonicalPath(folder);
}

void CDirEdit::UpdateDropWnd()
{
    if (m_strInitBrowseToDir.IsEmpty())
        return;
    CString text;
    GetWindowText(text);
    // "c:\" is what an edit that nobody filled in tends to hold; it browses from the start
    // folder as an empty edit does.
    if (!text.IsEmpty() && text.CompareNoCase("c:\\") != 0)
        return;
    SetDropWndPath(m_strInitBrowseToDir);
}

void CDirEdit::OnDropWndChanged(bool /*keepOpen*/)
{
    CDropDirListWnd* pList = dynamic_cast<CDropDirListWnd*>(m_pDropWnd);
    if (pList == nullptr)
        return;
    const CString path = pList->GetPath();
    if (!path.IsEmpty())
        SetWindowText(path);
}

// ---------------------------------------------------------------------------------------------
// Text

LRESULT CDirEdit::OnSetText(WPARAM /*wParam*/, LPARAM lParam)
{
    CDropNotifier::HostCall call(GetNotifier());
    const CString text(lParam != 0 ? reinterpret_cast<LPCSTR>(lParam) : "");
    if (text.IsEmpty() || (m_bDirsOnly && DirUtils::IsDir(text, true)))
    {
        // Spellings such as "a\.\b", "a\\b" or "b." name the folder too; it is kept in one form,
        // which the list finds among the folders it reads.
        const CString canonical = FileUtils::GetCanonicalPath(text);
        if (canonical != text)
            DefWindowProc(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(static_cast<LPCSTR>(canonical)));
        else
            Default();
        SendMessage(EM_SETSEL, 0, -1);
        SendMessage(EM_SCROLLCARET);
        SetDropWndPath(canonical);
        RedrawIcon();
        return TRUE;
    }
    // Refused; the list still moves to the folder that was meant.
    if (DirUtils::IsDir(text, true))
        SetDropWndPath(text);
    else if (FileUtils::IsFile(text, true, true))
        SetDropWndPath(DirUtils::ParsePathFromFile(text));
    SetWindowText("");
    return FALSE;
}

void CDirEdit::ProcessEdit()
{
    CString before;
    GetWindowText(before);
    Default();
    CString after;
    GetWindowText(after);
    if (!after.IsEmpty() && (!DirUtils::IsDir(after, true) || !DirUtils::DoesDirExist(after)))
    {
        SetWindowText(before);
        RedrawIcon();
        return;
    }
    StoreCanonical(after);
    SetDropWndPath(after);
    if (!after.IsEmpty())
        m_strInitBrowseToDir = NormalizeBrowseDir(after);
    RedrawIcon();
}

void CDirEdit::StoreCanonical(CString& text)
{
    const CString canonical = FileUtils::GetCanonicalPath(text);
    if (canonical == text)
        return;
    text = canonical;
    DefWindowProc(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(static_cast<LPCSTR>(text)));
    SendMessage(EM_SETSEL, text.GetLength(), text.GetLength());
}

LRESULT CDirEdit::OnClear(WPARAM /*wParam*/, LPARAM /*lParam*/)
{
    ProcessEdit();
    return 0;
}

LRESULT CDirEdit::OnCut(WPARAM wParam, LPARAM lParam)
{
    return OnClear(wParam, lParam);
}

LRESULT CDirEdit::OnPaste(WPARAM wParam, LPARAM lParam)
{
    return OnClear(wParam, lParam);
}

LRESULT CDirEdit::OnUndo(WPARAM wParam, LPARAM lParam)
{
    return OnClear(wParam, lParam);
}

LRESULT CDirEdit::OnDropFiles(WPARAM wParam, LPARAM /*lParam*/)
{
    m_dropTarget.Drop(reinterpret_cast<HDROP>(wParam), [this](const CString& path) { return TakeDroppedPath(path); });
    return 0;
}

bool CDirEdit::TakeDroppedPath(const CString& path)
{
    CString folder;
    if (DirUtils::IsDir(path, true) && DirUtils::DoesDirExist(path))
        folder = path;
    else if (FileUtils::IsFile(path, true, true))
        folder = DirUtils::ParsePathFromFile(path);
    if (folder.IsEmpty())
        return false;
    SetWindowText(folder);
    CString text;
    GetWindowText(text);
    if (text.IsEmpty())
        return false;
    // As after a paste, the list starts from the dropped folder once the edit is emptied.
    m_strInitBrowseToDir = NormalizeBrowseDir(text);
    RedrawIcon();
    return true;
}

// ---------------------------------------------------------------------------------------------
// Keys and characters

void CDirEdit::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    const bool bDropVisible = m_pDropWnd != nullptr && ::IsWindow(m_pDropWnd->m_hWnd) &&
                              m_pDropWnd->IsWindowVisible();
    switch (nChar)
    {
    case VK_BACK:
    case VK_DELETE:
        if (m_bReadOnly)
            DeletePathRange(nChar == VK_DELETE);
        else if (CanTypeChar(nChar))
            CDropBaseEdit::OnKeyDown(nChar, nRepCnt, nFlags);
        else
            Beep();
        return;
    case VK_RETURN:
        if (!bDropVisible)
            break;
        SendMessage(EM_SETSEL, 0, -1);
        SendMessage(EM_SCROLLCARET);
        GetNotifier().NotePick();
        ShowDropWnd(false, false, true);
        return;
    case VK_DOWN:
        // The first Down opens the list and leaves the focus here; the second moves into it.
        if (bDropVisible)
            m_pDropWnd->SetFocus();
        break;
    default:
        break;
    }
    CDropBaseEdit::OnKeyDown(nChar, nRepCnt, nFlags);
}

void CDirEdit::OnChar(UINT nChar, UINT /*nRepCnt*/, UINT /*nFlags*/)
{
    // Ctrl shortcuts reach the edit as control characters. A printable character typed with
    // Ctrl held (Ctrl+Space, or AltGr, which holds Ctrl, on many layouts) is an ordinary
    // character and follows the typing rules below instead of being inserted unchecked.
    if (Keyboard::IsCtrlKeyDown() && (nChar < ' ' || nChar == 0x7F))
    {
        // Ctrl+Backspace would delete a whole word past the path rules that guard Backspace.
        if (m_bReadOnly && (nChar == 0x7F || nChar == VK_BACK))
            return;
        Default();
        return;
    }
    // A two-byte character comes as its lead byte and then its trail byte, which may be 0x5C
    // or a letter: the trail byte follows whatever was decided for the lead byte.
    if (m_typedChars.IsPending())
    {
        CString whole;
        if (m_typedChars.Take(nChar, whole) && whole.GetLength() == 2)
        {
            if (m_bLeadByteTaken)
            {
                Default();
                UpdateDropWnd();
            }
            return;
        }
    }
    if (CharWalk::TypedChars::OpensTwoByteChar(nChar))
    {
        CString whole;
        m_typedChars.Take(nChar, whole);
        m_bLeadByteTaken = !m_bReadOnly && CanTypeChar(nChar);
        if (m_bLeadByteTaken)
            Default();
        else
            Beep();
        return;
    }
    if (m_bReadOnly)
    {
        // The characters of Backspace, Delete's key (the full stop) and Enter come with keys
        // that mean something of their own: they pass without a sound.
        if (nChar != VK_BACK && nChar != '.' && nChar != '\r')
            Beep();
        return;
    }
    if (!CanTypeChar(nChar))
    {
        // A refused Backspace has beeped on its key already; its character drops silently.
        if (nChar != VK_BACK)
            Beep();
        return;
    }
    if (nChar == '\r')
        return;
    Default();
    if (nChar >= 32 || nChar == VK_BACK)
        UpdateDropWnd();
}

void CDirEdit::DeletePathRange(bool bDelete)
{
    CString text;
    GetWindowText(text);
    if (text.IsEmpty())
        return;
    DWORD dwStart = 0;
    DWORD dwEnd = 0;
    SendMessage(EM_GETSEL, reinterpret_cast<WPARAM>(&dwStart), reinterpret_cast<LPARAM>(&dwEnd));
    int start = static_cast<int>(dwStart);
    int end = static_cast<int>(dwEnd);
    const int length = text.GetLength();
    if (start < 0 || end < 0 || start > end || end > length)
    {
        Beep();
        return;
    }
    if (end - start == length)
    {
        // Removing everything needs no check: an empty edit is always allowed.
        SendMessage(EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(""));
        RedrawIcon();
        return;
    }

    // A position inside a two-byte character stands for the start of that character.
    start = CharWalk::Snap(text, start);
    if (!CharWalk::IsCharStart(text, end))
        end = CharWalk::Next(text, CharWalk::Snap(text, end));
    const bool bSlashAtStart = start < length && CharWalk::Find(text, '\\', start) == start;
    if (start == end)
    {
        // Never across a backslash: the folder names on both sides stay apart. A whole
        // character goes, never one byte of it.
        const int before = CharWalk::Prev(text, start);
        if (bDelete && start < length && !bSlashAtStart)
            end = CharWalk::Next(text, start);
        else if (!bDelete && start > 0 && CharWalk::Find(text, '\\', before) != before)
            start = before;
    }
    else if (bSlashAtStart && CharWalk::Prev(text, end) == end - 1 && text[end - 1] == '\\')
    {
        start = CharWalk::Next(text, start);
        SendMessage(EM_SETSEL, start, end);
        SendMessage(EM_SCROLLCARET);
    }

    const CString candidate = text.Left(start) + text.Mid(end);
    if (candidate == text)
        return;
    const bool bFolders = DirUtils::IsDir(text, true) && DirUtils::IsDir(candidate, true) &&
                          DirUtils::DoesDirExist(candidate);
    const bool bFiles = FileUtils::IsFile(text, true, true) && FileUtils::IsFile(candidate, true, true) &&
                        FileUtils::DoesFileExist(candidate);
    if (!bFolders && !bFiles)
    {
        Beep();
        return;
    }
    // The edit removes the range itself, for Backspace too, whose character read-only mode drops.
    SendMessage(EM_SETSEL, start, end);
    SendMessage(EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(""));
    SetDropWndPath(candidate);
    RedrawIcon();
}

// ---------------------------------------------------------------------------------------------
// Icon, size, destruction

void CDirEdit::DrawIcon(const CRect& rc)
{
    CWindowDC dc(this);
    CMemDC memDC(&dc, rc);
    memDC.FillSolidRect(rc, ::GetSysColor(IsWindowEnabled() ? COLOR_WINDOW : COLOR_BTNFACE));
    if (m_pDropWnd == nullptr || m_hIcon == nullptr)
        return;
    const int cx = DpiScale::GetSystemMetricForWindow(m_hWnd, SM_CXSMICON);
    const int cy = DpiScale::GetSystemMetricForWindow(m_hWnd, SM_CYSMICON);
    const int x = rc.right - cx;
    const int y = rc.top + (rc.bottom - rc.top - cy) / 2;
    ::DrawStateA(memDC.GetSafeHdc(), nullptr, nullptr, reinterpret_cast<LPARAM>(m_hIcon), 0, x, y, cx, cy,
                 DST_ICON);
}

void CDirEdit::OnSize(UINT nType, int cx, int cy)
{
    CDropBaseEdit::OnSize(nType, cx, cy);
    DWORD dwStart = 0;
    DWORD dwEnd = 0;
    SendMessage(EM_GETSEL, reinterpret_cast<WPARAM>(&dwStart), reinterpret_cast<LPARAM>(&dwEnd));
    // A whole path selected after a resize would show its end; the start says more.
    if (dwStart == 0 && dwEnd >= 1 && static_cast<int>(dwEnd) == GetWindowTextLength())
    {
        SendMessage(EM_SETSEL, 0, 0);
        SendMessage(EM_SCROLLCARET);
    }
}

void CDirEdit::OnDestroy()
{
    FreeIcon();
    CDropBaseEdit::OnDestroy();
}

void CDirEdit::FreeIcon()
{
    if (m_hIcon == nullptr)
        return;
    ::DestroyIcon(m_hIcon);
    m_hIcon = nullptr;
}

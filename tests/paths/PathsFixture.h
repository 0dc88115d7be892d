// Set-up shared by the path control tests: a scratch folder tree on Wine's C: drive, the host
// dialog with a directory or file edit attached as a host would, a counter of the beeps the
// edits make, and readers of what the drop-down tree shows.
#pragma once
#include <afxcmn.h>
#include <afxwin.h>
#include <gtest/gtest.h>
#include <functional>
#include <string>
#include <utility>
#include <vector>
#include "Controls.h"
#include "DirEdit.h"
#include "DropDirListWnd.h"
#include "DropDirWnd.h"
#include "DropFileTree.h"
#include "FaultInjection.h"
#include "FileEdit.h"
#include "FileExtMgr.h"
#include "HostDialog.h"
#include "Input.h"
#include "LogCapture.h"
#include "ScratchDir.h"
#include "TestApp.h"

namespace pathtest
{
using Labels = std::vector<std::string>;
using harness::kCtrl;
using harness::PressKey;

namespace beepdetail
{
inline int g_nBeeps = 0;
inline FARPROC g_original = nullptr;

inline BOOL WINAPI CountingBeep(UINT /*uType*/)
{
    ++g_nBeeps;
    return TRUE;
}

// The import slot of user32's MessageBeep in this executable, or null.
inline FARPROC* FindBeepSlot()
{
    auto* pBase = reinterpret_cast<BYTE*>(::GetModuleHandleA(nullptr));
    auto* pNt = reinterpret_cast<IMAGE_NT_HEADERS*>(pBase + reinterpret_cast<IMAGE_DOS_HEADER*>(pBase)->e_lfanew);
    const IMAGE_DATA_DIRECTORY& dir = pNt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    if (dir.VirtualAddress == 0)
        return nullptr;
    for (auto* pImport = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(pBase + dir.VirtualAddress); pImport->Name != 0;
         ++pImport)
    {
        if (lstrcmpiA(reinterpret_cast<const char*>(pBase + pImport->Name), "user32.dll") != 0)
            continue;
        auto* pNames = reinterpret_cast<IMAGE_THUNK_DATA*>(pBase + pImport->OriginalFirstThunk);
        auto* pSlots = reinterpret_cast<IMAGE_THUNK_DATA*>(pBase + pImport->FirstThunk);
        for (; pNames->u1.AddressOfData != 0; ++pNames, ++pSlots)
        {
            if (IMAGE_SNAP_BY_ORDINAL(pNames->u1.Ordinal))
                continue;
            auto* pByName = reinterpret_cast<IMAGE_IMPORT_BY_NAME*>(pBase + pNames->u1.AddressOfData);
            if (lstrcmpA(reinterpret_cast<const char*>(pByName->Name), "MessageBeep") == 0)
                return reinterpret_cast<FARPROC*>(&pSlots->u1.Function);
        }
    }
    return nullptr;
}

inline void WriteSlot(FARPROC* pSlot, FARPROC value)
{
    DWORD oldProtect = 0;
    ::VirtualProtect(pSlot, sizeof(*pSlot), PAGE_READWRITE, &oldProtect);
    *pSlot = value;
    ::VirtualProtect(pSlot, sizeof(*pSlot), oldProtect, &oldProtect);
}
}

// Counts MessageBeep calls made from this executable (the library's objects are linked into
// it) by redirecting its import of the function for the counter's lifetime.
class BeepCounter
{
public:
    BeepCounter()
    {
        beepdetail::g_nBeeps = 0;
        FARPROC* pSlot = beepdetail::FindBeepSlot();
        if (pSlot == nullptr)
        {
            ADD_FAILURE() << "MessageBeep is not imported by this executable";
            return;
        }
        beepdetail::g_original = *pSlot;
        beepdetail::WriteSlot(pSlot, reinterpret_cast<FARPROC>(reinterpret_cast<void*>(&beepdetail::CountingBeep)));
    }
    ~BeepCounter()
    {
        if (FARPROC* pSlot = beepdetail::FindBeepSlot())
            beepdetail::WriteSlot(pSlot, beepdetail::g_original);
    }
    BeepCounter(const BeepCounter&) = delete;
    BeepCounter& operator=(const BeepCounter&) = delete;

    int Count() const { return beepdetail::g_nBeeps; }
    void Reset() { beepdetail::g_nBeeps = 0; }
};

// Folders and files of every test: docs with files of several types (two differing only in the
// case of their extension, two without one, two programs) and a subfolder; a folder holding
// one log file; an empty folder.
inline const char* const kLayout[] = {
    "docs\\a.txt", "docs\\B.TXT", "docs\\c.log", "docs\\notes", "docs\\readme", "docs\\app1.exe",
    "docs\\app2.exe", "docs\\sub\\deep.txt", "onlylog\\x.log", "empty\\",
};
// What docs shows without a filter: its subfolder, then its files in listing order.
inline const Labels kDocsLabels{ "sub", "a.txt", "app1.exe", "app2.exe", "B.TXT", "c.log", "notes", "readme" };

inline bool SetClipboard(const std::string& text)
{
    if (!::OpenClipboard(nullptr))
        return false;
    ::EmptyClipboard();
    HGLOBAL hMem = ::GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
    if (hMem != nullptr)
    {
        memcpy(::GlobalLock(hMem), text.c_str(), text.size() + 1);
        ::GlobalUnlock(hMem);
        if (::SetClipboardData(CF_TEXT, hMem) == nullptr)
            ::GlobalFree(hMem);
    }
    ::CloseClipboard();
    return hMem != nullptr;
}

inline std::string WithoutSlash(std::string path)
{
    if (!path.empty() && path.back() == '\\')
        path.pop_back();
    return path;
}

// Lines of a captured log equal to a failure tag.
inline size_t TagCount(const harness::LogCapture& log, const char* tag)
{
    size_t nCount = 0;
    for (const CString& line : log.Lines())
        nCount += line == tag ? 1 : 0;
    return nCount;
}

// The item of a path, walked from its drive through items already in the tree; null when one
// is missing.
inline HTREEITEM Find(CDirTreeCtrl& tree, const std::string& path)
{
    HTREEITEM hItem = tree.GetTreeDirMatch(nullptr, path.substr(0, 2).c_str(), false);
    for (size_t nPos = 3; hItem != nullptr && nPos < path.size();)
    {
        size_t nEnd = path.find('\\', nPos);
        if (nEnd == std::string::npos)
            nEnd = path.size();
        hItem = tree.GetTreeDirMatch(hItem, path.substr(nPos, nEnd - nPos).c_str(), false);
        nPos = nEnd + 1;
    }
    return hItem;
}

inline Labels ChildLabels(const CTreeCtrl& tree, HTREEITEM hItem)
{
    Labels labels;
    for (HTREEITEM h = tree.GetChildItem(hItem); h != nullptr; h = tree.GetNextSiblingItem(h))
        labels.push_back(static_cast<const char*>(tree.GetItemText(h)));
    return labels;
}

inline POINT LabelPoint(const CTreeCtrl& tree, HTREEITEM hItem)
{
    CRect rc;
    tree.GetItemRect(hItem, &rc, TRUE);
    POINT pt = rc.CenterPoint();
    tree.ClientToScreen(&pt);
    return pt;
}

// Scrolls the item into view and clicks its label.
inline void ClickLabel(CTreeCtrl& tree, HTREEITEM hItem)
{
    tree.EnsureVisible(hItem);
    harness::Pump();
    harness::Click(LabelPoint(tree, hItem));
}

inline std::string SelectedPath(const CDirTreeCtrl& tree)
{
    return static_cast<const char*>(tree.GetSelectedDir(true));
}

// One user input of an editing table: a key with modifiers, typed characters, or a message
// sent to the edit; the clipboard text, when there is one, is put in place first.
struct Input
{
    WORD key = 0;
    unsigned modifiers = harness::kNone;
    std::string typed;
    UINT message = 0;
    WPARAM wParam = 0;
    std::string clipboard;
};
inline Input Key(WORD vk, unsigned modifiers = harness::kNone)
{
    return { vk, modifiers, "", 0, 0, "" };
}
inline Input Type(const char* text)
{
    return { 0, harness::kNone, text, 0, 0, "" };
}
inline Input Send(UINT message, WPARAM wParam = 0, const std::string& clipboard = "")
{
    return { 0, harness::kNone, "", message, wParam, clipboard };
}
inline Input Paste(const std::string& clipboard)
{
    return { 'V', kCtrl, "", 0, 0, clipboard };
}

// A failure made to happen during Init, and how often its tag must be logged.
struct FaultCase
{
    const char* name;
    FaultInjection::Kind kind;
    int nth;
    size_t tags;
};

// A row of an editing table: the text put in (as the host does, or as typed where the host
// may not), the selection, the input, and the text and the number of beeps that must follow.
struct EditCase
{
    const char* name;
    std::string text;
    int start;
    int end;
    Input input;
    std::string after;
    int beeps = 0;
};

// A directory or file edit with its protected state reachable, counting the picks its drop
// window reports and the times it places that window.
template <class TEdit>
class CProbeEdit : public TEdit
{
public:
    using TEdit::GetInitBrowsToDir;
    using TEdit::m_bReadOnly;
    using TEdit::m_pDropWnd;
    using TEdit::ShowDropWnd;

    std::string Text() const { return harness::WindowText(this->m_hWnd); }
    std::pair<int, int> Sel() const
    {
        DWORD start = 0;
        DWORD end = 0;
        ::SendMessageA(this->m_hWnd, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
        return { static_cast<int>(start), static_cast<int>(end) };
    }
    void SetSel(int start, int end) { ::SendMessageA(this->m_hWnd, EM_SETSEL, start, end); }
    // Puts text into the edit as typing would, past the text rules of WM_SETTEXT.
    void PutRaw(const std::string& text)
    {
        SetSel(0, -1);
        ::SendMessageA(this->m_hWnd, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(text.c_str()));
    }
    void OnAppMove() override
    {
        ++m_nAppMoves;
        TEdit::OnAppMove();
    }

    int m_nPicks = 0;
    int m_nAppMoves = 0;

protected:
    void OnDropWndChanged(bool keepOpen) override
    {
        ++m_nPicks;
        TEdit::OnDropWndChanged(keepOpen);
    }
};

// The scratch tree laid out as kLayout and the file type manager the trees need.
class PathsTest : public testing::Test
{
protected:
    void SetUp() override
    {
        FileExtMgr::CreateInstance();
        for (const char* entry : kLayout)
            m_scratch.Make(entry);
    }
    std::string Path(const std::string& relative) const { return m_scratch.Path() + relative; }
    // A folder of the scratch tree without its trailing backslash, as a host would write it.
    std::string Folder(const std::string& relative) const { return WithoutSlash(m_scratch.MakeDir(relative)); }

    harness::ScratchDir m_scratch;
    harness::CHostDialog* m_pDlg = nullptr;
    BeepCounter m_beeps;
};

// The host dialog at (100,100) with the edit at (10,10)-(330,34).
template <class TEdit>
class EditTest : public PathsTest
{
protected:
    void TearDown() override { harness::DestroyHost(m_pDlg, m_pEdit); }
    // Attaches a new edit initialised read-only or not (with the nth event of a kind failing
    // during Init when nth > 0), then hands it text as the host does.
    void MakeEdit(bool readOnly, const std::string& text = "", FaultInjection::Kind kind = FaultInjection::kAllocation,
                  int nth = 0)
    {
        TearDown();
        m_pDlg = new harness::CHostDialog;
        ASSERT_TRUE(m_pDlg->CreateHost({ 100, 100 }, { 500, 380 }, { 10, 10, 330, 34 }));
        m_pEdit = new CProbeEdit<TEdit>;
        ASSERT_TRUE(m_pEdit->SubclassWindow(m_pDlg->Edit()));
        if (nth > 0)
            FaultInjection::FailNth(kind, nth);
        m_pEdit->Init(readOnly);
        FaultInjection::Reset();
        if (!text.empty())
            SetText(text);
        m_pDlg->FocusEdit();
        harness::MoveMouse({ 2, 2 });
        m_beeps.Reset();
    }
    void SetText(const std::string& text) { m_pEdit->SetWindowText(text.c_str()); }
    bool DropVisible() const
    {
        return m_pEdit->m_pDropWnd != nullptr && ::IsWindowVisible(m_pEdit->m_pDropWnd->m_hWnd);
    }
    // Opens the drop window with F9 from the edit.
    void Open()
    {
        PressKey(VK_F9);
        ASSERT_TRUE(DropVisible());
    }
    void Apply(const Input& input)
    {
        if (!input.clipboard.empty())
        {
            ASSERT_TRUE(SetClipboard(input.clipboard));
        }
        if (input.key != 0)
            PressKey(input.key, input.modifiers);
        else if (input.message != 0)
            m_pEdit->SendMessage(input.message, input.wParam, 1);
        else
            harness::TypeText(input.typed.c_str());
    }
    // Runs the rows in turn; check adds what a table tests beyond text and beeps.
    void RunEdits(const std::vector<EditCase>& cases, const std::function<void(const EditCase&)>& check = {})
    {
        for (const EditCase& c : cases)
        {
            SCOPED_TRACE(c.name);
            SetText(c.text);
            if (m_pEdit->Text() != c.text)
                m_pEdit->PutRaw(c.text);
            m_pEdit->SetSel(c.start, c.end);
            m_beeps.Reset();
            Apply(c.input);
            EXPECT_EQ(m_pEdit->Text(), c.after);
            EXPECT_EQ(m_beeps.Count(), c.beeps);
            if (check)
                check(c);
        }
    }
    // Makes each row's event fail during Init: the failure's tag is logged as often as the row
    // says, and the edit keeps its text rules (accepted stands, refused is emptied) while F9
    // opens nothing; more adds what a test checks beyond that.
    void RunFaults(bool readOnly, const char* tag, const std::string& accepted, const std::string& refused,
                   const std::vector<FaultCase>& cases, const std::function<void()>& more)
    {
        for (const FaultCase& c : cases)
        {
            SCOPED_TRACE(c.name);
            harness::LogCapture log;
            MakeEdit(readOnly, "", c.kind, c.nth);
            EXPECT_EQ(TagCount(log, tag), c.tags);
            SetText(accepted);
            EXPECT_EQ(m_pEdit->Text(), accepted);
            SetText(refused);
            EXPECT_EQ(m_pEdit->Text(), "");
            m_pDlg->FocusEdit();
            PressKey(VK_F9);
            EXPECT_FALSE(DropVisible());
            more();
        }
    }

    CProbeEdit<TEdit>* m_pEdit = nullptr;
};

// A directory edit, initialised read-only, and readers of its drive and folder list.
class DirEditTest : public EditTest<CDirEdit>
{
protected:
    void SetUp() override
    {
        EditTest::SetUp();
        MakeEdit(true);
    }
    CDropDirListWnd* List() const { return dynamic_cast<CDropDirListWnd*>(m_pEdit->m_pDropWnd); }
    HWND ListBox() const { return List() != nullptr ? ::GetDlgItem(List()->m_hWnd, CDropDirListWnd::kListId) : nullptr; }
    std::string ListPath() const { return List() != nullptr ? static_cast<const char*>(List()->GetPath()) : ""; }
};

// A file edit (made by each test) and readers of its drop window and tree.
class FileEditTest : public EditTest<CFileEdit>
{
protected:
    CDropDirWnd* Drop() const { return dynamic_cast<CDropDirWnd*>(m_pEdit->m_pDropWnd); }
    CDropFileTree& Tree() const { return *Drop()->GetTree(); }
    HTREEITEM Docs() { return Find(Tree(), Path("docs")); }
    void SetExt(const std::vector<const char*>& exts)
    {
        CStringArray list;
        for (const char* ext : exts)
            list.Add(ext);
        m_pEdit->SetExt(list);
    }
};
}

// Set-up shared by the path control tests: a scratch folder tree on Wine's C: drive, the host
// dialog with the directory or the file edit attached as a host would, a counter of the beeps the
// edits make, and readers of what the drop-down tree shows.
#pragma once
#include <gtest/gtest.h>
#include <algorithm>
#include <functional>
#include <string>
#include <utility>
#include <vector>
#include "../framework/ControlHost.h"
#include "DirEdit.h"
#include "DropDirListWnd.h"
#include "DropDirWnd.h"
#include "DropFileTree.h"
#include "FileEdit.h"
#include "FileExtMgr.h"
#include "MessageRecorder.h"

// The import slot through which every MessageBeep call of this executable goes (the library's
// objects are linked into it).
extern "C" BOOL(WINAPI* __imp_MessageBeep)(UINT);

namespace pathtest
{
using Labels = std::vector<std::string>;
using harness::kCtrl;
using harness::PressKey;

// Counts the beeps of this executable by pointing MessageBeep's import slot at a counter for
// its lifetime.
class BeepCounter
{
public:
    BeepCounter() : m_original(Swap(&Counting)) {}
    ~BeepCounter() { Swap(m_original); }
    BeepCounter(const BeepCounter&) = delete;
    BeepCounter& operator=(const BeepCounter&) = delete;
    int Count() const { return s_nBeeps; }
    void Reset() { s_nBeeps = 0; }

private:
    using Beep = BOOL(WINAPI*)(UINT);
    static BOOL WINAPI Counting(UINT /*uType*/)
    {
        ++s_nBeeps;
        return TRUE;
    }
    static Beep Swap(Beep to)
    {
        DWORD protect = 0;
        ::VirtualProtect(&__imp_MessageBeep, sizeof(Beep), PAGE_READWRITE, &protect);
        const Beep from = std::exchange(__imp_MessageBeep, to);
        ::VirtualProtect(&__imp_MessageBeep, sizeof(Beep), protect, &protect);
        s_nBeeps = 0;
        return from;
    }
    static inline int s_nBeeps = 0;
    Beep m_original;
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

// The item of a path, walked from its drive through items already in the tree; null when one
// is missing.
inline HTREEITEM Find(CDirTreeCtrl& tree, const std::string& path)
{
    HTREEITEM hItem = tree.GetTreeDirMatch(nullptr, path.substr(0, 2).c_str(), false);
    for (size_t nPos = 3, nEnd = 0; hItem != nullptr && nPos < path.size(); nPos = nEnd + 1)
    {
        nEnd = std::min(path.find('\\', nPos), path.size());
        hItem = tree.GetTreeDirMatch(hItem, path.substr(nPos, nEnd - nPos).c_str(), false);
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

// The screen point of an item's label, or of the empty space 40 pixels right of it, scrolled
// into view first.
inline POINT LabelPoint(CTreeCtrl& tree, HTREEITEM hItem, bool beside = false)
{
    tree.EnsureVisible(hItem);
    harness::Pump();
    CRect rc;
    tree.GetItemRect(hItem, &rc, TRUE);
    POINT pt = { beside ? rc.right + 40 : rc.CenterPoint().x, rc.CenterPoint().y };
    tree.ClientToScreen(&pt);
    return pt;
}

// One user input of an editing table, made with the edit focused: a key with modifiers, typed
// characters, or a message sent to the edit; the clipboard text is put in place first.
using Input = std::function<void()>;
inline Input Key(WORD vk, unsigned modifiers = harness::kNone)
{
    return [=] { PressKey(vk, modifiers); };
}
inline Input Type(const std::string& text)
{
    return [=] { harness::TypeText(text.c_str()); };
}
inline Input Send(UINT message, WPARAM wParam = 0, const std::string& clipboard = "")
{
    return [=] {
        EXPECT_TRUE(clipboard.empty() || harness::SetClipboardText(clipboard.c_str()));
        ::SendMessageA(::GetFocus(), message, wParam, 1);
    };
}
inline Input Paste(const std::string& clipboard)
{
    return [=] {
        EXPECT_TRUE(harness::SetClipboardText(clipboard.c_str()));
        PressKey('V', kCtrl);
    };
}

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

// A directory or file edit with its drop window reachable, counting the picks that window
// reports.
template <class TEdit>
class CProbeEdit : public fwtest::Probe<TEdit>
{
public:
    int m_nPicks = 0;

protected:
    void OnDropWndChanged(bool keepOpen) override
    {
        ++m_nPicks;
        TEdit::OnDropWndChanged(keepOpen);
    }
};

// Which edit a test attaches: the directory edit, or the file edit read-only or writable.
enum class Edit
{
    Dir,
    File,
    WritableFile,
};

// The scratch tree laid out as kLayout, the file type manager the trees need, and the host
// dialog at (100,100) with a path edit at (10,10)-(330,34): the directory edit until a test
// attaches another. Readers of the directory edit's folder list and of the file edit's tree.
class PathEditTest : public testing::Test
{
protected:
    void SetUp() override
    {
        FileExtMgr::CreateInstance();
        for (const char* entry : kLayout)
            m_scratch.Make(entry);
        MakeEdit(Edit::Dir);
    }
    // Attaches a new edit, then hands it text as the host does.
    void MakeEdit(Edit edit, const std::string& text = "")
    {
        m_edit = edit;
        if (edit == Edit::Dir)
            Attach<CDirEdit>(true, text);
        else
            Attach<CFileEdit>(edit == Edit::File, text);
        m_beeps.Reset();
    }
    std::string Text() const { return harness::WindowText(m_pEdit->m_hWnd); }
    void SetText(const std::string& text) { m_pEdit->SetWindowText(text.c_str()); }
    bool DropVisible() const { return ::IsWindowVisible(m_pDrop->m_hWnd) != FALSE; }
    // Opens the drop window with F9 from the edit.
    void Open()
    {
        PressKey(VK_F9);
        ASSERT_TRUE(DropVisible());
    }
    // Attaches a new edit of that kind and runs the rows on it in turn; check adds what a table
    // tests beyond text and beeps.
    void RunEdits(Edit edit, const std::vector<EditCase>& cases, const std::function<void(const EditCase&)>& check = {})
    {
        MakeEdit(edit);
        for (const EditCase& c : cases)
        {
            SCOPED_TRACE(c.name);
            SetText(c.text);
            if (Text() != c.text) // put in as typing would, past the host's text rules
            {
                m_pEdit->SetSel(0, -1);
                m_pEdit->SendMessage(EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(c.text.c_str()));
            }
            m_pEdit->SetSel(c.start, c.end);
            m_beeps.Reset();
            c.input();
            EXPECT_EQ(Text(), c.after);
            EXPECT_EQ(m_beeps.Count(), c.beeps);
            if (check)
                check(c);
        }
    }
    std::string Path(const std::string& relative) const { return m_scratch.Path() + relative; }
    // A folder of the scratch tree without its trailing backslash, as a host would write it.
    std::string Folder(const std::string& relative) const
    {
        const std::string folder = m_scratch.MakeDir(relative);
        return folder.substr(0, folder.size() - 1);
    }

    CDropDirListWnd* List() const { return dynamic_cast<CDropDirListWnd*>(m_pDrop); }
    HWND ListBox() const { return ::GetDlgItem(List()->m_hWnd, CDropDirListWnd::kListId); }
    CDropDirWnd* Drop() const { return dynamic_cast<CDropDirWnd*>(m_pDrop); }
    CDropFileTree& Tree() const { return *Drop()->GetTree(); }
    HTREEITEM Item(const std::string& relative) const { return Find(Tree(), Path(relative)); }
    // The folder the list shows, or the path the tree selects.
    std::string Shown() const
    {
        return static_cast<const char*>(List() != nullptr ? List()->GetPath() : Tree().GetSelectedDir(true));
    }
    void SetExt(const std::vector<const char*>& exts)
    {
        CStringArray list;
        for (const char* ext : exts)
            list.Add(ext);
        static_cast<CFileEdit*>(m_pEdit)->SetExt(list);
    }

    harness::ScratchDir m_scratch;
    fwtest::ControlHost m_host;
    harness::CHostDialog* m_pDlg = nullptr;
    Edit m_edit = Edit::Dir;
    CDirEdit* m_pEdit = nullptr; // or the file edit derived from it
    CDropWnd* m_pDrop = nullptr;
    const int* m_pPicks = nullptr; // the edit's count of picks
    BeepCounter m_beeps;

private:
    template <class TEdit>
    void Attach(bool readOnly, const std::string& text)
    {
        auto* pEdit = m_host.Attach<CProbeEdit<TEdit>>(
            [&](CProbeEdit<TEdit>& edit) {
                edit.Init(readOnly);
                if (!text.empty())
                    edit.SetWindowText(text.c_str());
            },
            { 10, 10, 330, 34 });
        m_pDlg = m_host.Dialog();
        m_pEdit = pEdit;
        m_pDrop = pEdit->GetDropWnd();
        m_pPicks = &pEdit->m_nPicks;
    }
};
}

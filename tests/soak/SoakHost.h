// The host of the soak run and the robustness tests: one dialog holding all six controls,
// attached to its edits, plus a plain edit to move the focus to. Each control is set up as a
// host configures it, over texts and a scratch folder tree for the path controls.
#pragma once
#include <afxwin.h>
#include <algorithm>
#include <vector>
#include "AutoSuggestEdit.h"
#include "Controls.h"
#include "DateEdit.h"
#include "HostDialog.h"
#include "DirEdit.h"
#include "DropWnd.h"
#include "FileEdit.h"
#include "SelectEdit.h"
#include "TestApp.h"
#include "TimeEdit.h"

namespace soak
{
class CSoakHost : public CDialog
{
public:
    enum Control
    {
        kSelect,
        kSuggest,
        kDate,
        kTime,
        kDir,
        kFile,
        kControlCount,
    };
    enum
    {
        kFirstId = 2000, // + Control
        kOtherId = 2100,
    };

    ~CSoakHost() override
    {
        if (m_hWnd != nullptr)
            DestroyWindow();
    }

    // Creates the dialog at (x, y), hidden, with the six controls attached but not set up.
    BOOL CreateHost(int x, int y)
    {
        if (!harness::CreateEmptyDialog(*this, "soak host"))
            return FALSE;
        ::SetWindowPos(m_hWnd, nullptr, x, y, 420, 330, SWP_NOZORDER | SWP_NOACTIVATE);
        HFONT hFont = reinterpret_cast<HFONT>(SendMessage(WM_GETFONT));
        for (int i = 0; i <= kControlCount; ++i)
        {
            const int id = i < kControlCount ? kFirstId + i : kOtherId;
            // Two columns, so that the drop windows open over each other and over empty space.
            const int left = (i % 2) * 200 + 8;
            const int top = (i / 2) * 34 + 8;
            HWND hEdit = ::CreateWindowExA(WS_EX_CLIENTEDGE, "EDIT", "", WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL,
                                           left, top, 190, 24, m_hWnd,
                                           reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)), AfxGetInstanceHandle(),
                                           nullptr);
            if (hEdit == nullptr)
                return FALSE;
            ::SendMessageA(hEdit, WM_SETFONT, reinterpret_cast<WPARAM>(hFont), FALSE);
        }
        for (int i = 0; i < kControlCount; ++i)
            if (!Edit(static_cast<Control>(i)).SubclassDlgItem(kFirstId + i, this))
                return FALSE;
        return TRUE;
    }
    // Sets a control up; bReadOnly makes the selection and file edits read-only (the directory
    // edit always is).
    void Configure(Control control, const std::vector<CString>& texts, const CString& folder, bool bReadOnly)
    {
        switch (control)
        {
        case kSelect:
            m_select.SetReadOnly(bReadOnly);
            for (size_t i = 0; i < texts.size() && i < 40; ++i)
                m_select.AddText(texts[i]);
            m_select.Init();
            break;
        case kSuggest:
            m_suggest.AddText(texts);
            m_suggest.Init();
            break;
        case kDate:
        {
            // Every calendar option on: the clear and options buttons and the special dates are
            // on already.
            m_date.SetShowDateRanges(true);
            DateTime date;
            date.SetDate(2026, 12, 6);
            m_date.Init(date, true);
            break;
        }
        case kTime:
            m_time.Init(8, 18, true, true);
            break;
        case kDir:
            m_dir.Init(true);
            m_dir.SetInitBrowseToDir(folder);
            break;
        default:
            m_file.Init(bReadOnly);
            m_file.SetInitBrowseToDir(folder);
            break;
        }
    }
    // Shows the dialog, makes it the active window and puts the focus in a control.
    void Focus(Control control)
    {
        ShowWindow(SW_SHOW);
        ::SetForegroundWindow(m_hWnd);
        ::SetActiveWindow(m_hWnd);
        Edit(control).SetFocus();
        harness::Pump();
    }
    CDropBaseEdit& Edit(Control control)
    {
        CDropBaseEdit* edits[kControlCount] = { &m_select, &m_suggest, &m_date, &m_time, &m_dir, &m_file };
        return *edits[control];
    }
    HWND Other() const { return ::GetDlgItem(m_hWnd, kOtherId); }
    CString Text(Control control) const { return harness::WindowText(::GetDlgItem(m_hWnd, kFirstId + control)).c_str(); }
    static const char* Name(Control control)
    {
        const char* const names[kControlCount] = { "select", "suggest", "date", "time", "dir", "file" };
        return names[control];
    }
    // The drop windows of the thread, visible ones only when bVisibleOnly. They are found by the
    // class style every drop window is registered with; nothing else of the process uses it.
    static std::vector<CDropWnd*> DropWindows(bool bVisibleOnly)
    {
        std::vector<CDropWnd*> windows;
        const WNDENUMPROC collect = [](HWND hWnd, LPARAM lParam) -> BOOL {
            const UINT kDropClassStyle = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS | CS_CLASSDC | CS_SAVEBITS;
            if (static_cast<UINT>(::GetClassLongPtrA(hWnd, GCL_STYLE)) == kDropClassStyle)
                if (CDropWnd* pDrop = dynamic_cast<CDropWnd*>(CWnd::FromHandlePermanent(hWnd)))
                    reinterpret_cast<std::vector<CDropWnd*>*>(lParam)->push_back(pDrop);
            return TRUE;
        };
        ::EnumThreadWindows(::GetCurrentThreadId(), collect, reinterpret_cast<LPARAM>(&windows));
        if (bVisibleOnly)
            windows.erase(std::remove_if(windows.begin(), windows.end(),
                                         [](CDropWnd* pDrop) { return !::IsWindowVisible(pDrop->m_hWnd); }),
                          windows.end());
        return windows;
    }

    CSelectEdit m_select;
    CAutoSuggestEdit m_suggest;
    CDateEdit m_date;
    CTimeEdit m_time;
    CDirEdit m_dir;
    CFileEdit m_file;

protected:
    void OnOK() override {}
    void OnCancel() override {}
};
}

// The host of the soak run and the robustness tests: one dialog holding all six controls,
// attached to its edits, plus a plain edit to move the focus to. Each control is set up as a
// host configures it, over texts and a scratch folder tree for the path controls.
#pragma once
#include <afxwin.h>
#include "AutoSuggestEdit.h"
#include "DateEdit.h"
#include "DirEdit.h"
#include "FileEdit.h"
#include "SelectEdit.h"
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

    CSoakHost();
    ~CSoakHost() override;

    // Creates the dialog at (x, y), hidden, with the six controls attached but not set up.
    BOOL CreateHost(int x, int y);
    // Sets a control up; bReadOnly makes the selection and file edits read-only (the directory
    // edit always is).
    void Configure(Control control, const std::vector<CString>& texts, const CString& folder, bool bReadOnly);
    // Shows the dialog, makes it the active window and puts the focus in a control.
    void Focus(Control control);
    CDropBaseEdit& Edit(Control control);
    HWND Other() const { return ::GetDlgItem(m_hWnd, kOtherId); }
    CString Text(Control control) const;
    static const char* Name(Control control);

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

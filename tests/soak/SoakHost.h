// The soak test's host: one dialog holding all six controls as a host would configure them,
// plus a plain edit to move the focus to, over a scratch folder tree for the path controls.
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

    // Creates and shows the dialog at (x, y) with the controls set up over texts and a folder.
    BOOL CreateHost(int x, int y, const std::vector<CString>& texts, const CString& folder);
    CDropBaseEdit& Edit(Control control);
    HWND Other() const { return ::GetDlgItem(m_hWnd, kOtherId); }
    CString Text(Control control) const;

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

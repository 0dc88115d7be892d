// The example host's dialog: one of each control of the library, attached to the plain edit
// boxes of the dialog resource. Headless, it runs a CPickCheck on the city edit after it is
// shown and ends with IDOK when the check passed, IDCANCEL when it failed.
#pragma once
#include <afxwin.h>
#include "AutoSuggestEdit.h"
#include "DateEdit.h"
#include "DirEdit.h"
#include "FileEdit.h"
#include "SelectEdit.h"
#include "TimeEdit.h"

class CPickCheck;

class CHostDlg : public CDialog
{
public:
    explicit CHostDlg(bool bHeadless);
    ~CHostDlg() override;

protected:
    BOOL OnInitDialog() override;

    afx_msg LRESULT OnStartCheck(WPARAM wParam, LPARAM lParam);
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    DECLARE_MESSAGE_MAP()

private:
    void EndCheck(bool bPassed, const CString& why);

    CSelectEdit m_city;
    CAutoSuggestEdit m_word;
    CDateEdit m_date;
    CTimeEdit m_time;
    CDirEdit m_folder;
    CFileEdit m_file;

    bool m_bHeadless;
    CPickCheck* m_pCheck; // owned; made when the headless check starts
};

// The gallery's form: the six controls attached to its edit boxes by subclassing, each with the
// value the host reads back beside it, and a pane of what reaches the host.
#pragma once
#include <afxwin.h>
#include "AutoSuggestEdit.h"
#include "DateEdit.h"
#include "DirEdit.h"
#include "FileEdit.h"
#include "SelectEdit.h"
#include "TimeEdit.h"

class CGalleryLogger;

class CGalleryDlg : public CDialog
{
public:
    enum Row
    {
        kPickReadOnly,
        kPickEditable,
        kSuggest,
        kDate,
        kTime,
        kFolder,
        kFile,
        kRowCount,
    };

    explicit CGalleryDlg(CGalleryLogger* pLogger);
    ~CGalleryDlg() override;

    // Creates the form as a child of pParent.
    BOOL CreateForm(CWnd* pParent);
    // The host's side of a move: open drop windows follow.
    void OnHostMoved();

    CDropBaseEdit& Control(Row row);
    // What the host shows beside a control: its text, or GetDate/GetTime for the date and time.
    CString ReadBack(Row row) const;
    CString ValueText(Row row) const;
    void Log(const CString& line);

    CSelectEdit m_pickReadOnly;
    CSelectEdit m_pickEditable;
    CAutoSuggestEdit m_suggest;
    CDateEdit m_date;
    CTimeEdit m_time;
    CDirEdit m_folder;
    CFileEdit m_file;

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    afx_msg LRESULT OnDateRangeChanged(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnPromptSaveWebPage(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    void SetUpControls();
    void UpdateValue(Row row);

    CGalleryLogger* m_pLogger;
    CListBox m_log;
};

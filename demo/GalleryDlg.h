// The gallery dialog. For now it shows that the window framework works: a text, a list it is
// added to, and a count read back through the dialog's message map.
#pragma once
#include <afxwin.h>

class CGalleryDlg : public CDialog
{
public:
    explicit CGalleryDlg(const CString& strScreenshotFolder);

protected:
    BOOL OnInitDialog() override;
    afx_msg void OnAdd();
    afx_msg void OnTextChange();
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    DECLARE_MESSAGE_MAP()

private:
    void UpdateCount();

    CString m_strScreenshotFolder;
    CEdit m_edit;
    CListBox m_list;
};

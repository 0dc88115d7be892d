#include "GalleryDlg.h"
#include "PngWriter.h"
#include "resource.h"

namespace
{
const UINT_PTR kScreenshotTimer = 1;
// Time for the display server to show what was painted before the screen is read back.
const UINT kScreenshotDelayMs = 500;
}

BEGIN_MESSAGE_MAP(CGalleryDlg, CDialog)
    ON_BN_CLICKED(IDC_ADD, OnAdd)
    ON_EN_CHANGE(IDC_TEXT, OnTextChange)
    ON_WM_TIMER()
END_MESSAGE_MAP()

CGalleryDlg::CGalleryDlg(const CString& strScreenshotFolder)
    : CDialog(IDD_GALLERY), m_strScreenshotFolder(strScreenshotFolder)
{
}

BOOL CGalleryDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_edit.SubclassDlgItem(IDC_TEXT, this);
    m_list.SubclassDlgItem(IDC_LIST, this);
    const char* samples[] = { "Amsterdam", "Berlin", "Copenhagen", "Dublin" };
    for (const char* sample : samples)
        m_list.AddString(sample);
    m_edit.SetWindowText("Edinburgh");
    UpdateCount();
    if (!m_strScreenshotFolder.IsEmpty())
        SetTimer(kScreenshotTimer, kScreenshotDelayMs, nullptr);
    return TRUE;
}

void CGalleryDlg::OnAdd()
{
    CString text;
    m_edit.GetWindowText(text);
    text.Trim();
    if (text.IsEmpty())
    {
        ::MessageBeep(MB_ICONEXCLAMATION);
        return;
    }
    m_list.SetCurSel(m_list.AddString(text));
    m_edit.SetWindowText("");
    UpdateCount();
}

void CGalleryDlg::OnTextChange() { GetDlgItem(IDC_ADD)->EnableWindow(m_edit.GetWindowTextLength() > 0); }

void CGalleryDlg::UpdateCount()
{
    CString count;
    count.Format("%d entries", m_list.GetCount());
    SetDlgItemText(IDC_COUNT, count);
}

void CGalleryDlg::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent != kScreenshotTimer)
        return;
    KillTimer(kScreenshotTimer);
    RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    RECT rc;
    GetWindowRect(&rc);
    CString path = m_strScreenshotFolder + "\\gallery.png";
    BOOL ok = WriteScreenPng(rc, path);
    EndDialog(ok ? IDOK : IDABORT);
}

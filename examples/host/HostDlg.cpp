#include "HostDlg.h"
#include "DateTime.h"
#include "LibraryVersion.h"
#include "PickCheck.h"
#include "resource.h"

namespace
{
const UINT WM_APP_START_CHECK = WM_APP + 1;
const UINT_PTR kPollTimer = 1;
const UINT kPollMs = 20;

// Headless runs have nobody to read a dialog: the result goes to the standard error stream.
void Report(const CString& line)
{
    const CString text = "host: " + line + "\n";
    DWORD written = 0;
    ::WriteFile(::GetStdHandle(STD_ERROR_HANDLE), static_cast<LPCSTR>(text),
                static_cast<DWORD>(text.GetLength()), &written, nullptr);
    ::OutputDebugStringA(text);
}
}

BEGIN_MESSAGE_MAP(CHostDlg, CDialog)
    ON_MESSAGE(WM_APP_START_CHECK, OnStartCheck)
    ON_WM_TIMER()
END_MESSAGE_MAP()

CHostDlg::CHostDlg(bool bHeadless)
    : CDialog(IDD_HOST), m_bHeadless(bHeadless), m_pCheck(nullptr)
{
}

CHostDlg::~CHostDlg()
{
    delete m_pCheck;
    m_pCheck = nullptr;
}

BOOL CHostDlg::OnInitDialog()
{
    CDialog::OnInitDialog();

    m_city.SubclassDlgItem(IDC_CITY, this);
    m_city.SetReadOnly(true);
    m_city.AddText(CString("Amsterdam"));
    m_city.AddText(CString("Berlin"));
    m_city.AddText(CString("Copenhagen"));
    m_city.Init();
    m_city.SetWindowText("Amsterdam");

    m_word.SubclassDlgItem(IDC_WORD, this);
    m_word.AddText(std::vector<CString>{ "apple", "apricot", "banana", "blueberry", "cherry" });
    m_word.Init();

    DateTime today;
    today.SetToCurrent();
    m_date.SubclassDlgItem(IDC_DATE, this);
    m_date.SetShowClearButton(true);
    m_date.Init(today, true);

    m_time.SubclassDlgItem(IDC_TIME, this);
    m_time.Init(8, 18, true, true);

    char windows[MAX_PATH] = "";
    ::GetWindowsDirectoryA(windows, MAX_PATH);
    m_folder.SubclassDlgItem(IDC_FOLDER, this);
    m_folder.Init(true);
    m_folder.SetInitBrowseToDir(windows);

    m_file.SubclassDlgItem(IDC_FILE, this);
    m_file.Init(false);
    CStringArray exts;
    exts.Add("ini");
    m_file.SetExt(exts);
    m_file.SetInitBrowseToDir(windows);

    // The check starts once the dialog is on screen and its message loop runs.
    if (m_bHeadless)
        PostMessage(WM_APP_START_CHECK);
    return TRUE;
}

LRESULT CHostDlg::OnStartCheck(WPARAM, LPARAM)
{
    // Every DLL of the package carries the version the package file names.
    for (LPCSTR dll : { "orv059.dll", "orvui.dll", "orvutil.dll", "afxlite.dll" })
    {
        const CString version = LibraryVersion::Read(dll);
        if (version != ORV059_PACKAGE_VERSION)
        {
            EndCheck(false, CString(dll) + " says version '" + version + "', the package " ORV059_PACKAGE_VERSION);
            return 0;
        }
    }
    SetForegroundWindow();
    m_pCheck = new CPickCheck(m_city, *this, "Berlin");
    if (!m_pCheck->Start())
    {
        EndCheck(false, m_pCheck->GetFailure());
        return 0;
    }
    SetTimer(kPollTimer, kPollMs, nullptr);
    return 0;
}

void CHostDlg::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent != kPollTimer || m_pCheck == nullptr)
    {
        CDialog::OnTimer(nIDEvent);
        return;
    }
    switch (m_pCheck->Poll())
    {
    case CPickCheck::Running:
        break;
    case CPickCheck::Passed:
        EndCheck(true, m_pCheck->GetResult());
        break;
    case CPickCheck::Failed:
        EndCheck(false, m_pCheck->GetFailure());
        break;
    }
}

void CHostDlg::EndCheck(bool bPassed, const CString& why)
{
    KillTimer(kPollTimer);
    Report(CString(bPassed ? "passed: " : "FAILED: ") + why);
    EndDialog(bPassed ? IDOK : IDCANCEL);
}

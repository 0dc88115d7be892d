#include "GalleryDlg.h"
#include "CalendarWnd.h"
#include "GalleryLogger.h"
#include "resource.h"
#include <shlobj.h>

BEGIN_MESSAGE_MAP(CGalleryDlg, CDialog)
    ON_REGISTERED_MESSAGE(CCalendarWnd::CALWND_DATERANGE_CHANGED, OnDateRangeChanged)
    ON_REGISTERED_MESSAGE(CCalendarWnd::CALWND_PROMPT_SAVEWEBPAGE, OnPromptSaveWebPage)
END_MESSAGE_MAP()

namespace
{
const UINT kControlIds[CGalleryDlg::kRowCount] = { IDC_PICK_RO, IDC_PICK_ED, IDC_SUGGEST, IDC_DATE,
                                                   IDC_TIME,    IDC_FOLDER,  IDC_FILE };
const char* const kRowNames[CGalleryDlg::kRowCount] = { "pick (read-only)", "pick or type", "suggest", "date",
                                                        "time",             "folder",       "text file" };

// The auto-suggest words, one per line in the gallery's resources.
std::vector<CString> LoadWords()
{
    std::vector<CString> words;
    HINSTANCE hInst = AfxGetResourceHandle();
    HRSRC hRes = ::FindResourceA(hInst, MAKEINTRESOURCEA(IDR_WORDS), MAKEINTRESOURCEA(10) /*RT_RCDATA*/);
    HGLOBAL hData = hRes != nullptr ? ::LoadResource(hInst, hRes) : nullptr;
    const char* p = hData != nullptr ? static_cast<const char*>(::LockResource(hData)) : nullptr;
    const DWORD cb = hRes != nullptr ? ::SizeofResource(hInst, hRes) : 0;
    if (p == nullptr)
        return words;
    words.reserve(cb / 8);
    const char* end = p + cb;
    while (p < end)
    {
        const char* eol = p;
        while (eol < end && *eol != '\n' && *eol != '\r')
            ++eol;
        if (eol > p)
            words.push_back(CString(p, static_cast<int>(eol - p)));
        p = eol + 1;
    }
    return words;
}

CString DocumentsFolder()
{
    char path[MAX_PATH] = {};
    if (FAILED(::SHGetFolderPathA(nullptr, CSIDL_PERSONAL, nullptr, SHGFP_TYPE_CURRENT, path)))
        return CString();
    return CString(path);
}

CString FormatDate(const DateTime& date)
{
    if (!date.IsValidDate())
        return "GetDate: no date";
    CString text;
    text.Format("GetDate: %04d-%02d-%02d", date.GetYear(), date.GetMonth(), date.GetDay());
    return text;
}

CString FormatTime(const DateTime& time)
{
    if (!time.IsValidTime())
        return "GetTime: no time";
    CString text;
    text.Format("GetTime: %02d:%02d", time.GetHour(), time.GetMinute());
    return text;
}
}

CGalleryDlg::CGalleryDlg(CGalleryLogger* pLogger) : CDialog(IDD_GALLERY), m_pLogger(pLogger) {}

CGalleryDlg::~CGalleryDlg()
{
    if (m_pLogger != nullptr)
        m_pLogger->SetPane(nullptr);
}

BOOL CGalleryDlg::CreateForm(CWnd* pParent)
{
    return Create(IDD_GALLERY, pParent);
}

BOOL CGalleryDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_log.SubclassDlgItem(IDC_LOG, this);
    m_log.SetHorizontalExtent(1200);
    if (m_pLogger != nullptr)
        m_pLogger->SetPane(&m_log);
    SetUpControls();
    for (int row = 0; row < kRowCount; ++row)
        UpdateValue(static_cast<Row>(row));
    return TRUE;
}

void CGalleryDlg::SetUpControls()
{
    static const char* const kCities[] = { "Amsterdam", "Berlin",  "Copenhagen", "Dublin", "Edinburgh",
                                           "Florence",  "Geneva",  "Helsinki",   "Lisbon", "Madrid",
                                           "Oslo",      "Prague",  "Rome",       "Vienna", "Warsaw" };
    m_pickReadOnly.SubclassDlgItem(IDC_PICK_RO, this);
    m_pickReadOnly.SetReadOnly(true);
    for (const char* city : kCities)
        m_pickReadOnly.AddText(CString(city));
    m_pickReadOnly.Init();
    m_pickReadOnly.SetWindowText("Geneva");

    // An editable pick that passes the closing of its list on to the host's windows.
    static const char* const kColours[] = { "amber", "blue", "crimson", "green", "indigo", "olive", "teal" };
    m_pickEditable.SubclassDlgItem(IDC_PICK_ED, this);
    for (const char* colour : kColours)
        m_pickEditable.AddText(CString(colour));
    m_pickEditable.SetEnterKeyOptions(true, true);
    m_pickEditable.Init();

    m_suggest.SubclassDlgItem(IDC_SUGGEST, this);
    const std::vector<CString> words = LoadWords();
    m_suggest.AddText(words);
    m_suggest.Init();
    CString note;
    note.Format("%d words to suggest from", static_cast<int>(words.size()));
    Log(note);

    m_date.SubclassDlgItem(IDC_DATE, this);
    m_date.SetShowSpecialDates(true);
    m_date.SetShowClearButton(true);
    m_date.SetShowOptionsButton(true);
    m_date.SetShowGenerateHTML(true);
    m_date.SetShowDateRanges(true);
    DateTime today;
    SYSTEMTIME st;
    ::GetLocalTime(&st);
    today.SetDate(st.wYear, st.wMonth, st.wDay);
    m_date.Init(today, true);

    m_time.SubclassDlgItem(IDC_TIME, this);
    m_time.Init(8, 18, false, true);
    DateTime nine;
    nine.SetTime(9, 30, 0);
    m_time.SetTime(nine, false);

    m_folder.SubclassDlgItem(IDC_FOLDER, this);
    m_folder.Init(true);
    m_folder.SetInitBrowseToDir(DocumentsFolder());

    m_file.SubclassDlgItem(IDC_FILE, this);
    m_file.Init(false);
    m_file.SetInitBrowseToDir(DocumentsFolder());
    CStringArray exts;
    exts.Add("txt");
    m_file.SetExt(exts);
}

CDropBaseEdit& CGalleryDlg::Control(Row row)
{
    CDropBaseEdit* controls[kRowCount] = { &m_pickReadOnly, &m_pickEditable, &m_suggest, &m_date,
                                           &m_time,         &m_folder,       &m_file };
    return *controls[row];
}

CString CGalleryDlg::ReadBack(Row row) const
{
    switch (row)
    {
    case kDate:
        return FormatDate(m_date.GetDate());
    case kTime:
        return FormatTime(m_time.GetTime());
    default:
    {
        CString text;
        const_cast<CGalleryDlg*>(this)->Control(row).GetWindowText(text);
        return text.IsEmpty() ? CString("(empty)") : text;
    }
    }
}

CString CGalleryDlg::ValueText(Row row) const
{
    CString text;
    GetDlgItemText(IDC_VALUE_FIRST + row, text);
    return text;
}

void CGalleryDlg::UpdateValue(Row row)
{
    SetDlgItemText(IDC_VALUE_FIRST + row, ReadBack(row));
}

void CGalleryDlg::Log(const CString& line)
{
    if (m_pLogger != nullptr)
        m_pLogger->AddLine(line);
}

void CGalleryDlg::OnHostMoved()
{
    for (int row = 0; row < kRowCount; ++row)
        if (::IsWindow(Control(static_cast<Row>(row)).m_hWnd))
            Control(static_cast<Row>(row)).OnAppMove();
}

BOOL CGalleryDlg::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (HIWORD(wParam) == EN_CHANGE)
    {
        for (int row = 0; row < kRowCount; ++row)
        {
            if (LOWORD(wParam) != kControlIds[row])
                continue;
            UpdateValue(static_cast<Row>(row));
            Log(CString("EN_CHANGE from ") + kRowNames[row] + ": " + ReadBack(static_cast<Row>(row)));
            return TRUE;
        }
    }
    return CDialog::OnCommand(wParam, lParam);
}

// Enter and Escape in a form inside a main window close nothing; the forwarded close of the
// editable pick arrives here as an Escape key.
void CGalleryDlg::OnOK()
{
    Log("Enter reached the form");
}

void CGalleryDlg::OnCancel()
{
    Log("Escape reached the form");
}

LRESULT CGalleryDlg::OnDateRangeChanged(WPARAM, LPARAM)
{
    Log("calendar: shown date range changed");
    return 0;
}

LRESULT CGalleryDlg::OnPromptSaveWebPage(WPARAM, LPARAM)
{
    char folder[MAX_PATH] = {};
    ::GetTempPathA(MAX_PATH, folder);
    const CString path = CString(folder) + "calendar.html";
    Log(m_date.SaveCalendarWebPage(path) ? "calendar saved as " + path : "calendar could not be saved");
    return 0;
}

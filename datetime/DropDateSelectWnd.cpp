#include "DropDateSelectWnd.h"
#include "AppLogger.h"
#include "CalendarWnd.h"
#include "DropBaseEdit.h"
#include "DropMessages.h"
#include "FaultInjection.h"

BEGIN_MESSAGE_MAP(CDropDateSelectWnd, CDropWnd)
    ON_WM_CREATE()
    ON_WM_SIZE()
    ON_WM_SETFOCUS()
    ON_REGISTERED_MESSAGE(CCalendarWnd::CALWND_ONSELCHANGE, OnCalSelChange)
    ON_REGISTERED_MESSAGE(CCalendarWnd::CALWND_ONNODATE, OnCalNoDate)
    ON_REGISTERED_MESSAGE(CCalendarWnd::CALWND_ENTERKEY, OnCalEnterKey)
    ON_REGISTERED_MESSAGE(CCalendarWnd::CALWND_ESCKEY, OnCalEscKey)
    ON_REGISTERED_MESSAGE(CCalendarWnd::CALWND_DATERANGE_CHANGED, OnCalDateRangeChanged)
    ON_REGISTERED_MESSAGE(CCalendarWnd::CALWND_PROMPT_SAVEWEBPAGE, OnCalPromptSaveWebPage)
END_MESSAGE_MAP()

namespace
{
const UINT kCalendarId = 2600;

bool CanHoldFocus(HWND hWnd)
{
    return ::IsWindow(hWnd) && ::IsWindowVisible(hWnd) && ::IsWindowEnabled(hWnd);
}

void LogFailure(const char* pszTag)
{
    if (AppLogger::m_pInstance != nullptr)
        AppLogger::m_pInstance->AddLine(CString(pszTag));
}
}

CDropDateSelectWnd::CDropDateSelectWnd()
    : m_bHasDate(true),
      m_bShowSpecialDates(false),
      m_bShowClearButton(false),
      m_bShowOptionsButton(true),
      m_bShowGenerateHTML(true),
      m_bShowDateRanges(false),
      m_pCalendar(FaultInjection::New<CCalendarWnd>())
{
}

CDropDateSelectWnd::~CDropDateSelectWnd()
{
    delete m_pCalendar;
    m_pCalendar = nullptr;
}

CDropDateSelectWnd* CDropDateSelectWnd::FromDropWnd(CDropWnd* pDropWnd)
{
    return dynamic_cast<CDropDateSelectWnd*>(pDropWnd);
}

bool CDropDateSelectWnd::IsCalendarWindow() const
{
    return m_pCalendar != nullptr && ::IsWindow(m_pCalendar->m_hWnd);
}

// ---------------------------------------------------------------------------------------------
// Operations

void CDropDateSelectWnd::SetDate(const DateTime& date)
{
    if (!IsCalendarWindow())
        return;
    m_bHasDate = date.IsValidDate();
    m_pCalendar->SetDate(date);
}

DateTime CDropDateSelectWnd::GetDate()
{
    if (!IsCalendarWindow())
    {
        LogFailure("{58A13DD4-92EC-4DEE-BC13-5D0BE6EBE1FB}");
        return DateTime();
    }
    // The calendar may still show an older day after the user chose "no date".
    return m_bHasDate ? m_pCalendar->m_date : DateTime();
}

CWnd* CDropDateSelectWnd::GetFirstControl()
{
    return m_pCalendar;
}

CWnd* CDropDateSelectWnd::GetLastControl()
{
    return m_pCalendar;
}

// ---------------------------------------------------------------------------------------------
// Window messages

int CDropDateSelectWnd::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CDropWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    // Without its calendar the window is still made: the edit then works as a plain date box.
    const bool bCreated = m_pCalendar != nullptr &&
                          !FaultInjection::ShouldFail(FaultInjection::kWindowCreation) &&
                          m_pCalendar->Create(kCalendarId, CRect(0, 0, 100, 100), m_bShowSpecialDates, this,
                                              m_bShowClearButton, m_bShowOptionsButton, m_bShowGenerateHTML,
                                              m_bShowDateRanges);
    if (!bCreated)
        LogFailure("{70CA8341-48D9-4E77-966F-8380E0E03458}");
    return 0;
}

void CDropDateSelectWnd::OnSize(UINT nType, int cx, int cy)
{
    CDropWnd::OnSize(nType, cx, cy);
    if (IsCalendarWindow())
        m_pCalendar->MoveWindow(0, 0, cx, cy, TRUE);
}

void CDropDateSelectWnd::OnSetFocus(CWnd* pOldWnd)
{
    // Focus that falls back here from inside the calendar, from a control that can no longer
    // hold it, belongs to the edit. A control that still can hold it lost the focus only because
    // activating this popup focused the window itself (SetFocus on an inactive popup activates
    // it and then sets the focus once more): that focus goes on to the calendar as usual.
    if (pOldWnd != nullptr && m_pCalendar != nullptr && ::IsWindow(m_pCalendar->m_hWnd) &&
        ::IsChild(m_pCalendar->m_hWnd, pOldWnd->m_hWnd) && !CanHoldFocus(pOldWnd->m_hWnd) && m_pEdit != nullptr)
    {
        m_pEdit->SetFocus();
        return;
    }
    CDropWnd::OnSetFocus(pOldWnd);
}

// ---------------------------------------------------------------------------------------------
// Calendar notifications

LRESULT CDropDateSelectWnd::OnCalSelChange(WPARAM /*wParam*/, LPARAM lParam)
{
    m_bHasDate = true;
    if (m_pEdit != nullptr)
        m_pEdit->OnDropWndChanged(lParam == 1);
    return 0;
}

LRESULT CDropDateSelectWnd::OnCalNoDate(WPARAM /*wParam*/, LPARAM /*lParam*/)
{
    m_bHasDate = false;
    if (m_pEdit != nullptr)
        m_pEdit->OnDropWndChanged(true);
    SendMessage(WM_DROPWND_CHILD_CLOSE, 1, 0);
    return 0;
}

LRESULT CDropDateSelectWnd::OnCalEnterKey(WPARAM /*wParam*/, LPARAM /*lParam*/)
{
    SendMessage(WM_DROPWND_CHILD_CLOSE, 1, 0);
    return 0;
}

LRESULT CDropDateSelectWnd::OnCalEscKey(WPARAM /*wParam*/, LPARAM /*lParam*/)
{
    SendMessage(WM_DROPWND_CHILD_CLOSE, 0, 0);
    return 0;
}

LRESULT CDropDateSelectWnd::OnCalDateRangeChanged(WPARAM wParam, LPARAM lParam)
{
    ForwardToEditParent(CCalendarWnd::CALWND_DATERANGE_CHANGED, wParam, lParam);
    return 0;
}

// The prompt keeps its own identifier: under the range identifier the host could not tell
// "save the page" from "the months changed".
LRESULT CDropDateSelectWnd::OnCalPromptSaveWebPage(WPARAM wParam, LPARAM lParam)
{
    ForwardToEditParent(CCalendarWnd::CALWND_PROMPT_SAVEWEBPAGE, wParam, lParam);
    return 0;
}

void CDropDateSelectWnd::ForwardToEditParent(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (m_pEdit == nullptr || !::IsWindow(m_pEdit->m_hWnd))
        return;
    CWnd* pParent = m_pEdit->GetParent();
    if (pParent != nullptr)
        pParent->SendMessage(message, wParam, lParam);
}

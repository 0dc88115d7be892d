#include "DropTimeSelectWnd.h"
#include "AppLogger.h"
#include "BkgStyle.h"
#include "DropBaseEdit.h"
#include "FaultInjection.h"
#include "SelectionList.h"
#include "ShadeButton.h"
#include <algorithm>

BEGIN_MESSAGE_MAP(CDropTimeSelectWnd, CDropTextSelectWnd)
    ON_WM_SIZE()
    ON_BN_CLICKED(2602, OnIncreaseInterval)
    ON_BN_CLICKED(2603, OnDecreaseInterval)
END_MESSAGE_MAP()

namespace
{
const UINT kIncreaseId = 2602;
const UINT kDecreaseId = 2603;
const UINT kDetailId = 2604;
const int kStripHeight = 20;
const int kFixedWidth = 100;
const int kMinutesPerDay = 24 * 60;
const int kDefaultInterval = 60;
// Rows shown above the time when the list had to scroll to it.
const int kContextRows = 2;

void LogTag(const char* tag)
{
    if (AppLogger::m_pInstance != nullptr)
        AppLogger::m_pInstance->AddLine(CString(tag));
}

ShadeProps* CurrentShading()
{
    ShadeProps* pProps = nullptr;
    BkgStyle* pStyle = BkgStyle::GetInstance();
    if (pStyle != nullptr)
        pStyle->Get(BkgStyle::DropWindowButtons, pProps);
    return pProps;
}

bool IsButtonWindow(const CShadeButton* pButton)
{
    return pButton != nullptr && ::IsWindow(pButton->m_hWnd);
}

CString TimeText(int minuteOfDay)
{
    DateTime time;
    time.SetTime(minuteOfDay / 60, minuteOfDay % 60, 0);
    return DateTime::ConvertTimeToText(time, false);
}
}

CDropTimeSelectWnd::CDropTimeSelectWnd(TextArray* texts, bool allowEmpty)
    : CDropTextSelectWnd(texts),
      m_bAllowEmpty(allowEmpty),
      m_nFirstHour(0),
      m_nLastHour(0),
      m_nInterval(30),
      m_pIncreaseBtn(FaultInjection::New<CShadeButton>()),
      m_pDecreaseBtn(FaultInjection::New<CShadeButton>()),
      m_pDetailLabel(FaultInjection::New<CShadeButton>())
{
}

CDropTimeSelectWnd::~CDropTimeSelectWnd()
{
    delete m_pIncreaseBtn;
    m_pIncreaseBtn = nullptr;
    delete m_pDecreaseBtn;
    m_pDecreaseBtn = nullptr;
    delete m_pDetailLabel;
    m_pDetailLabel = nullptr;
}

CDropTimeSelectWnd* CDropTimeSelectWnd::FromDropWnd(CDropWnd* pDropWnd)
{
    return dynamic_cast<CDropTimeSelectWnd*>(pDropWnd);
}

int CDropTimeSelectWnd::ValidInterval(long long minutes)
{
    return minutes >= 1 && minutes < kMinutesPerDay ? static_cast<int>(minutes) : kDefaultInterval;
}

int CDropTimeSelectWnd::NextInterval(int interval, bool coarser)
{
    static const int steps[] = { 1, 5, 10, 15, 30, 60 };
    const int* const end = steps + sizeof(steps) / sizeof(steps[0]);
    const int* pStep = std::find(steps, end, interval);
    if (pStep == end)
        return interval;
    if (coarser)
        return pStep + 1 < end ? pStep[1] : interval;
    return pStep > steps ? pStep[-1] : interval;
}

bool CDropTimeSelectWnd::IsListReady() const
{
    return m_pList != nullptr && ::IsWindow(m_pList->m_hWnd);
}

// ---------------------------------------------------------------------------------------------
// Setup and the strip of buttons

bool CDropTimeSelectWnd::CreateStripButton(CShadeButton* pButton, LPCSTR caption, DWORD style, int width,
                                           UINT id, const char* failTag)
{
    if (FaultInjection::ShouldFail(FaultInjection::kWindowCreation) ||
        !pButton->Create(caption, style, CRect(0, 0, ScaleToEdit(width), ScaleToEdit(kStripHeight)), this, id))
    {
        LogTag(failTag);
        return false;
    }
    return true;
}

void CDropTimeSelectWnd::Setup(UINT interval, UINT firstHour, UINT lastHour)
{
    m_nFirstHour = static_cast<int>(std::min(firstHour, 23u));
    m_nLastHour = static_cast<int>(std::min(lastHour, 24u));
    m_nInterval = ValidInterval(interval);
    if (m_pIncreaseBtn == nullptr)
        return LogTag("{BC122A7F-CA8B-42C1-9BD4-5C39A7A58A3E}");
    if (m_pDecreaseBtn == nullptr)
        return LogTag("{25F4F0B3-1FE5-4F04-AEF0-7C3DF24FE305}");
    if (m_pDetailLabel == nullptr)
        return LogTag("{4A76A579-0E56-4602-8203-9B1B302ADC42}");
    // Without its own window (its creation failed and was logged) there is nothing to fill.
    if (!::IsWindow(m_hWnd))
        return;

    FillTimeList();
    ShadeProps* pShade = CurrentShading();
    const DWORD buttonStyle = WS_CHILD | WS_VISIBLE | WS_TABSTOP;
    if (CreateStripButton(m_pIncreaseBtn, "", buttonStyle, 25, kIncreaseId, "{52ED2525-3F7D-4AE2-BC00-12CE2312EB95}"))
    {
        if (pShade != nullptr)
            m_pIncreaseBtn->SetShadeProps(*pShade);
        m_pIncreaseBtn->SetIcon(ORVIcon::Coarser, BS_CENTER, BS_VCENTER, false);
    }
    if (CreateStripButton(m_pDecreaseBtn, "", buttonStyle, 25, kDecreaseId, "{092C0139-38FB-4B71-B161-03944D77358E}"))
    {
        if (pShade != nullptr)
            m_pDecreaseBtn->SetShadeProps(*pShade);
        m_pDecreaseBtn->SetIcon(ORVIcon::Finer, BS_CENTER, BS_VCENTER, false);
    }
    UpdateIntervalButtons();
    if (CreateStripButton(m_pDetailLabel, "Detail", WS_CHILD | WS_VISIBLE, 50, kDetailId,
                          "{99BDCCB9-8851-42E2-82A4-C669EF59861C}"))
    {
        if (pShade != nullptr)
            m_pDetailLabel->SetShadeProps(*pShade);
        m_pDetailLabel->SetRegularFontWhenDisabled(true, true);
        m_pDetailLabel->EnableWindow(FALSE);
    }
    ApplyFixedSize();
}

void CDropTimeSelectWnd::ApplyFixedSize()
{
    const int width = ScaleToEdit(kFixedWidth);
    if (m_nPreferredWidth == width && m_nPreferredHeight == 0)
        return;
    m_nPreferredWidth = width;
    m_nPreferredHeight = 0;
    if (m_pEdit != nullptr)
        m_pEdit->OnAppMove();
}

void CDropTimeSelectWnd::ApplyBkgShading()
{
    ShadeProps* pShade = CurrentShading();
    if (pShade == nullptr)
        return;
    for (CShadeButton* pButton : { m_pIncreaseBtn, m_pDecreaseBtn, m_pDetailLabel })
        if (pButton != nullptr)
            pButton->SetShadeProps(*pShade);
}

// The focus leaves a button before it is disabled, so that the button just pressed never keeps
// it; a focus elsewhere (the edit's, while the window is still hidden at setup) stays put.
void CDropTimeSelectWnd::UpdateIntervalButtons()
{
    if (!IsButtonWindow(m_pIncreaseBtn) || !IsButtonWindow(m_pDecreaseBtn))
        return;
    const auto disable = [](CShadeButton* pOff, CShadeButton* pOn) {
        if (::GetFocus() == pOff->m_hWnd)
            pOn->SetFocus();
        pOff->EnableWindow(FALSE);
        pOn->EnableWindow(TRUE);
    };
    if (m_nInterval == 1)
        disable(m_pDecreaseBtn, m_pIncreaseBtn);
    else if (m_nInterval == 60)
        disable(m_pIncreaseBtn, m_pDecreaseBtn);
    else
    {
        m_pDecreaseBtn->EnableWindow(TRUE);
        m_pIncreaseBtn->EnableWindow(TRUE);
    }
}

void CDropTimeSelectWnd::ChangeInterval(bool coarser)
{
    m_nInterval = NextInterval(m_nInterval, coarser);
    UpdateIntervalButtons();
    FillTimeList();
    SelectTime();
}

void CDropTimeSelectWnd::OnIncreaseInterval()
{
    ChangeInterval(true);
}

void CDropTimeSelectWnd::OnDecreaseInterval()
{
    ChangeInterval(false);
}

// ---------------------------------------------------------------------------------------------
// The times

// Minutes are counted from the first hour rather than stepped on the clock, so that no interval
// can wrap past midnight into times already listed.
void CDropTimeSelectWnd::FillTimeList()
{
    if (m_pList == nullptr || m_nInterval <= 0 || m_pTexts == nullptr)
        return;
    const bool bList = IsListReady();
    m_pTexts->RemoveAll();
    const int first = m_nFirstHour * 60;
    const int end = std::min((m_nLastHour + 1) * 60, kMinutesPerDay);
    const int count = first < end ? (end - first + m_nInterval - 1) / m_nInterval : 0;
    m_pTexts->Reserve(static_cast<size_t>(count) + 1);
    if (m_bAllowEmpty)
        m_pTexts->Add(CString());
    for (int minute = first; minute < end; minute += m_nInterval)
        m_pTexts->Add(TimeText(minute));
    if (!bList)
        return;

    m_pList->ShowTexts(m_pTexts, 0, m_pTexts->GetCount());
}

int CDropTimeSelectWnd::FindTimeRow(bool& bExact) const
{
    bExact = false;
    const int exact = m_pList->FindStringExact(-1, DateTime::ConvertTimeToText(m_time, false));
    if (exact != LB_ERR)
    {
        bExact = true;
        return exact;
    }
    // The listed times are first * 60 + k * interval minutes; a time with seconds is past its
    // minute.
    const int first = m_nFirstHour * 60;
    const int end = std::min((m_nLastHour + 1) * 60, kMinutesPerDay);
    const int minute = m_time.GetHour() * 60 + m_time.GetMinute() + (m_time.GetSecond() > 0 ? 1 : 0);
    int next = first;
    if (minute > first)
        next = first + (minute - first + m_nInterval - 1) / m_nInterval * m_nInterval;
    if (next >= end)
        next = first; // the next listed time is the first one of the next day
    const int row = m_pList->FindStringExact(-1, TimeText(next));
    return row == LB_ERR ? -1 : row;
}

void CDropTimeSelectWnd::SelectTime()
{
    if (!IsListReady() || !m_time.IsValidTime())
        return;
    bool bExact = false;
    const int row = FindTimeRow(bExact);
    if (row < 0)
        return;
    m_pList->SetCurSel(row);
    if (m_pList->GetTopIndex() >= kContextRows)
        m_pList->SetTopIndex(row - kContextRows);
}

void CDropTimeSelectWnd::MoveSelection(bool up)
{
    if (!IsListReady() || m_pList->GetCount() <= 0)
        return;
    SelectTime();
    bool bExact = true;
    if (m_time.IsValidTime())
        FindTimeRow(bExact);
    const int current = m_pList->GetCurSel();
    int row = 0;
    if (current != LB_ERR)
    {
        // A time between two listed ones has the later one selected: Down lands on it, Up on
        // the one before; a listed time steps one row either way.
        if (up)
            row = current - 1;
        else
            row = bExact ? current + 1 : current;
    }
    row = std::max(0, std::min(row, m_pList->GetCount() - 1));
    m_pList->SetCurSel(row);
    NotifySelChange(true);
}

void CDropTimeSelectWnd::NotifySelChange(bool keepOpen)
{
    if (!IsListReady())
        return;
    const int row = m_pList->GetCurSel();
    if (row == LB_ERR)
        return;
    CString text;
    m_pList->GetText(row, text);
    DateTime picked;
    picked.SetTime(text);
    m_time = picked;
    CDropTextSelectWnd::NotifySelChange(keepOpen);
}

void CDropTimeSelectWnd::UpdateList()
{
    CDropTextSelectWnd::UpdateList();
    ApplyFixedSize();
}

CWnd* CDropTimeSelectWnd::GetLastControl()
{
    // The finer button is disabled at the finest interval: the coarser one is then the last stop.
    for (CShadeButton* pButton : { m_pDecreaseBtn, m_pIncreaseBtn })
        if (IsButtonWindow(pButton) && pButton->IsWindowEnabled())
            return pButton;
    return m_pList;
}

// ---------------------------------------------------------------------------------------------
// Layout

void CDropTimeSelectWnd::OnSize(UINT nType, int cx, int cy)
{
    CDropWnd::OnSize(nType, cx, cy);
    if (m_pList == nullptr || !IsButtonWindow(m_pIncreaseBtn) || !IsButtonWindow(m_pDetailLabel) ||
        !IsButtonWindow(m_pDecreaseBtn))
        return;
    const int quarter = cx / 4;
    const int strip = ScaleToEdit(kStripHeight);
    const int top = cy - strip;
    if (IsListReady())
        m_pList->MoveWindow(0, 0, cx, top, TRUE);
    m_pIncreaseBtn->MoveWindow(0, top, quarter, strip, TRUE);
    m_pDetailLabel->MoveWindow(quarter, top, cx - 2 * quarter, strip, TRUE);
    m_pDecreaseBtn->MoveWindow(cx - quarter, top, quarter, strip, TRUE);
}

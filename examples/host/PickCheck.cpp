#include "PickCheck.h"

namespace
{
// Time the list has to close after the keys, generous for a loaded machine.
const ULONGLONG kTimeLimitMs = 10000;

void SendKey(WORD vk, bool bExtended)
{
    INPUT input[2] = {};
    for (INPUT& in : input)
    {
        in.type = INPUT_KEYBOARD;
        in.ki.wVk = vk;
        in.ki.wScan = static_cast<WORD>(::MapVirtualKeyA(vk, MAPVK_VK_TO_VSC));
        in.ki.dwFlags = bExtended ? KEYEVENTF_EXTENDEDKEY : 0;
    }
    input[1].ki.dwFlags |= KEYEVENTF_KEYUP;
    ::SendInput(2, input, sizeof(INPUT));
}

struct OwnedPopupSearch
{
    HWND hOwner;
    HWND hFound;
};

BOOL CALLBACK FindOwnedPopup(HWND hWnd, LPARAM lParam)
{
    auto* search = reinterpret_cast<OwnedPopupSearch*>(lParam);
    if (::IsWindowVisible(hWnd) && ::GetWindow(hWnd, GW_OWNER) == search->hOwner)
    {
        search->hFound = hWnd;
        return FALSE;
    }
    return TRUE;
}
}

CPickCheck::CPickCheck(CSelectEdit& edit, CWnd& owner, const CString& expected)
    : m_edit(edit), m_owner(owner), m_strExpected(expected), m_nDeadline(0)
{
}

bool CPickCheck::Start()
{
    m_edit.SetFocus();
    m_edit.ShowList();
    if (FindShownDropWindow() == nullptr)
    {
        Fail("ShowList opened no drop window");
        return false;
    }
    SendKey(VK_DOWN, true);
    SendKey(VK_RETURN, false);
    m_nDeadline = ::GetTickCount64() + kTimeLimitMs;
    return true;
}

CPickCheck::State CPickCheck::Poll()
{
    const bool bListShown = FindShownDropWindow() != nullptr;
    if (!bListShown)
    {
        const CString text = GetResult();
        if (text != m_strExpected)
            return Fail("the edit reads '" + text + "' after the pick, expected '" + m_strExpected + "'");
        if (CWnd::GetFocus() != &m_edit)
            return Fail("the edit lost the focus to the pick");
        return Passed;
    }
    if (::GetTickCount64() > m_nDeadline)
        return Fail("the list was still open after Down and Enter");
    return Running;
}

CString CPickCheck::GetResult() const
{
    CString text;
    m_edit.GetWindowText(text);
    return text;
}

CString CPickCheck::GetFailure() const
{
    return m_strFailure;
}

HWND CPickCheck::FindShownDropWindow() const
{
    OwnedPopupSearch search = { m_owner.GetSafeHwnd(), nullptr };
    ::EnumThreadWindows(::GetCurrentThreadId(), FindOwnedPopup, reinterpret_cast<LPARAM>(&search));
    return search.hFound;
}

CPickCheck::State CPickCheck::Fail(const CString& why)
{
    m_strFailure = why;
    return Failed;
}

#include "DropWnd.h"
#include "DropBaseEdit.h"
#include "DropMessages.h"
#include "DropPaneAccessible.h"
#include "DpiScale.h"
#include "DropDpiLayout.h"
#include "HostCaption.h"
#include "Keyboard.h"
#include <algorithm>
#include <new>

BEGIN_MESSAGE_MAP(CDropWnd, CWnd)
    ON_WM_SETFOCUS()
    ON_WM_NCHITTEST()
    ON_WM_ACTIVATE()
    ON_REGISTERED_MESSAGE(WM_DROPWND_CHILD_CLOSE, OnChildClose)
    ON_WM_WINDOWPOSCHANGED()
    ON_MESSAGE(WM_GETOBJECT, OnGetObject)
    ON_MESSAGE(WM_DPICHANGED, OnDpiChanged)
END_MESSAGE_MAP()

namespace
{
const int kMinimumLimitedHeight = 125;

bool CanTakeFocus(HWND hWnd)
{
    return ::IsWindowVisible(hWnd) && ::IsWindowEnabled(hWnd);
}
}

CDropWnd::CDropWnd() : m_nPreferredWidth(0), m_nPreferredHeight(0), m_pEdit(nullptr), m_bReportedVisible(false) {}

CDropWnd::~CDropWnd()
{
    m_pEdit = nullptr;
}

void CDropWnd::ForwardMouseWheel(bool /*bVertical*/, short /*zDelta*/) {}

void CDropWnd::OnSetFocus(CWnd* pOldWnd)
{
    CWnd::OnSetFocus(pOldWnd);
    CWnd* pTarget = Keyboard::IsShiftKeyDown() ? GetLastControl() : GetFirstControl();
    if (pTarget != nullptr && ::IsWindow(pTarget->m_hWnd) && pTarget->IsWindowVisible())
        pTarget->SetFocus();
}

LRESULT CDropWnd::OnNcHitTest(CPoint point)
{
    const LRESULT nHit = CWnd::OnNcHitTest(point);
    // The top edge touches the edit: it must not be dragged away from it.
    if (nHit == HTTOP || nHit == HTTOPLEFT || nHit == HTTOPRIGHT)
        return HTCLIENT;
    return nHit;
}

void CDropWnd::OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized)
{
    CWnd::OnActivate(nState, pWndOther, bMinimized);
    HostCaption::OnDropWndActivate(*this, nState != WA_INACTIVE, pWndOther != nullptr ? pWndOther->m_hWnd : nullptr);
    if (nState != WA_INACTIVE || m_pEdit == nullptr || !::IsWindow(m_pEdit->m_hWnd) || !IsWindowVisible())
        return;
    // Back to the edit's own window: the edit's focus rules decide. Any other window (or another
    // application) taking over would leave the popup floating with nobody to close it.
    const HWND hOther = pWndOther != nullptr ? pWndOther->m_hWnd : nullptr;
    if (hOther != nullptr && hOther == ::GetAncestor(m_pEdit->m_hWnd, GA_ROOT))
        return;
    m_pEdit->SendMessage(CDropBaseEdit::WM_CLOSE_DROPDOWN_WND, 1, 0);
}

LRESULT CDropWnd::OnGetObject(WPARAM wParam, LPARAM lParam)
{
    if (static_cast<LONG>(lParam) != OBJID_CLIENT || m_pEdit == nullptr || !::IsWindow(m_pEdit->m_hWnd))
        return Default();
    const LRESULT result =
        CAccessibleProxy::Answer(new (std::nothrow) CDropPaneAccessible(m_hWnd, m_pEdit->m_hWnd), wParam, lParam);
    return result != 0 ? result : Default();
}

int CDropWnd::ScaleToEdit(int nPixels) const
{
    const bool bEdit = m_pEdit != nullptr && ::IsWindow(m_pEdit->m_hWnd);
    return DpiScale::ScaleForWindow(bEdit ? m_pEdit->m_hWnd : m_hWnd, nPixels);
}

LRESULT CDropWnd::OnDpiChanged(WPARAM, LPARAM)
{
    // The edit places this window: the rectangle the system suggests is not taken.
    if (m_pEdit != nullptr && ::IsWindow(m_pEdit->m_hWnd))
        m_pEdit->OnAppMove();
    DropDpiLayout::RelayoutChildren(*this);
    return 0;
}

LRESULT CDropWnd::OnChildClose(WPARAM wParam, LPARAM /*lParam*/)
{
    if (m_pEdit == nullptr || !::IsWindow(m_pEdit->m_hWnd))
        return 0;
    // A child's accept is the user taking a value (a click on a row or a day, Enter in it).
    if (wParam == 1)
        m_pEdit->m_notifier.NotePick();
    m_pEdit->SendMessage(CDropBaseEdit::WM_CLOSE_DROPDOWN_WND, wParam, 0);
    return 0;
}

void CDropWnd::OnWindowPosChanged(WINDOWPOS* lpwndpos)
{
    CWnd::OnWindowPosChanged(lpwndpos);
    const bool bVisible = IsWindowVisible() != FALSE;
    if (bVisible == m_bReportedVisible)
        return;
    m_bReportedVisible = bVisible;
    if (m_pEdit != nullptr)
        m_pEdit->OnDropWndVisibilityChanged(bVisible);
}

BOOL CDropWnd::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_TAB && HandleTab())
        return TRUE;
    return CWnd::PreTranslateMessage(pMsg);
}

bool CDropWnd::HandleTab()
{
    const HWND hFocus = ::GetFocus();
    if (hFocus == nullptr || !::IsChild(m_hWnd, hFocus))
        return false;
    const bool bBackwards = Keyboard::IsShiftKeyDown();

    // Next tab stop among the direct children, in the Tab direction.
    HWND hChild = ::GetWindow(m_hWnd, GW_CHILD);
    while (hChild != nullptr && hChild != hFocus)
        hChild = ::GetWindow(hChild, GW_HWNDNEXT);
    if (hChild != nullptr)
    {
        for (HWND hNext = ::GetWindow(hChild, bBackwards ? GW_HWNDPREV : GW_HWNDNEXT); hNext != nullptr;
             hNext = ::GetWindow(hNext, bBackwards ? GW_HWNDPREV : GW_HWNDNEXT))
        {
            if (CanTakeFocus(hNext) && (::GetWindowLongA(hNext, GWL_STYLE) & WS_TABSTOP) != 0)
            {
                ::SetFocus(hNext);
                return true;
            }
        }
    }

    // No further stop: past either end the focus returns to the edit.
    CWnd* pFirst = GetFirstControl();
    CWnd* pLast = GetLastControl();
    if (pFirst == nullptr || pLast == nullptr)
        return false;
    CWnd* pEnd = bBackwards ? pFirst : pLast;
    if (hFocus != pEnd->m_hWnd && ::IsWindow(pEnd->m_hWnd) && CanTakeFocus(pEnd->m_hWnd))
        return false;
    if (m_pEdit != nullptr && ::IsWindow(m_pEdit->m_hWnd))
        m_pEdit->SetFocus();
    return true;
}

int CDropWnd::LimitHeightToParent(int nHeight)
{
    if (m_pEdit == nullptr || !::IsWindow(m_pEdit->m_hWnd))
        return nHeight;
    CWinThread* pThread = AfxGetThread();
    CWnd* pMain = pThread != nullptr ? pThread->GetMainWnd() : nullptr;
    const HWND hMain = pMain != nullptr ? pMain->GetSafeHwnd() : nullptr;

    CWnd* pContainer = m_pEdit->GetParent();
    while (pContainer != nullptr &&
           !(pContainer->m_hWnd == hMain || pContainer->IsKindOf(RUNTIME_CLASS(CDialog))))
        pContainer = pContainer->GetParent();
    if (pContainer == nullptr)
        return nHeight;

    CRect rcContainer;
    pContainer->GetClientRect(&rcContainer);
    pContainer->ClientToScreen(&rcContainer);
    CRect rcEdit;
    m_pEdit->GetWindowRect(&rcEdit);
    if (rcEdit.bottom + nHeight <= rcContainer.bottom)
        return nHeight;
    return std::max(static_cast<int>(rcContainer.bottom - rcEdit.bottom),
                    ScaleToEdit(kMinimumLimitedHeight));
}

#include "DropBaseEdit.h"
#include "DropWnd.h"
#include "EditInputRules.h"
#include "FaultInjection.h"
#include "AppLogger.h"
#include "DropEditAccessible.h"
#include "DpiScale.h"
#include "DropDpiLayout.h"
#include "Keyboard.h"
#include "ORVIcon.h"
#include <afxext.h>
#include <algorithm>
#include <new>

IMPLEMENT_DYNCREATE(CDropBaseEdit, CImageMenuEdit)

BEGIN_MESSAGE_MAP(CDropBaseEdit, CImageMenuEdit)
    ON_WM_DESTROY()
    ON_WM_CHAR()
    ON_WM_KILLFOCUS()
    ON_WM_KEYDOWN()
    ON_WM_SIZE()
    ON_WM_LBUTTONUP()
    ON_WM_MOUSEMOVE()
    ON_WM_NCCALCSIZE()
    ON_WM_NCPAINT()
    ON_WM_NCLBUTTONDOWN()
    ON_WM_NCHITTEST()
    ON_WM_ENABLE()
    ON_WM_SETFOCUS()
    ON_REGISTERED_MESSAGE(CDropBaseEdit::WM_CLOSE_DROPDOWN_WND, OnCloseDropWnd)
    ON_MESSAGE(WM_CUT, OnCut)
    ON_MESSAGE(WM_PASTE, OnPaste)
    ON_MESSAGE(WM_CLEAR, OnClear)
    ON_MESSAGE(WM_UNDO, OnUndo)
    ON_MESSAGE(WM_SETTEXT, OnSetText)
    ON_WM_GETDLGCODE()
    ON_WM_NCLBUTTONDBLCLK()
    ON_WM_SYSKEYDOWN()
    ON_MESSAGE(EM_SETREADONLY, OnSetReadOnly)
    ON_WM_CAPTURECHANGED()
    ON_MESSAGE(WM_GETOBJECT, OnGetObject)
    ON_MESSAGE(WM_DPICHANGED_AFTERPARENT, OnDpiChanged)
    ON_MESSAGE(WM_DPICHANGED, OnDpiChanged)
END_MESSAGE_MAP()

namespace
{
const int kDefaultDropHeight = 125;
// Gap kept between a drop window pushed back from the right edge and the work area's edge.
const int kRightEdgeGap = 5;

void LogFailure(const char* pszTag)
{
    if (AppLogger::m_pInstance != nullptr)
        AppLogger::m_pInstance->AddLine(CString(pszTag));
}

COLORREF SysColor(int nIndex)
{
    return ::GetSysColor(nIndex);
}

void Line(CDC& dc, int x1, int y1, int x2, int y2)
{
    dc.MoveTo(x1, y1);
    dc.LineTo(x2, y2);
}

void Polyline3(CDC& dc, int x1, int y1, int x2, int y2, int x3, int y3)
{
    dc.MoveTo(x1, y1);
    dc.LineTo(x2, y2);
    dc.LineTo(x3, y3);
}

void Normalise(CRect& rc)
{
    if (rc.left > rc.right)
        std::swap(rc.left, rc.right);
    if (rc.top > rc.bottom)
        std::swap(rc.top, rc.bottom);
}
}

CDropBaseEdit::CDropBaseEdit(COLORREF clrBackground)
    : m_bDrawButton(true),
      m_bDrawIcon(false),
      m_bUpdateText(true),
      m_bEnterShowsDropWnd(true),
      m_bForwardCloseToParent(false),
      m_nButtonState(0),
      m_pDropWnd(nullptr),
      m_pDropWndFont(nullptr),
      m_rcButton(0, 0, 0, 0),
      m_rcIcon(0, 0, 0, 0),
      m_notifier(this),
      m_nDpi(0),
      m_bButtonTracking(false)
{
    m_brBackground.CreateSolidBrush(clrBackground);
}

CDropBaseEdit::~CDropBaseEdit()
{
    m_notifier.Silence(); // a drop window destroyed with its edit is no closing to report
    delete m_pDropWnd;
    m_pDropWnd = nullptr;
    DeleteDropWndFont();
    m_brBackground.DeleteObject();
}

// ---------------------------------------------------------------------------------------------
// Public operations and simple accessors

void CDropBaseEdit::Init()
{
    m_nDpi = DpiScale::GetWindowDpi(m_hWnd);
    SetWindowPos(nullptr, 0, 0, 0, 0,
                 SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void CDropBaseEdit::SetEnterKeyOptions(bool bEnterShowsDropWnd, bool bForwardCloseToParent)
{
    m_bEnterShowsDropWnd = bEnterShowsDropWnd;
    m_bForwardCloseToParent = bForwardCloseToParent;
}

CFont* CDropBaseEdit::GetDropWndFont()
{
    return m_pDropWndFont;
}

void CDropBaseEdit::DoDrawButton(bool bDraw)
{
    m_bDrawButton = bDraw;
}

void CDropBaseEdit::DoDrawIcon(bool bDraw)
{
    m_bDrawIcon = bDraw;
}

void CDropBaseEdit::DoUpdateText(bool bUpdate)
{
    m_bUpdateText = bUpdate;
}

bool CDropBaseEdit::AllowUpdateText() const
{
    return m_bUpdateText;
}

void CDropBaseEdit::RedrawIcon()
{
    ::RedrawWindow(m_hWnd, &m_rcIcon, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_FRAME);
}

CDropWnd* CDropBaseEdit::GetDropWnd()
{
    return m_pDropWnd;
}

CDropNotifier& CDropBaseEdit::GetNotifier()
{
    return m_notifier;
}

void CDropBaseEdit::OnDropWndVisibilityChanged(bool bVisible)
{
    m_notifier.OnVisibilityChanged(bVisible);
}

LRESULT CDropBaseEdit::OnSetText(WPARAM, LPARAM)
{
    CDropNotifier::HostCall call(m_notifier);
    return Default();
}

// ---------------------------------------------------------------------------------------------
// Virtual hooks: the base control has no data of its own to show.

void CDropBaseEdit::DrawIcon(const CRect& /*rc*/) {}

bool CDropBaseEdit::GetDropWndRightAligned() const
{
    return false;
}

int CDropBaseEdit::GetDropWndMaxWidth() const
{
    return 0;
}

void CDropBaseEdit::GetMoveWndFinalTweak(CRect& rc) const
{
    rc.SetRect(0, 0, 0, 0);
}

bool CDropBaseEdit::CanShowDropDown()
{
    return true;
}

void CDropBaseEdit::UpdateDropWnd() {}

void CDropBaseEdit::OnDropWndChanged(bool /*keepOpen*/) {}

void CDropBaseEdit::LoadData() {}

void CDropBaseEdit::SaveData() {}

void CDropBaseEdit::OnLoosingFocus() {}

void CDropBaseEdit::OnAppMove()
{
    MoveDropWnd();
}

// ---------------------------------------------------------------------------------------------
// Drop window state

bool CDropBaseEdit::IsDropWndWindow() const
{
    return m_pDropWnd != nullptr && ::IsWindow(m_pDropWnd->m_hWnd);
}

bool CDropBaseEdit::IsDropWndVisible() const
{
    return IsDropWndWindow() && m_pDropWnd->IsWindowVisible();
}

bool CDropBaseEdit::IsHostReadOnly() const
{
    return (GetStyle() & ES_READONLY) != 0;
}

bool CDropBaseEdit::IsDropDownAllowed()
{
    return IsDropWndWindow() && !IsHostReadOnly() && CanShowDropDown();
}

void CDropBaseEdit::ShowDropWndNoActivate()
{
    if (!IsDropDownAllowed())
        return;
    m_pDropWnd->ShowWindow(SW_SHOWNA);
    UpdateDropWnd();
}

bool CDropBaseEdit::HasDialogLikeParent() const
{
    CWnd* pParent = GetParent();
    return pParent != nullptr &&
           (pParent->IsKindOf(RUNTIME_CLASS(CDialog)) || pParent->IsKindOf(RUNTIME_CLASS(CFormView)));
}

// ---------------------------------------------------------------------------------------------
// Keyboard, characters, editing commands

LRESULT CDropBaseEdit::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    // Wine's plain edit has no Ctrl+A; the context menu's Select All has a key here too.
    if (EditInputRules::IsSelectAll(message, wParam))
    {
        SetSel(0, -1);
        return 0;
    }
    // With the host's ES_READONLY the plain edit's own processing applies, which refuses every
    // change; the controls' handlers would otherwise step, delete, paste or open the drop window.
    if (IsHostReadOnly() && EditInputRules::MayChangeValue(message, wParam))
        return DefWindowProc(message, wParam, lParam);
    return CImageMenuEdit::WindowProc(message, wParam, lParam);
}

void CDropBaseEdit::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    // The edit performs Shift+Insert and Shift+Delete itself, without the paste and cut
    // messages that the controls guard; they are turned into those messages here.
    // (Shift+Insert pastes whether Ctrl is held or not; Ctrl+Shift+Delete does nothing.)
    const bool bShift = Keyboard::IsShiftKeyDown();
    if (nChar == VK_INSERT && bShift)
    {
        SendMessage(WM_PASTE);
        return;
    }
    if (nChar == VK_DELETE && bShift && !Keyboard::IsCtrlKeyDown())
    {
        SendMessage(WM_CUT);
        return;
    }
    switch (nChar)
    {
    case VK_BACK:
    case VK_DELETE:
        // The hook sees the text before the edit removes anything.
        UpdateDropWnd();
        break;
    case VK_RETURN:
        if (IsDropWndVisible())
        {
            // Enter takes what the drop window shows, which follows the text.
            m_notifier.NotePick();
            ShowDropWnd(false, false, true);
        }
        else if (IsDropWndWindow() && m_bEnterShowsDropWnd)
            ShowDropWndNoActivate();
        break;
    case VK_ESCAPE:
        ShowDropWnd(false, false, true);
        break;
    case VK_UP:
        return;
    case VK_DOWN:
        if (IsDropWndWindow() && !m_pDropWnd->IsWindowVisible())
            ShowDropWndNoActivate();
        return;
    case VK_F9:
        if (IsDropWndWindow())
            ShowDropWnd(!m_pDropWnd->IsWindowVisible(), false, true);
        break;
    default:
        break;
    }
    CImageMenuEdit::OnKeyDown(nChar, nRepCnt, nFlags);
}

void CDropBaseEdit::OnSysKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    // Alt+Backspace is the edit's own undo, performed without the undo message.
    if (nChar == VK_BACK && (nFlags & KF_ALTDOWN) != 0)
    {
        SendMessage(WM_UNDO);
        return;
    }
    CImageMenuEdit::OnSysKeyDown(nChar, nRepCnt, nFlags);
}

void CDropBaseEdit::OnChar(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    // A single-line edit would beep on a carriage return; Enter has its own meaning here.
    if (nChar == '\r')
        return;
    CImageMenuEdit::OnChar(nChar, nRepCnt, nFlags);
    if (nChar >= 32 || nChar == VK_BACK)
        UpdateDropWnd();
}

LRESULT CDropBaseEdit::DoEditCommand()
{
    Default();
    UpdateDropWnd();
    return 0;
}

LRESULT CDropBaseEdit::OnCut(WPARAM, LPARAM)
{
    return DoEditCommand();
}

LRESULT CDropBaseEdit::OnPaste(WPARAM, LPARAM)
{
    return DoEditCommand();
}

LRESULT CDropBaseEdit::OnClear(WPARAM, LPARAM)
{
    return DoEditCommand();
}

LRESULT CDropBaseEdit::OnUndo(WPARAM, LPARAM)
{
    return DoEditCommand();
}

LRESULT CDropBaseEdit::OnSetReadOnly(WPARAM wParam, LPARAM /*lParam*/)
{
    const LRESULT result = Default();
    if (wParam != 0)
        ShowDropWnd(false, false, true); // closed as a focus loss closes it
    DrawButton(0); // drawn disabled while read-only
    return result;
}

// ---------------------------------------------------------------------------------------------
// Focus and destruction

void CDropBaseEdit::OnSetFocus(CWnd* pOldWnd)
{
    CImageMenuEdit::OnSetFocus(pOldWnd);
    if (pOldWnd == nullptr || pOldWnd->m_hWnd == m_hWnd || !IsDropWndVisible())
        return;
    if (pOldWnd->m_hWnd != m_pDropWnd->m_hWnd && !::IsChild(m_pDropWnd->m_hWnd, pOldWnd->m_hWnd))
        return;
    // Focus coming back from the drop window closes it, unless the user is clicking the drop
    // button: that click decides on its own.
    CPoint pt;
    ::GetCursorPos(&pt);
    ScreenToClient(&pt);
    if (!IsPointOnButton(pt))
        ShowDropWnd(false, false, true);
}

void CDropBaseEdit::OnKillFocus(CWnd* pNewWnd)
{
    const HWND hNew = pNewWnd != nullptr ? pNewWnd->m_hWnd : nullptr;
    if (m_pDropWnd != nullptr && hNew != m_hWnd && hNew != m_pDropWnd->m_hWnd && IsDropWndWindow())
    {
        ShowDropWnd(false, false, true);
        OnLoosingFocus();
    }
    CImageMenuEdit::OnKillFocus(pNewWnd);
}

void CDropBaseEdit::OnDestroy()
{
    // A window that goes with its edit is not a close the parent should act on.
    m_notifier.Silence();
    SaveData();
    if (m_pDropWnd != nullptr)
        m_pDropWnd->DestroyWindow();
    CImageMenuEdit::OnDestroy();
}

UINT CDropBaseEdit::OnGetDlgCode()
{
    UINT nCode = CImageMenuEdit::OnGetDlgCode();
    // In a dialog, Enter and Escape would press the default or cancel button before the edit
    // saw them; while they mean something to the drop window, the edit keeps them.
    const MSG* pMsg = AfxGetCurrentMessage();
    const MSG* pKey = pMsg != nullptr ? reinterpret_cast<const MSG*>(pMsg->lParam) : nullptr;
    if (pKey != nullptr && pKey->message == WM_KEYDOWN && IsDropWndWindow())
    {
        // Enter that would open nothing belongs to the dialog: it is the user's way to submit.
        const bool bVisible = m_pDropWnd->IsWindowVisible() != FALSE;
        const bool bEnterOpens = pKey->wParam == VK_RETURN && !bVisible && m_bEnterShowsDropWnd &&
                                 IsDropDownAllowed();
        if ((pKey->wParam == VK_RETURN && bVisible) || bEnterOpens || (pKey->wParam == VK_ESCAPE && bVisible))
            nCode |= DLGC_WANTMESSAGE;
    }
    return nCode;
}

LRESULT CDropBaseEdit::OnCloseDropWnd(WPARAM wParam, LPARAM /*lParam*/)
{
    ShowDropWnd(false, false, wParam == 1);
    return 0;
}

// ---------------------------------------------------------------------------------------------
// Drop button: layout, hit testing, mouse tracking, painting

void CDropBaseEdit::OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp)
{
    CImageMenuEdit::OnNcCalcSize(bCalcValidRects, lpncsp);
    if (lpncsp == nullptr || GetParent() == nullptr || !bCalcValidRects)
        return;
    const bool bDialogLike = HasDialogLikeParent();
    const UINT nDpi = DpiScale::GetWindowDpi(m_hWnd);
    const int cxEdge = DpiScale::GetSystemMetric(SM_CXEDGE, nDpi);
    const int cyEdge = DpiScale::GetSystemMetric(SM_CYEDGE, nDpi);

    if (m_bDrawButton)
    {
        const CRect r(lpncsp->rgrc[0]);
        const int cxButton = DpiScale::GetSystemMetric(SM_CXVSCROLL, nDpi);
        m_rcButton.SetRect(r.right - cxButton + 1, r.top, r.right, r.bottom);
        lpncsp->rgrc[0].right = r.right - cxButton;
        m_rcButton.OffsetRect(-r.left, -(r.top + (m_bForwardCloseToParent ? DpiScale::Scale(2, nDpi) : 0)));
        if (bDialogLike)
            m_rcButton.OffsetRect(cxEdge, cyEdge);
        Normalise(m_rcButton);
    }
    if (m_bDrawIcon)
    {
        const CRect r(lpncsp->rgrc[0]);
        m_rcIcon.SetRect(r.left, r.top, r.left + DpiScale::GetSystemMetric(SM_CXSMICON, nDpi) + 1, r.bottom);
        lpncsp->rgrc[0].left = m_rcIcon.right;
        m_rcIcon.OffsetRect(-r.left, -r.top);
        if (bDialogLike)
            m_rcIcon.OffsetRect(cxEdge, cyEdge);
        Normalise(m_rcIcon);
    }
}

bool CDropBaseEdit::IsPointOnButton(CPoint& pt) const
{
    CRect rc(m_rcButton);
    if (m_bDrawIcon && !m_rcIcon.IsRectEmpty())
        rc.OffsetRect(m_rcIcon.left - m_rcIcon.right, 0);
    if (HasDialogLikeParent())
        rc.OffsetRect(-DpiScale::GetSystemMetricForWindow(m_hWnd, SM_CXEDGE), 0);
    return rc.PtInRect(pt) != FALSE;
}

LRESULT CDropBaseEdit::OnNcHitTest(CPoint point)
{
    const LRESULT nHit = CImageMenuEdit::OnNcHitTest(point);
    if (!m_bDrawButton)
        return nHit;
    ScreenToClient(&point);
    // A border hit turns the press into WM_NCLBUTTONDOWN, so the edit does not start selecting.
    return IsPointOnButton(point) ? HTBORDER : nHit;
}

void CDropBaseEdit::OnNcLButtonDown(UINT nHitTest, CPoint point)
{
    CImageMenuEdit::OnNcLButtonDown(nHitTest, point);
    if (!m_bDrawButton)
        return;
    ScreenToClient(&point);
    if (!IsPointOnButton(point) || IsHostReadOnly())
        return;
    if (IsDropWndWindow() && !m_pDropWnd->IsWindowVisible())
        SetFocus();
    SetCapture();
    m_bButtonTracking = true;
    DrawButton(1);
}

void CDropBaseEdit::OnNcLButtonDblClk(UINT nHitTest, CPoint point)
{
    // A quick second click on the button arrives as a double click; it is a press all the same,
    // so that open-then-close at speed works.
    OnNcLButtonDown(nHitTest, point);
}

void CDropBaseEdit::OnMouseMove(UINT nFlags, CPoint point)
{
    CImageMenuEdit::OnMouseMove(nFlags, point);
    if (!m_bDrawButton || !m_bButtonTracking || ::GetCapture() != m_hWnd)
        return;
    const bool bOn = IsPointOnButton(point);
    if (!bOn && m_nButtonState != 0)
        DrawButton(0);
    else if (bOn && m_nButtonState != 1)
        DrawButton(1);
}

void CDropBaseEdit::OnLButtonUp(UINT nFlags, CPoint point)
{
    CImageMenuEdit::OnLButtonUp(nFlags, point);
    if (!m_bDrawButton || !m_bButtonTracking || ::GetCapture() != m_hWnd)
        return;
    m_bButtonTracking = false;
    ::ReleaseCapture();
    if (m_nButtonState != 0)
        DrawButton(0);
    if (IsPointOnButton(point) && IsDropWndWindow())
        ShowDropWnd(!m_pDropWnd->IsWindowVisible(), false, true);
}

void CDropBaseEdit::OnCaptureChanged(CWnd* pWnd)
{
    CImageMenuEdit::OnCaptureChanged(pWnd);
    if (!m_bButtonTracking)
        return;
    // The capture was taken away in the middle of a press: the button is released.
    m_bButtonTracking = false;
    if (m_nButtonState == 1)
        DrawButton(0);
}

void CDropBaseEdit::OnNcPaint()
{
    CImageMenuEdit::OnNcPaint();
    if (m_bDrawButton)
        DrawButton(m_nButtonState);
    if (m_bDrawIcon && !m_rcIcon.IsRectEmpty())
        DrawIcon(m_rcIcon);
}

void CDropBaseEdit::OnEnable(BOOL bEnable)
{
    CImageMenuEdit::OnEnable(bEnable);
    CPoint pt;
    ::GetCursorPos(&pt);
    ScreenToClient(&pt);
    DrawButton(IsPointOnButton(pt) ? 1 : 0);
    RedrawIcon();
}

void CDropBaseEdit::OnSize(UINT nType, int cx, int cy)
{
    CImageMenuEdit::OnSize(nType, cx, cy);
    MoveDropWnd();
}

void CDropBaseEdit::DrawButton(int nState)
{
    if (!m_bDrawButton || !::IsWindow(m_hWnd))
        return;
    // A button that cannot open anything is drawn disabled, as for a host's read-only edit.
    if ((GetStyle() & (WS_DISABLED | ES_READONLY)) != 0)
        nState = 2;
    if (nState < 0 || nState > 2)
    {
        m_nButtonState = nState;
        return;
    }

    CWindowDC dc(this);
    const int L = m_rcButton.left, T = m_rcButton.top, R = m_rcButton.right, B = m_rcButton.bottom;
    CPen penSeparator, penDark, penShadow, penLight;
    penSeparator.CreatePen(PS_SOLID, 1, SysColor(nState == 0 ? COLOR_WINDOW : COLOR_BTNFACE));
    penDark.CreatePen(PS_SOLID, 1, SysColor(COLOR_3DDKSHADOW));
    penShadow.CreatePen(PS_SOLID, 1, SysColor(COLOR_BTNSHADOW));
    penLight.CreatePen(PS_SOLID, 1, SysColor(COLOR_BTNHIGHLIGHT));
    CPen* pOldPen = dc.SelectObject(&penShadow);

    if (nState == 1)
    {
        CBrush brFace;
        brFace.CreateSolidBrush(SysColor(COLOR_BTNFACE));
        CBrush* pOldBrush = dc.SelectObject(&brFace);
        dc.Rectangle(L, T, R, B);
        dc.SelectObject(pOldBrush);
        ORVIcon::DrawComboArrow(&dc, m_rcButton, SysColor(COLOR_BTNTEXT));
    }
    else
    {
        dc.FillSolidRect(m_rcButton, SysColor(COLOR_BTNFACE));
        dc.SelectObject(&penSeparator);
        Line(dc, L - 1, T, L - 1, B);
        dc.SelectObject(&penDark);
        Polyline3(dc, R - 1, T, R - 1, B - 1, L - 1, B - 1);
        dc.SelectObject(&penShadow);
        Polyline3(dc, R - 2, T + 1, R - 2, B - 2, L, B - 2);
        dc.SelectObject(&penLight);
        Polyline3(dc, L + 1, B - 3, L + 1, T + 1, R - 2, T + 1);
        if (nState == 0)
        {
            ORVIcon::DrawComboArrow(&dc, m_rcButton, SysColor(COLOR_BTNTEXT));
        }
        else
        {
            ORVIcon::DrawComboArrow(&dc, m_rcButton, SysColor(COLOR_BTNHIGHLIGHT));
            ORVIcon::DrawComboArrow(&dc, m_rcButton, SysColor(COLOR_GRAYTEXT));
        }
    }
    dc.SelectObject(pOldPen);
    m_nButtonState = nState;
}

// ---------------------------------------------------------------------------------------------
// Drop window creation, showing, placement, font

bool CDropBaseEdit::CreateDropWnd(CDropWnd* pDropWnd, bool bResizable)
{
    if (pDropWnd == nullptr || ::IsWindow(pDropWnd->m_hWnd))
        return false;
    if (m_pDropWnd != pDropWnd)
        delete m_pDropWnd; // a second drop window replaces the first, which would otherwise leak
    m_pDropWnd = pDropWnd;

    LPCSTR pszClass = AfxRegisterWndClass(CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS | CS_CLASSDC | CS_SAVEBITS,
                                          nullptr, static_cast<HBRUSH>(m_brBackground.GetSafeHandle()),
                                          nullptr);
    CWinThread* pThread = AfxGetThread();
    CWnd* pOwner = pThread != nullptr ? pThread->GetMainWnd() : nullptr;
    const DWORD dwStyle = WS_POPUP | WS_BORDER | (bResizable ? WS_THICKFRAME : 0);
    if (FaultInjection::ShouldFail(FaultInjection::kWindowCreation) ||
        !pDropWnd->CreateEx(WS_EX_WINDOWEDGE, pszClass, "", dwStyle, 0, 0, 10, 10,
                            pOwner != nullptr ? pOwner->GetSafeHwnd() : nullptr, nullptr))
    {
        LogFailure("{D3CD50CE-3675-414A-8005-9DCC9BA3ACB8}");
        return false;
    }
    if (!::IsWindow(pDropWnd->m_hWnd))
    {
        LogFailure("{030C3A38-D66E-4C6E-B3B2-83705EB83FCD}");
        return false;
    }
    pDropWnd->m_pEdit = this;
    return true;
}

void CDropBaseEdit::ShowDropWnd(bool bShow, bool bFocusDropWnd, bool bAccept)
{
    if (!IsDropWndWindow())
        return;
    if (bShow)
    {
        if (m_pDropWnd->IsWindowVisible() || !IsDropDownAllowed())
            return;
        m_pDropWnd->ShowWindow(SW_SHOWNA);
        UpdateDropWnd();
        if (bFocusDropWnd && IsDropWndWindow())
            m_pDropWnd->SetFocus();
        return;
    }

    if (!m_pDropWnd->IsWindowVisible())
        return;
    const HWND hFocus = ::GetFocus();
    const bool bFocusInside =
        hFocus != nullptr && (hFocus == m_pDropWnd->m_hWnd || ::IsChild(m_pDropWnd->m_hWnd, hFocus));
    m_pDropWnd->ShowWindow(SW_HIDE);
    if (bFocusInside)
        SetFocus();

    if (!m_bForwardCloseToParent)
        return;
    CWnd* pParent = GetParent();
    CWnd* pGrandParent = pParent != nullptr ? pParent->GetParent() : nullptr;
    if (pParent == nullptr || pGrandParent == nullptr)
        return;
    if (bAccept)
        pGrandParent->PostMessage(WM_SETFOCUS, 0, 0);
    else
        pParent->PostMessage(WM_KEYDOWN, VK_ESCAPE, 0);
}

void CDropBaseEdit::MoveDropWnd()
{
    if (!IsDropWndWindow())
        return;
    CRect rc;
    GetWindowRect(&rc);
    const int ew = rc.Width();
    const int W = m_pDropWnd->m_nPreferredWidth;
    const int H = m_pDropWnd->m_nPreferredHeight;
    const UINT nDpi = DpiScale::GetWindowDpi(m_hWnd);
    int top = rc.bottom;
    int bottom = rc.bottom + (H > 0 ? H : DpiScale::Scale(kDefaultDropHeight, nDpi));
    int left = rc.left;
    int right = rc.right;
    const int mw = GetDropWndMaxWidth();

    if (GetDropWndRightAligned())
    {
        right = rc.right;
        if (mw > 0 && ew < W)
        {
            left = rc.left;
            right = rc.left + W;
            if (m_bForwardCloseToParent)
            {
                CRect t(0, 0, 0, 0);
                GetMoveWndFinalTweak(t);
                left += DpiScale::Scale(t.left, nDpi);
                right += DpiScale::Scale(t.right, nDpi);
                top += DpiScale::Scale(t.top, nDpi);
                bottom += DpiScale::Scale(t.bottom, nDpi);
            }
        }
        else if (mw > 0)
            left = ew > mw ? rc.right - mw : rc.left;
        else
            left = W > 0 ? rc.right - std::max(ew, W) : rc.left;
    }
    else
    {
        left = rc.left;
        if (mw > 0)
            right = rc.left + std::min(ew, mw);
        else
            right = W > 0 ? rc.left + std::max(ew, W) : rc.right;
    }

    // The monitor that holds the edit, so a drop window on a second screen stays on it.
    CRect wa;
    MONITORINFO mi = {};
    mi.cbSize = sizeof(mi);
    HMONITOR hMonitor = ::MonitorFromRect(&rc, MONITOR_DEFAULTTONEAREST);
    if (hMonitor != nullptr && ::GetMonitorInfoA(hMonitor, &mi))
        wa = mi.rcWork;
    else
        ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &wa, 0);

    if (bottom > wa.bottom)
    {
        const int h = bottom - top;
        bottom = rc.top;
        top = rc.top - h;
    }
    if (right > wa.right)
    {
        const int d = right - wa.right + DpiScale::Scale(kRightEdgeGap, nDpi);
        left -= d;
        right -= d;
    }
    m_pDropWnd->MoveWindow(left, top, right - left, bottom - top, TRUE);
}

void CDropBaseEdit::DeleteDropWndFont()
{
    if (m_pDropWndFont == nullptr)
        return;
    m_pDropWndFont->DeleteObject();
    delete m_pDropWndFont;
    m_pDropWndFont = nullptr;
}

void CDropBaseEdit::CreateDropWndFont()
{
    DeleteDropWndFont();
    CWnd* pParent = GetParent();
    if (pParent == nullptr)
        return;
    HFONT hFont = reinterpret_cast<HFONT>(pParent->SendMessage(WM_GETFONT));
    LOGFONTA lf;
    if (hFont == nullptr || ::GetObjectA(hFont, sizeof(lf), &lf) != sizeof(lf))
        return;
    CFont* pFont = FaultInjection::New<CFont>();
    if (pFont == nullptr)
        return;
    if (!pFont->CreateFontIndirect(&lf))
    {
        delete pFont;
        return;
    }
    m_pDropWndFont = pFont;
}

void CDropBaseEdit::SetDropWndFont(const LOGFONTA& lf)
{
    DeleteDropWndFont();
    m_pDropWndFont = FaultInjection::New<CFont>();
    if (m_pDropWndFont == nullptr)
        return;
    if (!m_pDropWndFont->CreateFontIndirect(&lf))
    {
        LogFailure("{FE4DC454-350D-4f2a-8D93-5C263B2BF405}");
        DeleteDropWndFont();
        return;
    }
    if (IsDropWndWindow())
        m_pDropWnd->SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(m_pDropWndFont->GetSafeHandle()), 1);
}

// A control moved to a monitor of another DPI: the frame gives the button and icon areas their
// new widths; the drop font and the drop window's size follow; an open drop window is refilled
// and placed again.
LRESULT CDropBaseEdit::OnDpiChanged(WPARAM, LPARAM)
{
    const LRESULT lResult = Default();
    const UINT nOldDpi = m_nDpi;
    Init();
    LOGFONTA lf;
    if (DropDpiLayout::RescaleFont(m_pDropWndFont, nOldDpi, m_nDpi, lf))
        SetDropWndFont(lf);
    DropDpiLayout::RescaleDropWnd(m_pDropWnd, nOldDpi, m_nDpi, m_pDropWndFont);
    if (IsDropWndVisible())
    {
        UpdateDropWnd();
        MoveDropWnd();
    }
    return lResult;
}

// ---------------------------------------------------------------------------------------------
// Accessibility

void CDropBaseEdit::SetAccessibleName(const CString& name)
{
    m_strAccessibleName = name;
}

CString CDropBaseEdit::GetAccessibleName() const
{
    return m_strAccessibleName;
}

LRESULT CDropBaseEdit::OnGetObject(WPARAM wParam, LPARAM lParam)
{
    if (static_cast<LONG>(lParam) != OBJID_CLIENT)
        return Default();
    const LRESULT result = CAccessibleProxy::Answer(new (std::nothrow) CDropEditAccessible(m_hWnd), wParam, lParam);
    return result != 0 ? result : Default();
}

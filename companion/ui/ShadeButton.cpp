#include "ShadeButton.h"
#include "MemDC.h"
#include <algorithm>

IMPLEMENT_DYNAMIC(CShadeButton, CButton)

BEGIN_MESSAGE_MAP(CShadeButton, CButton)
    ON_WM_LBUTTONDBLCLK()
    ON_MESSAGE(BM_SETSTYLE, OnSetStyle)
END_MESSAGE_MAP()

namespace
{
const int kContentMargin = 2;
}

CShadeButton::CShadeButton()
    : m_icon(ORVIcon::NoIcon), m_nIconHorz(BS_CENTER), m_nIconVert(BS_VCENTER), m_bRegularWhenDisabled(false)
{
}

CShadeButton::~CShadeButton() = default;

// Both creation and subclassing pass here; the button must be owner-drawn whatever the host
// asked for, or DrawItem would never be called.
void CShadeButton::PreSubclassWindow()
{
    CButton::PreSubclassWindow();
    ModifyStyle(BS_TYPEMASK, BS_OWNERDRAW);
}

// The dialog manager and hosts switch push buttons between default and plain with BM_SETSTYLE;
// for this button only the flags may change, never the owner-drawn type.
LRESULT CShadeButton::OnSetStyle(WPARAM wParam, LPARAM lParam)
{
    return DefWindowProc(BM_SETSTYLE, (wParam & ~static_cast<WPARAM>(BS_TYPEMASK)) | BS_OWNERDRAW, lParam);
}

// The standard control reports a second quick click on an owner-drawn button as
// BN_DOUBLECLICKED and never presses it, so the parent would miss every other click.
void CShadeButton::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    DefWindowProc(WM_LBUTTONDOWN, nFlags, MAKELPARAM(point.x, point.y));
}

void CShadeButton::SetShadeProps(const ShadeProps& props)
{
    m_shade = props;
    RedrawIf(true);
}

void CShadeButton::SetIcon(ORVIcon::ButtonIcon icon, UINT nHorzAlign, UINT nVertAlign, bool bRedraw)
{
    m_icon = ORVIcon::IsKnownButtonIcon(icon) ? icon : ORVIcon::NoIcon;
    const UINT nHorz = nHorzAlign & BS_CENTER;
    const UINT nVert = nVertAlign & BS_VCENTER;
    m_nIconHorz = nHorz == BS_LEFT || nHorz == BS_RIGHT ? nHorz : BS_CENTER;
    m_nIconVert = nVert == BS_TOP || nVert == BS_BOTTOM ? nVert : BS_VCENTER;
    RedrawIf(bRedraw);
}

void CShadeButton::SetRegularFontWhenDisabled(bool bRegular, bool bRedraw)
{
    m_bRegularWhenDisabled = bRegular;
    RedrawIf(bRedraw);
}

void CShadeButton::RedrawIf(bool bRedraw)
{
    if (bRedraw && ::IsWindow(m_hWnd))
        Invalidate(FALSE);
}

void CShadeButton::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    if (lpDrawItemStruct == nullptr || lpDrawItemStruct->CtlType != ODT_BUTTON)
        return;
    const UINT nState = lpDrawItemStruct->itemState;
    const bool bDisabled = (nState & ODS_DISABLED) != 0;
    const bool bPressed = (nState & ODS_SELECTED) != 0 && !bDisabled;
    const bool bGrey = bDisabled && !m_bRegularWhenDisabled;
    const CRect rc(lpDrawItemStruct->rcItem);

    CMemDC dc(CDC::FromHandle(lpDrawItemStruct->hDC), rc);
    CFont* pOldFont = nullptr;
    if (CFont* pFont = GetFont())
        pOldFont = dc.SelectObject(pFont);

    DrawFace(dc, rc, bPressed, bGrey);
    CRect rcContent(rc);
    rcContent.DeflateRect(kContentMargin, kContentMargin);
    if (bPressed)
        rcContent.OffsetRect(1, 1);
    DrawContent(dc, rcContent, bGrey ? ::GetSysColor(COLOR_GRAYTEXT) : m_shade.m_clrText);

    if ((nState & ODS_FOCUS) != 0 && (nState & ODS_NOFOCUSRECT) == 0 && !bDisabled)
    {
        CRect rcFocus(rc);
        rcFocus.DeflateRect(3, 3);
        dc.SetTextColor(RGB(0, 0, 0));
        dc.SetBkColor(RGB(255, 255, 255));
        dc.DrawFocusRect(rcFocus);
    }
    if (pOldFont != nullptr)
        dc.SelectObject(pOldFont);
}

void CShadeButton::DrawFace(CDC& dc, const CRect& rc, bool bPressed, bool bFlat) const
{
    if (bFlat)
    {
        dc.FillSolidRect(rc, ::GetSysColor(COLOR_BTNFACE));
        dc.Draw3dRect(rc, ::GetSysColor(COLOR_BTNSHADOW), ::GetSysColor(COLOR_BTNSHADOW));
        return;
    }
    (bPressed ? m_shade.Inverted() : m_shade).FillGradient(&dc, rc);
    dc.Draw3dRect(rc, m_shade.m_clrBorder, m_shade.m_clrBorder);
}

void CShadeButton::DrawContent(CDC& dc, CRect rc, COLORREF clr)
{
    CString caption;
    GetWindowText(caption);
    if (m_icon != ORVIcon::NoIcon)
    {
        const int nSide = std::min(rc.Width(), rc.Height());
        const UINT nHorz = caption.IsEmpty() ? m_nIconHorz : (m_nIconHorz == BS_RIGHT ? BS_RIGHT : BS_LEFT);
        CRect rcIcon(0, 0, nSide, nSide);
        const int x = nHorz == BS_LEFT ? rc.left : nHorz == BS_RIGHT ? rc.right - nSide : rc.left + (rc.Width() - nSide) / 2;
        const int y = m_nIconVert == BS_TOP ? rc.top
                      : m_nIconVert == BS_BOTTOM ? rc.bottom - nSide
                                                 : rc.top + (rc.Height() - nSide) / 2;
        rcIcon.OffsetRect(x, y);
        ORVIcon::DrawButtonIcon(&dc, m_icon, rcIcon, clr);
        // The caption takes what the picture leaves.
        if (nHorz == BS_LEFT)
            rc.left = rcIcon.right;
        else if (nHorz == BS_RIGHT)
            rc.right = rcIcon.left;
    }
    if (caption.IsEmpty())
        return;
    const int nOldMode = dc.SetBkMode(TRANSPARENT);
    const COLORREF clrOld = dc.SetTextColor(clr);
    dc.DrawText(caption, &rc, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS);
    dc.SetTextColor(clrOld);
    dc.SetBkMode(nOldMode);
}

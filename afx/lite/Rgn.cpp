#include "Rgn.h"
#include "GdiRegistry.h"

IMPLEMENT_DYNAMIC(CRgn, CGdiObject)

CRgn* PASCAL CRgn::FromHandle(HRGN hRgn) { return AfxLiteGdiFromHandle<CRgn>(hRgn); }

CRgn::CRgn() = default;

BOOL CRgn::CreateRectRgn(int x1, int y1, int x2, int y2) { return AttachCreated(::CreateRectRgn(x1, y1, x2, y2)); }

BOOL CRgn::CreateRectRgnIndirect(LPCRECT lpRect)
{
    return lpRect != nullptr && AttachCreated(::CreateRectRgnIndirect(lpRect));
}

BOOL CRgn::CreateEllipticRgn(int x1, int y1, int x2, int y2)
{
    return AttachCreated(::CreateEllipticRgn(x1, y1, x2, y2));
}

BOOL CRgn::CreateRoundRectRgn(int x1, int y1, int x2, int y2, int x3, int y3)
{
    return AttachCreated(::CreateRoundRectRgn(x1, y1, x2, y2, x3, y3));
}

BOOL CRgn::CreatePolygonRgn(const POINT* lpPoints, int nCount, int nMode)
{
    return lpPoints != nullptr && nCount > 0 && AttachCreated(::CreatePolygonRgn(lpPoints, nCount, nMode));
}

void CRgn::SetRectRgn(int x1, int y1, int x2, int y2)
{
    if (m_hObject != nullptr)
        ::SetRectRgn(*this, x1, y1, x2, y2);
}

void CRgn::SetRectRgn(LPCRECT lpRect)
{
    if (lpRect != nullptr)
        SetRectRgn(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom);
}

int CRgn::CombineRgn(const CRgn* pRgn1, const CRgn* pRgn2, int nCombineMode)
{
    HRGN hRgn1 = static_cast<HRGN>(AfxLiteHandleOf(pRgn1));
    HRGN hRgn2 = static_cast<HRGN>(AfxLiteHandleOf(pRgn2));
    // Only RGN_COPY works with one source.
    if (m_hObject == nullptr || hRgn1 == nullptr || (hRgn2 == nullptr && nCombineMode != RGN_COPY))
        return ERROR;
    return ::CombineRgn(*this, hRgn1, hRgn2, nCombineMode);
}

int CRgn::CopyRgn(const CRgn* pRgnSrc) { return CombineRgn(pRgnSrc, nullptr, RGN_COPY); }

int CRgn::OffsetRgn(int x, int y) { return m_hObject != nullptr ? ::OffsetRgn(*this, x, y) : ERROR; }

int CRgn::GetRgnBox(LPRECT lpRect) const
{
    return (m_hObject != nullptr && lpRect != nullptr) ? ::GetRgnBox(*this, lpRect) : ERROR;
}

BOOL CRgn::EqualRgn(const CRgn* pRgn) const
{
    HRGN hOther = static_cast<HRGN>(AfxLiteHandleOf(pRgn));
    return m_hObject != nullptr && hOther != nullptr && ::EqualRgn(*this, hOther);
}

BOOL CRgn::PtInRegion(int x, int y) const { return m_hObject != nullptr && ::PtInRegion(*this, x, y); }

BOOL CRgn::RectInRegion(LPCRECT lpRect) const
{
    return m_hObject != nullptr && lpRect != nullptr && ::RectInRegion(*this, lpRect);
}

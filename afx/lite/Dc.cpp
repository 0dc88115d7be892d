#include "Dc.h"
#include "Bitmap.h"
#include "Brush.h"
#include "Font.h"
#include "GdiRegistry.h"
#include "Pen.h"
#include "Rgn.h"

IMPLEMENT_DYNCREATE(CDC, CObject)

namespace
{
CHandleMap<CDC>& DcMap()
{
    static CHandleMap<CDC> map;
    return map;
}

// Selects a wrapped object and returns the wrapper of the one it replaced.
template <class T>
T* SelectWrapped(HDC hDC, T* pObject)
{
    HGDIOBJ hObject = AfxLiteHandleOf(pObject);
    if (hDC == nullptr || hObject == nullptr)
        return nullptr;
    return T::FromHandle(static_cast<typename T::HandleType>(::SelectObject(hDC, hObject)));
}

HBRUSH BrushHandle(CBrush* pBrush) { return static_cast<HBRUSH>(AfxLiteHandleOf(pBrush)); }
}

// Attributes

HDC CDC::GetSafeHdc() const { return AfxLiteIsNullObject(this) ? nullptr : m_hDC; }

CDC* PASCAL CDC::FromHandle(HDC hDC) { return DcMap().FromHandle(hDC); }

int CDC::GetDeviceCaps(int nIndex) const { return ::GetDeviceCaps(m_hAttribDC, nIndex); }

CDC::CDC() : m_hDC(nullptr), m_hAttribDC(nullptr) {}

CDC::~CDC()
{
    if (m_hDC != nullptr)
        DeleteDC();
}

// Creation and attachment

BOOL CDC::Attach(HDC hDC)
{
    if (hDC == nullptr || m_hDC != nullptr)
        return FALSE;
    m_hDC = m_hAttribDC = hDC;
    DcMap().SetPermanent(hDC, this);
    return TRUE;
}

HDC CDC::Detach()
{
    HDC hDC = m_hDC;
    if (hDC != nullptr)
        DcMap().RemoveHandle(hDC);
    m_hDC = m_hAttribDC = nullptr;
    return hDC;
}

BOOL CDC::CreateCompatibleDC(CDC* pDC)
{
    if (m_hDC != nullptr)
        return FALSE;
    HDC hDC = ::CreateCompatibleDC(pDC->GetSafeHdc());
    if (hDC == nullptr)
        return FALSE;
    AttachTracked(hDC);
    return TRUE;
}

BOOL CDC::DeleteDC()
{
    if (m_hDC == nullptr)
        return FALSE;
    return ::DeleteDC(DetachTracked());
}

void CDC::AttachTracked(HDC hDC)
{
    if (Attach(hDC))
        AfxLiteTrackGdiHandle(hDC);
}

HDC CDC::DetachTracked()
{
    HDC hDC = Detach();
    AfxLiteUntrackGdiHandle(hDC);
    return hDC;
}

int CDC::SaveDC() { return ::SaveDC(m_hDC); }

BOOL CDC::RestoreDC(int nSavedDC) { return ::RestoreDC(m_hDC, nSavedDC); }

// Selection

CPen* CDC::SelectObject(CPen* pPen) { return SelectWrapped(m_hDC, pPen); }
CBrush* CDC::SelectObject(CBrush* pBrush) { return SelectWrapped(m_hDC, pBrush); }
CFont* CDC::SelectObject(CFont* pFont) { return SelectWrapped(m_hDC, pFont); }
CBitmap* CDC::SelectObject(CBitmap* pBitmap) { return SelectWrapped(m_hDC, pBitmap); }

int CDC::SelectObject(CRgn* pRgn)
{
    HGDIOBJ hRgn = AfxLiteHandleOf(pRgn);
    if (m_hDC == nullptr || hRgn == nullptr)
        return ERROR;
    return static_cast<int>(reinterpret_cast<INT_PTR>(::SelectObject(m_hDC, hRgn)));
}

HGDIOBJ CDC::SelectObject(HGDIOBJ hObject)
{
    return (m_hDC != nullptr && hObject != nullptr) ? ::SelectObject(m_hDC, hObject) : nullptr;
}

CGdiObject* CDC::SelectStockObject(int nIndex)
{
    HGDIOBJ hObject = ::GetStockObject(nIndex);
    if (m_hDC == nullptr || hObject == nullptr)
        return nullptr;
    return CGdiObject::FromHandle(::SelectObject(m_hDC, hObject));
}

CFont* CDC::GetCurrentFont() const
{
    return CFont::FromHandle(static_cast<HFONT>(::GetCurrentObject(m_hDC, OBJ_FONT)));
}

// Colours and modes

COLORREF CDC::SetTextColor(COLORREF crColor) { return ::SetTextColor(m_hDC, crColor); }
COLORREF CDC::SetBkColor(COLORREF crColor) { return ::SetBkColor(m_hDC, crColor); }
int CDC::SetBkMode(int nBkMode) { return ::SetBkMode(m_hDC, nBkMode); }
COLORREF CDC::GetTextColor() const { return ::GetTextColor(m_hAttribDC); }
COLORREF CDC::GetBkColor() const { return ::GetBkColor(m_hAttribDC); }
int CDC::GetBkMode() const { return ::GetBkMode(m_hAttribDC); }
UINT CDC::SetTextAlign(UINT nFlags) { return ::SetTextAlign(m_hDC, nFlags); }

// Filling and frames

void CDC::FillRect(LPCRECT lpRect, CBrush* pBrush)
{
    if (lpRect != nullptr && BrushHandle(pBrush) != nullptr)
        ::FillRect(m_hDC, lpRect, BrushHandle(pBrush));
}

void CDC::FillSolidRect(LPCRECT lpRect, COLORREF clr)
{
    if (lpRect == nullptr)
        return;
    ::SetBkColor(m_hDC, clr);
    ::ExtTextOutA(m_hDC, 0, 0, ETO_OPAQUE, lpRect, nullptr, 0, nullptr);
}

void CDC::FillSolidRect(int x, int y, int cx, int cy, COLORREF clr)
{
    CRect rect(x, y, x + cx, y + cy);
    FillSolidRect(&rect, clr);
}

void CDC::FrameRect(LPCRECT lpRect, CBrush* pBrush)
{
    if (lpRect != nullptr && BrushHandle(pBrush) != nullptr)
        ::FrameRect(m_hDC, lpRect, BrushHandle(pBrush));
}

void CDC::Draw3dRect(LPCRECT lpRect, COLORREF clrTopLeft, COLORREF clrBottomRight)
{
    if (lpRect != nullptr)
        Draw3dRect(lpRect->left, lpRect->top, lpRect->right - lpRect->left, lpRect->bottom - lpRect->top,
                   clrTopLeft, clrBottomRight);
}

void CDC::Draw3dRect(int x, int y, int cx, int cy, COLORREF clrTopLeft, COLORREF clrBottomRight)
{
    FillSolidRect(x, y, cx - 1, 1, clrTopLeft);
    FillSolidRect(x, y, 1, cy - 1, clrTopLeft);
    FillSolidRect(x + cx - 1, y, 1, cy, clrBottomRight);
    FillSolidRect(x, y + cy - 1, cx, 1, clrBottomRight);
}

BOOL CDC::DrawEdge(LPRECT lpRect, UINT nEdge, UINT nFlags)
{
    return lpRect != nullptr && ::DrawEdge(m_hDC, lpRect, nEdge, nFlags);
}

void CDC::DrawFocusRect(LPCRECT lpRect)
{
    if (lpRect != nullptr)
        ::DrawFocusRect(m_hDC, lpRect);
}

BOOL CDC::Rectangle(int x1, int y1, int x2, int y2) { return ::Rectangle(m_hDC, x1, y1, x2, y2); }

BOOL CDC::Rectangle(LPCRECT lpRect)
{
    return lpRect != nullptr && Rectangle(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom);
}

BOOL CDC::PatBlt(int x, int y, int nWidth, int nHeight, DWORD dwRop)
{
    return ::PatBlt(m_hDC, x, y, nWidth, nHeight, dwRop);
}

COLORREF CDC::SetPixel(int x, int y, COLORREF crColor) { return ::SetPixel(m_hDC, x, y, crColor); }
COLORREF CDC::GetPixel(int x, int y) const { return ::GetPixel(m_hDC, x, y); }

// Lines

CPoint CDC::MoveTo(int x, int y)
{
    POINT old = {};
    ::MoveToEx(m_hDC, x, y, &old);
    return old;
}

BOOL CDC::LineTo(int x, int y) { return ::LineTo(m_hDC, x, y); }

BOOL CDC::Polygon(const POINT* lpPoints, int nCount)
{
    return lpPoints != nullptr && nCount > 0 && ::Polygon(m_hDC, lpPoints, nCount);
}

// Text

BOOL CDC::TextOut(int x, int y, LPCSTR lpszString, int nCount)
{
    return lpszString != nullptr && nCount >= 0 && ::TextOutA(m_hDC, x, y, lpszString, nCount);
}

BOOL CDC::TextOut(int x, int y, const CString& str) { return TextOut(x, y, str, str.GetLength()); }

BOOL CDC::ExtTextOut(int x, int y, UINT nOptions, LPCRECT lpRect, LPCSTR lpszString, UINT nCount,
                     LPINT lpDxWidths)
{
    if (lpszString == nullptr)
        nCount = 0;
    return ::ExtTextOutA(m_hDC, x, y, nOptions, lpRect, lpszString, nCount, lpDxWidths);
}

BOOL CDC::ExtTextOut(int x, int y, UINT nOptions, LPCRECT lpRect, const CString& str, LPINT lpDxWidths)
{
    return ExtTextOut(x, y, nOptions, lpRect, str, static_cast<UINT>(str.GetLength()), lpDxWidths);
}

int CDC::DrawText(LPCSTR lpszString, int nCount, LPRECT lpRect, UINT nFormat)
{
    if (lpszString == nullptr || lpRect == nullptr)
        return 0;
    return ::DrawTextA(m_hDC, lpszString, nCount, lpRect, nFormat);
}

int CDC::DrawText(const CString& str, LPRECT lpRect, UINT nFormat)
{
    // A CString has no room for the ellipsis that DT_MODIFYSTRING would write past its end.
    return DrawText(str, str.GetLength(), lpRect, nFormat & ~DT_MODIFYSTRING);
}

CSize CDC::GetTextExtent(LPCSTR lpszString, int nCount) const
{
    SIZE size = {};
    if (lpszString != nullptr && nCount > 0)
        ::GetTextExtentPoint32A(m_hAttribDC, lpszString, nCount, &size);
    return size;
}

CSize CDC::GetTextExtent(const CString& str) const { return GetTextExtent(str, str.GetLength()); }

BOOL CDC::GetTextMetrics(LPTEXTMETRICA lpMetrics) const
{
    return lpMetrics != nullptr && ::GetTextMetricsA(m_hAttribDC, lpMetrics);
}

// Bitmaps and icons

BOOL CDC::BitBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc, DWORD dwRop)
{
    return ::BitBlt(m_hDC, x, y, nWidth, nHeight, pSrcDC->GetSafeHdc(), xSrc, ySrc, dwRop);
}

BOOL CDC::StretchBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc, int nSrcWidth,
                     int nSrcHeight, DWORD dwRop)
{
    return ::StretchBlt(m_hDC, x, y, nWidth, nHeight, pSrcDC->GetSafeHdc(), xSrc, ySrc, nSrcWidth, nSrcHeight,
                        dwRop);
}

BOOL CDC::DrawIcon(int x, int y, HICON hIcon) { return hIcon != nullptr && ::DrawIcon(m_hDC, x, y, hIcon); }

BOOL CDC::DrawState(CPoint pt, CSize size, HBITMAP hBitmap, UINT nFlags, HBRUSH hBrush)
{
    return hBitmap != nullptr && ::DrawStateA(m_hDC, hBrush, nullptr, reinterpret_cast<LPARAM>(hBitmap), 0,
                                              pt.x, pt.y, size.cx, size.cy, nFlags | DST_BITMAP);
}

BOOL CDC::DrawState(CPoint pt, CSize size, CBitmap* pBitmap, UINT nFlags, CBrush* pBrush)
{
    return DrawState(pt, size, static_cast<HBITMAP>(AfxLiteHandleOf(pBitmap)), nFlags, BrushHandle(pBrush));
}

BOOL CDC::DrawState(CPoint pt, CSize size, HICON hIcon, UINT nFlags, HBRUSH hBrush)
{
    return hIcon != nullptr && ::DrawStateA(m_hDC, hBrush, nullptr, reinterpret_cast<LPARAM>(hIcon), 0, pt.x,
                                            pt.y, size.cx, size.cy, nFlags | DST_ICON);
}

BOOL CDC::DrawState(CPoint pt, CSize size, HICON hIcon, UINT nFlags, CBrush* pBrush)
{
    return DrawState(pt, size, hIcon, nFlags, BrushHandle(pBrush));
}

BOOL CDC::DrawState(CPoint pt, CSize size, LPCSTR lpszText, UINT nFlags, BOOL bPrefixText, int nTextLen,
                    HBRUSH hBrush)
{
    if (lpszText == nullptr)
        return FALSE;
    UINT nType = bPrefixText ? DST_PREFIXTEXT : DST_TEXT;
    return ::DrawStateA(m_hDC, hBrush, nullptr, reinterpret_cast<LPARAM>(lpszText), static_cast<WPARAM>(nTextLen),
                        pt.x, pt.y, size.cx, size.cy, nFlags | nType);
}

// Clipping

int CDC::IntersectClipRect(int x1, int y1, int x2, int y2) { return ::IntersectClipRect(m_hDC, x1, y1, x2, y2); }

int CDC::IntersectClipRect(LPCRECT lpRect)
{
    return lpRect != nullptr ? IntersectClipRect(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom) : ERROR;
}

int CDC::ExcludeClipRect(int x1, int y1, int x2, int y2) { return ::ExcludeClipRect(m_hDC, x1, y1, x2, y2); }

int CDC::ExcludeClipRect(LPCRECT lpRect)
{
    return lpRect != nullptr ? ExcludeClipRect(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom) : ERROR;
}

int CDC::SelectClipRgn(CRgn* pRgn) { return ::SelectClipRgn(m_hDC, static_cast<HRGN>(AfxLiteHandleOf(pRgn))); }

int CDC::SelectClipRgn(CRgn* pRgn, int nMode)
{
    return ::ExtSelectClipRgn(m_hDC, static_cast<HRGN>(AfxLiteHandleOf(pRgn)), nMode);
}

int CDC::GetClipBox(LPRECT lpRect) const { return lpRect != nullptr ? ::GetClipBox(m_hDC, lpRect) : ERROR; }

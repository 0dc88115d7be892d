#include "Brush.h"
#include "Bitmap.h"
#include "GdiRegistry.h"

IMPLEMENT_DYNAMIC(CBrush, CGdiObject)

CBrush* PASCAL CBrush::FromHandle(HBRUSH hBrush) { return AfxLiteGdiFromHandle<CBrush>(hBrush); }

CBrush::CBrush() = default;
CBrush::CBrush(COLORREF crColor) { CreateSolidBrush(crColor); }
CBrush::CBrush(int nIndex, COLORREF crColor) { CreateHatchBrush(nIndex, crColor); }
CBrush::CBrush(CBitmap* pBitmap) { CreatePatternBrush(pBitmap); }

BOOL CBrush::CreateSolidBrush(COLORREF crColor) { return AttachCreated(::CreateSolidBrush(crColor)); }

BOOL CBrush::CreateHatchBrush(int nIndex, COLORREF crColor)
{
    return AttachCreated(::CreateHatchBrush(nIndex, crColor));
}

BOOL CBrush::CreatePatternBrush(CBitmap* pBitmap)
{
    HBITMAP hBitmap = static_cast<HBITMAP>(AfxLiteHandleOf(pBitmap));
    return hBitmap != nullptr && AttachCreated(::CreatePatternBrush(hBitmap));
}

BOOL CBrush::CreateBrushIndirect(const LOGBRUSH* lpLogBrush)
{
    return lpLogBrush != nullptr && AttachCreated(::CreateBrushIndirect(lpLogBrush));
}

BOOL CBrush::CreateSysColorBrush(int nIndex) { return Attach(::GetSysColorBrush(nIndex)); }

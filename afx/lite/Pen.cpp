#include "Pen.h"
#include "GdiRegistry.h"

IMPLEMENT_DYNAMIC(CPen, CGdiObject)

CPen* PASCAL CPen::FromHandle(HPEN hPen) { return AfxLiteGdiFromHandle<CPen>(hPen); }

CPen::CPen() = default;

CPen::CPen(int nPenStyle, int nWidth, COLORREF crColor) { CreatePen(nPenStyle, nWidth, crColor); }

BOOL CPen::CreatePen(int nPenStyle, int nWidth, COLORREF crColor)
{
    return AttachCreated(::CreatePen(nPenStyle, nWidth, crColor));
}

BOOL CPen::CreatePenIndirect(LPLOGPEN lpLogPen)
{
    return lpLogPen != nullptr && AttachCreated(::CreatePenIndirect(lpLogPen));
}

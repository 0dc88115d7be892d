#include "Bitmap.h"
#include "Dc.h"
#include "GdiRegistry.h"
#include "WndStub.h"

IMPLEMENT_DYNAMIC(CBitmap, CGdiObject)

CBitmap* PASCAL CBitmap::FromHandle(HBITMAP hBitmap) { return AfxLiteGdiFromHandle<CBitmap>(hBitmap); }

CBitmap::CBitmap() = default;

BOOL CBitmap::LoadBitmap(LPCSTR lpszResourceName)
{
    if (lpszResourceName == nullptr)
        return FALSE;
    HINSTANCE hInst = AfxFindResourceHandle(lpszResourceName, reinterpret_cast<LPCSTR>(RT_BITMAP));
    return AttachCreated(::LoadBitmapA(hInst, lpszResourceName));
}

BOOL CBitmap::LoadOEMBitmap(UINT nIDBitmap)
{
    return AttachCreated(::LoadBitmapA(nullptr, MAKEINTRESOURCEA(nIDBitmap)));
}

BOOL CBitmap::CreateBitmap(int nWidth, int nHeight, UINT nPlanes, UINT nBitcount, const void* lpBits)
{
    return AttachCreated(::CreateBitmap(nWidth, nHeight, nPlanes, nBitcount, lpBits));
}

BOOL CBitmap::CreateBitmapIndirect(LPBITMAP lpBitmap)
{
    return lpBitmap != nullptr && AttachCreated(::CreateBitmapIndirect(lpBitmap));
}

BOOL CBitmap::CreateCompatibleBitmap(CDC* pDC, int nWidth, int nHeight)
{
    HDC hDC = pDC->GetSafeHdc();
    return hDC != nullptr && AttachCreated(::CreateCompatibleBitmap(hDC, nWidth, nHeight));
}

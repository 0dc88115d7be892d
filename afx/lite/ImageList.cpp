#include "ImageList.h"
#include "Bitmap.h"
#include "Dc.h"
#include "GdiRegistry.h"
#include "WndStub.h"

IMPLEMENT_DYNCREATE(CImageList, CObject)

namespace
{
CHandleMap<CImageList>& ImageListMap()
{
    static CHandleMap<CImageList> map;
    return map;
}

HBITMAP BitmapHandle(CBitmap* pBitmap) { return static_cast<HBITMAP>(AfxLiteHandleOf(pBitmap)); }
}

// Attributes

HIMAGELIST CImageList::GetSafeHandle() const { return AfxLiteIsNullObject(this) ? nullptr : m_hImageList; }

CImageList* PASCAL CImageList::FromHandle(HIMAGELIST hImageList) { return ImageListMap().FromHandle(hImageList); }

int CImageList::GetImageCount() const { return m_hImageList ? ImageList_GetImageCount(m_hImageList) : 0; }

BOOL CImageList::SetImageCount(UINT uNewCount)
{
    return m_hImageList != nullptr && ImageList_SetImageCount(m_hImageList, uNewCount);
}

COLORREF CImageList::SetBkColor(COLORREF cr)
{
    return m_hImageList ? ImageList_SetBkColor(m_hImageList, cr) : CLR_NONE;
}

COLORREF CImageList::GetBkColor() const { return m_hImageList ? ImageList_GetBkColor(m_hImageList) : CLR_NONE; }

BOOL CImageList::GetImageInfo(int nImage, IMAGEINFO* pImageInfo) const
{
    return m_hImageList != nullptr && pImageInfo != nullptr && ImageList_GetImageInfo(m_hImageList, nImage, pImageInfo);
}

CImageList::CImageList() : m_hImageList(nullptr) {}

CImageList::~CImageList() { DeleteImageList(); }

// Creation

BOOL CImageList::Create(int cx, int cy, UINT nFlags, int nInitial, int nGrow)
{
    return m_hImageList == nullptr && AttachCreated(ImageList_Create(cx, cy, nFlags, nInitial, nGrow));
}

BOOL CImageList::Create(UINT nBitmapID, int cx, int nGrow, COLORREF crMask)
{
    return Create(MAKEINTRESOURCEA(nBitmapID), cx, nGrow, crMask);
}

BOOL CImageList::Create(LPCSTR lpszBitmapID, int cx, int nGrow, COLORREF crMask)
{
    if (m_hImageList != nullptr || lpszBitmapID == nullptr)
        return FALSE;
    HINSTANCE hInst = AfxFindResourceHandle(lpszBitmapID, reinterpret_cast<LPCSTR>(RT_BITMAP));
    return AttachCreated(ImageList_LoadImageA(hInst, lpszBitmapID, cx, nGrow, crMask, IMAGE_BITMAP, 0));
}

BOOL CImageList::Attach(HIMAGELIST hImageList)
{
    if (hImageList == nullptr || m_hImageList != nullptr)
        return FALSE;
    m_hImageList = hImageList;
    ImageListMap().SetPermanent(hImageList, this);
    return TRUE;
}

HIMAGELIST CImageList::Detach()
{
    HIMAGELIST hImageList = m_hImageList;
    if (hImageList != nullptr)
        ImageListMap().RemoveHandle(hImageList);
    m_hImageList = nullptr;
    return hImageList;
}

BOOL CImageList::DeleteImageList()
{
    if (m_hImageList == nullptr)
        return FALSE;
    HIMAGELIST hImageList = Detach();
    AfxLiteUntrackGdiHandle(hImageList);
    return ImageList_Destroy(hImageList);
}

BOOL CImageList::AttachCreated(HIMAGELIST hImageList)
{
    if (hImageList == nullptr)
        return FALSE;
    Attach(hImageList);
    AfxLiteTrackGdiHandle(hImageList);
    return TRUE;
}

// Images

int CImageList::Add(CBitmap* pbmImage, CBitmap* pbmMask)
{
    if (m_hImageList == nullptr || BitmapHandle(pbmImage) == nullptr)
        return -1;
    return ImageList_Add(m_hImageList, BitmapHandle(pbmImage), BitmapHandle(pbmMask));
}

int CImageList::Add(CBitmap* pbmImage, COLORREF crMask)
{
    if (m_hImageList == nullptr || BitmapHandle(pbmImage) == nullptr)
        return -1;
    return ImageList_AddMasked(m_hImageList, BitmapHandle(pbmImage), crMask);
}

int CImageList::Add(HICON hIcon)
{
    if (m_hImageList == nullptr || hIcon == nullptr)
        return -1;
    return ImageList_ReplaceIcon(m_hImageList, -1, hIcon);
}

BOOL CImageList::Remove(int nImage) { return m_hImageList != nullptr && ImageList_Remove(m_hImageList, nImage); }

BOOL CImageList::Replace(int nImage, CBitmap* pbmImage, CBitmap* pbmMask)
{
    return m_hImageList != nullptr && BitmapHandle(pbmImage) != nullptr &&
           ImageList_Replace(m_hImageList, nImage, BitmapHandle(pbmImage), BitmapHandle(pbmMask));
}

int CImageList::Replace(int nImage, HICON hIcon)
{
    if (m_hImageList == nullptr || hIcon == nullptr)
        return -1;
    return ImageList_ReplaceIcon(m_hImageList, nImage, hIcon);
}

HICON CImageList::ExtractIcon(int nImage)
{
    return m_hImageList ? ImageList_GetIcon(m_hImageList, nImage, ILD_NORMAL) : nullptr;
}

BOOL CImageList::Draw(CDC* pDC, int nImage, POINT pt, UINT nStyle)
{
    HDC hDC = pDC->GetSafeHdc();
    return m_hImageList != nullptr && hDC != nullptr && ImageList_Draw(m_hImageList, nImage, hDC, pt.x, pt.y, nStyle);
}

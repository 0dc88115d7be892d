// CImageList: owns one common-controls image list and destroys it when destroyed, whether it
// created the list or was attached to it.
#pragma once
#include "Object.h"

class CBitmap;
class CDC;

class AFX_LITE_API CImageList : public CObject
{
    DECLARE_DYNCREATE(CImageList)
public:
    // Attributes
    HIMAGELIST m_hImageList;
    operator HIMAGELIST() const { return m_hImageList; }
    HIMAGELIST GetSafeHandle() const;
    static CImageList* PASCAL FromHandle(HIMAGELIST hImageList);
    int GetImageCount() const;
    BOOL SetImageCount(UINT uNewCount);
    COLORREF SetBkColor(COLORREF cr);
    COLORREF GetBkColor() const;
    BOOL GetImageInfo(int nImage, IMAGEINFO* pImageInfo) const;

    CImageList();
    ~CImageList() override;

    // Creation: each fails when the object already holds a list.
    BOOL Create(int cx, int cy, UINT nFlags, int nInitial, int nGrow);
    // A bitmap resource from the current resource module or an extension library.
    BOOL Create(UINT nBitmapID, int cx, int nGrow, COLORREF crMask);
    BOOL Create(LPCSTR lpszBitmapID, int cx, int nGrow, COLORREF crMask);
    BOOL Attach(HIMAGELIST hImageList);
    HIMAGELIST Detach();
    BOOL DeleteImageList();

    // Images: Add returns the new image's index, -1 on failure.
    int Add(CBitmap* pbmImage, CBitmap* pbmMask);
    int Add(CBitmap* pbmImage, COLORREF crMask);
    int Add(HICON hIcon);
    BOOL Remove(int nImage);
    BOOL Replace(int nImage, CBitmap* pbmImage, CBitmap* pbmMask);
    int Replace(int nImage, HICON hIcon);
    // A new icon that the caller destroys.
    HICON ExtractIcon(int nImage);
    BOOL Draw(CDC* pDC, int nImage, POINT pt, UINT nStyle);

    // Implementation: used by the handle map for wrappers of handles nobody wrapped.
    using HandleType = HIMAGELIST;
    static void AttachTemporary(CImageList* pList, HIMAGELIST hImageList) { pList->m_hImageList = hImageList; }
    static void DetachTemporary(CImageList* pList) { pList->m_hImageList = nullptr; }

private:
    BOOL AttachCreated(HIMAGELIST hImageList);
};

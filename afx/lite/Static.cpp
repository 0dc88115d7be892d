#include "Static.h"
#include "CtlSend.h"

IMPLEMENT_DYNAMIC(CStatic, CWnd)

CStatic::CStatic() = default;
CStatic::~CStatic() { DestroyWindow(); }

BOOL CStatic::Create(LPCSTR lpszText, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return CWnd::Create("STATIC", lpszText, dwStyle, rect, pParentWnd, nID);
}

HICON CStatic::SetIcon(HICON hIcon)
{
    return reinterpret_cast<HICON>(AfxLiteSendCtl(m_hWnd, STM_SETICON, reinterpret_cast<WPARAM>(hIcon)));
}

HICON CStatic::GetIcon() const { return reinterpret_cast<HICON>(AfxLiteSendCtl(m_hWnd, STM_GETICON)); }

HBITMAP CStatic::SetBitmap(HBITMAP hBitmap)
{
    return reinterpret_cast<HBITMAP>(AfxLiteSendCtl(m_hWnd, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(hBitmap)));
}

HBITMAP CStatic::GetBitmap() const { return reinterpret_cast<HBITMAP>(AfxLiteSendCtl(m_hWnd, STM_GETIMAGE, IMAGE_BITMAP)); }

HCURSOR CStatic::SetCursor(HCURSOR hCursor)
{
    return reinterpret_cast<HCURSOR>(AfxLiteSendCtl(m_hWnd, STM_SETIMAGE, IMAGE_CURSOR, reinterpret_cast<LPARAM>(hCursor)));
}

HCURSOR CStatic::GetCursor() { return reinterpret_cast<HCURSOR>(AfxLiteSendCtl(m_hWnd, STM_GETIMAGE, IMAGE_CURSOR)); }

HENHMETAFILE CStatic::SetEnhMetaFile(HENHMETAFILE hMetaFile)
{
    return reinterpret_cast<HENHMETAFILE>(AfxLiteSendCtl(m_hWnd, STM_SETIMAGE, IMAGE_ENHMETAFILE, reinterpret_cast<LPARAM>(hMetaFile)));
}

HENHMETAFILE CStatic::GetEnhMetaFile() const
{
    return reinterpret_cast<HENHMETAFILE>(AfxLiteSendCtl(m_hWnd, STM_GETIMAGE, IMAGE_ENHMETAFILE));
}

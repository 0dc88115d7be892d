#include "MemDC.h"

CMemDC::CMemDC(CDC* pDC, const CRect& rect)
    : m_pDC(pDC), m_rect(rect), m_hOldBitmap(nullptr), m_hOldFont(nullptr), m_bOffScreen(false)
{
    m_rect.NormalizeRect();
    if (m_pDC == nullptr || m_pDC->GetSafeHdc() == nullptr)
    {
        m_pDC = nullptr;
        return;
    }
    if (!CreateOffScreen())
        DrawStraightIntoTarget();
}

bool CMemDC::CreateOffScreen()
{
    if (m_rect.IsRectEmpty() || !CreateCompatibleDC(m_pDC))
        return false;
    if (!m_bitmap.CreateCompatibleBitmap(m_pDC, m_rect.Width(), m_rect.Height()))
    {
        DeleteDC();
        return false;
    }
    m_hOldBitmap = ::SelectObject(m_hDC, m_bitmap.m_hObject);
    m_hOldFont = ::SelectObject(m_hDC, ::GetCurrentObject(m_pDC->m_hDC, OBJ_FONT));
    // The bitmap's top-left pixel stands for the rectangle's top-left point.
    ::SetWindowOrgEx(m_hDC, m_rect.left, m_rect.top, nullptr);
    // Starting from what the target shows lets callers paint only part of the rectangle.
    ::BitBlt(m_hDC, m_rect.left, m_rect.top, m_rect.Width(), m_rect.Height(), m_pDC->m_hDC, m_rect.left,
             m_rect.top, SRCCOPY);
    m_bOffScreen = true;
    return true;
}

// Borrows the target's handle without owning it; the destructor gives it back untouched.
void CMemDC::DrawStraightIntoTarget() { m_hDC = m_hAttribDC = m_pDC->m_hDC; }

CMemDC::~CMemDC()
{
    if (m_bOffScreen)
    {
        ::BitBlt(m_pDC->m_hDC, m_rect.left, m_rect.top, m_rect.Width(), m_rect.Height(), m_hDC, m_rect.left,
                 m_rect.top, SRCCOPY);
        ::SelectObject(m_hDC, m_hOldFont);
        ::SelectObject(m_hDC, m_hOldBitmap);
        DeleteDC();
        m_bitmap.DeleteObject();
    }
    else
    {
        m_hDC = m_hAttribDC = nullptr;
    }
}

#include "MatchRowPainter.h"
#include <algorithm>

CMatchRowPainter::CMatchRowPainter() : m_hFont(nullptr) {}

CMatchRowPainter::~CMatchRowPainter()
{
    m_bold.DeleteObject();
    m_hFont = nullptr;
}

void CMatchRowPainter::SetFont(HFONT hFont)
{
    m_hFont = hFont;
    m_bold.DeleteObject();
    LOGFONTA lf = {};
    HGDIOBJ hSource = hFont != nullptr ? static_cast<HGDIOBJ>(hFont) : ::GetStockObject(DEFAULT_GUI_FONT);
    if (::GetObjectA(hSource, sizeof(lf), &lf) != sizeof(lf))
        return;
    lf.lfWeight = FW_BOLD;
    m_bold.CreateFontIndirect(&lf);
}

int CMatchRowPainter::GetRowHeight(HWND hList) const
{
    HDC hDC = ::GetDC(hList);
    if (hDC == nullptr)
        return 16;
    int height = 0;
    for (HGDIOBJ hFont : { static_cast<HGDIOBJ>(m_hFont), m_bold.GetSafeHandle() })
    {
        HGDIOBJ hOld = hFont != nullptr ? ::SelectObject(hDC, hFont) : nullptr;
        TEXTMETRICA tm = {};
        ::GetTextMetricsA(hDC, &tm);
        height = std::max(height, static_cast<int>(tm.tmHeight));
        if (hOld != nullptr)
            ::SelectObject(hDC, hOld);
    }
    ::ReleaseDC(hList, hDC);
    return height;
}

int CMatchRowPainter::DrawPiece(HDC hDC, HFONT hFont, int x, int y, const char* from, int count)
{
    if (count <= 0)
        return x;
    HGDIOBJ hOld = hFont != nullptr ? ::SelectObject(hDC, hFont) : nullptr;
    ::TextOutA(hDC, x, y, from, count);
    SIZE size = {};
    ::GetTextExtentPoint32A(hDC, from, count, &size);
    if (hOld != nullptr)
        ::SelectObject(hDC, hOld);
    return x + size.cx;
}

void CMatchRowPainter::Draw(const DRAWITEMSTRUCT& dis, const CString& text, int start, int length) const
{
    HDC hDC = dis.hDC;
    const RECT& rc = dis.rcItem;
    const bool selected = (dis.itemState & ODS_SELECTED) != 0;
    if (dis.itemID != static_cast<UINT>(-1))
    {
        ::SetBkColor(hDC, ::GetSysColor(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
        ::ExtTextOutA(hDC, 0, 0, ETO_OPAQUE, &rc, nullptr, 0, nullptr);
        ::SetBkMode(hDC, TRANSPARENT);
        const COLORREF textColour = ::GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT);
        const COLORREF markColour = selected ? textColour : ::GetSysColor(COLOR_HOTLIGHT);
        const int n = text.GetLength();
        start = std::max(0, std::min(start, n));
        length = std::max(0, std::min(length, n - start));
        HFONT hBold = static_cast<HFONT>(m_bold.GetSafeHandle());
        const char* p = text.GetString();
        int x = rc.left + kTextIndent;
        ::SetTextColor(hDC, textColour);
        x = DrawPiece(hDC, m_hFont, x, rc.top, p, start);
        ::SetTextColor(hDC, markColour);
        x = DrawPiece(hDC, hBold != nullptr ? hBold : m_hFont, x, rc.top, p + start, length);
        ::SetTextColor(hDC, textColour);
        DrawPiece(hDC, m_hFont, x, rc.top, p + start + length, n - start - length);
    }
    if ((dis.itemState & ODS_FOCUS) != 0)
        ::DrawFocusRect(hDC, &rc);
}

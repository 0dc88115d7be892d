#include "DirList.h"
#include "DpiScale.h"
#include "MemDC.h"
#include <CharWalk.h>
#include <StringUtils.h>
#include <TextArray.h>
#include <algorithm>
#include <climits>
#include <cstring>

IMPLEMENT_DYNAMIC(CDirList, CListBox)

BEGIN_MESSAGE_MAP(CDirList, CListBox)
    ON_MESSAGE(WM_SETFONT, OnSetFont)
    ON_MESSAGE(LB_RESETCONTENT, OnResetContent)
    ON_MESSAGE(LB_GETTEXT, OnGetText)
    ON_MESSAGE(LB_GETTEXTLEN, OnGetTextLen)
    ON_MESSAGE(LB_FINDSTRINGEXACT, OnFindStringExact)
    ON_MESSAGE(LB_SELECTSTRING, OnSelectString)
END_MESSAGE_MAP()

namespace
{
// Sizes at 96 DPI; Layout gives them at the list's DPI.
const int kMargin = 2;
const int kIndentStep = 12;
const int kPicture = 16;
const int kPictureGap = 4;
const int kRowPadding = 2;

struct Layout
{
    explicit Layout(HWND hList)
        : nDpi(DpiScale::GetWindowDpi(hList)),
          nMargin(DpiScale::Scale(kMargin, nDpi)),
          nIndentStep(DpiScale::Scale(kIndentStep, nDpi)),
          nPicture(DpiScale::Scale(kPicture, nDpi)),
          nPictureGap(DpiScale::Scale(kPictureGap, nDpi)),
          nRowPadding(DpiScale::Scale(kRowPadding, nDpi))
    {
    }
    UINT nDpi;
    int nMargin;
    int nIndentStep;
    int nPicture;
    int nPictureGap;
    int nRowPadding;
};

// The pictures are drawn on a 16-pixel grid; above 96 DPI the grid is scaled into rc.
class PictureScale
{
public:
    PictureScale(CDC& dc, const CRect& rc) : m_hDC(dc.m_hDC), m_nOldMode(0), m_bScaled(rc.Width() != kPicture)
    {
        if (!m_bScaled)
            return;
        m_nOldMode = ::SetGraphicsMode(m_hDC, GM_ADVANCED);
        ::GetWorldTransform(m_hDC, &m_old);
        const float f = static_cast<float>(rc.Width()) / kPicture;
        const XFORM xf = {f, 0.0f, 0.0f, f, static_cast<float>(rc.left) * (1.0f - f), static_cast<float>(rc.top) * (1.0f - f)};
        ::SetWorldTransform(m_hDC, &xf);
    }
    ~PictureScale()
    {
        if (!m_bScaled)
            return;
        ::SetWorldTransform(m_hDC, &m_old);
        ::SetGraphicsMode(m_hDC, m_nOldMode);
    }
    PictureScale(const PictureScale&) = delete;
    PictureScale& operator=(const PictureScale&) = delete;

private:
    HDC m_hDC;
    int m_nOldMode;
    bool m_bScaled;
    XFORM m_old{};
};
// Marks item data as ours, so that rows added without a picture (plain LB_ADDSTRING leaves 0)
// are told apart from the drive picture 0.
const DWORD_PTR kIconTag = 0x4F520000;
const DWORD_PTR kIconMask = 0xFF;

// Selects a pen and a brush for the lifetime of one shape and puts the old ones back.
class ShapeTools
{
public:
    ShapeTools(CDC& dc, COLORREF clrOutline, COLORREF clrFill)
        : m_dc(dc), m_pen(PS_SOLID, 1, clrOutline), m_brush(clrFill)
    {
        m_pOldPen = m_dc.SelectObject(&m_pen);
        m_pOldBrush = m_dc.SelectObject(&m_brush);
    }
    ~ShapeTools()
    {
        m_dc.SelectObject(m_pOldPen);
        m_dc.SelectObject(m_pOldBrush);
    }
    ShapeTools(const ShapeTools&) = delete;
    ShapeTools& operator=(const ShapeTools&) = delete;

private:
    CDC& m_dc;
    CPen m_pen;
    CBrush m_brush;
    CPen* m_pOldPen;
    CBrush* m_pOldBrush;
};

const COLORREF kFolderEdge = RGB(150, 110, 20);
const COLORREF kFolderBack = RGB(225, 180, 60);
const COLORREF kFolderFront = RGB(250, 215, 110);
const COLORREF kCurrentFront = RGB(255, 160, 30);
const COLORREF kDriveEdge = RGB(80, 80, 80);
const COLORREF kDriveBody = RGB(200, 200, 200);
const COLORREF kDriveLight = RGB(0, 170, 0);
const COLORREF kDiscBody = RGB(190, 200, 230);
const COLORREF kSlot = RGB(40, 40, 40);

void DrawDriveBody(CDC& dc, int x, int y, int cy)
{
    ShapeTools tools(dc, kDriveEdge, kDriveBody);
    dc.Rectangle(x + 1, y, x + 15, y + cy);
    dc.FillSolidRect(x + 11, y + cy - 4, 2, 2, kDriveLight);
}

void DrawClosedFolder(CDC& dc, int x, int y)
{
    ShapeTools tools(dc, kFolderEdge, kFolderBack);
    dc.Rectangle(x + 1, y + 2, x + 7, y + 5);
    dc.Rectangle(x + 1, y + 4, x + 15, y + 14);
}

// Widths of texts in one font, summed from the font's character widths read once, so that
// thousands of rows are measured without asking the font for each; a text with two-byte
// characters is measured by the DC.
class CharWidths
{
public:
    explicit CharWidths(CDC& dc) : m_dc(dc), m_bTable(::GetCharWidth32A(dc.m_hDC, 0, 255, m_widths) != FALSE) {}
    // The width of text's characters from nStart to nEnd.
    int Of(const CString& text, int nStart, int nEnd) const
    {
        if (!m_bTable)
            return m_dc.GetTextExtent(text.Mid(nStart, nEnd - nStart)).cx;
        int nWidth = 0;
        for (int i = nStart; i < nEnd; ++i)
        {
            if (CharWalk::IsLeadByte(text[i]))
                return m_dc.GetTextExtent(text.Mid(nStart, nEnd - nStart)).cx;
            nWidth += m_widths[static_cast<unsigned char>(text[i])];
        }
        return nWidth;
    }

private:
    CDC& m_dc;
    INT m_widths[256];
    bool m_bTable;
};

void DrawOpenFolder(CDC& dc, int x, int y, COLORREF clrFront)
{
    {
        ShapeTools tools(dc, kFolderEdge, kFolderBack);
        dc.Rectangle(x + 1, y + 2, x + 7, y + 5);
        dc.Rectangle(x + 1, y + 4, x + 13, y + 14);
    }
    ShapeTools tools(dc, kFolderEdge, clrFront);
    const POINT front[] = {{x + 1, y + 13}, {x + 4, y + 7}, {x + 15, y + 7}, {x + 12, y + 13}};
    dc.Polygon(front, 4);
}
}

CDirList::CDirList()
    : m_nMaxTextWidth(0), m_nExtent(0), m_nRowHeight(0), m_pRowTexts(nullptr), m_pRowIcons(nullptr)
{
}

CDirList::~CDirList() = default;

int CDirList::AddString(const char* text, CDirList::Icons icon)
{
    if (text == nullptr || !::IsWindow(m_hWnd))
        return LB_ERR;
    const int nIndex = CListBox::AddString(text);
    if (nIndex < 0)
        return nIndex;
    if (icon >= 0 && icon < IconCount)
    {
        SetItemData(nIndex, kIconTag | static_cast<DWORD_PTR>(icon));
        // The control may have drawn the row before it had its picture. Only a row in view can
        // have been drawn; skipping the others keeps a fill of thousands of rows fast.
        CRect rc;
        CRect rcClient;
        GetClientRect(rcClient);
        if (GetItemRect(nIndex, rc) != LB_ERR && rc.top < rcClient.bottom && rc.bottom > rcClient.top)
            InvalidateRect(rc, FALSE);
    }
    WidenExtentFor(text);
    return nIndex;
}

void CDirList::ShowRows(const TextArray* texts, const std::vector<unsigned char>* icons)
{
    m_pRowTexts = texts;
    m_pRowIcons = icons;
    if (!::IsWindow(m_hWnd))
        return;
    // Emptied first, so that the selection and the scroll position start afresh.
    SendMessage(LB_RESETCONTENT);
    const size_t nRows = texts != nullptr ? std::min(texts->GetCount(), static_cast<size_t>(INT_MAX)) : 0;
    SendMessage(LB_SETCOUNT, static_cast<WPARAM>(nRows));
    SendMessage(LB_SETITEMHEIGHT, 0, MAKELPARAM(RowHeight(), 0));
    m_nExtent = MeasureShownRows();
    SetHorizontalExtent(m_nExtent);
    Invalidate();
}

const CString* CDirList::ShownRow(int nIndex) const
{
    if (m_pRowTexts == nullptr || nIndex < 0 || static_cast<size_t>(nIndex) >= m_pRowTexts->GetCount() ||
        nIndex >= GetCount())
        return nullptr;
    return &(*m_pRowTexts)[static_cast<size_t>(nIndex)];
}

int CDirList::FindShownRow(int nStart, const CString& text, bool bExact) const
{
    const int nRows = GetCount();
    if (m_pRowTexts == nullptr || nRows <= 0)
        return LB_ERR;
    const int nFrom = nStart < 0 || nStart >= nRows ? 0 : nStart + 1;
    for (int i = 0; i < nRows; ++i)
    {
        const int nRow = (nFrom + i) % nRows;
        const CString* pText = ShownRow(nRow);
        if (pText != nullptr && (!bExact || pText->GetLength() == text.GetLength()) &&
            StringUtils::MatchFirstChars(*pText, text, false))
            return nRow;
    }
    return LB_ERR;
}

int CDirList::MeasureShownRows()
{
    if (m_pRowTexts == nullptr || m_pRowTexts->IsEmpty())
        return 0;
    CDC dc;
    if (!dc.CreateCompatibleDC(nullptr))
        return 0;
    CFont* pOldFont = nullptr;
    if (CFont* pFont = GetFont())
        pOldFont = dc.SelectObject(pFont);
    const CharWidths widths(dc);
    int nWidest = 0;
    for (size_t i = 0; i < m_pRowTexts->GetCount(); ++i)
    {
        // Read as ParseRow reads it, without copying: the name is the span [nStart, nEnd).
        const CString& text = (*m_pRowTexts)[i];
        int nStart = 0;
        int nEnd = 0;
        const int nSteps = FindName(text, nStart, nEnd);
        nWidest = std::max(nWidest, RowWidthFor(nSteps, widths.Of(text, nStart, nEnd)));
    }
    if (pOldFont != nullptr)
        dc.SelectObject(pOldFont);
    return nWidest;
}

LRESULT CDirList::OnGetText(WPARAM wParam, LPARAM lParam)
{
    if (m_pRowTexts == nullptr)
        return Default();
    const CString* pText = ShownRow(static_cast<int>(wParam));
    if (pText == nullptr || lParam == 0)
        return LB_ERR;
    std::memcpy(reinterpret_cast<char*>(lParam), pText->GetString(), static_cast<size_t>(pText->GetLength()) + 1);
    return pText->GetLength();
}

LRESULT CDirList::OnGetTextLen(WPARAM wParam, LPARAM /*lParam*/)
{
    if (m_pRowTexts == nullptr)
        return Default();
    const CString* pText = ShownRow(static_cast<int>(wParam));
    return pText != nullptr ? pText->GetLength() : LB_ERR;
}

LRESULT CDirList::OnFindStringExact(WPARAM wParam, LPARAM lParam)
{
    if (m_pRowTexts == nullptr)
        return Default();
    return lParam != 0 ? FindShownRow(static_cast<int>(wParam), reinterpret_cast<LPCSTR>(lParam), true) : LB_ERR;
}

LRESULT CDirList::OnSelectString(WPARAM wParam, LPARAM lParam)
{
    if (m_pRowTexts == nullptr)
        return Default();
    const int nRow = lParam != 0 ? FindShownRow(static_cast<int>(wParam), reinterpret_cast<LPCSTR>(lParam), false)
                                 : LB_ERR;
    if (nRow != LB_ERR)
        SetCurSel(nRow);
    return nRow;
}

int CDirList::GetItemIcon(int nIndex) const
{
    if (nIndex < 0 || nIndex >= GetCount())
        return -1;
    if (m_pRowTexts != nullptr)
    {
        if (m_pRowIcons == nullptr || static_cast<size_t>(nIndex) >= m_pRowIcons->size())
            return -1;
        const int nIcon = (*m_pRowIcons)[static_cast<size_t>(nIndex)];
        return nIcon < IconCount ? nIcon : -1;
    }
    const DWORD_PTR data = GetItemData(nIndex);
    if ((data & ~kIconMask) != kIconTag)
        return -1;
    return static_cast<int>(data & kIconMask);
}

int CDirList::FindName(const CString& text, int& nStart, int& nEnd)
{
    int nSteps = 0;
    int nPos = 0;
    const int nLength = text.GetLength();
    while (nLength - nPos >= 3 && text[nPos] == '.' && text[nPos + 1] == '.' && text[nPos + 2] == '\\')
    {
        ++nSteps;
        nPos += 3;
    }
    nEnd = nLength;
    // The indentation is single-byte, so the rest starts on a character.
    const bool bEndsWithSlash = nEnd > nPos && CharWalk::EndsWith(text, '\\');
    if (nEnd - nPos >= 2 && bEndsWithSlash && text[nEnd - 2] == ':')
    {
        nStart = nPos;
        return nSteps;
    }
    if (bEndsWithSlash)
        --nEnd;
    nStart = nPos;
    for (int i = nPos; i < nEnd; i = CharWalk::Next(text, i))
    {
        if (text[i] == '\\' && CharWalk::CharLength(text, i) == 1)
        {
            if (i > nStart)
                ++nSteps;
            nStart = i + 1;
        }
    }
    return nSteps;
}

// Returns the number of indentation steps and puts the name to show into name.
int CDirList::ParseRow(const CString& text, CString& name)
{
    int nSteps = 0;
    int nPos = 0;
    while (text.Mid(nPos, 3) == "..\\")
    {
        ++nSteps;
        nPos += 3;
    }
    CString rest = text.Mid(nPos);
    const int nLen = rest.GetLength();
    // A trail byte 0x5C of a two-byte character is no backslash.
    const bool bEndsWithSlash = CharWalk::EndsWith(rest, '\\');
    const bool bDriveRoot = nLen >= 2 && bEndsWithSlash && rest[nLen - 2] == ':';
    if (!bDriveRoot && bEndsWithSlash)
        rest = rest.Left(nLen - 1);
    if (bDriveRoot)
    {
        name = rest;
        return nSteps;
    }
    // Every folder named before the last one is a step; empty parts (as in "\\server") are not.
    int nStart = 0;
    for (int nSlash = CharWalk::Find(rest, '\\'); nSlash >= 0; nSlash = CharWalk::Find(rest, '\\', nStart))
    {
        if (nSlash > nStart)
            ++nSteps;
        nStart = nSlash + 1;
    }
    name = rest.Mid(nStart);
    return nSteps;
}

// Every row has the same height; it is found once per font, as a fill measures every row.
int CDirList::RowHeight()
{
    if (m_nRowHeight > 0)
        return m_nRowHeight;
    CClientDC dc(this);
    CFont* pOldFont = nullptr;
    if (CFont* pFont = GetFont())
        pOldFont = dc.SelectObject(pFont);
    TEXTMETRICA tm{};
    dc.GetTextMetrics(&tm);
    if (pOldFont != nullptr)
        dc.SelectObject(pOldFont);
    const Layout layout(m_hWnd);
    m_nRowHeight = std::max<int>(tm.tmHeight, layout.nPicture) + layout.nRowPadding;
    return m_nRowHeight;
}

int CDirList::RowWidth(CDC& dc, const CString& text) const
{
    CString name;
    const int nSteps = ParseRow(text, name);
    return RowWidthFor(nSteps, dc.GetTextExtent(name).cx);
}

int CDirList::RowWidthFor(int nSteps, int nTextWidth) const
{
    if (m_nMaxTextWidth > 0)
        nTextWidth = std::min(nTextWidth, m_nMaxTextWidth);
    const Layout layout(m_hWnd);
    return layout.nMargin + nSteps * layout.nIndentStep + layout.nPicture + layout.nPictureGap + nTextWidth +
           layout.nMargin;
}

void CDirList::WidenExtentFor(const CString& text)
{
    // A memory DC measures text as the window's would, without asking the window system for a
    // window DC once per row.
    CDC dc;
    if (!dc.CreateCompatibleDC(nullptr))
        return;
    CFont* pOldFont = nullptr;
    if (CFont* pFont = GetFont())
        pOldFont = dc.SelectObject(pFont);
    const int nWidth = RowWidth(dc, text);
    if (pOldFont != nullptr)
        dc.SelectObject(pOldFont);
    if (nWidth > m_nExtent)
    {
        m_nExtent = nWidth;
        SetHorizontalExtent(m_nExtent);
    }
}

// Rows of a variable-height list are measured once, when added; a new font would otherwise
// leave them at the old font's height, cutting the text.
void CDirList::RemeasureAll()
{
    const int nHeight = RowHeight();
    if (m_pRowTexts != nullptr)
    {
        SetItemHeight(0, static_cast<UINT>(nHeight));
        m_nExtent = MeasureShownRows();
        SetHorizontalExtent(m_nExtent);
        return;
    }
    const int nCount = GetCount();
    m_nExtent = 0;
    for (int i = 0; i < nCount; ++i)
    {
        SetItemHeight(i, static_cast<UINT>(nHeight));
        CString text;
        GetText(i, text);
        WidenExtentFor(text);
    }
    SetHorizontalExtent(m_nExtent);
}

LRESULT CDirList::OnSetFont(WPARAM, LPARAM lParam)
{
    const LRESULT lResult = Default();
    m_nRowHeight = 0;
    RemeasureAll();
    if (LOWORD(lParam) != 0)
        Invalidate();
    return lResult;
}

LRESULT CDirList::OnResetContent(WPARAM, LPARAM)
{
    const LRESULT lResult = Default();
    m_nExtent = 0;
    SetHorizontalExtent(0);
    return lResult;
}

void CDirList::MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct)
{
    if (lpMeasureItemStruct == nullptr || lpMeasureItemStruct->CtlType != ODT_LISTBOX)
        return;
    lpMeasureItemStruct->itemHeight = static_cast<UINT>(RowHeight());
}

void CDirList::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    if (lpDrawItemStruct == nullptr || lpDrawItemStruct->CtlType != ODT_LISTBOX)
        return;
    const CRect rc(lpDrawItemStruct->rcItem);
    if (rc.IsRectEmpty())
        return;
    const UINT nState = lpDrawItemStruct->itemState;
    const bool bSelected = (nState & ODS_SELECTED) != 0;
    const bool bDisabled = (nState & ODS_DISABLED) != 0 || !IsWindowEnabled();

    CMemDC dc(CDC::FromHandle(lpDrawItemStruct->hDC), rc);
    dc.FillSolidRect(rc, ::GetSysColor(bSelected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    const int nIndex = static_cast<int>(lpDrawItemStruct->itemID);
    if (nIndex >= 0 && nIndex < GetCount())
    {
        CString text, name;
        GetText(nIndex, text);
        const int nSteps = ParseRow(text, name);
        const Layout layout(m_hWnd);
        const int x = rc.left + layout.nMargin + nSteps * layout.nIndentStep;
        const int y = rc.top + (rc.Height() - layout.nPicture) / 2;
        const CRect rcPicture(x, y, x + layout.nPicture, y + layout.nPicture);
        DrawPicture(dc, GetItemIcon(nIndex), rcPicture);

        CRect rcText(rcPicture.right + layout.nPictureGap, rc.top, rc.right, rc.bottom);
        if (m_nMaxTextWidth > 0)
            rcText.right = std::min<int>(rcText.right, rcText.left + m_nMaxTextWidth);
        CFont* pOldFont = nullptr;
        if (CFont* pFont = GetFont())
            pOldFont = dc.SelectObject(pFont);
        const int nOldMode = dc.SetBkMode(TRANSPARENT);
        const COLORREF clrOld = dc.SetTextColor(::GetSysColor(bDisabled   ? COLOR_GRAYTEXT
                                                              : bSelected ? COLOR_HIGHLIGHTTEXT
                                                                          : COLOR_WINDOWTEXT));
        dc.DrawText(name, rcText, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
        dc.SetTextColor(clrOld);
        dc.SetBkMode(nOldMode);
        if (pOldFont != nullptr)
            dc.SelectObject(pOldFont);
    }
    if ((nState & ODS_FOCUS) != 0 && (nState & ODS_NOFOCUSRECT) == 0)
    {
        // The focus frame is drawn by inverting, so its look depends on these colours.
        dc.SetTextColor(RGB(0, 0, 0));
        dc.SetBkColor(RGB(255, 255, 255));
        dc.DrawFocusRect(rc);
    }
}

void CDirList::DrawPicture(CDC& dc, int nIcon, const CRect& rc)
{
    const int x = rc.left;
    const int y = rc.top;
    const PictureScale scale(dc, rc);
    switch (nIcon)
    {
    case IconDrive:
        DrawDriveBody(dc, x, y + 5, 7);
        break;
    case IconCdRomDrive:
    {
        ShapeTools tools(dc, kDriveEdge, kDiscBody);
        ::Ellipse(dc.m_hDC, x + 1, y + 1, x + 15, y + 15);
        ShapeTools hole(dc, kDriveEdge, RGB(255, 255, 255));
        ::Ellipse(dc.m_hDC, x + 6, y + 6, x + 10, y + 10);
        break;
    }
    case IconRemovableDrive:
    {
        ShapeTools tools(dc, kDriveEdge, kDriveBody);
        dc.Rectangle(x + 3, y + 3, x + 13, y + 14);
        dc.FillSolidRect(x + 5, y + 6, 6, 2, kSlot);
        break;
    }
    case IconNetworkDrive:
        DrawDriveBody(dc, x, y + 1, 7);
        dc.FillSolidRect(x + 7, y + 8, 2, 4, kSlot);
        dc.FillSolidRect(x + 2, y + 12, 12, 2, kSlot);
        break;
    case IconParentFolder:
        DrawOpenFolder(dc, x, y, kFolderFront);
        break;
    case IconCurrentFolder:
        DrawOpenFolder(dc, x, y, kCurrentFront);
        break;
    case IconFolder:
    case IconSubfolder:
        DrawClosedFolder(dc, x, y);
        break;
    default:
        break;
    }
}

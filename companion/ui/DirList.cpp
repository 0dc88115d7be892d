#include "DirList.h"
#include "DpiScale.h"
#include "MemDC.h"
#include <CharWalk.h>
#include <algorithm>

IMPLEMENT_DYNAMIC(CDirList, CListBox)

BEGIN_MESSAGE_MAP(CDirList, CListBox)
    ON_MESSAGE(WM_SETFONT, OnSetFont)
    ON_MESSAGE(LB_RESETCONTENT, OnResetContent)
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

CDirList::CDirList() : m_nMaxTextWidth(0), m_nExtent(0), m_nRowHeight(0) {}

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

int CDirList::GetItemIcon(int nIndex) const
{
    if (nIndex < 0 || nIndex >= GetCount())
        return -1;
    const DWORD_PTR data = GetItemData(nIndex);
    if ((data & ~kIconMask) != kIconTag)
        return -1;
    return static_cast<int>(data & kIconMask);
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
    int nText = dc.GetTextExtent(name).cx;
    if (m_nMaxTextWidth > 0)
        nText = std::min(nText, m_nMaxTextWidth);
    const Layout layout(m_hWnd);
    return layout.nMargin + nSteps * layout.nIndentStep + layout.nPicture + layout.nPictureGap + nText + layout.nMargin;
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

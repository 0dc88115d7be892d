// What a user sees of the standard controls that the library's windows are made of: an edit's
// text, a list box's rows and selected row, a tree item's expand button, the spot of a day in a
// month calendar.
#pragma once
#include <afxwin.h>
#include <commctrl.h>
#include <string>
#include <vector>

namespace harness
{
inline std::string WindowText(HWND hWnd)
{
    char text[1024] = "";
    ::GetWindowTextA(hWnd, text, sizeof(text));
    return text;
}

inline std::string ListRow(HWND hList, int row)
{
    const LRESULT length = ::SendMessageA(hList, LB_GETTEXTLEN, row, 0);
    if (length == LB_ERR)
        return "";
    std::string text(static_cast<size_t>(length) + 1, '\0');
    ::SendMessageA(hList, LB_GETTEXT, row, reinterpret_cast<LPARAM>(&text[0]));
    text.resize(static_cast<size_t>(length));
    return text;
}

inline std::vector<std::string> ListRows(HWND hList)
{
    std::vector<std::string> rows;
    const int count = static_cast<int>(::SendMessageA(hList, LB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i)
        rows.push_back(ListRow(hList, i));
    return rows;
}

// Whether the tree view shows an expand button for an item once the item is in view (a folder
// tree asks the disk only for items it shows).
inline bool ShowsExpandButton(HWND hTree, HTREEITEM hItem)
{
    TreeView_EnsureVisible(hTree, hItem);
    ::UpdateWindow(hTree);
    TVITEMA item{};
    item.hItem = hItem;
    item.mask = TVIF_CHILDREN;
    return ::SendMessageA(hTree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item)) != 0 && item.cChildren > 0;
}

// The selected row's text, or "<none>".
inline std::string ListSelection(HWND hList)
{
    const int row = static_cast<int>(::SendMessageA(hList, LB_GETCURSEL, 0, 0));
    return row == LB_ERR ? "<none>" : ListRow(hList, row);
}

// Screen point in the middle of the first spot of a month calendar that hit-tests as uHit; for
// MCHT_CALENDARDATE, the cell of that date, greyed days of the neighbour months included.
// Found from the control's own geometry.
inline bool MonthCalSpot(HWND hMonthCal, UINT uHit, int year, int month, int day, POINT& screen)
{
    RECT rc{};
    ::GetClientRect(hMonthCal, &rc);
    for (int y = rc.top + 1; y < rc.bottom; y += 2)
    {
        for (int x = rc.left + 1; x < rc.right; x += 2)
        {
            MCHITTESTINFO hit{};
            hit.cbSize = MCHITTESTINFO_V1_SIZE;
            hit.pt = { x, y };
            ::SendMessage(hMonthCal, MCM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit));
            const bool bFound = uHit == MCHT_CALENDARDATE
                                    ? (hit.uHit & MCHT_CALENDARDATE) == MCHT_CALENDARDATE && hit.st.wYear == year &&
                                          hit.st.wMonth == month && hit.st.wDay == day
                                    : hit.uHit == uHit;
            if (!bFound)
                continue;
            screen = { x + 3, y + 3 }; // the middle of the cell, not its edge
            ::ClientToScreen(hMonthCal, &screen);
            return true;
        }
    }
    return false;
}
}

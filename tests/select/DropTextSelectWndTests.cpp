// The text drop window and its list: filling from the whole array or a range, choosing the
// row of the edit's text, its height and top row, and a million-text list at both ends.
#include "SelectFixture.h"

using namespace seltest;

TEST_F(SelectTest, UpdateListShowsTheRangeAndSelectsTheFirstRowEqualToTheEditText)
{
    // Regression rows: a range that no longer fits the array (texts replaced while the list is
    // open) is cut at the array's end, never read past it.
    const struct
    {
        const char* name;
        int first, last;
        const char* text;
        Texts rows;
        const char* selected;
        int rowOfLast; // the row that shows the array's last text
    } rows[] = {
        { "first equal text wins", -1, -1, "b", { "a", "b", "b", "c", "d", "e" }, "b", 5 },
        { "letter case counts", -1, -1, "B", { "a", "b", "b", "c", "d", "e" }, "<none>", 5 },
        { "a range shows only its texts", 3, 5, "d", { "c", "d", "e" }, "d", 2 },
        { "a range past the array is cut at its end", 4, 9, "e", { "d", "e" }, "e", 1 },
        { "a range that starts past the array shows nothing", 7, 9, "e", {}, "<none>", -1 },
    };
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.name);
        AttachSelect({ "a", "b", "b", "c", "d", "e" }, false);
        SetText(row.text);
        m_pDrop->m_nFirstText = row.first;
        m_pDrop->m_nLastText = row.last;
        m_pDrop->UpdateList();
        EXPECT_EQ(Rows(), row.rows);
        EXPECT_EQ(SelectedRow(), row.selected);
        EXPECT_EQ(m_pDrop->GetRowOfText(5), row.rowOfLast);
        EXPECT_EQ(Text(), row.text); // selecting does not write into the edit
    }
}

TEST_F(SelectTest, TheWindowAsksForTheHeightOfItsRowsWithinTheDialogAndKeepsContextAboveTheSelection)
{
    AttachSelect({ "one", "two", "three", "four" }, false);
    PressKey(VK_F9);
    ASSERT_TRUE(ListVisible());
    CRect rc, rcEdit, rcClient;
    m_pDrop->GetWindowRect(&rc);
    m_pEdit->GetWindowRect(&rcEdit);
    EXPECT_EQ(rc.Height(), 4 * List().GetItemHeight(0) + 2 * ::GetSystemMetrics(SM_CYEDGE));
    EXPECT_EQ(rc.top, rcEdit.bottom);

    // A list taller than the dialog is limited to the room below the edit, and scrolled so
    // that five rows stay above the selection.
    AttachSelect({}, false, [](CSelectEdit& edit) { AddNumbered(edit, "text %02d", 100); });
    SetText("text 50");
    PressKey(VK_F9);
    ASSERT_TRUE(ListVisible());
    m_pDlg->GetClientRect(&rcClient);
    m_pDlg->ClientToScreen(&rcClient);
    EXPECT_EQ(m_pDrop->m_nPreferredHeight, std::max(rcClient.bottom - rcEdit.bottom, 125L));
    EXPECT_EQ(List().GetCurSel(), 50);
    EXPECT_EQ(List().GetTopIndex(), 45);
    SetText("text 02"); // a selection near the top needs no scrolling
    m_pDrop->UpdateList();
    EXPECT_EQ(List().GetCurSel(), 2);
    EXPECT_EQ(List().GetTopIndex(), 0);
}

TEST_F(SelectTest, AMillionTextListReadsItsRowsAndKeysWheelAndClicksPickTheRightTextAtBothEnds)
{
    const auto numbered = [](int i) {
        CString text;
        text.Format("text %07d", i);
        return std::string(text.GetString());
    };
    AttachSelect({}, false, [&](CSelectEdit& edit) {
        std::vector<CString> texts;
        for (int i = 0; i < 1000000; ++i)
            texts.push_back(numbered(i).c_str());
        edit.AddText(texts);
    });
    const HWND hList = List().m_hWnd;
    const auto wheel = [&](int notches) {
        harness::Wheel(harness::ClientCenter(m_pEdit->m_hWnd), notches * -WHEEL_DELTA);
    };
    // Rows follow each other faster than a double click: no two clicks land on one spot.
    const struct
    {
        const char* name;
        int start;
        std::function<void()> act;
        int picked; // -1: the row below the top one after a wheel notch, -2: two below
    } rows[] = {
        { "End from the first row", 0, [] { PressKey(VK_DOWN); PressKey(VK_END); PressKey(VK_RETURN); }, 999999 },
        { "a click on the first row", 0, [&] { harness::Click(RowPoint(0)); }, 0 },
        { "Up from the first row wraps to the last", 0, [] { PressKey(VK_UP); PressKey(VK_RETURN); }, 999999 },
        { "a notch down from the top, then a click", 0, [&] {
              wheel(1);
              EXPECT_EVENTUALLY(List().GetTopIndex() == List().m_nScrollLines);
              harness::Click(RowPoint(List().GetTopIndex() + 1));
          }, -1 },
        { "Home from the last row", 999999, [] { PressKey(VK_UP); PressKey(VK_HOME); PressKey(VK_RETURN); }, 0 },
        { "a click on the last row", 999999, [&] { harness::Click(RowPoint(999999)); }, 999999 },
        { "Down from the last row wraps to the first", 999999, [] { PressKey(VK_DOWN); PressKey(VK_RETURN); }, 0 },
        { "a notch up from the bottom, then a click", 999999, [&] {
              const int top = List().GetTopIndex();
              wheel(-1);
              EXPECT_EVENTUALLY(List().GetTopIndex() == top - List().m_nScrollLines);
              harness::Click(RowPoint(List().GetTopIndex() + 2));
          }, -2 },
    };
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.name);
        SetText(numbered(row.start).c_str());
        PressKey(VK_F9);
        ASSERT_TRUE(ListVisible());
        ASSERT_EQ(List().GetCount(), 1000000);
        EXPECT_EQ(SelectedRow(), numbered(row.start));
        const int top = List().GetTopIndex();
        row.act();
        EXPECT_EVENTUALLY(!ListVisible());
        // A wheel row picks a row counted from the one on top after the turn.
        const int picked =
            row.picked >= 0 ? row.picked : top + (row.start == 0 ? 1 : -1) * List().m_nScrollLines - row.picked;
        EXPECT_EQ(Text(), numbered(picked));
    }

    // The rows answer the list box's text queries from the texts, at both ends and between.
    PressKey(VK_F9);
    ASSERT_TRUE(ListVisible());
    for (int row : { 0, 1, 500000, 999998, 999999 })
        EXPECT_EQ(harness::ListRow(hList, row), numbered(row));
    EXPECT_EQ(::SendMessageA(hList, LB_GETTEXTLEN, 999999, 0), 12);
    EXPECT_EQ(::SendMessageA(hList, LB_GETTEXTLEN, 1000000, 0), LB_ERR);
    const auto send = [&](UINT message, int start, const char* text) {
        return ::SendMessageA(hList, message, static_cast<WPARAM>(start), reinterpret_cast<LPARAM>(text));
    };
    EXPECT_EQ(send(LB_FINDSTRINGEXACT, -1, "TEXT 0999999"), 999999); // letter case aside
    EXPECT_EQ(send(LB_FINDSTRINGEXACT, 0, "text 0000000"), 0);       // wraps past the end
    EXPECT_EQ(send(LB_FINDSTRINGEXACT, -1, "text 1"), LB_ERR);
    EXPECT_EQ(send(LB_SELECTSTRING, -1, "Text 05"), 500000);
    EXPECT_EQ(SelectedRow(), numbered(500000));
    EXPECT_EQ(send(LB_SELECTSTRING, 999999, "text 09999"), 999900);
}

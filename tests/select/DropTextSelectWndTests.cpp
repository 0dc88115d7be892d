// The text drop window and its list: filling from the whole array or a range, choosing the
// row of the edit's text, and a million-text list at its far end.
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
        { "a range past the array is cut at its end", 4, 9, "e", { "d", "e" }, "e", 1 },
        { "a range that starts past the array shows nothing", 7, 9, "e", {}, "<none>", -1 },
    };
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.name);
        Attach<CSelectEdit>({ "a", "b", "b", "c", "d", "e" }, false);
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

TEST_F(SelectTest, AMillionTextListReadsItsRowsAndKeysWheelAndClicksPickTheRightTextAtTheFarEnd)
{
    const auto numbered = [](int i) {
        CString text;
        text.Format("text %07d", i);
        return std::string(text.GetString());
    };
    Attach<CSelectEdit>({}, false, [&](CSelectEdit& edit) {
        std::vector<CString> texts;
        for (int i = 0; i < 1000000; ++i)
            texts.push_back(numbered(i).c_str());
        edit.AddText(texts);
    });
    // Rows follow each other faster than a double click: no two clicks land on one spot.
    const struct
    {
        const char* name;
        int start;
        std::function<void()> act;
        int picked; // -1: two rows below the top one after a notch up
    } rows[] = {
        { "Up from the first row wraps to the last", 0, [] { PressKey(VK_UP); PressKey(VK_RETURN); }, 999999 },
        { "a click on the last row", 999999, [&] { harness::Click(RowPoint(999999)); }, 999999 },
        { "Down from the last row wraps to the first", 999999, [] { PressKey(VK_DOWN); PressKey(VK_RETURN); }, 0 },
        { "a notch up from the bottom, then a click", 999999, [&] {
              const int top = List().GetTopIndex();
              harness::Wheel(harness::ClientCenter(m_pEdit->m_hWnd), WHEEL_DELTA);
              EXPECT_EVENTUALLY(List().GetTopIndex() == top - List().m_nScrollLines);
              harness::Click(RowPoint(List().GetTopIndex() + 2));
          }, -1 },
    };
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.name);
        SetText(numbered(row.start).c_str());
        PressKey(VK_F9);
        ASSERT_TRUE(ListVisible());
        EXPECT_EQ(SelectedRow(), numbered(row.start));
        const int top = List().GetTopIndex();
        row.act();
        EXPECT_EVENTUALLY(!ListVisible());
        EXPECT_EQ(Text(), numbered(row.picked >= 0 ? row.picked : top - List().m_nScrollLines + 2));
    }

    // The rows answer the list box's text queries from the texts (the selected row's above), and
    // nothing past the last.
    PressKey(VK_F9);
    ASSERT_TRUE(ListVisible());
    EXPECT_EQ(::SendMessageA(List().m_hWnd, LB_GETTEXTLEN, 1000000, 0), LB_ERR);
    // Hosts and screen readers find rows as in any list box (the rows live only in the texts).
    const auto send = [&](UINT message, int start, const char* text) {
        return ::SendMessageA(List().m_hWnd, message, static_cast<WPARAM>(start), reinterpret_cast<LPARAM>(text));
    };
    EXPECT_EQ(send(LB_FINDSTRINGEXACT, 0, "TEXT 0000000"), 0); // letter case aside, wrapping past the end
    EXPECT_EQ(send(LB_FINDSTRINGEXACT, -1, "text 1"), LB_ERR);
    EXPECT_EQ(send(LB_SELECTSTRING, 999999, "text 09999"), 999900); // a prefix, from the start
    EXPECT_EQ(SelectedRow(), numbered(999900));
}

// The text drop window and its list: filling from the whole array or a range, choosing the
// row of the edit's text, its height and top row.
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

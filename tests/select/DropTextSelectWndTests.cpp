// The text drop window and its list: filling from the whole array or a range, choosing the
// row of the edit's text, its height, the wrap-around of MoveSelection and the wheel.
#include "SelectFixture.h"
#include "DropMessages.h"
#include "Input.h"
#include "MessageRecorder.h"

using namespace seltest;

TEST_F(SelectTest, UpdateListSelectsTheFirstRowEqualToTheEditText)
{
    struct Row
    {
        const char* name;
        int first;
        int last;
        const char* text;
        std::vector<std::string> rows;
        const char* selected;
    } rows[] = {
        { "first equal text wins", -1, -1, "b", Strings({ "a", "b", "b", "c", "d", "e" }), "b" },
        { "letter case counts", -1, -1, "B", Strings({ "a", "b", "b", "c", "d", "e" }), "<none>" },
        { "a range shows only its texts", 3, 5, "d", Strings({ "c", "d", "e" }), "d" },
        { "a range past the array is cut at its end", 4, 9, "e", Strings({ "d", "e" }), "e" },
        { "a range that starts past the array shows nothing", 7, 9, "e", {}, "<none>" },
    };
    for (const Row& row : rows)
    {
        SCOPED_TRACE(row.name);
        AttachSelect({ "a", "b", "b", "c", "d", "e" }, false);
        SetText(row.text);
        m_pDrop->m_nFirstText = row.first;
        m_pDrop->m_nLastText = row.last;
        m_pDrop->UpdateList();
        EXPECT_EQ(Rows(), row.rows);
        EXPECT_EQ(SelectedRow(), row.selected);
        if (std::string(row.selected) == "d")
        {
            EXPECT_EQ(m_pDrop->m_pList->GetCurSel(), 1);
        }
        EXPECT_EQ(Text(), row.text); // selecting does not write into the edit
    }
}

TEST_F(SelectTest, ARangeLeftOverFromReplacedTextsIsClampedToTheArray)
{
    auto* pEdit = AttachSuggest({ "apple", "apricot", "avocado", "banana" });
    harness::TypeText("a");
    ASSERT_TRUE(ListVisible());
    ASSERT_EQ(Rows().size(), 3u);
    pEdit->ClearText();
    AddTexts(*pEdit, { "apple" });
    m_pDrop->UpdateList(); // the range still says 0 to 2
    EXPECT_EQ(Rows(), Strings({ "apple" }));
    EXPECT_EQ(m_pDrop->GetRowOfText(2), -1);
}

TEST_F(SelectTest, AScrolledListKeepsFiveRowsAboveTheSelection)
{
    AttachSelect({}, false, [](CProbeSelectEdit& edit) { AddNumbered(edit, "text %02d", 100); });
    SetText("text 50"); // far below the rows that the dialog leaves room for
    harness::PressKey(VK_F9);
    ASSERT_TRUE(ListVisible());
    EXPECT_EQ(m_pDrop->m_pList->GetCurSel(), 50);
    EXPECT_EQ(m_pDrop->m_pList->GetTopIndex(), 45);

    SetText("text 02"); // a selection near the top needs no scrolling
    m_pDrop->UpdateList();
    EXPECT_EQ(m_pDrop->m_pList->GetCurSel(), 2);
    EXPECT_EQ(m_pDrop->m_pList->GetTopIndex(), 0);
}

TEST_F(SelectTest, TheWindowAsksForTheHeightOfItsRows)
{
    AttachSelect({ "one", "two", "three", "four" }, false);
    harness::PressKey(VK_F9);
    ASSERT_TRUE(ListVisible());
    CClientDC dc(m_pDrop->m_pList);
    CFont* pOld = dc.SelectObject(CFont::FromHandle(reinterpret_cast<HFONT>(m_pDrop->m_pList->SendMessage(WM_GETFONT))));
    TEXTMETRICA tm = {};
    ::GetTextMetricsA(dc.m_hDC, &tm);
    dc.SelectObject(pOld);
    const int expected = 4 * tm.tmHeight + 2 * ::GetSystemMetrics(SM_CYEDGE);
    EXPECT_EQ(m_pDrop->m_nPreferredHeight, expected);
    CRect rc;
    m_pDrop->GetWindowRect(&rc);
    EXPECT_EQ(rc.Height(), expected);
    CRect rcEdit;
    m_pEdit->GetWindowRect(&rcEdit);
    EXPECT_EQ(rc.top, rcEdit.bottom);

    // A list taller than the dialog is limited to the room below the edit.
    AttachSelect({}, false, [](CProbeSelectEdit& edit) { AddNumbered(edit, "row %03d", 200); });
    harness::PressKey(VK_F9);
    ASSERT_TRUE(ListVisible());
    CRect rcClient;
    m_pDlg->GetClientRect(&rcClient);
    m_pDlg->ClientToScreen(&rcClient);
    m_pEdit->GetWindowRect(&rcEdit);
    EXPECT_EQ(m_pDrop->m_nPreferredHeight, std::max(rcClient.bottom - rcEdit.bottom, 125L));
}

TEST_F(SelectTest, MoveSelectionWrapsAndStartsAtTheFirstRow)
{
    struct Row
    {
        const char* name;
        int from;
        bool up;
        int expected;
    } rows[] = {
        { "down from none", -1, false, 0 }, { "up from none", -1, true, 0 },
        { "down from the last", 2, false, 0 }, { "up from the first", 0, true, 2 },
        { "down from the middle", 1, false, 2 },
    };
    for (const Row& row : rows)
    {
        SCOPED_TRACE(row.name);
        AttachSelect({ "one", "two", "three" }, false);
        harness::PressKey(VK_F9);
        m_pDrop->SetCurSel(row.from, false);
        m_pDrop->MoveSelection(row.up);
        EXPECT_EQ(m_pDrop->m_pList->GetCurSel(), row.expected);
        EXPECT_EQ(Text(), Rows()[row.expected]); // the move reaches the edit
    }
}

TEST_F(SelectTest, WheelTurnsSmallerThanANotchAddUpWhateverTheirDirection)
{
    AttachSelect({ "one", "two" }, false);
    CSelectionList& list = *m_pDrop->m_pList;
    list.m_nScrollLines = 3;
    struct Row
    {
        const char* name;
        bool vertical;
        std::vector<short> turns;
        size_t posted;
        WPARAM code;
        int remainder;
    } rows[] = {
        { "three turns of 40", true, { 40, 40, 40 }, 3, SB_LINEUP, 0 },
        { "two turns of 40 post nothing", true, { 40, 40 }, 0, SB_LINEUP, 80 },
        { "down then up adds up", true, { -120, 60 }, 3, SB_LINEDOWN, 60 },
        { "two notches down", true, { -240 }, 6, SB_LINEDOWN, 0 },
        { "horizontal right", false, { 120 }, 3, SB_LINERIGHT, 0 },
        { "horizontal left with a rest", false, { -50, -100 }, 3, SB_LINELEFT, 30 },
    };
    for (const Row& row : rows)
    {
        SCOPED_TRACE(row.name);
        list.m_nWheelRemainder = 0;
        list.m_nHWheelRemainder = 0;
        harness::Pump();
        harness::MessageRecorder recorder;
        recorder.Watch(list.m_hWnd, "list");
        const UINT message = row.vertical ? WM_VSCROLL : WM_HSCROLL;
        for (short turn : row.turns)
            m_pDrop->ForwardMouseWheel(row.vertical, turn);
        harness::Pump();
        const auto posted = recorder.Of(list.m_hWnd, message);
        EXPECT_EQ(posted.size(), row.posted);
        for (const auto& m : posted)
        {
            EXPECT_EQ(m.delivery, harness::Delivery::Posted);
            EXPECT_EQ(m.wParam, row.code);
        }
        EXPECT_EQ(row.vertical ? list.m_nWheelRemainder : list.m_nHWheelRemainder, row.remainder);
    }
}

TEST_F(SelectTest, AClickReportsTheSelectionBeforeTheClose)
{
    AttachSelect({ "one", "two", "three" }, false);
    harness::PressKey(VK_F9);
    harness::MessageRecorder recorder;
    recorder.Watch(m_pDrop->m_hWnd, "drop");
    recorder.Watch(m_pEdit->m_hWnd, "edit");
    harness::Click(RowPoint(1));
    EXPECT_EVENTUALLY(!ListVisible());
    EXPECT_TRUE(recorder.Matches({
        { "drop", WM_DROPWND_CHILD_SELCHANGE, harness::Delivery::Sent, true, 0, true, 0 },
        { "drop", WM_DROPWND_CHILD_CLOSE, harness::Delivery::Sent, true, 1, true, 0 },
        { "edit", CDropBaseEdit::WM_CLOSE_DROPDOWN_WND, harness::Delivery::Sent, true, 1 },
    }));
    EXPECT_EQ(Text(), "two");
    EXPECT_EQ(FocusWnd(), m_pEdit->m_hWnd);
}

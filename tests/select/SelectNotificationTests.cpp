// The ORVN_* notifications of the selection and auto-suggest edits, for each way of opening
// and closing their list that is their own (the base edit's tests take F9, the button and the
// focus leaving), with the edit's text as the host reads it in its SELENDOK handler.
#include "NotificationSpy.h"
#include "SelectFixture.h"

using namespace seltest;

TEST_F(SelectTest, EachOpeningIsReportedWithHowItClosed)
{
    const auto button = [this] {
        harness::Click(harness::WindowPoint(m_pEdit->m_hWnd, static_cast<CProbe<CSelectEdit>*>(m_pEdit)->m_rcButton));
    };
    const struct
    {
        const char* name;
        bool suggest;
        std::function<void()> act;
        const char* expected;
    } rows[] = {
        { "F9 then Escape", false, [] { PressKey(VK_F9); PressKey(VK_ESCAPE); }, "DROPDOWN SELENDCANCEL CLOSEUP" },
        { "F9, Down into the list, Escape", false, [] { PressKey(VK_F9); PressKey(VK_DOWN); PressKey(VK_ESCAPE); },
          "DROPDOWN SELENDCANCEL CLOSEUP" },
        { "F9, Down into the list, Enter picks", false,
          [] { PressKey(VK_F9); PressKey(VK_DOWN); PressKey(VK_RETURN); }, "DROPDOWN SELENDOK(alpha) CLOSEUP" },
        { "the button opens, a click on a row picks", false, [&] { button(); harness::Click(RowPoint(1)); },
          "DROPDOWN SELENDOK(beta) CLOSEUP" },
        { "Enter in the edit on the row of its text", false,
          [this] { SetText("gamma"); PressKey(VK_F9); PressKey(VK_RETURN); }, "DROPDOWN SELENDOK(gamma) CLOSEUP" },
        { "Enter in the edit without a row", false, [this] { SetText("delta"); PressKey(VK_F9); PressKey(VK_RETURN); },
          "DROPDOWN SELENDCANCEL CLOSEUP" },
        // Host calls: only the opening they cause themselves is reported.
        { "ShowList and SetWindowText from the host, then Escape", false,
          [this] { m_pEdit->ShowList(); SetText("beta"); PressKey(VK_ESCAPE); }, "DROPDOWN SELENDCANCEL CLOSEUP" },
        { "SetWindowText alone", false, [this] { SetText("beta"); }, "" },
        { "suggestions: the first Down takes the first one, Enter picks", true,
          [] { TypeText("ap"); PressKey(VK_DOWN); PressKey(VK_RETURN); }, "DROPDOWN SELENDOK(apple) CLOSEUP" },
        { "suggestions: typing past every one", true, [] { TypeText("apx"); }, "DROPDOWN SELENDCANCEL CLOSEUP" },
    };
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.name);
        if (row.suggest)
            Attach<CAutoSuggestEdit>({ "apple", "apricot", "banana" });
        else
            Attach<CSelectEdit>({ "alpha", "beta", "gamma" });
        harness::NotificationSpy spy(m_pDlg->m_hWnd, [this] { return Text(); });
        row.act();
        EXPECT_EQ(spy.Sequence(), row.expected);
    }
}

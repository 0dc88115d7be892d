// The ORVN_* notifications of the selection and auto-suggest edits, for each way of opening
// and closing their list, with the edit's text as the host reads it in its SELENDOK handler.
#include "NotificationSpy.h"
#include "SelectFixture.h"

using namespace seltest;

namespace
{
struct Row
{
    const char* name;
    std::function<void(SelectTest&)> act;
    const char* expected;
};
}

class SelectNotifyTest : public SelectTest
{
protected:
    void Run(const std::function<void()>& attach, const std::vector<Row>& rows)
    {
        for (const Row& row : rows)
        {
            SCOPED_TRACE(row.name);
            attach();
            harness::NotificationSpy spy(m_pDlg->m_hWnd, [this] { return Text(); });
            row.act(*this);
            EXPECT_EQ(spy.Sequence(), row.expected);
        }
    }
    POINT ButtonPoint() const
    {
        return harness::WindowPoint(m_pEdit->m_hWnd, static_cast<CProbe<CSelectEdit>*>(m_pEdit)->m_rcButton);
    }
    void ClickOther() { harness::Click(harness::ClientCenter(m_pDlg->Other())); }
};

TEST_F(SelectNotifyTest, TheSelectionEditReportsEachOpeningAndHowItClosed)
{
    Run([this] { AttachSelect({ "alpha", "beta", "gamma" }, false); },
        {
            { "F9 then Escape", [](SelectTest&) { PressKey(VK_F9); PressKey(VK_ESCAPE); },
              "DROPDOWN SELENDCANCEL CLOSEUP" },
            { "F9 twice", [](SelectTest&) { PressKey(VK_F9); PressKey(VK_F9); }, "DROPDOWN SELENDCANCEL CLOSEUP" },
            { "F9, Down into the list, Escape", [](SelectTest&) { PressKey(VK_F9); PressKey(VK_DOWN); PressKey(VK_ESCAPE); },
              "DROPDOWN SELENDCANCEL CLOSEUP" },
            { "F9, Down into the list, Enter picks",
              [](SelectTest&) { PressKey(VK_F9); PressKey(VK_DOWN); PressKey(VK_RETURN); },
              "DROPDOWN SELENDOK(alpha) CLOSEUP" },
            { "the button opens, a click on a row picks",
              [this](SelectTest&) { harness::Click(ButtonPoint()); harness::Click(RowPoint(1)); },
              "DROPDOWN SELENDOK(beta) CLOSEUP" },
            { "the button opens and closes",
              [this](SelectTest&) { harness::Click(ButtonPoint()); harness::Click(ButtonPoint()); },
              "DROPDOWN SELENDCANCEL CLOSEUP" },
            { "the focus leaves", [this](SelectTest&) { PressKey(VK_F9); ClickOther(); },
              "DROPDOWN SELENDCANCEL CLOSEUP" },
            { "Enter in the edit on the row of its text",
              [this](SelectTest&) { SetText("gamma"); PressKey(VK_F9); PressKey(VK_RETURN); },
              "DROPDOWN SELENDOK(gamma) CLOSEUP" },
            { "Enter in the edit without a row", [this](SelectTest&) { SetText("delta"); PressKey(VK_F9); PressKey(VK_RETURN); },
              "DROPDOWN SELENDCANCEL CLOSEUP" },
            // Host calls: only the opening they cause themselves is reported.
            { "ShowList and SetWindowText from the host, then Escape",
              [this](SelectTest&) {
                  m_pEdit->ShowList();
                  SetText("beta");
                  PressKey(VK_ESCAPE);
              },
              "DROPDOWN SELENDCANCEL CLOSEUP" },
            { "SetWindowText alone", [this](SelectTest&) { SetText("beta"); }, "" },
        });
}

TEST_F(SelectNotifyTest, TheAutoSuggestEditReportsEachOpeningAndHowItClosed)
{
    Run([this] { AttachSuggest({ "apple", "apricot", "banana" }); },
        {
            { "typing opens, Escape closes", [](SelectTest&) { TypeText("ap"); PressKey(VK_ESCAPE); },
              "DROPDOWN SELENDCANCEL CLOSEUP" },
            { "the first Down takes the first suggestion, Enter picks",
              [](SelectTest&) { TypeText("ap"); PressKey(VK_DOWN); PressKey(VK_RETURN); },
              "DROPDOWN SELENDOK(apple) CLOSEUP" },
            { "a click on a suggestion", [this](SelectTest&) { TypeText("ap"); harness::Click(RowPoint(1)); },
              "DROPDOWN SELENDOK(apricot) CLOSEUP" },
            { "typing past every suggestion", [](SelectTest&) { TypeText("apx"); }, "DROPDOWN SELENDCANCEL CLOSEUP" },
            { "the focus leaves", [this](SelectTest&) { TypeText("b"); ClickOther(); },
              "DROPDOWN SELENDCANCEL CLOSEUP" },
        });
}

// The auto-suggest edit driven by typing: the list opens, narrows, hides, and the first Down
// takes the highlighted suggestion.
#include "SelectFixture.h"

using namespace seltest;

TEST_F(SelectTest, SuggestionsFollowTheTypedTextAndTheFirstDownTakesTheHighlightedOne)
{
    enum Pick
    {
        kNone,
        kDownDownEnter,
        kClickSecond,
    };
    const struct
    {
        const char *name, *typed;
        bool visible;
        Texts rows;
        const char* selected;
        Pick pick = kNone; // then the list closes on apricot
    } rows[] = {
        { "a opens the texts that begin with it", "a", true, { "apple", "apricot" }, "apple", kDownDownEnter },
        { "ap narrows them, no row highlighted", "ap", true, { "apple", "apricot" }, "<none>", kDownDownEnter },
        { "a click picks a suggestion", "a", true, { "apple", "apricot" }, "apple", kClickSecond },
        { "apr narrows to one that differs", "apr", true, { "apricot" }, "<none>" },
        { "case is ignored in matching", "A", true, { "apple", "apricot" }, "apple" },
        { "one match differing from the text shows one row", "b", true, { "banana" }, "banana" },
        { "the only match equal to the text hides", "apple", false, {}, "" },
        { "no match hides", "x", false, {}, "" },
    };
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.name);
        AttachSuggest({ "apple", "apricot", "banana" });
        TypeText(row.typed);
        EXPECT_EQ(Text(), row.typed); // typing never writes a suggestion into the edit
        EXPECT_EQ(ListVisible(), row.visible);
        if (row.visible)
        {
            EXPECT_EQ(Rows(), row.rows);
            EXPECT_EQ(SelectedRow(), row.selected);
            EXPECT_TRUE(FocusInEdit());
        }
        if (row.pick == kNone)
            continue;
        if (row.pick == kClickSecond)
        {
            harness::Click(RowPoint(1));
        }
        else
        {
            PressKey(VK_DOWN); // takes the highlighted suggestion, or the first
            EXPECT_EQ(Text(), "apple");
            EXPECT_EQ(SelectedRow(), "apple");
            EXPECT_TRUE(FocusInList());
            PressKey(VK_DOWN);
            PressKey(VK_RETURN);
        }
        EXPECT_EVENTUALLY(!ListVisible());
        EXPECT_EQ(Text(), "apricot");
        EXPECT_TRUE(FocusInEdit());
    }

    // Regression: after Delete the suggestions were those of the text before the key.
    AttachSuggest({ "apple", "apricot", "banana" });
    TypeText("xap");
    EXPECT_FALSE(ListVisible());
    PressKey(VK_HOME);
    PressKey(VK_DELETE);
    EXPECT_EQ(Text(), "ap");
    ASSERT_TRUE(ListVisible());
    EXPECT_EQ(Rows(), Texts({ "apple", "apricot" }));
}

TEST_F(SelectTest, InitDropsTheButtonAndSortsLaterAdditionsWhileEarlierOnesAreMatchedAsAdded)
{
    auto* pEdit = AttachSuggest({ "apple", "banana", "avocado" });
    CRect rcClient, rcWindow;
    m_pEdit->GetClientRect(&rcClient);
    m_pEdit->GetWindowRect(&rcWindow);
    EXPECT_EQ(rcWindow.Width() - rcClient.Width(), 2 * ::GetSystemMetrics(SM_CXEDGE)); // the client edge only
    PressKey(VK_F9); // nothing typed: nothing to suggest
    EXPECT_FALSE(ListVisible());

    // Unsorted texts added before Init are matched over the whole array.
    TypeText("a");
    ASSERT_TRUE(ListVisible());
    EXPECT_EQ(Rows(), Texts({ "apple", "banana", "avocado" }));
    PressKey(VK_BACK); // deleting the typed text hides the list
    EXPECT_EQ(Text(), "");
    EXPECT_FALSE(ListVisible());
    AddTexts(*pEdit, { "cherry" });
    EXPECT_EQ(Joined(pEdit->GetTextArray()), "apple|avocado|banana|cherry");
}

TEST_F(SelectTest, ReadOnlyTypingOpensTheSuggestionsOnTheRowOfTheTypedToText)
{
    auto* pEdit = AttachSuggest({ "apple", "banana", "bananas", "cherry" }, true);
    TypeText("c"); // cherry is the only text that begins with cherry: nothing to suggest
    EXPECT_EQ(Text(), "cherry");
    EXPECT_FALSE(ListVisible());
    TypeText("b");
    ASSERT_TRUE(ListVisible());
    EXPECT_EQ(Text(), "banana");
    EXPECT_EQ(Rows(), Texts({ "banana", "bananas" }));
    EXPECT_EQ(SelectedRow(), "banana");
    EXPECT_TRUE(FocusInList());
    PressKey(VK_DOWN);
    PressKey(VK_RETURN);
    EXPECT_FALSE(ListVisible());
    EXPECT_EQ(Text(), "bananas");

    // Regression: the row was the text's array index, not its index inside the shown range.
    SetText("banana");
    pEdit->ShowList(); // the focus stays in the edit
    ASSERT_EQ(Rows(), Texts({ "banana", "bananas" }));
    TypeText("c"); // cherry lies outside the shown range: no row stands for it
    EXPECT_EQ(Text(), "cherry");
    EXPECT_EQ(SelectedRow(), "<none>");
    TypeText("b"); // banana is array index 1 and row 0 of the range
    EXPECT_EQ(Text(), "banana");
    EXPECT_EQ(SelectedRow(), "banana");
}

// The auto-suggest edit driven by typing: the list opens, narrows, hides, and the first Down
// takes the highlighted suggestion.
#include "SelectFixture.h"
#include "Input.h"

using namespace seltest;
using harness::PressKey;
using harness::TypeText;

TEST_F(SelectTest, SuggestionsFollowTheTypedText)
{
    struct Row
    {
        const char* name;
        const char* typed;
        bool visible;
        std::vector<std::string> rows;
        const char* selected;
    } rows[] = {
        { "a opens the texts that begin with it", "a", true, Strings({ "apple", "apricot" }), "apple" },
        { "ap narrows them, no row highlighted", "ap", true, Strings({ "apple", "apricot" }), "<none>" },
        { "apr narrows to one that differs", "apr", true, Strings({ "apricot" }), "<none>" },
        { "case is ignored in matching", "A", true, Strings({ "apple", "apricot" }), "apple" },
        { "one match differing from the text shows one row", "b", true, Strings({ "banana" }), "banana" },
        { "the only match equal to the text hides", "apple", false, {}, "" },
        { "no match hides", "x", false, {}, "" },
    };
    for (const Row& row : rows)
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
            EXPECT_EQ(FocusWnd(), m_pEdit->m_hWnd);
        }
    }
}

TEST_F(SelectTest, DeletingTheTypedTextHidesTheSuggestions)
{
    AttachSuggest({ "apple", "apricot" });
    TypeText("a");
    ASSERT_TRUE(ListVisible());
    PressKey(VK_BACK);
    EXPECT_EQ(Text(), "");
    EXPECT_FALSE(ListVisible());
}

TEST_F(SelectTest, FirstDownTakesTheHighlightedSuggestion)
{
    for (const char* typed : { "a", "ap" })
    {
        SCOPED_TRACE(typed);
        AttachSuggest({ "apple", "apricot", "banana" });
        TypeText(typed);
        ASSERT_TRUE(ListVisible());
        PressKey(VK_DOWN);
        EXPECT_EQ(Text(), "apple");
        EXPECT_EQ(SelectedRow(), "apple");
        EXPECT_EQ(FocusWnd(), ListHwnd());
        PressKey(VK_DOWN);
        EXPECT_EQ(Text(), "apricot");
        PressKey(VK_RETURN);
        EXPECT_FALSE(ListVisible());
        EXPECT_EQ(Text(), "apricot");
        EXPECT_EQ(FocusWnd(), m_pEdit->m_hWnd);
    }
}

TEST_F(SelectTest, UnsortedTextsAddedBeforeInitAreMatchedOverTheWholeRange)
{
    auto* pEdit = AttachSuggest({ "apple", "banana", "avocado" });
    TypeText("a");
    ASSERT_TRUE(ListVisible());
    EXPECT_EQ(Rows(), Strings({ "apple", "banana", "avocado" }));
    PressKey(VK_ESCAPE);

    AddTexts(*pEdit, { "cherry" }); // from Init on, every addition sorts
    EXPECT_EQ(Joined(pEdit->GetTextArray()), "apple|avocado|banana|cherry");
}

TEST_F(SelectTest, SuggestionsHaveNoDropButton)
{
    AttachSuggest({ "apple" });
    CRect rcClient;
    m_pEdit->GetClientRect(&rcClient);
    CRect rcWindow;
    m_pEdit->GetWindowRect(&rcWindow);
    // Only the client edge lies outside the client area.
    EXPECT_EQ(rcWindow.Width() - rcClient.Width(), 2 * ::GetSystemMetrics(SM_CXEDGE));
    PressKey(VK_F9); // nothing typed: nothing to suggest
    EXPECT_FALSE(ListVisible());
}

TEST_F(SelectTest, ClickOnASuggestionTakesIt)
{
    AttachSuggest({ "apple", "apricot", "banana" });
    TypeText("a");
    ASSERT_TRUE(ListVisible());
    harness::Click(RowPoint(1));
    EXPECT_EVENTUALLY(!ListVisible());
    EXPECT_EQ(Text(), "apricot");
    EXPECT_EQ(FocusWnd(), m_pEdit->m_hWnd);
}

TEST_F(SelectTest, ReadOnlyTypingOpensTheSuggestionsWithTheFocusInTheList)
{
    AttachSuggest({ "apple", "banana", "bananas", "cherry" }, true);
    TypeText("c"); // cherry is the only text that begins with cherry: nothing to suggest
    EXPECT_EQ(Text(), "cherry");
    EXPECT_FALSE(ListVisible());
    TypeText("b");
    ASSERT_TRUE(ListVisible());
    EXPECT_EQ(Text(), "banana");
    EXPECT_EQ(Rows(), Strings({ "banana", "bananas" }));
    EXPECT_EQ(SelectedRow(), "banana");
    EXPECT_EQ(FocusWnd(), ListHwnd());
    PressKey(VK_DOWN);
    PressKey(VK_RETURN);
    EXPECT_FALSE(ListVisible());
    EXPECT_EQ(Text(), "bananas");
}

TEST_F(SelectTest, ReadOnlyTypingSelectsTheRowOfTheTextInsideTheShownRangeOrNone)
{
    auto* pEdit = AttachSuggest({ "apple", "banana", "bananas", "cherry" }, true);
    SetText("banana");
    pEdit->ShowList(); // the focus stays in the edit
    ASSERT_TRUE(ListVisible());
    ASSERT_EQ(Rows(), Strings({ "banana", "bananas" }));
    TypeText("c"); // cherry lies outside the shown range: no row stands for it
    EXPECT_EQ(Text(), "cherry");
    EXPECT_EQ(SelectedRow(), "<none>");
    TypeText("b"); // banana is array index 1 and row 0 of the range
    EXPECT_EQ(Text(), "banana");
    EXPECT_EQ(SelectedRow(), "banana");
}

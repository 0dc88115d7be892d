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

TEST_F(SelectTest, InitDropsTheButtonAndSortsTheTextsAddedBeforeIt)
{
    auto* pEdit = AttachSuggest({ "apple", "banana", "avocado" });
    CRect rcClient, rcWindow;
    m_pEdit->GetClientRect(&rcClient);
    m_pEdit->GetWindowRect(&rcWindow);
    EXPECT_EQ(rcWindow.Width() - rcClient.Width(), 2 * ::GetSystemMetrics(SM_CXEDGE)); // the client edge only
    PressKey(VK_F9); // nothing typed: nothing to suggest
    EXPECT_FALSE(ListVisible());

    // Regression: texts added before Init kept their order, and the range of matches held
    // texts that do not match.
    TypeText("a");
    ASSERT_TRUE(ListVisible());
    EXPECT_EQ(Rows(), Texts({ "apple", "avocado" }));
    PressKey(VK_BACK); // deleting the typed text hides the list
    EXPECT_EQ(Text(), "");
    EXPECT_FALSE(ListVisible());
    AddTexts(*pEdit, { "cherry" });
    EXPECT_EQ(Joined(pEdit->GetTextArray()), "apple|avocado|banana|cherry");

    AttachSuggest({ "pear", "apple", "plum", "avocado", "peach", "banana" });
    for (const auto& step : { std::make_pair("p", Texts{ "peach", "pear", "plum" }),
                              std::make_pair("e", Texts{ "peach", "pear" }) })
    {
        TypeText(step.first);
        EXPECT_EQ(Rows(), step.second);
    }

    // Regression: Down in an empty edit with no list jumped to the second text.
    for (bool readOnly : { false, true })
    {
        AttachSuggest({ "apple", "banana", "cherry" }, readOnly);
        PressKey(VK_DOWN);
        EXPECT_EQ(Text(), "apple");
        EXPECT_FALSE(ListVisible());
    }
}

TEST_F(SelectTest, EnterThatOpensNothingReachesTheDialogsDefaultButton)
{
    const struct
    {
        const char *name, *typed;
        bool suggest;
        int ok;
        bool visible;
    } rows[] = {
        { "the only match, already typed", "Berlin", true, 1, false },
        { "no match", "Xyz", true, 1, false },
        { "nothing typed", "", true, 1, false },
        { "a selection edit without texts", "", false, 1, false },
        { "an open list closes and keeps the key", "B", true, 0, false },
    };
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.name);
        if (row.suggest)
            AttachSuggest({ "Amsterdam", "Berlin", "Copenhagen" });
        else
            AttachSelect({}, false);
        TypeText(row.typed);
        PressKey(VK_RETURN);
        EXPECT_EQ(m_pDlg->m_nOkCount, row.ok);
        EXPECT_EQ(ListVisible(), row.visible);
    }
}

TEST_F(SelectTest, SuggestionsFollowPasteAndCut)
{
    const struct
    {
        const char* name;
        const char* clip; // null: cut with Ctrl+X
        unsigned pasteKey;
        Texts rows; // empty: the list is hidden
    } rows[] = {
        { "Ctrl+V", "ch", 'V', { "cherry" } },
        { "Shift+Insert", "b", VK_INSERT, { "banana" } },
        { "a paste nothing begins with", "xyz", 'V', {} },
        { "cutting everything", nullptr, 'X', {} },
    };
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.name);
        AttachSuggest({ "apple", "apricot", "Avocado", "banana", "cherry" });
        TypeText("a");
        ASSERT_EQ(Rows(), Texts({ "apple", "apricot", "Avocado" }));
        if (row.clip != nullptr)
        {
            ASSERT_TRUE(harness::SetClipboardText(row.clip));
        }
        m_pEdit->SetSel(0, -1);
        PressKey(static_cast<WORD>(row.pasteKey), row.pasteKey == VK_INSERT ? harness::kShift : harness::kCtrl);
        EXPECT_EQ(Text(), row.clip != nullptr ? row.clip : "");
        EXPECT_EQ(ListVisible(), !row.rows.empty());
        if (!row.rows.empty())
        {
            EXPECT_EQ(Rows(), row.rows);
        }
    }
}

TEST_F(SelectTest, TypingAfterTheFirstDownGoesOnEditingTheTextAndTheListFollows)
{
    const struct
    {
        const char* name;
        const char* typed; // null: Backspace
        const char* text;
        Texts rows; // empty: the list is hidden
    } rows[] = {
        { "letters replace the taken suggestion", "ap", "ap", { "apple", "apricot" } },
        { "another first letter", "b", "b", { "banana" } },
        { "Backspace empties and hides", nullptr, "", {} },
    };
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.name);
        AttachSuggest({ "apple", "apricot", "avocado", "banana" });
        TypeText("a");
        PressKey(VK_DOWN);
        ASSERT_TRUE(FocusInList());
        if (row.typed == nullptr)
            PressKey(VK_BACK);
        else
            TypeText(row.typed);
        EXPECT_EQ(Text(), row.text);
        EXPECT_EQ(ListVisible(), !row.rows.empty());
        if (!row.rows.empty())
        {
            EXPECT_EQ(Rows(), row.rows);
            EXPECT_EQ(SelectedRow(), "<none>");
        }
    }
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

    // Regression: a new letter typed into the open list left the suggestions of the old one.
    AttachSuggest({ "banana", "bananas", "date", "dates" }, true);
    TypeText("b");
    ASSERT_TRUE(FocusInList());
    TypeText("d");
    EXPECT_EQ(Text(), "date");
    ASSERT_TRUE(ListVisible());
    EXPECT_EQ(Rows(), Texts({ "date", "dates" }));
    EXPECT_EQ(SelectedRow(), "date");
}

// The auto-suggest edit driven by typing and editing: the list opens, narrows, hides, and the
// first Down takes the highlighted suggestion; the sort of later texts and read-only typing.
#include "SelectFixture.h"

using namespace seltest;

// Typing never writes a suggestion into the edit; the first Down takes the highlighted one (or
// the first) and the focus into the list. A text added after Init is sorted in among the others
// (the sort of those added before is checked by the match modes' rows).
TEST_F(SelectTest, SuggestionsFollowEveryEditOfTheTextAndTheFirstDownTakesTheHighlightedOne)
{
    using harness::kCtrl;
    const struct
    {
        const char *name, *start;
        const char* clip; // put on the clipboard first
        std::vector<std::pair<WORD, unsigned>> keys; // pressed with the whole text selected
        const char *typed, *text;
        Texts rows; // empty: the list is hidden
        const char* selected;
        bool inList;
    } rows[] = {
        { "a letter opens the texts that begin with it, in either case", "a", nullptr, {}, "", "a",
          { "apple", "apricot", "Avocado" }, "apple", false },
        { "more letters narrow them, no row highlighted", "ap", nullptr, {}, "", "ap", { "apple", "apricot" }, "<none>",
          false },
        { "the only match equal to the text hides", "apple", nullptr, {}, "", "apple", {}, "", false },
        { "no match hides", "x", nullptr, {}, "", "x", {}, "", false },
        { "the first Down takes the highlighted one", "a", nullptr, { { VK_DOWN, 0 } }, "", "apple",
          { "apple", "apricot", "Avocado" }, "apple", true },
        { "the first Down without a highlight takes the first", "ap", nullptr, { { VK_DOWN, 0 } }, "", "apple",
          { "apple", "apricot" }, "apple", true },
        { "Ctrl+V", "a", "ch", { { 'V', kCtrl } }, "", "ch", { "cherry" }, "<none>", false },
        { "nothing typed: F9 suggests nothing", "", nullptr, { { VK_F9, 0 } }, "", "", {}, "", false },
        // Regression: Down in an empty edit with no list jumped to the second text.
        { "nothing typed: Down takes the first text", "", nullptr, { { VK_DOWN, 0 } }, "", "apple", {}, "", false },
        { "after the first Down, letters replace the taken suggestion", "a", nullptr, { { VK_DOWN, 0 } }, "ap", "ap",
          { "apple", "apricot" }, "<none>", true },
        { "after the first Down, Backspace empties and hides", "a", nullptr, { { VK_DOWN, 0 }, { VK_BACK, 0 } }, "",
          "", {}, "", false },
        // Regression: after Delete the suggestions were those of the text before the key.
        { "Delete opens the suggestions of the text it leaves", "xap", nullptr, { { VK_HOME, 0 }, { VK_DELETE, 0 } },
          "", "ap", { "apple", "apricot" }, "apple", false },
    };
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.name);
        AddTexts(*Attach<CAutoSuggestEdit>({ "apple", "Avocado", "banana", "cherry" }), { "apricot" });
        TypeText(row.start);
        if (row.clip != nullptr)
        {
            ASSERT_TRUE(harness::SetClipboardText(row.clip));
        }
        m_pEdit->SetSel(0, -1);
        for (const auto& key : row.keys)
            PressKey(key.first, key.second);
        TypeText(row.typed);
        EXPECT_EQ(Text(), row.text);
        EXPECT_EQ(ListVisible(), !row.rows.empty());
        if (!row.rows.empty())
        {
            EXPECT_EQ(Rows(), row.rows);
            EXPECT_EQ(SelectedRow(), row.selected);
            EXPECT_EQ(FocusInList(), row.inList);
        }
    }
}

TEST_F(SelectTest, ReadOnlyTypingOpensTheSuggestionsOnTheRowOfTheTypedToText)
{
    auto* pEdit = Attach<CAutoSuggestEdit>({ "apple", "banana", "bananas", "cherry" }, true);
    TypeText("c"); // cherry is the only text that begins with cherry: nothing to suggest
    EXPECT_EQ(Text(), "cherry");
    EXPECT_FALSE(ListVisible());
    TypeText("b");
    ASSERT_TRUE(ListVisible());
    EXPECT_EQ(Text(), "banana");
    EXPECT_EQ(Rows(), Texts({ "banana", "bananas" }));
    EXPECT_EQ(SelectedRow(), "banana");
    EXPECT_TRUE(FocusInList());

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
    Attach<CAutoSuggestEdit>({ "banana", "bananas", "date", "dates" }, true);
    TypeText("b");
    TypeText("d");
    EXPECT_EQ(Text(), "date");
    ASSERT_TRUE(ListVisible());
    EXPECT_EQ(Rows(), Texts({ "date", "dates" }));
    EXPECT_EQ(SelectedRow(), "date");
}

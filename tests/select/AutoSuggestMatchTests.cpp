// The auto-suggest edit's match modes (the word-start and contains modes through the text
// index) and completion in place.
#include "SelectFixture.h"

using namespace seltest;

// Each mode lists exactly the texts that match, in the sorted order of the texts, with letter
// case ignored; nothing to suggest leaves the list closed. The texts are added before Init,
// whose sort moves them: a regression row for an index left on the old places.
TEST_F(SelectTest, EachModeListsTheTextsThatMatchInTheSortedOrder)
{
    const std::vector<const char*> cities = { "New York", "York", "Yorkshire pudding", "New Jersey",
                                              "newark", "Brooklyn", "porky pie" };
    const int prefix = CAutoSuggestEdit::kMatchPrefix, word = CAutoSuggestEdit::kMatchWordStart,
              contains = CAutoSuggestEdit::kMatchContains;
    const struct { const char* name; int mode; const char* typed; Texts rows; } rows[] = {
        { "prefix", prefix, "york", { "York", "Yorkshire pudding" } },
        { "word start finds a later word", word, "york", { "New York", "York", "Yorkshire pudding" } },
        { "word start ignores case", word, "NEW", { "New Jersey", "New York", "newark" } },
        { "word start never starts inside a word", word, "ork", {} },
        { "contains", contains, "ork", { "New York", "porky pie", "York", "Yorkshire pudding" } },
        { "contains across a space", contains, "Y P", { "porky pie" } },
        { "contains, nothing", contains, "zz", {} },
        { "contains finds the first text", contains, "rook", { "Brooklyn" } },
    };
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.name);
        Attach<CAutoSuggestEdit>(cities, false, [&](CProbe<CAutoSuggestEdit>& e) { e.SetMatchMode(row.mode); });
        TypeText(row.typed);
        EXPECT_EQ(ListVisible(), !row.rows.empty());
        if (!row.rows.empty())
        {
            EXPECT_EQ(Rows(), row.rows);
        }
    }
}

// Completion in place: the rest of the first suggestion that begins with the typed text is
// added and selected; Backspace and Delete remove it first and never complete again.
TEST_F(SelectTest, AutoAppendCompletesInPlaceAndBackspaceOrDeleteTakeTheAddedPartFirst)
{
    const std::vector<const char*> texts = { "apple", "apricot", "banana", "New York" };
    const struct { const char* name; int mode; bool append; std::vector<std::pair<const char*, WORD>> steps;
                   const char* text; std::pair<int, int> selection; } rows[] = {
        { "off by default", CAutoSuggestEdit::kMatchPrefix, false, { { "ap", 0 } }, "ap", { 2, 2 } },
        { "the first suggestion", CAutoSuggestEdit::kMatchPrefix, true, { { "ap", 0 } }, "apple", { 2, 5 } },
        { "the typed case stays", CAutoSuggestEdit::kMatchPrefix, true, { { "AP", 0 } }, "APple", { 2, 5 } },
        { "Backspace removes the added part", CAutoSuggestEdit::kMatchPrefix, true, { { "ap", VK_BACK } }, "ap", { 2, 2 } },
        { "a second Backspace takes a typed letter", CAutoSuggestEdit::kMatchPrefix, true, { { "ap", VK_BACK }, { nullptr, VK_BACK } }, "a", { 1, 1 } },
        { "Delete removes the added part", CAutoSuggestEdit::kMatchPrefix, true, { { "ap", VK_DELETE } }, "ap", { 2, 2 } },
        { "contains: a suggestion that begins with it", CAutoSuggestEdit::kMatchContains, true, { { "ba", 0 } }, "banana", { 2, 6 } },
        { "word start: none begins with it", CAutoSuggestEdit::kMatchWordStart, true, { { "yo", 0 } }, "yo", { 2, 2 } },
    };
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.name);
        Attach<CAutoSuggestEdit>(texts, false, [&](CProbe<CAutoSuggestEdit>& e) {
            e.SetMatchMode(row.mode);
            e.SetAutoAppend(row.append);
        });
        for (const auto& step : row.steps)
        {
            if (step.first != nullptr)
                TypeText(step.first);
            if (step.second != 0)
                PressKey(step.second);
        }
        EXPECT_EQ(Text(), row.text);
        int start = -1, end = -1;
        m_pEdit->GetSel(start, end);
        EXPECT_EQ(std::make_pair(start, end), row.selection);
    }
}

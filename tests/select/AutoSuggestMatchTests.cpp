// The auto-suggest edit's match modes (the word-start and contains modes through the text
// index), the marked part of each suggestion, and completion in place.
#include "Canvas.h"
#include "SelectFixture.h"
#include "TextMatch.h"

using namespace seltest;

namespace
{
const std::vector<const char*> kCities = { "New York", "York", "Yorkshire pudding", "New Jersey",
                                           "newark", "Brooklyn", "porky pie" };

// The colour of a pixel is taken as the mark's when it is nearer to it than to the text's and
// the background's colours (the glyphs' edges may be blended).
bool IsMarkColour(COLORREF c)
{
    const auto distance = [c](COLORREF other) {
        return std::abs(GetRValue(c) - GetRValue(other)) + std::abs(GetGValue(c) - GetGValue(other)) +
               std::abs(GetBValue(c) - GetBValue(other));
    };
    const int mark = distance(::GetSysColor(COLOR_HOTLIGHT));
    return mark < distance(::GetSysColor(COLOR_WINDOWTEXT)) && mark < distance(::GetSysColor(COLOR_WINDOW));
}
}

class SuggestModeTest : public SelectTest
{
protected:
    CProbe<CAutoSuggestEdit>* AttachModes(const std::vector<const char*>& texts, int mode, bool append = false)
    {
        return Attach<CAutoSuggestEdit>(texts, false, [mode, append](CProbe<CAutoSuggestEdit>& e) {
            e.SetMatchMode(mode);
            e.SetAutoAppend(append);
        });
    }
    // The columns of a row, relative to the list's client area, drawn in the mark's colour:
    // {first, last}, or {-1, -1} when none is.
    std::pair<int, int> MarkedColumns(int row)
    {
        CRect rcRow;
        List().GetItemRect(row, &rcRow);
        const auto canvas = harness::Canvas::Print(List().m_hWnd, ::GetSysColor(COLOR_WINDOW));
        std::pair<int, int> columns{ -1, -1 };
        for (int x = rcRow.left; x < rcRow.right; ++x)
            for (int y = rcRow.top; y < rcRow.bottom; ++y)
                if (IsMarkColour(canvas->dc.GetPixel(x, y)))
                {
                    columns.first = columns.first < 0 ? x : columns.first;
                    columns.second = x;
                }
        return columns;
    }
    // The cells of the first and the last marked character when bytes [start, start + length)
    // of text are marked: the mark's ink begins in the first and ends in the last.
    struct MarkCells
    {
        int firstLeft, firstRight, lastLeft, lastRight;
    };
    MarkCells ExpectedCells(const std::string& text, size_t start, size_t length)
    {
        CClientDC dc(&List());
        CFont* pFont = List().GetFont();
        LOGFONTA lf{};
        pFont->GetLogFont(&lf);
        lf.lfWeight = FW_BOLD;
        CFont bold;
        bold.CreateFontIndirect(&lf);
        CFont* pOld = dc.SelectObject(pFont);
        const auto width = [&dc](CFont* pPartFont, const std::string& part) {
            dc.SelectObject(pPartFont);
            return static_cast<int>(dc.GetTextExtent(part.c_str(), static_cast<int>(part.size())).cx);
        };
        const int left = CMatchRowPainter::kTextIndent + width(pFont, text.substr(0, start));
        const int right = left + width(&bold, text.substr(start, length));
        const MarkCells cells{ left, left + width(&bold, text.substr(start, 1)),
                               right - width(&bold, text.substr(start + length - 1, 1)), right };
        dc.SelectObject(pOld);
        return cells;
    }
};

// Each mode lists exactly the texts that match, in the sorted order of the texts, with letter
// case ignored, and marks the part that matched; nothing to suggest leaves the list closed. The
// texts are added before Init, whose sort moves them: a regression row for an index left on the
// old places.
TEST_F(SuggestModeTest, EachModeListsTheTextsThatMatchAndMarksTheMatchedPart)
{
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
        auto* pEdit = AttachModes(kCities, row.mode);
        TypeText(row.typed);
        EXPECT_EQ(pEdit->GetIndexMemory() > 0, row.mode != prefix); // the index serves the other modes
        EXPECT_EQ(Text(), row.typed);
        EXPECT_EQ(ListVisible(), !row.rows.empty());
        if (row.rows.empty())
            continue;
        EXPECT_EQ(Rows(), row.rows);
        // The part of each row that matched is drawn in the mark's colour, where the text puts it.
        List().SetCurSel(-1); // a selected row shows the mark in the selection's colours
        const Texts shown = Rows();
        for (size_t i = 0; i < shown.size(); ++i)
        {
            SCOPED_TRACE(shown[i]);
            const int start = TextMatch::Find(shown[i].c_str(), row.typed, row.mode);
            ASSERT_GE(start, 0);
            const MarkCells cells = ExpectedCells(shown[i], static_cast<size_t>(start), strlen(row.typed));
            const auto marked = MarkedColumns(static_cast<int>(i));
            EXPECT_GE(marked.first, cells.firstLeft);
            EXPECT_LT(marked.first, cells.firstRight);
            EXPECT_GE(marked.second, cells.lastLeft);
            EXPECT_LE(marked.second, cells.lastRight);
        }
    }
}

// Completion in place: the rest of the first suggestion that begins with the typed text is
// added and selected; Backspace and Delete remove it first and never complete again.
TEST_F(SuggestModeTest, AutoAppendCompletesInPlaceAndBackspaceOrDeleteTakeTheAddedPartFirst)
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
        AttachModes(texts, row.mode, row.append);
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

// The selection edit driven by real input: first-letter typing, Up/Down, Enter, the list's
// flows from the edit, the read-only guard on editing commands, the sort rule and the width.
#include "SelectFixture.h"
#include <algorithm>

using namespace seltest;

TEST_F(SelectTest, FirstLettersArrowsAndTheWheelStepThroughTheTextsWhileTheListIsClosed)
{
    // First letters and the wheel step in read-only mode only; Up and Down in both modes.
    const std::vector<const char*> fruits = { "\xE9" "clair", "apple", "banana", "blueberry", "cherry", "eclair",
                                              "\xC9t\xE9" };
    const struct
    {
        const char *name, *start, *typed;
        WORD key; // pressed when nothing is typed
        const char* expected;
        std::vector<const char*> texts;
    } rows[] = {
        { "b from empty picks the first b", "", "b", 0, "banana", fruits },
        { "b past the last b stays there", "", "bbb", 0, "blueberry", fruits },
        { "upper case from a b text restarts at the first", "blueberry", "B", 0, "banana", fruits },
        { "a text not listed restarts at the first", "bogus", "b", 0, "banana", fruits },
        { "a letter no text begins with changes nothing", "cherry", "z", 0, "cherry", fruits },
        { "space changes nothing", "apple", " ", 0, "apple", fruits },
        // Regression: a first byte of 0x80 or above indexed the case tables below zero.
        { "a high byte matches nothing", "", "\xE9", 0, "", fruits },
        { "texts beginning with a high byte are skipped", "", "e", 0, "eclair", fruits },
        { "a shown text beginning with a high byte restarts", "\xC9t\xE9", "e", 0, "eclair", fruits },
        { "Down from empty shows the second", "", "", VK_DOWN, "two", { "one", "two", "three" } },
        { "Up from empty shows the first", "", "", VK_UP, "one", { "one", "two", "three" } },
        { "Down stops at the last", "three", "", VK_DOWN, "three", { "one", "two", "three" } },
        { "Up from an unlisted text does nothing", "zero", "", VK_UP, "zero", { "one", "two" } },
    };
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.name);
        for (bool readOnly : { true, false })
        {
            if (!readOnly && row.key == 0)
                continue;
            SCOPED_TRACE(readOnly ? "read-only" : "editable");
            Attach<CSelectEdit>(row.texts, readOnly);
            SetText(row.start);
            if (row.key != 0)
                PressKey(row.key);
            TypeText(row.typed);
            EXPECT_EQ(Text(), row.expected);
            EXPECT_FALSE(ListVisible());
            if (std::string(row.start) != row.expected)
            {
                EXPECT_TRUE(WholeTextSelected());
            }
            if (row.key == 0)
                continue;
            // The wheel steps a read-only edit as the key does, and leaves an editable one alone.
            SetText(row.start);
            harness::Wheel(harness::ClientCenter(m_pEdit->m_hWnd), row.key == VK_UP ? WHEEL_DELTA : -WHEEL_DELTA);
            EXPECT_EQ(Text(), readOnly ? row.expected : row.start);
        }
    }
}

TEST_F(SelectTest, TheListOpensOnTheTextWrapsUnderTheArrowsAndClosesByEnterOrEscape)
{
    // The first arrow moves the selection from the edit (to the first row when none is
    // selected; the wrap at the ends is the million-text list's) and takes the focus into the list.
    const struct
    {
        const char *name, *start;
        WORD openKey;
        const char* selected;
        WORD arrow;
        const char* afterArrow;
        WORD closeKey;
        const char* expected;
    } rows[] = {
        { "Down opens on an unlisted text, Down takes the first, Enter accepts", "zero", VK_DOWN, "<none>", VK_DOWN,
          "one", VK_RETURN, "three" },
        { "F9 opens, Up from no selection takes the first, Escape keeps the text moved to", "zero", VK_F9, "<none>",
          VK_UP, "one", VK_ESCAPE, "three" },
    };
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.name);
        Attach<CSelectEdit>({ "one", "two", "three" }, true);
        SetText(row.start);
        PressKey(row.openKey);
        ASSERT_TRUE(ListVisible());
        // The window asks for the height of its rows (where it stands is the base edit's).
        CRect rc;
        m_pDrop->GetWindowRect(&rc);
        EXPECT_EQ(rc.Height(), 3 * List().GetItemHeight(0) + 2 * ::GetSystemMetrics(SM_CYEDGE));
        EXPECT_EQ(SelectedRow(), row.selected);
        EXPECT_EQ(Text(), row.start);
        EXPECT_TRUE(FocusInEdit());
        PressKey(row.arrow);
        EXPECT_EQ(SelectedRow(), row.afterArrow);
        EXPECT_EQ(Text(), row.afterArrow);
        ASSERT_TRUE(FocusInList());
        // In the list every move reaches the edit, by the list box's own keys (End) as by the
        // arrows, and the arrows wrap.
        for (const auto& step :
             { std::make_pair(VK_END, "three"), std::make_pair(VK_DOWN, "one"), std::make_pair(VK_UP, "three") })
        {
            PressKey(step.first);
            EXPECT_EQ(SelectedRow(), step.second);
            EXPECT_EQ(Text(), step.second);
        }
        PressKey(row.closeKey);
        EXPECT_EVENTUALLY(!ListVisible());
        EXPECT_EQ(Text(), row.expected);
        EXPECT_TRUE(FocusInEdit());
        EXPECT_EQ(m_pDlg->m_nOkCount + m_pDlg->m_nCancelCount, 0);
    }
}

TEST_F(SelectTest, EnterTakesTheOpenListsRowByTheModeAndOtherwiseReachesTheDefaultButton)
{
    const std::vector<const char*> fruits = { "apple", "banana" }, cities = { "Amsterdam", "Berlin", "Copenhagen" };
    const struct
    {
        const char* name;
        bool suggest, readOnly, enterUsesSelection;
        std::vector<const char*> texts;
        const char* typed;
        bool open;     // F9 after typing
        int selectRow; // -1: leave the selection as the list opened
        const char* expected;
        int ok; // presses of the dialog's default button
    } rows[] = {
        { "editable keeps the typed text", false, false, false, fruits, "ban", true, 0, "ban", 0 },
        { "editable with the option takes the selection", false, false, true, fruits, "ban", true, 1, "banana", 0 },
        // Regression: with nothing selected the typed text was replaced by an empty one.
        { "editable with the option keeps the typed text without a selection", false, false, true, fruits, "ban",
          true, -1, "ban", 0 },
        { "read-only takes the selection", false, true, false, fruits, "", true, 1, "banana", 0 },
        { "read-only with one unselected row takes that row", false, true, false, { "kiwi" }, "", true, -1, "kiwi", 0 },
        { "a selection edit without texts opens nothing", false, false, false, {}, "", true, -1, "", 1 },
        { "suggestions: the only match, already typed", true, false, false, cities, "Berlin", false, -1, "Berlin", 1 },
        { "suggestions: an open list closes and keeps the key", true, false, false, cities, "B", false, -1, "B", 0 },
    };
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.name);
        if (row.suggest)
            Attach<CAutoSuggestEdit>(row.texts);
        else
            Attach<CSelectEdit>(row.texts, row.readOnly, [&](CSelectEdit& edit) {
                if (row.enterUsesSelection)
                    edit.SetEnterKeyUsesSelection();
            });
        TypeText(row.typed);
        if (row.open)
            PressKey(VK_F9);
        if (row.selectRow >= 0)
            m_pDrop->SetCurSel(row.selectRow, false);
        PressKey(VK_RETURN);
        EXPECT_FALSE(ListVisible());
        EXPECT_EQ(Text(), row.expected);
        EXPECT_EQ(m_pDlg->m_nOkCount, row.ok);
        if (row.ok == 0 && !row.suggest)
        {
            EXPECT_TRUE(WholeTextSelected());
        }
    }
}

TEST_F(SelectTest, ReadOnlyEditingCommandsStandOnlyWhenTheResultIsListed)
{
    const auto pasteOver = [this](const char* clip) {
        ASSERT_TRUE(harness::SetClipboardText(clip));
        m_pEdit->SetSel(0, -1);
        PressKey('V', harness::kCtrl);
    };
    Attach<CSelectEdit>({ "apple", "banana" }, true);
    SetText("apple");
    pasteOver("cherry");
    EXPECT_EQ(Text(), "apple");
    pasteOver("banana");
    EXPECT_EQ(Text(), "banana");
    m_pEdit->SetSel(0, -1);
    PressKey('X', harness::kCtrl); // the empty result is not listed
    EXPECT_EQ(Text(), "banana");
    m_pEdit->SetSel(0, 2);
    PressKey(VK_DELETE); // swallowed
    EXPECT_EQ(Text(), "banana");
    // Regression: Ctrl+Space (and AltGr characters, typed with Ctrl held) inserted into the text.
    PressKey(VK_SPACE, harness::kCtrl);
    EXPECT_EQ(Text(), "banana");
    // An editable edit guards nothing: pasting and Backspace there are rows of the suggestion
    // and key tests.
}

// The list has no horizontal scroll bar: only the vertical wheel shows.
TEST_F(SelectTest, TheWheelScrollsTheOpenListByWholeNotchesWhateverTheDirectionOfItsTurns)
{
    const struct
    {
        const char* name;
        std::vector<short> turns;
        int notches; // down
    } rows[] = {
        { "a third turn of 40 makes a notch", { 40, 40, 40 }, -1 },
        { "down then half up: the halves add up", { -120, 60 }, 1 },
    };
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.name);
        Attach<CSelectEdit>({}, false, [](CSelectEdit& edit) {
            for (int i = 0; i < 60; ++i)
                edit.AddText(CString("item ") + (i < 10 ? "0" : "") + std::to_string(i).c_str());
        });
        SetText("item 30");
        PressKey(VK_F9);
        ASSERT_TRUE(ListVisible());
        // The list, taller than the dialog, is limited to the room below the edit, and scrolled
        // so that five rows stay above the selection (with room to scroll either way).
        CRect rcEdit, rcClient;
        m_pEdit->GetWindowRect(&rcEdit);
        m_pDlg->GetClientRect(&rcClient);
        m_pDlg->ClientToScreen(&rcClient);
        EXPECT_EQ(m_pDrop->m_nPreferredHeight, std::max(rcClient.bottom - rcEdit.bottom, 125L));
        ASSERT_EQ(List().GetTopIndex(), 25);
        for (short turn : row.turns)
            harness::Wheel(harness::ClientCenter(m_pEdit->m_hWnd), turn);
        harness::Pump();
        EXPECT_EQ(List().GetTopIndex(), 25 + row.notches * List().m_nScrollLines);
        EXPECT_TRUE(FocusInEdit());
        EXPECT_TRUE(ListVisible());
    }

    // ShowList opens the list on the edit's text (near the top: not scrolled) and leaves the focus.
    ::SetFocus(m_pDlg->Other());
    SetText("item 02");
    m_pEdit->ShowList();
    EXPECT_TRUE(ListVisible());
    EXPECT_EQ(SelectedRow(), "item 02");
    EXPECT_EQ(List().GetTopIndex(), 0);
    EXPECT_EQ(::GetFocus(), m_pDlg->Other());
}

TEST_F(SelectTest, AddedTextsWidenTheEditAndStaySortedWithoutDuplicatesWhenAsked)
{
    auto* pEdit = Attach<CSelectEdit>({}, false);
    const int bare = pEdit->GetMaxWidth();
    AddTexts(*pEdit, { "c", "a", "c" });
    const int narrow = pEdit->GetMaxWidth();
    EXPECT_GT(narrow, bare);

    pEdit->SetSorted(true);
    EXPECT_EQ(Joined(pEdit->GetTextArray()), "c|a|c") << "switching sorting on waits for the next addition";
    pEdit->AddText(std::vector<CString>{});
    EXPECT_EQ(Joined(pEdit->GetTextArray()), "a|c");
    AddTexts(*pEdit, { "b", "a", "b" });
    CStringArray array;
    array.Add("C");
    array.Add("a");
    pEdit->AddText(array);
    CStringList list;
    list.AddTail("Ab");
    pEdit->AddText(list);
    pEdit->AddText(std::vector<CString>{ "B", "b" });
    EXPECT_EQ(Joined(pEdit->GetTextArray()), "a|Ab|B|b|C|c");
    pEdit->AddText(pEdit->GetTextArray()); // adding the edit's own texts adds nothing new
    EXPECT_EQ(Joined(pEdit->GetTextArray()), "a|Ab|B|b|C|c");
    AddTexts(*pEdit, { "a much wider text than that" });
    EXPECT_GT(pEdit->GetMaxWidth(), narrow);
}

// Regression rows: the list box's own first-letter search moved the highlight and left the
// text; the list's rows stayed those of the texts when it was last shown, and keys wrote the
// stale row's text (or the same text again, with EN_CHANGE to the host).
TEST_F(SelectTest, KeysPickOnlyTheCurrentTextsAndTheHighlightFollowsTheText)
{
    const std::vector<const char*> fruits = { "apple", "banana", "cherry" };
    const struct
    {
        const char* name;
        std::vector<const char*> texts;
        bool readOnly, sorted, listOpen; // the list is opened with F9 and left open or closed
        const char* start;
        std::function<void(CSelectEdit&)> change; // by the host
        std::vector<WORD> keys;
        const char *typed, *expected, *selected; // selected: "" for a closed list
    } rows[] = {
        { "read-only in the list: a letter picks its first text", fruits, true, false, true, "", nullptr, { VK_DOWN },
          "c", "cherry", "cherry" },
        { "editable in the list: letters replace the picked text", fruits, false, false, true, "", nullptr,
          { VK_DOWN }, "ch", "ch", "<none>" },
        { "editable in the list: a whole text highlights its row", fruits, false, false, true, "", nullptr,
          { VK_DOWN }, "cherry", "cherry", "cherry" },
        { "editable in the list: Backspace removes the picked text", fruits, false, false, true, "", nullptr,
          { VK_DOWN, VK_BACK }, "", "", "<none>" },
        { "texts replaced: Backspace keeps lemon", fruits, true, false, false, "lemon",
          [](CSelectEdit& e) { e.ClearText(); AddTexts(e, { "kiwi", "lemon", "mango" }); }, { VK_BACK }, "", "lemon",
          "" },
        { "avocado added: Backspace keeps cherry", { "apple", "banana", "cherry", "date" }, true, true, false, "cherry",
          [](CSelectEdit& e) { AddTexts(e, { "avocado" }); }, { VK_BACK }, "", "cherry", "" },
        { "apple added to the open list: c picks cherry", { "banana", "cherry", "date" }, true, true, true, "banana",
          [](CSelectEdit& e) { AddTexts(e, { "apple" }); }, {}, "c", "cherry", "cherry" },
        { "texts cleared with the list open: the list closes, Down writes nothing", { "red", "green" }, true, false,
          true, "red", [](CSelectEdit& e) { e.ClearText(); }, { VK_DOWN }, "", "red", "" },
    };
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.name);
        auto* pEdit =
            Attach<CSelectEdit>(row.texts, row.readOnly, [&](CSelectEdit& edit) { edit.SetSorted(row.sorted); });
        SetText(row.start);
        PressKey(VK_F9); // the rows are filled
        if (!row.listOpen)
            PressKey(VK_ESCAPE);
        if (row.change)
            row.change(*pEdit);
        harness::MessageRecorder recorder;
        recorder.Watch(m_pDlg->m_hWnd, "dialog");
        for (WORD key : row.keys)
            PressKey(key);
        TypeText(row.typed);
        EXPECT_EQ(Text(), row.expected);
        EXPECT_EQ(ListVisible(), *row.selected != '\0');
        if (row.change && std::string(row.start) == row.expected)
        {
            const auto commands = recorder.Of(m_pDlg->m_hWnd, WM_COMMAND);
            EXPECT_TRUE(std::none_of(commands.begin(), commands.end(),
                                     [](const auto& m) { return HIWORD(m.wParam) == EN_CHANGE; }))
                << "no EN_CHANGE without a change";
        }
        if (!ListVisible())
            continue;
        EXPECT_EQ(SelectedRow(), row.selected);
        PressKey(VK_RETURN); // takes what is highlighted, which is what the edit shows
        EXPECT_EVENTUALLY(!ListVisible());
        EXPECT_EQ(Text(), row.expected);
    }
}

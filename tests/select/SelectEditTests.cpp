// The selection edit driven by real input: first-letter typing, Up/Down, Enter, the read-only
// guard on editing commands, the list's flows, the sort rule and the width measurement.
#include "SelectFixture.h"
#include "DropMessages.h"
#include "Input.h"
#include "MessageRecorder.h"
#include <cstring>

using namespace seltest;
using harness::PressKey;
using harness::TypeText;

namespace
{
void PutOnClipboard(const char* text)
{
    ASSERT_TRUE(::OpenClipboard(nullptr));
    ::EmptyClipboard();
    const size_t size = std::strlen(text) + 1;
    HGLOBAL hData = ::GlobalAlloc(GMEM_MOVEABLE, size);
    std::memcpy(::GlobalLock(hData), text, size);
    ::GlobalUnlock(hData);
    ::SetClipboardData(CF_TEXT, hData);
    ::CloseClipboard();
}

// Selects the edit's whole text and pastes clip over it with Ctrl+V.
void PasteOver(CEdit& edit, const char* clip)
{
    edit.SetSel(0, -1);
    PutOnClipboard(clip);
    PressKey('V', harness::kCtrl);
}
}

TEST_F(SelectTest, ReadOnlyFirstLetterTypingStepsThroughTheTextsOfThatLetter)
{
    struct Row
    {
        const char* name;
        const char* start;
        const char* keys;
        const char* expected;
    } rows[] = {
        { "b from empty picks the first b", "", "b", "banana" },
        { "b again steps on", "", "bb", "blueberry" },
        { "b past the last b stays there", "", "bbb", "blueberry" },
        { "another letter jumps to its first text", "", "bbc", "cherry" },
        { "upper case from a b text restarts at the first", "blueberry", "B", "banana" },
        { "a text not listed restarts at the first", "bogus", "b", "banana" },
        { "a letter no text begins with changes nothing", "cherry", "z", "cherry" },
        { "space changes nothing", "apple", " ", "apple" },
        { "a text of a later letter is not left by an earlier one", "cherry", "a", "apple" },
    };
    for (const Row& row : rows)
    {
        SCOPED_TRACE(row.name);
        AttachSelect({ "apple", "banana", "blueberry", "cherry" }, true);
        SetText(row.start);
        TypeText(row.keys);
        EXPECT_EQ(Text(), row.expected);
        if (std::string(row.start) != row.expected)
        {
            EXPECT_TRUE(WholeTextSelected());
        }
    }
}

TEST_F(SelectTest, FirstLetterTypingIgnoresTextsThatBeginWithAHighByte)
{
    // Regression: a first byte of 0x80 or above must never index the case tables below zero.
    AttachSelect({ "\xE9" "clair", "eclair", "\xC9" "t\xE9" }, true);
    TypeText("\xE9");
    EXPECT_EQ(Text(), "");
    TypeText("e");
    EXPECT_EQ(Text(), "eclair");
    SetText("\xC9t\xE9");
    TypeText("e"); // the shown text's own first letter is a high byte: restart at the first e
    EXPECT_EQ(Text(), "eclair");
}

TEST_F(SelectTest, ReadOnlyTextTakesNoPrintableCharacterTypedWithCtrl)
{
    // Regression: Ctrl+Space (and AltGr characters, typed with Ctrl held) inserted into the text.
    AttachSelect({ "alpha", "beta" }, true);
    TypeText("b");
    harness::PressKey(VK_SPACE, harness::kCtrl);
    EXPECT_EQ(Text(), "beta");
}

TEST_F(SelectTest, UpAndDownStepThroughTheTextsWhileTheListIsClosed)
{
    struct Row
    {
        const char* name;
        std::vector<const char*> texts;
        const char* start;
        WORD key;
        const char* expected;
    } rows[] = {
        { "Down from empty shows the second", { "one", "two", "three" }, "", VK_DOWN, "two" },
        { "Up from empty shows the first", { "one", "two", "three" }, "", VK_UP, "one" },
        { "Down with one text shows it", { "one" }, "", VK_DOWN, "one" },
        { "Up with one text shows it", { "one" }, "", VK_UP, "one" },
        { "Down stops at the last", { "one", "two", "three" }, "three", VK_DOWN, "three" },
        { "Up stops at the first", { "one", "two", "three" }, "one", VK_UP, "one" },
        { "Up from an unlisted text does nothing", { "one", "two" }, "zero", VK_UP, "zero" },
    };
    for (const Row& row : rows)
    {
        SCOPED_TRACE(row.name);
        for (bool readOnly : { false, true })
        {
            SCOPED_TRACE(readOnly ? "read-only" : "editable");
            AttachSelect(row.texts, readOnly);
            SetText(row.start);
            PressKey(row.key);
            EXPECT_EQ(Text(), row.expected);
            EXPECT_FALSE(ListVisible());
        }
    }
}

TEST_F(SelectTest, KeysThatOpenTheClosedListKeepTheFocusAndTheText)
{
    struct Row
    {
        const char* name;
        const char* start;
        WORD key;
        const char* selected;
    } rows[] = {
        { "Down on an unlisted text", "zero", VK_DOWN, "<none>" },
        { "Enter", "two", VK_RETURN, "two" },
        { "F9", "one", VK_F9, "one" },
    };
    for (const Row& row : rows)
    {
        SCOPED_TRACE(row.name);
        AttachSelect({ "one", "two" }, true);
        SetText(row.start);
        PressKey(row.key);
        ASSERT_TRUE(ListVisible());
        EXPECT_EQ(SelectedRow(), row.selected);
        EXPECT_EQ(Text(), row.start);
        EXPECT_EQ(FocusWnd(), m_pEdit->m_hWnd);
    }
}

TEST_F(SelectTest, ArrowsOnTheOpenListMoveTheSelectionWithWrapAroundAndWriteIt)
{
    AttachSelect({ "one", "two", "three" }, true);
    SetText("two");
    PressKey(VK_F9);
    ASSERT_TRUE(ListVisible());
    EXPECT_EQ(Rows(), Strings({ "one", "two", "three" }));
    EXPECT_EQ(SelectedRow(), "two");

    PressKey(VK_DOWN); // from the edit: moves, and the focus goes into the list
    EXPECT_EQ(Text(), "three");
    EXPECT_EQ(FocusWnd(), ListHwnd());
    PressKey(VK_DOWN); // in the list: wraps to the first row
    EXPECT_EQ(SelectedRow(), "one");
    EXPECT_EQ(Text(), "one");
    PressKey(VK_UP);
    EXPECT_EQ(Text(), "three");
    EXPECT_TRUE(ListVisible());
    PressKey(VK_END);
    EXPECT_EQ(Text(), "three");
    PressKey(VK_HOME); // any key that moves the selection reports it
    EXPECT_EQ(Text(), "one");
}

TEST_F(SelectTest, EnterOnTheOpenListFollowsTheMode)
{
    struct Row
    {
        const char* name;
        bool readOnly;
        bool enterUsesSelection;
        std::vector<const char*> texts;
        const char* typed; // editable: typed before the list opens
        int selectRow;     // -1: leave the selection as the list opened
        const char* expected;
    } rows[] = {
        { "editable keeps the typed text", false, false, { "apple", "banana" }, "ban", 0, "ban" },
        { "editable with the option takes the selection", false, true, { "apple", "banana" }, "ban", 1,
          "banana" },
        { "read-only takes the selection", true, false, { "apple", "banana" }, "", 1, "banana" },
        { "read-only with one unselected row takes that row", true, false, { "kiwi" }, "", -1, "kiwi" },
    };
    for (const Row& row : rows)
    {
        SCOPED_TRACE(row.name);
        AttachSelect(row.texts, row.readOnly, [&](CProbeSelectEdit& edit) {
            if (row.enterUsesSelection)
                edit.SetEnterKeyUsesSelection();
        });
        TypeText(row.typed);
        PressKey(VK_F9);
        ASSERT_TRUE(ListVisible());
        if (row.selectRow >= 0)
            m_pDrop->SetCurSel(row.selectRow, false);
        PressKey(VK_RETURN);
        EXPECT_FALSE(ListVisible());
        EXPECT_EQ(Text(), row.expected);
        EXPECT_TRUE(WholeTextSelected());
        EXPECT_EQ(m_pDlg->m_nOkCount, 0); // the dialog's default button is not pressed
    }
}

TEST_F(SelectTest, ReadOnlyEditingCommandsStandOnlyWhenTheResultIsListed)
{
    AttachSelect({ "apple", "banana" }, true);
    SetText("apple");
    PasteOver(*m_pEdit, "cherry");
    EXPECT_EQ(Text(), "apple");
    PasteOver(*m_pEdit, "banana");
    EXPECT_EQ(Text(), "banana");

    m_pEdit->SetSel(0, -1);
    PressKey('X', harness::kCtrl); // the empty result is not listed
    EXPECT_EQ(Text(), "banana");
    m_pEdit->SetSel(0, 2);
    PressKey(VK_DELETE); // swallowed
    EXPECT_EQ(Text(), "banana");
    m_pEdit->SendMessage(WM_UNDO);
    EXPECT_EQ(Text(), "banana");
}

TEST_F(SelectTest, EditableEditingCommandsAreNotGuarded)
{
    AttachSelect({ "apple", "banana" }, false);
    SetText("apple");
    PasteOver(*m_pEdit, "cherry");
    EXPECT_EQ(Text(), "cherry");
    PressKey(VK_BACK);
    EXPECT_EQ(Text(), "cherr");
}

TEST_F(SelectTest, EscapeInTheListCancelsAndKeepsTheTextMovedTo)
{
    AttachSelect({ "one", "two", "three" }, true);
    SetText("one");
    PressKey(VK_F9);
    PressKey(VK_DOWN);
    ASSERT_EQ(FocusWnd(), ListHwnd());
    ASSERT_EQ(Text(), "two");
    harness::MessageRecorder recorder;
    recorder.Watch(m_pDrop->m_hWnd, "drop");
    recorder.Watch(m_pEdit->m_hWnd, "edit");
    PressKey(VK_ESCAPE);
    EXPECT_FALSE(ListVisible());
    EXPECT_EQ(Text(), "two");
    EXPECT_EQ(FocusWnd(), m_pEdit->m_hWnd);
    EXPECT_EQ(m_pDlg->m_nCancelCount, 0);
    EXPECT_TRUE(recorder.Matches({
        { "drop", WM_DROPWND_CHILD_CLOSE, harness::Delivery::Sent, true, 0, true, 0 },
        { "edit", CDropBaseEdit::WM_CLOSE_DROPDOWN_WND, harness::Delivery::Sent, true, 0 },
    }));
    EXPECT_EQ(recorder.Count(m_pDrop->m_hWnd, WM_DROPWND_CHILD_SELCHANGE), 0u);
}

TEST_F(SelectTest, EnterInTheListAcceptsAndClosesIt)
{
    AttachSelect({ "one", "two", "three" }, true);
    PressKey(VK_F9);
    PressKey(VK_DOWN);
    PressKey(VK_DOWN);
    ASSERT_EQ(FocusWnd(), ListHwnd());
    PressKey(VK_RETURN);
    EXPECT_FALSE(ListVisible());
    EXPECT_EQ(Text(), "two");
    EXPECT_EQ(FocusWnd(), m_pEdit->m_hWnd);
}

TEST_F(SelectTest, FocusLeavingTheEditClosesTheList)
{
    AttachSelect({ "one", "two" }, false);
    PressKey(VK_F9);
    ASSERT_TRUE(ListVisible());
    ::SetFocus(m_pDlg->Other());
    EXPECT_FALSE(ListVisible());
}

TEST_F(SelectTest, TheWheelScrollsTheOpenListWhileTheFocusStaysInTheEdit)
{
    AttachSelect({}, false, [](CProbeSelectEdit& edit) { AddNumbered(edit, "item %02d", 40); });
    PressKey(VK_F9);
    ASSERT_TRUE(ListVisible());
    ASSERT_EQ(m_pDrop->m_pList->GetTopIndex(), 0);
    harness::Wheel(harness::ClientCenter(m_pEdit->m_hWnd), -WHEEL_DELTA);
    const int lines = m_pDrop->m_pList->m_nScrollLines;
    EXPECT_EVENTUALLY(m_pDrop->m_pList->GetTopIndex() == lines);
    EXPECT_EQ(FocusWnd(), m_pEdit->m_hWnd);
    EXPECT_TRUE(ListVisible());
}

TEST_F(SelectTest, ShowListOpensWithoutTakingTheFocus)
{
    auto* pEdit = AttachSelect({ "one", "two" }, true);
    SetText("two");
    ::SetFocus(m_pDlg->Other());
    pEdit->ShowList();
    EXPECT_TRUE(ListVisible());
    EXPECT_EQ(SelectedRow(), "two");
    EXPECT_EQ(FocusWnd(), m_pDlg->Other());
}

TEST_F(SelectTest, AnEmptyListNeverOpens)
{
    AttachSelect({}, false);
    PressKey(VK_F9);
    EXPECT_FALSE(ListVisible());
    PressKey(VK_DOWN);
    EXPECT_FALSE(ListVisible());
}

TEST_F(SelectTest, SortedAdditionsKeepTheTextsSortedWithoutDuplicates)
{
    auto* pEdit = AttachSelect({ "c", "a", "c" }, false);
    pEdit->SetSorted(true);
    EXPECT_EQ(Joined(pEdit->GetTextArray()), "c|a|c") << "switching sorting on waits for the next addition";
    pEdit->AddText(std::vector<CString>{});
    EXPECT_EQ(Joined(pEdit->GetTextArray()), "a|c");
    AddTexts(*pEdit, { "b", "a", "b" });
    EXPECT_EQ(Joined(pEdit->GetTextArray()), "a|b|c");

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
}

TEST_F(SelectTest, MaxWidthFitsTheWidestText)
{
    auto* pEdit = AttachSelect({}, false);
    const int bare = pEdit->GetMaxWidth();
    EXPECT_EQ(bare, ::GetSystemMetrics(SM_CXVSCROLL) + 12);
    AddTexts(*pEdit, { "i" });
    const int narrow = pEdit->GetMaxWidth();
    AddTexts(*pEdit, { "a much wider text than that", "" });
    const int wide = pEdit->GetMaxWidth();
    EXPECT_GT(narrow, bare);
    EXPECT_GT(wide, narrow);
}

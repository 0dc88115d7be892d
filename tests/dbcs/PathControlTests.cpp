// The directory and file edits on Japanese folders under code page 932: the rows of the folder
// list, Left, Backspace and Delete, texts from the host, and the file tree's labels, branches
// and picks. The edits sit on Windows' edit behaviour (WindowsEditBytes.h), since they are
// written for byte positions.
#include "../paths/PathsFixture.h"
#include "Japanese.h"
#include "WindowsEditBytes.h"

using namespace pathtest;
using namespace dbcstest;

namespace
{
// The path edit fixture with Japanese folders and files under jp\ of the scratch tree.
class JapanesePathTest : public PathEditTest
{
protected:
    void SetUp() override
    {
        PathEditTest::SetUp();
        for (const std::string& entry :
             { "jp\\" + kHyouji + "\\" + kNou + "\\", "jp\\" + kIchiran + "\\", "jp\\" + kIchiranHyou + "\\sub\\",
               "jp\\" + kIchiranHyou + "\\data.txt", "jp\\" + kSofuto + "\\" + kNouryoku + ".txt",
               "jp\\abc\\" + kNouryoku + ".txt", "jp\\" + kHyou + "\\", "jp\\" + kJi + "\\" })
            m_scratch.Make(entry);
        m_jp = Path("jp\\");
    }
    std::string m_jp;
};

// A folder list row: a name indented by its depth below the drive.
std::string Row(size_t depth, const std::string& name)
{
    std::string row;
    for (size_t i = 0; i < depth; ++i)
        row += "..\\";
    return row + name + "\\";
}
}

TEST_F(JapanesePathTest, FolderListRowsHoldWholeNamesAndLeftGoesToTheRealParent)
{
    // How many folders stand above jp\ (the drive included).
    const size_t n = static_cast<size_t>(std::count(m_jp.begin(), m_jp.end(), '\\')) - 1;
    const struct
    {
        const char* name;
        std::string folder;
        std::vector<std::string> rowsBelowJp;
        std::string selected;
        std::string parent;
    } cases[] = {
        { "names ending in 0x5C trail bytes", m_jp + kHyouji + "\\" + kNou + "\\",
          { Row(n + 1, kHyouji), Row(n + 2, kNou) }, Row(n + 2, kNou), m_jp + kHyouji + "\\" },
        { "a name opening with a 0x5C trail byte has its siblings", m_jp + kSofuto + "\\",
          { Row(n + 1, "abc"), Row(n + 1, kSofuto), Row(n + 1, kIchiran), Row(n + 1, kIchiranHyou), Row(n + 1, kJi),
            Row(n + 1, kHyou), Row(n + 1, kHyouji) },
          Row(n + 1, kSofuto), m_jp },
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        SetText(c.folder);
        EXPECT_EQ(Text(), c.folder);
        m_pEdit->ShowList(); // the host opens the list for the user, who is then in it
        // The rows below jp\ down to the last folder row (drive rows such as "D:\" follow it).
        std::vector<std::string> rows = harness::ListRows(ListBox());
        const auto jp = std::find(rows.begin(), rows.end(), Row(n, "jp"));
        ASSERT_NE(jp, rows.end());
        rows.erase(rows.begin(), jp + 1);
        while (!rows.empty() && rows.back().size() == 3 && rows.back()[1] == ':')
            rows.pop_back();
        EXPECT_EQ(rows, c.rowsBelowJp);
        EXPECT_EQ(harness::ListSelection(ListBox()), c.selected);
        PressKey(VK_LEFT);
        EXPECT_EQ(Text(), c.parent);
        PressKey(VK_ESCAPE);
    }
}

// In the directory edit Backspace and Delete stop at real backslashes only; in the file edit
// the name after the last real backslash is editable.
TEST_F(JapanesePathTest, HostTextsStandAndBackspaceDeleteAndTypingTakeWholeCharactersAndStopAtRealBackslashes)
{
    const std::string nou = m_jp + kHyouji + "\\" + kNou;
    const int nouEnd = static_cast<int>(nou.size());
    const std::string ichiran = m_jp + kIchiranHyou + "\\";
    const int beforeSlash = static_cast<int>(ichiran.size()) - 1;
    RunEdits(Edit::Dir, {
        { "Backspace at the end removes a name ending in 0x5C", nou, nouEnd, nouEnd, Key(VK_BACK), m_jp + kHyouji + "\\" },
        { "Backspace before the last backslash removes the character before it", ichiran, beforeSlash, beforeSlash,
          Key(VK_BACK), m_jp + kIchiran + "\\" },
    });
    // Folders from the host whose names end in a 0x5C trail byte or hold the bar, 0x7C, as one.
    for (const std::string& host : { m_jp + kHyou, Folder("jp\\" + kPo) })
    {
        SetText(host);
        EXPECT_EQ(Text(), host);
    }
    const std::string folder = m_jp + kSofuto + "\\";
    const std::string file = folder + kNouryoku + ".txt";
    const int nameStart = static_cast<int>(folder.size());
    RunEdits(Edit::WritableFile, {
        { "Backspace after a first character ending in 0x5C", file, nameStart + 2, nameStart + 2, Key(VK_BACK),
          folder + kRyoku + ".txt" },
        { "Delete right after the separator", file, nameStart, nameStart, Key(VK_DELETE), folder + kRyoku + ".txt" },
        { "a typed character with the trail byte 0x5C goes into the name", file, nameStart, nameStart, [] { TypeJapanese(kHyou); },
          folder + kHyou + kNouryoku + ".txt" },
    });
}

TEST_F(JapanesePathTest, TheTreeShowsReachesAndPicksJapaneseNames)
{
    // The edit keeps an existing Japanese path from the host, and the tree shows it.
    const std::string abcFile = m_jp + "abc\\" + kNouryoku + ".txt";
    MakeEdit(Edit::WritableFile, abcFile);
    EXPECT_EQ(Text(), abcFile);
    Open();
    EXPECT_EQ(Shown(), abcFile);
    HTREEITEM hJp = Item("jp");
    EXPECT_EQ(ChildLabels(Tree(), hJp), (Labels{ "abc", kSofuto, kIchiran, kIchiranHyou, kJi, kHyou, kHyouji }));
    HTREEITEM hIchiranHyou = Tree().GetTreeDirMatch(hJp, kIchiranHyou.c_str(), false);
    Tree().Expand(hIchiranHyou, TVE_EXPAND);
    EXPECT_EQ(ChildLabels(Tree(), hIchiranHyou), (Labels{ "sub", "data.txt" }));

    // A folder pick keeps the Japanese file name where that file exists.
    HTREEITEM hSofuto = Tree().GetTreeDirMatch(hJp, kSofuto.c_str(), false);
    ASSERT_NE(hSofuto, nullptr);
    harness::Click(LabelPoint(Tree(), hSofuto));
    EXPECT_EQ(Text(), m_jp + kSofuto + "\\" + kNouryoku + ".txt");
}

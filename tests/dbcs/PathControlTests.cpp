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
// The Japanese folders and files under jp\ of the scratch tree.
void MakeJapaneseTree(const harness::ScratchDir& scratch)
{
    for (const std::string& entry :
         { "jp\\" + kHyouji + "\\" + kNou + "\\", "jp\\" + kIchiran + "\\", "jp\\" + kIchiranHyou + "\\sub\\",
           "jp\\" + kIchiranHyou + "\\data.txt", "jp\\" + kSofuto + "\\" + kNouryoku + ".txt",
           "jp\\abc\\" + kNouryoku + ".txt", "jp\\" + kHyou + "\\", "jp\\" + kJi + "\\" })
        scratch.Make(entry);
}

std::string Indent(size_t steps)
{
    std::string indent;
    for (size_t i = 0; i < steps; ++i)
        indent += "..\\";
    return indent;
}

class DbcsDirEditTest : public DirEditTest
{
protected:
    void SetUp() override
    {
        m_beforeAttach = EmulateWindowsEditBytes;
        DirEditTest::SetUp();
        MakeJapaneseTree(m_scratch);
        m_jp = Path("jp\\");
    }
    // The rows from jp\ down to the last folder row (drive rows such as "D:\" follow it).
    std::vector<std::string> RowsFromJp() const
    {
        const std::vector<std::string> rows = harness::ListRows(ListBox());
        auto end = rows.end();
        while (end != rows.begin() && (end - 1)->size() == 3 && (*(end - 1))[1] == ':')
            --end;
        return std::vector<std::string>(std::find(rows.begin(), end, Indent(JpDepth()) + "jp\\"), end);
    }
    // How many folders stand above jp\ (the drive included).
    size_t JpDepth() const { return static_cast<size_t>(std::count(m_jp.begin(), m_jp.end(), '\\')) - 1; }

    std::string m_jp;
};
}

TEST_F(DbcsDirEditTest, FolderListRowsHoldWholeNamesAndSelectTheFolder)
{
    const size_t n = JpDepth();
    const struct
    {
        const char* name;
        std::string folder;
        std::vector<std::string> rows;
        std::string selected;
    } cases[] = {
        { "names ending in 0x5C trail bytes", m_jp + kHyouji + "\\" + kNou + "\\",
          { Indent(n) + "jp\\", Indent(n + 1) + kHyouji + "\\", Indent(n + 2) + kNou + "\\" }, Indent(n + 2) + kNou + "\\" },
        { "siblings of a name ending in 0x5C", m_jp + kIchiranHyou + "\\",
          { Indent(n) + "jp\\", Indent(n + 1) + "abc\\", Indent(n + 1) + kSofuto + "\\", Indent(n + 1) + kIchiran + "\\",
            Indent(n + 1) + kIchiranHyou + "\\", Indent(n + 1) + kIchiranHyou + "\\sub\\", Indent(n + 1) + kJi + "\\",
            Indent(n + 1) + kHyou + "\\", Indent(n + 1) + kHyouji + "\\" },
          Indent(n + 1) + kIchiranHyou + "\\" },
        { "a name opening with a 0x5C trail byte has its siblings", m_jp + kSofuto + "\\",
          { Indent(n) + "jp\\", Indent(n + 1) + "abc\\", Indent(n + 1) + kSofuto + "\\", Indent(n + 1) + kIchiran + "\\",
            Indent(n + 1) + kIchiranHyou + "\\", Indent(n + 1) + kJi + "\\", Indent(n + 1) + kHyou + "\\",
            Indent(n + 1) + kHyouji + "\\" },
          Indent(n + 1) + kSofuto + "\\" },
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        SetText(c.folder);
        EXPECT_EQ(m_pEdit->Text(), c.folder);
        Open();
        EXPECT_EQ(RowsFromJp(), c.rows);
        EXPECT_EQ(harness::ListSelection(ListBox()), c.selected);
        PressKey(VK_ESCAPE);
    }
}

TEST_F(DbcsDirEditTest, LeftGoesToTheRealParent)
{
    SetText(m_jp + kHyouji + "\\" + kNou + "\\");
    m_pEdit->ShowList();
    ASSERT_TRUE(DropVisible());
    PressKey(VK_LEFT);
    EXPECT_EQ(m_pEdit->Text(), m_jp + kHyouji + "\\");
    PressKey(VK_LEFT);
    EXPECT_EQ(m_pEdit->Text(), m_jp);
}

TEST_F(DbcsDirEditTest, BackspaceAndDeleteTakeWholeCharactersAndStopAtRealBackslashes)
{
    const std::string nou = m_jp + kHyouji + "\\" + kNou;
    const int nouEnd = static_cast<int>(nou.size());
    const std::string ichiran = m_jp + kIchiranHyou + "\\";
    const int beforeSlash = static_cast<int>(ichiran.size()) - 1;
    RunEdits({
        { "Backspace at the end removes a name ending in 0x5C", nou, nouEnd, nouEnd, Key(VK_BACK), m_jp + kHyouji + "\\" },
        { "Delete before that name removes it", nou, nouEnd - 2, nouEnd - 2, Key(VK_DELETE), m_jp + kHyouji + "\\" },
        { "Backspace before the last backslash removes the character before it", ichiran, beforeSlash, beforeSlash,
          Key(VK_BACK), m_jp + kIchiran + "\\" },
        { "Backspace after a real backslash keeps the folders apart", nou, nouEnd - 2, nouEnd - 2, Key(VK_BACK), nou },
        { "a folder ending in 0x5C from the host stands", m_jp + kHyou, 0, 0, Key(VK_END), m_jp + kHyou },
    });
}

class DbcsFileEditTest : public FileEditTest
{
protected:
    void SetUp() override
    {
        m_beforeAttach = EmulateWindowsEditBytes;
        FileEditTest::SetUp();
        MakeJapaneseTree(m_scratch);
        m_jp = Path("jp\\");
    }
    std::string m_jp;
};

TEST_F(DbcsFileEditTest, TheNameAfterTheLastRealBackslashIsEditable)
{
    MakeEdit(false);
    const std::string folder = m_jp + kSofuto + "\\";
    const std::string file = folder + kNouryoku + ".txt";
    const int nameStart = static_cast<int>(folder.size());
    RunEdits({
        { "Backspace after a first character ending in 0x5C", file, nameStart + 2, nameStart + 2, Key(VK_BACK),
          folder + kRyoku + ".txt" },
        { "Delete right after the separator", file, nameStart, nameStart, Key(VK_DELETE), folder + kRyoku + ".txt" },
        { "Backspace right after the separator is refused", file, nameStart, nameStart, Key(VK_BACK), file, 1 },
        { "a typed character with the trail byte 0x5C goes into the name", file, nameStart, nameStart, [] { TypeJapanese(kHyou); },
          folder + kHyou + kNouryoku + ".txt" },
    });
}

TEST_F(DbcsFileEditTest, AReadOnlyEditKeepsAnExistingJapanesePath)
{
    const std::string file = m_jp + kIchiranHyou + "\\data.txt";
    MakeEdit(true, file);
    EXPECT_EQ(m_pEdit->Text(), file);
}

TEST_F(DbcsFileEditTest, TheTreeShowsReachesAndPicksJapaneseNames)
{
    const std::string sofutoFile = m_jp + kSofuto + "\\" + kNouryoku + ".txt";
    const std::string abcFile = m_jp + "abc\\" + kNouryoku + ".txt";
    for (const std::string& file : { sofutoFile, abcFile })
    {
        SCOPED_TRACE(file);
        MakeEdit(false, file);
        Open();
        EXPECT_EQ(SelectedPath(Tree()), file);
    }
    HTREEITEM hJp = Find(Tree(), m_jp.substr(0, m_jp.size() - 1));
    ASSERT_NE(hJp, nullptr);
    EXPECT_EQ(ChildLabels(Tree(), hJp), (Labels{ "abc", kSofuto, kIchiran, kIchiranHyou, kJi, kHyou, kHyouji }));
    HTREEITEM hIchiranHyou = Tree().GetTreeDirMatch(hJp, kIchiranHyou.c_str(), false);
    ASSERT_NE(hIchiranHyou, nullptr);
    Tree().Expand(hIchiranHyou, TVE_EXPAND);
    EXPECT_EQ(ChildLabels(Tree(), hIchiranHyou), (Labels{ "sub", "data.txt" }));

    // A folder pick keeps the Japanese file name where that file exists.
    HTREEITEM hSofuto = Tree().GetTreeDirMatch(hJp, kSofuto.c_str(), false);
    ASSERT_NE(hSofuto, nullptr);
    harness::Click(LabelPoint(Tree(), hSofuto));
    EXPECT_EQ(m_pEdit->Text(), sofutoFile);
}

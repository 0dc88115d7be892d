#include "DirUtils.h"
#include "FileUtils.h"
#include "ScratchDir.h"
#include "TextArray.h"
#include <gtest/gtest.h>
#include <algorithm>
#include <cstring>
#include <initializer_list>
#include <string>

namespace
{
// A tree with visible, hidden and system folders and files of several extensions.
class PathTest : public testing::Test
{
protected:
    void SetUp() override
    {
        for (const char* entry : {"beta\\", "Alpha\\inner\\deep.txt", "alpha2\\", "hidden\\x\\",
                                  "system\\", "notes.txt", "SHOUT.TXT", "data.log", "noext",
                                  "archive.tar.gz", "secret.txt", "caf\xE9.txt"})
            m_scratch.Make(entry);
        m_scratch.SetAttributes("hidden", FILE_ATTRIBUTE_HIDDEN);
        m_scratch.SetAttributes("system", FILE_ATTRIBUTE_SYSTEM);
        m_scratch.SetAttributes("secret.txt", FILE_ATTRIBUTE_HIDDEN);
        m_root = CString(m_scratch.Path().c_str());
    }

    // The entries relative to the scratch folder, joined by "|".
    std::string Relative(const TextArray& paths) const
    {
        TextArray relative(paths);
        DirUtils::MakePathsRelative(m_root, relative);
        std::string joined;
        for (size_t i = 0; i < relative.GetCount(); ++i)
            joined += (i ? "|" : "") + std::string(relative[i].GetString());
        return joined;
    }

    static TextArray Filter(std::initializer_list<const char*> entries)
    {
        TextArray filter;
        for (const char* entry : entries)
            filter.Add(entry);
        return filter;
    }

    // A drive letter that names no drive on this machine.
    static CString MissingDrive()
    {
        DWORD drives = GetLogicalDrives();
        for (int letter = 25; letter >= 0; --letter)
        {
            if (!(drives & (1u << letter)))
                return CString(static_cast<char>('A' + letter)) + ":\\";
        }
        return CString();
    }

    harness::ScratchDir m_scratch;
    CString m_root;
};
}

TEST_F(PathTest, ExistenceChecks)
{
    const CString longPath = m_root + CString('a', 300) + "\\";
    const struct
    {
        CString path;
        bool isDir, isDirForm, isFile, isFileForm, exists;
    } rows[] = {
        {m_root, true, true, false, false, true},
        {m_root + "beta", true, true, false, false, true},
        {m_root + "Alpha/inner/", true, true, false, false, true},
        {m_root + "notes.txt", false, false, true, true, true},
        {m_root + "notes.txt\\", false, false, false, false, false},
        {m_root + "new.txt", false, true, false, true, false},
        {m_root + "new\\", false, true, false, false, false},
        {"C:\\", true, true, false, false, true},
        {"c:/", true, true, false, false, true},
        {"Z:\\", true, true, false, false, true},
        {MissingDrive() + "folder\\", false, true, false, false, false},
        {"\\\\nosuchserver\\share\\", false, true, false, false, false},
        {"\\\\nosuchserver\\", false, false, false, false, false},
        {"\\\\?\\C:\\", false, false, false, false, false},
        {"beta", false, false, false, false, false},
        {"C:beta", false, false, false, false, false},
        {m_root + "a?b", false, false, false, false, false},
        {m_root + "a|b\\", false, false, false, false, false},
        {m_root + "NUL", false, false, false, false, false},
        {m_root + "con.txt", false, false, false, false, false},
        {longPath, false, false, false, false, false},
        {"", false, false, false, false, false},
        {"C:\\\x01", false, false, false, false, false},
    };
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.path.GetString());
        EXPECT_EQ(row.isDir, DirUtils::IsDir(row.path, true));
        EXPECT_EQ(row.isDir, DirUtils::DoesDirExist(row.path));
        EXPECT_EQ(row.isDirForm, DirUtils::IsDir(row.path, false));
        EXPECT_EQ(row.isFile, FileUtils::IsFile(row.path, true, true));
        EXPECT_EQ(row.isFileForm, FileUtils::IsFile(row.path, true, false));
        EXPECT_EQ(row.exists, FileUtils::DoesFileExist(row.path));
    }
}

TEST_F(PathTest, RelativeFilePathsOnlyWithoutAbsoluteOnly)
{
    char previous[MAX_PATH] = {0};
    GetCurrentDirectoryA(MAX_PATH, previous);
    ASSERT_TRUE(SetCurrentDirectoryA(m_root));
    EXPECT_TRUE(FileUtils::IsFile("notes.txt", false, true));
    EXPECT_FALSE(FileUtils::IsFile("notes.txt", true, true));
    EXPECT_FALSE(FileUtils::IsFile("beta", false, false)) << "an existing folder is no file";
    SetCurrentDirectoryA(previous);
}

TEST_F(PathTest, DirectoryListFlags)
{
    const struct
    {
        DWORD flags;
        const char* expected; // relative to the scratch folder; sorted ones only
    } rows[] = {
        {29, "alpha2\\|Alpha\\|beta\\"}, // byte order after folding: '2' < '\\'
        {29 | 0x02, "alpha2\\|Alpha\\|beta\\"},
        {DirUtils::ListFullPaths | DirUtils::ListSorted,
         "alpha2\\|Alpha\\|beta\\|hidden\\|system\\"},
        {DirUtils::ListSorted | DirUtils::ListSkipHidden, "alpha2\\|Alpha\\|beta\\|system\\"},
    };
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.flags);
        TextArray dirs;
        EXPECT_EQ(std::count(row.expected, row.expected + strlen(row.expected), '|') + 1u,
                  DirUtils::GetDirectoryList(m_root, dirs, row.flags));
        EXPECT_EQ(row.expected, Relative(dirs));
        if (row.flags & DirUtils::ListFullPaths)
        {
            EXPECT_TRUE(DirUtils::IsDir(dirs[0], true)) << dirs[0].GetString();
        }
    }
    // 13 lists the same folders as 29, in any order; without ListFullPaths only the names.
    TextArray unsorted;
    DirUtils::GetDirectoryList(m_root.Left(m_root.GetLength() - 1), unsorted, 13);
    unsorted.Sort(true, false, TextArray::ContentText);
    EXPECT_EQ("alpha2\\|Alpha\\|beta\\", Relative(unsorted));
    TextArray names;
    DirUtils::GetDirectoryList(m_root, names, DirUtils::ListSorted | 12);
    EXPECT_EQ("alpha2\\", names.GetAt(0));
}

TEST_F(PathTest, SubdirectoryChecksHonourTheFlags)
{
    EXPECT_TRUE(DirUtils::HasSubdirectory(m_root, 12));
    EXPECT_TRUE(DirUtils::HasSubdirectory(m_root + "Alpha", 12));
    EXPECT_FALSE(DirUtils::HasSubdirectory(m_root + "beta\\", 12));
    EXPECT_FALSE(DirUtils::HasSubdirectory(m_root + "notes.txt", 12));
    m_scratch.Make("only\\.git\\");
    m_scratch.SetAttributes("only\\.git", FILE_ATTRIBUTE_HIDDEN);
    EXPECT_FALSE(DirUtils::HasSubdirectory(m_root + "only\\", 12));
    EXPECT_TRUE(DirUtils::HasSubdirectory(m_root + "only\\", 0));
}

TEST_F(PathTest, FileListFiltersByExtension)
{
    const struct
    {
        TextArray filter;
        const char* expected;
    } rows[] = {
        {Filter({}), "archive.tar.gz|caf\xE9.txt|data.log|noext|notes.txt|SHOUT.TXT"},
        {Filter({"txt"}), "caf\xE9.txt|notes.txt|SHOUT.TXT"},
        {Filter({".TXT"}), "caf\xE9.txt|notes.txt|SHOUT.TXT"},
        {Filter({"*.txt", " log "}), "caf\xE9.txt|data.log|notes.txt|SHOUT.TXT"},
        {Filter({"gz"}), "archive.tar.gz"},
        {Filter({"tar.gz"}), "archive.tar.gz"},
        {Filter({"*."}), "noext"},
        {Filter({"*"}), "archive.tar.gz|caf\xE9.txt|data.log|noext|notes.txt|SHOUT.TXT"},
        {Filter({""}), "archive.tar.gz|caf\xE9.txt|data.log|noext|notes.txt|SHOUT.TXT"},
        {Filter({"doc"}), ""},
        {Filter({"xt"}), ""},
    };
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.expected);
        TextArray files;
        FileUtils::GetFileList(m_root, row.filter, false, files, true, true, false);
        EXPECT_EQ(row.expected, Relative(files));
        EXPECT_EQ(files.GetCount() > 0,
                  FileUtils::HasFile(m_root, row.filter, false, true, true, false));
    }
}

TEST_F(PathTest, FileListOptions)
{
    TextArray files;
    const TextArray txt = Filter({"txt"});
    FileUtils::GetFileList(m_root, txt, false, files, false, true, false);
    EXPECT_EQ("caf\xE9.txt|notes.txt|secret.txt|SHOUT.TXT", Relative(files));
    FileUtils::GetFileList(m_root, txt, true, files, true, true, false);
    EXPECT_EQ("Alpha\\inner\\deep.txt|caf\xE9.txt|notes.txt|SHOUT.TXT", Relative(files));
    FileUtils::GetFileList(m_root + "Alpha", Filter({"log"}), false, files, true, true, true);
    EXPECT_EQ("Alpha\\inner\\", Relative(files)) << "folders pass whatever the filter";

    EXPECT_TRUE(FileUtils::HasFile(m_root + "Alpha", txt, true, true, true, false));
    EXPECT_FALSE(FileUtils::HasFile(m_root + "Alpha", txt, false, true, true, false));
    EXPECT_TRUE(FileUtils::HasFile(m_root + "Alpha", txt, false, true, true, true));
    EXPECT_FALSE(FileUtils::HasFile(m_root + "beta", Filter({}), true, true, true, true));
    for (const CString& bad : {CString(""), CString("notes"), CString("C:\\<>"), CString('x', 400),
                               MissingDrive()})
    {
        EXPECT_EQ(0u, FileUtils::GetFileList(bad, txt, true, files, false, false, true));
        EXPECT_FALSE(FileUtils::HasFile(bad, Filter({}), true, false, false, true));
        EXPECT_EQ(0u, DirUtils::GetDirectoryList(bad, files, 0));
    }
    // The host may hand in one array as both the filter and the result.
    files = txt;
    FileUtils::GetFileList(m_root, files, false, files, true, true, false);
    EXPECT_EQ(3u, files.GetCount());
}

TEST(PathText, PartsOfPaths)
{
    const struct
    {
        const char* path;
        const char* pathFromFile;
        const char* parent;
        const char* lastDir;
        const char* withoutSlash;
        const char* ext;
        const char* name;
        const char* bareName;
    } rows[] = {
        {"C:\\a\\b.txt", "C:\\a\\", "C:\\a\\", "b.txt", "C:\\a\\b.txt", "txt", "b.txt", "b"},
        {"C:\\a\\b\\", "C:\\a\\b\\", "C:\\a\\", "b", "C:\\a\\b", "", "", ""},
        {"C:\\a", "C:\\", "C:\\", "a", "C:\\a", "", "a", "a"},
        {"C:\\", "C:\\", "", "C:", "C:\\", "", "", ""},
        {"C:/x.y/z", "C:\\x.y\\", "C:\\x.y\\", "z", "C:/x.y/z", "", "z", "z"},
        {"\\\\srv\\share\\f\\", "\\\\srv\\share\\f\\", "\\\\srv\\share\\", "f",
         "\\\\srv\\share\\f", "", "", ""},
        {"\\\\srv\\share\\", "\\\\srv\\share\\", "", "share", "\\\\srv\\share", "", "", ""},
        {"a.tar.gz", "", "", "a.tar.gz", "a.tar.gz", "gz", "a.tar.gz", "a.tar"},
        {".bashrc", "", "", ".bashrc", ".bashrc", "bashrc", ".bashrc", ""},
        {"C:\\a\\\\", "C:\\a\\", "C:\\", "a", "C:\\a", "", "", ""},
        {"", "", "", "", "", "", "", ""},
    };
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.path);
        EXPECT_EQ(row.pathFromFile, DirUtils::ParsePathFromFile(row.path));
        EXPECT_EQ(row.parent, DirUtils::ParseParentDir(row.path));
        EXPECT_EQ(row.lastDir, DirUtils::ParseLastDir(row.path));
        CString trimmed = row.path;
        DirUtils::RemoveTrailingSlash(trimmed);
        EXPECT_EQ(row.withoutSlash, trimmed);
        EXPECT_EQ(row.ext, FileUtils::GetFileExt(row.path));
        EXPECT_EQ(row.name, FileUtils::ParseFileNameFromPath(row.path, true));
        EXPECT_EQ(row.bareName, FileUtils::ParseFileNameFromPath(row.path, false));
    }
}

TEST(PathText, MakePathsRelativeLeavesOtherPathsAlone)
{
    TextArray paths;
    for (const char* path : {"C:\\Data\\a.txt", "c:\\data\\Sub\\", "C:\\Database\\x", "D:\\y"})
        paths.Add(path);
    DirUtils::MakePathsRelative("C:\\Data", paths);
    EXPECT_EQ("a.txt", paths[0]);
    EXPECT_EQ("Sub\\", paths[1]);
    EXPECT_EQ("C:\\Database\\x", paths[2]);
    EXPECT_EQ("D:\\y", paths[3]);
}

#include "DirUtils.h"
#include "FileUtils.h"
#include "ScratchDir.h"
#include "TextList.h"
#include <gtest/gtest.h>

namespace
{
// The test prefix has drives C: and Z: only.
const char kMissingDrive[] = "Q:\\";

// A tree with visible, hidden and system folders and files of several extensions.
class PathTest : public testing::Test
{
protected:
    void SetUp() override
    {
        for (const char* entry : {"beta\\", "Alpha\\inner\\deep.txt", "alpha2\\", "hidden\\x\\", "system\\", "notes.txt",
                                  "SHOUT.TXT", "data.log", "noext", "archive.tar.gz", "secret.txt", "caf\xE9.txt"})
            m_scratch.Make(entry);
        m_scratch.SetAttributes("hidden", FILE_ATTRIBUTE_HIDDEN);
        m_scratch.SetAttributes("system", FILE_ATTRIBUTE_SYSTEM);
        m_scratch.SetAttributes("secret.txt", FILE_ATTRIBUTE_HIDDEN);
    }

    // The entries relative to the scratch folder, joined by "|".
    std::string Relative(const TextArray& paths) const
    {
        TextArray relative(paths);
        DirUtils::MakePathsRelative(m_root, relative);
        return Join(relative);
    }

    harness::ScratchDir m_scratch;
    const CString m_root = m_scratch.Path().c_str();
};
}

TEST_F(PathTest, ExistenceChecks)
{
    ASSERT_EQ(static_cast<UINT>(DRIVE_NO_ROOT_DIR), ::GetDriveTypeA(kMissingDrive));
    // Columns: IsDir(p, true) and DoesDirExist, IsFile(p, true, true), IsFile(p, true, false),
    // DoesFileExist. A row with the path alone is nothing in every column.
    const struct { CString path; bool isDir = false, isFile = false, isFileForm = false, exists = false; } rows[] = {
        {m_root, true, false, false, true},             {m_root + "beta", true, false, false, true},
        {m_root + "notes.txt", false, true, true, true}, {m_root + "new.txt", false, false, true, false},
        {m_root + "new\\"},                             {"c:/", true, false, false, true},
        {CString(kMissingDrive) + "folder\\"},                  {"\\\\nosuchserver\\share\\"},
        // Relative, device, overlong, bad-character and unreachable paths are nothing at all.
        {m_root + "notes.txt\\"}, {"\\\\?\\C:\\"}, {"beta"}, {"C:beta"}, {m_root + "a?b"}, {m_root + "NUL"},
        {m_root + "con.txt"}, {m_root + CString('a', 300) + "\\"}, {""}, {"C:\\\x01"},
    };
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.path.GetString());
        EXPECT_EQ(row.isDir, DirUtils::IsDir(row.path, true));
        EXPECT_EQ(row.isDir, DirUtils::DoesDirExist(row.path));
        EXPECT_EQ(row.isFile, FileUtils::IsFile(row.path, true, true));
        EXPECT_EQ(row.isFileForm, FileUtils::IsFile(row.path, true, false));
        EXPECT_EQ(row.exists, FileUtils::DoesFileExist(row.path));
    }
}

// The flags the folder lists and trees ask with: hidden and system folders left out, sorted or in
// disk order.
TEST_F(PathTest, DirectoryListsAndSubdirectoryChecksHonourTheFlags)
{
    const DWORD skip = DirUtils::ListSkipHidden | DirUtils::ListSkipSystem;
    TextArray dirs;
    EXPECT_EQ(3u, DirUtils::GetDirectoryList(m_root, dirs, skip | DirUtils::ListSorted));
    EXPECT_EQ("alpha2\\|Alpha\\|beta\\", Join(dirs)); // byte order after folding: '2' < '\\'
    DirUtils::GetDirectoryList(m_root.Left(m_root.GetLength() - 1), dirs, skip);
    dirs.Sort(true, false, TextArray::ContentText);
    EXPECT_EQ("alpha2\\|Alpha\\|beta\\", Join(dirs));

    m_scratch.Make("only\\.git\\");
    m_scratch.SetAttributes("only\\.git", FILE_ATTRIBUTE_HIDDEN);
    const struct { const char* path; DWORD flags; bool expected; } subdirs[] = {
        {"", 12, true}, {"Alpha", 12, true}, {"beta\\", 12, false}, {"notes.txt", 12, false}, {"only\\", 12, false}, {"only\\", 0, true}};
    for (const auto& row : subdirs)
        EXPECT_EQ(row.expected, DirUtils::HasSubdirectory(m_root + row.path, row.flags)) << row.path << " " << row.flags;
}

// The filter forms the file edit's own filter test leaves out (its case, star and dot forms are
// there). expected: relative to the scratch folder; HasFile must answer whether the list is empty.
// Hidden and system files are left out and subfolders are not entered, as the file tree asks.
TEST_F(PathTest, FileListsFollowTheFilterAndTheOptions)
{
    const struct { const char* filter; const char* expected; } rows[] = {
        {"|", "archive.tar.gz|caf\xE9.txt|data.log|noext|notes.txt|SHOUT.TXT"},
        {"*.txt| log ", "caf\xE9.txt|data.log|notes.txt|SHOUT.TXT"}, {"gz", "archive.tar.gz"},
        {"tar.gz", "archive.tar.gz"}, {"*.", "noext"}, {"xt", ""},
    };
    TextArray files;
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.filter);
        FileUtils::GetFileList(m_root, Split(row.filter), false, files, true, true, false);
        EXPECT_EQ(row.expected, Relative(files));
        EXPECT_EQ(files.GetCount() > 0, FileUtils::HasFile(m_root, Split(row.filter), false, true, true, false));
    }
    for (const CString& bad : {CString(""), CString("notes"), CString("C:\\<>"), CString('x', 400), CString(kMissingDrive)})
    {
        SCOPED_TRACE(bad.Left(20).GetString());
        EXPECT_EQ(0u, FileUtils::GetFileList(bad, Split("txt"), false, files, true, true, true));
        EXPECT_FALSE(FileUtils::HasFile(bad, TextArray(), false, true, true, true));
        EXPECT_EQ(0u, DirUtils::GetDirectoryList(bad, files, 0));
    }
}

TEST(PathText, PartsOfPathsAndRelativePaths)
{
    const struct
    {
        const char *path, *pathFromFile, *parent, *withoutSlash, *ext, *name, *bareName;
    } rows[] = {
        {"C:\\a\\b.txt", "C:\\a\\", "C:\\a\\", "C:\\a\\b.txt", "txt", "b.txt", "b"},
        {"C:\\a\\b\\", "C:\\a\\b\\", "C:\\a\\", "C:\\a\\b", "", "", ""},
        {"C:\\a", "C:\\", "C:\\", "C:\\a", "", "a", "a"},
        {"C:\\", "C:\\", "", "C:\\", "", "", ""},
        {"C:/x.y/z", "C:\\x.y\\", "C:\\x.y\\", "C:/x.y/z", "", "z", "z"},
        {"\\\\srv\\share\\f\\", "\\\\srv\\share\\f\\", "\\\\srv\\share\\", "\\\\srv\\share\\f", "", "", ""},
        {"\\\\srv\\share\\", "\\\\srv\\share\\", "", "\\\\srv\\share", "", "", ""},
        {"a.tar.gz", "", "", "a.tar.gz", "gz", "a.tar.gz", "a.tar"},
        {".bashrc", "", "", ".bashrc", "bashrc", ".bashrc", ""},
        {"C:\\a\\\\", "C:\\a\\", "C:\\", "C:\\a", "", "", ""},
        {"", "", "", "", "", "", ""},
    };
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.path);
        EXPECT_EQ(row.pathFromFile, DirUtils::ParsePathFromFile(row.path));
        EXPECT_EQ(row.parent, DirUtils::ParseParentDir(row.path));
        CString trimmed = row.path;
        DirUtils::RemoveTrailingSlash(trimmed);
        EXPECT_EQ(row.withoutSlash, trimmed);
        EXPECT_EQ(row.ext, FileUtils::GetFileExt(row.path));
        EXPECT_EQ(row.name, FileUtils::ParseFileNameFromPath(row.path, true));
        EXPECT_EQ(row.bareName, FileUtils::ParseFileNameFromPath(row.path, false));
    }
    TextArray paths = Split("C:\\Data\\a.txt|c:\\data\\Sub\\|C:\\Database\\x|D:\\y");
    DirUtils::MakePathsRelative("C:\\Data", paths);
    EXPECT_EQ("a.txt|Sub\\|C:\\Database\\x|D:\\y", Join(paths)) << "paths outside the folder stay";
}

// Regression: a name outside the code page came back from the ANSI listing as a look-alike
// ("Omega" for a Greek capital omega) that no path reaches; only '?' spellings were left out.
TEST_F(PathTest, ListingsLeaveOutEntriesWhoseAnsiNameDoesNotLeadBack)
{
    const std::wstring names = std::wstring(m_root.GetString(), m_root.GetString() + m_root.GetLength()) + L"names\\";
    ASSERT_TRUE(::CreateDirectoryW(names.c_str(), nullptr));
    for (const wchar_t* dir : {L"\x03A9mega", L"\x4E2D\x6587", L"plain"})
        ASSERT_TRUE(::CreateDirectoryW((names + dir).c_str(), nullptr));
    for (const wchar_t* file : {L"\x03A9" L"file.txt", L"plain.txt"})
    {
        HANDLE hFile = ::CreateFileW((names + file).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
        ASSERT_NE(hFile, INVALID_HANDLE_VALUE);
        ::CloseHandle(hFile);
    }
    TextArray listed;
    DirUtils::GetDirectoryList(m_root + "names\\", listed, DirUtils::ListSorted);
    EXPECT_EQ("plain\\", Join(listed));
    FileUtils::GetFileList(m_root + "names\\", TextArray(), false, listed, false, false, false);
    EXPECT_EQ("names\\plain.txt", Relative(listed));
}

// The other spellings are the path edits' text rows; ".." after a missing folder is read as text,
// as the file system reads it.
TEST_F(PathTest, CanonicalPathReadsDotDotAfterAMissingFolderAsText)
{
    EXPECT_EQ(m_root + "beta", FileUtils::GetCanonicalPath(m_root + "missing\\..\\beta"));
}

#include "Canvas.h"
#include <FileExtMgr.h>
#include <ScratchDir.h>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace
{
// A file type of our own whose icon is the text editor's, so that its picture differs from the
// shell's picture for a type nobody registered. The classes root is written because Wine's shell
// does not read per-user classes.
const char kExt[] = "orvtestext";
const char kClass[] = "orvtestext.file";

void SetDefaultValue(const std::string& key, const std::string& value)
{
    HKEY hKey = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, ::RegCreateKeyExA(HKEY_CLASSES_ROOT, key.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &hKey, nullptr));
    ::RegSetValueExA(hKey, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()), static_cast<DWORD>(value.size() + 1));
    ::RegCloseKey(hKey);
}

// The icon as drawn, to compare pictures.
std::vector<COLORREF> Picture(HICON hIcon)
{
    harness::Canvas canvas(16, 16);
    ::DrawIconEx(canvas.dc.m_hDC, 0, 0, hIcon, 16, 16, 0, nullptr, DI_NORMAL);
    std::vector<COLORREF> pixels;
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            pixels.push_back(canvas.dc.GetPixel(x, y));
    return pixels;
}

class FileExtMgrTest : public testing::Test
{
protected:
    void SetUp() override { m_pMgr = FileExtMgr::CreateInstance(); }
    void TearDown() override { FileExtMgr::DestroyInstance(); }

    // The picture for ext; fails the caller's test when no icon comes back.
    std::vector<COLORREF> PictureOf(const char* ext)
    {
        HICON hIcon = nullptr;
        EXPECT_TRUE(m_pMgr->GetIconForExt(ext, hIcon)) << ext;
        if (hIcon == nullptr)
            return {};
        std::vector<COLORREF> bits = Picture(hIcon);
        EXPECT_TRUE(::DestroyIcon(hIcon)) << "the caller owns the icon: " << ext;
        return bits;
    }

    FileExtMgr* m_pMgr = nullptr;
};
}

TEST(FileExtMgrInstance, ExistsOnlyBetweenCreateAndDestroy)
{
    EXPECT_EQ(nullptr, FileExtMgr::GetInstance());
    FileExtMgr* pMgr = FileExtMgr::CreateInstance();
    ASSERT_NE(nullptr, pMgr);
    EXPECT_EQ(pMgr, FileExtMgr::GetInstance());
    EXPECT_EQ(pMgr, FileExtMgr::CreateInstance()) << "a second creation returns the same manager";
    FileExtMgr::DestroyInstance();
    EXPECT_EQ(nullptr, FileExtMgr::GetInstance());
}

TEST_F(FileExtMgrTest, CommonExtensionsGiveSmallIconsThatTheCallerCanDestroy)
{
    for (const char* ext : {"txt", "exe", "bmp", "zip", "html", "a", "tar.gz", "unregisteredext"})
    {
        SCOPED_TRACE(ext);
        HICON hIcon = nullptr;
        ASSERT_TRUE(m_pMgr->GetIconForExt(ext, hIcon));
        ASSERT_NE(nullptr, hIcon);
        ICONINFO info{};
        ASSERT_TRUE(::GetIconInfo(hIcon, &info));
        BITMAP bm{};
        ::GetObject(info.hbmMask, sizeof(bm), &bm);
        EXPECT_EQ(::GetSystemMetrics(SM_CXSMICON), bm.bmWidth);
        ::DeleteObject(info.hbmColor);
        ::DeleteObject(info.hbmMask);
        EXPECT_TRUE(::DestroyIcon(hIcon));
    }
}

TEST_F(FileExtMgrTest, ARegisteredTypeGetsItsOwnIconHoweverTheExtensionIsWritten)
{
    harness::RegistryKeyGuard extKey(HKEY_CLASSES_ROOT, std::string(".") + kExt);
    harness::RegistryKeyGuard classKey(HKEY_CLASSES_ROOT, kClass);
    SetDefaultValue(std::string(".") + kExt, kClass);
    SetDefaultValue(std::string(kClass) + "\\DefaultIcon", "C:\\windows\\system32\\notepad.exe,0");

    const std::vector<COLORREF> own = PictureOf(kExt);
    ASSERT_FALSE(own.empty());
    EXPECT_NE(PictureOf("unregisteredext"), own) << "the shell was asked about the extension";
    for (const char* spelling : {".orvtestext", "ORVTESTEXT", ".OrvTestExt"})
    {
        SCOPED_TRACE(spelling);
        EXPECT_EQ(own, PictureOf(spelling));
    }
}

TEST_F(FileExtMgrTest, BadExtensionsGiveNoIcon)
{
    const std::string tooLong(300, 'x');
    const std::string longest(253, 'x');
    const struct
    {
        const char* name;
        std::string ext;
    } rows[] = {
        {"empty", ""}, {"only a dot", "."}, {"two dots", ".."}, {"wildcard", "t?t"}, {"star", "*"},
        {"slash", "a/b"}, {"backslash", "..\\..\\windows\\notepad.exe"}, {"colon", "c:txt"}, {"pipe", "a|b"},
        {"control character", "t\tx"}, {"trailing dot", "txt."}, {"trailing space", "txt "},
        {"too long for a file name", tooLong}, {"one past the longest", longest + "x"},
    };
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.name);
        HICON hIcon = ::LoadIcon(nullptr, IDI_APPLICATION); // a stale value that must be cleared
        EXPECT_FALSE(m_pMgr->GetIconForExt(row.ext.c_str(), hIcon));
        EXPECT_EQ(nullptr, hIcon);
    }
    HICON hIcon = nullptr;
    EXPECT_TRUE(m_pMgr->GetIconForExt(longest.c_str(), hIcon)) << "the longest extension a file name can end with";
    if (hIcon != nullptr)
        ::DestroyIcon(hIcon);
}

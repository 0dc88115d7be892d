#include "Canvas.h"
#include <FileExtMgr.h>
#include <ScratchDir.h>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace
{
class FileExtMgrTest : public testing::Test
{
protected:
    void SetUp() override { m_pMgr = FileExtMgr::CreateInstance(); }
    void TearDown() override { FileExtMgr::DestroyInstance(); }

    // The small icon for ext as drawn, to compare pictures; empty (failing the caller's test)
    // when no small icon comes back or the caller cannot destroy it.
    std::vector<COLORREF> PictureOf(const std::string& ext)
    {
        SCOPED_TRACE(ext);
        HICON hIcon = nullptr;
        EXPECT_TRUE(m_pMgr->GetIconForExt(ext.c_str(), hIcon));
        if (hIcon == nullptr)
            return {};
        ICONINFO info{};
        BITMAP bm{};
        EXPECT_TRUE(::GetIconInfo(hIcon, &info));
        ::GetObject(info.hbmMask, sizeof(bm), &bm);
        ::DeleteObject(info.hbmColor);
        ::DeleteObject(info.hbmMask);
        EXPECT_EQ(::GetSystemMetrics(SM_CXSMICON), bm.bmWidth);
        harness::Canvas canvas(16, 16);
        ::DrawIconEx(canvas.dc.m_hDC, 0, 0, hIcon, 16, 16, 0, nullptr, DI_NORMAL);
        std::vector<COLORREF> pixels;
        for (int n = 0; n < 16 * 16; ++n)
            pixels.push_back(canvas.dc.GetPixel(n % 16, n / 16));
        EXPECT_TRUE(::DestroyIcon(hIcon)) << "the caller owns the icon";
        return pixels;
    }

    FileExtMgr* m_pMgr = nullptr;
};
}

TEST_F(FileExtMgrTest, TheHostsManagerGivesSmallIconsThatTheCallerDestroys)
{
    ASSERT_NE(nullptr, m_pMgr);
    EXPECT_EQ(m_pMgr, FileExtMgr::GetInstance());
    EXPECT_EQ(m_pMgr, FileExtMgr::CreateInstance()) << "a second creation returns the same manager";
    const std::string exts[] = {"txt", "exe", "bmp", "zip", "html", "a", "tar.gz", "unregisteredext",
                                std::string(253, 'x') /* the longest a file name can end with */};
    for (const std::string& ext : exts)
        EXPECT_FALSE(PictureOf(ext).empty());
    FileExtMgr::DestroyInstance();
    EXPECT_EQ(nullptr, FileExtMgr::GetInstance());
}

// A file type of our own whose icon is the text editor's, so that its picture differs from the
// shell's picture for a type nobody registered. The classes root is written because Wine's shell
// does not read per-user classes.
TEST_F(FileExtMgrTest, ARegisteredTypeGetsItsOwnIconHoweverTheExtensionIsWritten)
{
    harness::RegistryKeyGuard extKey(HKEY_CLASSES_ROOT, ".orvtestext");
    harness::RegistryKeyGuard classKey(HKEY_CLASSES_ROOT, "orvtestext.file");
    for (const auto& entry : {std::make_pair(".orvtestext", "orvtestext.file"),
                              std::make_pair("orvtestext.file\\DefaultIcon", "C:\\windows\\system32\\notepad.exe,0")})
    {
        HKEY hKey = nullptr;
        ASSERT_EQ(ERROR_SUCCESS, ::RegCreateKeyExA(HKEY_CLASSES_ROOT, entry.first, 0, nullptr, 0, KEY_WRITE, nullptr, &hKey, nullptr));
        ::RegSetValueExA(hKey, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(entry.second), DWORD(strlen(entry.second) + 1));
        ::RegCloseKey(hKey);
    }
    const std::vector<COLORREF> own = PictureOf("orvtestext");
    ASSERT_FALSE(own.empty());
    EXPECT_NE(PictureOf("unregisteredext"), own) << "the shell was asked about the extension";
    for (const char* spelling : {".orvtestext", "ORVTESTEXT", ".OrvTestExt"})
        EXPECT_EQ(own, PictureOf(spelling)) << spelling;
}

TEST_F(FileExtMgrTest, BadExtensionsGiveNoIcon)
{
    const std::string rows[] = {
        "", ".", "..", "t?t", "*", "a/b", "..\\..\\windows\\notepad.exe", "c:txt", "a|b", "t\tx", "txt.", "txt ",
        std::string(300, 'x'), std::string(254, 'x'), // too long for a file name; one past the longest
    };
    for (const std::string& ext : rows)
    {
        SCOPED_TRACE(ext);
        HICON hIcon = ::LoadIcon(nullptr, IDI_APPLICATION); // a stale value that must be cleared
        EXPECT_FALSE(m_pMgr->GetIconForExt(ext.c_str(), hIcon));
        EXPECT_EQ(nullptr, hIcon);
    }
}

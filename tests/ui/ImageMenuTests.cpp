// CImageMenu: popups loaded from real menu resources (written into a scratch module at run
// time) and what filtering leaves of them.
#include <afxwin.h>
#include <gtest/gtest.h>
#include "ImageMenu.h"
#include "ScratchDir.h"
#include "TestApp.h"
#include <memory>
#include <string>
#include <vector>

namespace
{
// A menu item of a resource template: no text and no id is a separator, children make a submenu.
struct Item
{
    std::string text;
    WORD id = 0;
    std::vector<Item> children = {};
};
const Item kSep{};

void AppendWord(std::vector<BYTE>& out, WORD w)
{
    out.push_back(LOBYTE(w));
    out.push_back(HIBYTE(w));
}

// The resource compiler's MENU layout: flags, id (commands only), text in UTF-16, MF_END on
// the last item of each level.
void AppendItems(std::vector<BYTE>& out, const std::vector<Item>& items)
{
    for (size_t i = 0; i < items.size(); ++i)
    {
        const bool popup = !items[i].children.empty();
        AppendWord(out, (popup ? MF_POPUP : 0) | (i + 1 == items.size() ? MF_END : 0));
        if (!popup)
            AppendWord(out, items[i].id);
        for (char ch : items[i].text)
            AppendWord(out, static_cast<WORD>(static_cast<unsigned char>(ch)));
        AppendWord(out, 0);
        if (popup)
            AppendItems(out, items[i].children);
    }
}

// Describes a popup as "Text|-|Sub{Child}" to compare whole menus in one assertion (every
// item of the resources has a text).
std::string Describe(HMENU hMenu)
{
    std::string result;
    for (int nPos = 0; nPos < ::GetMenuItemCount(hMenu); ++nPos)
    {
        char text[64] = "";
        ::GetMenuStringA(hMenu, static_cast<UINT>(nPos), text, sizeof(text), MF_BYPOSITION);
        HMENU hSub = ::GetSubMenu(hMenu, nPos);
        result += (nPos > 0 ? "|" : "") + std::string(text[0] ? text : "-") + (hSub ? "{" + Describe(hSub) + "}" : "");
    }
    return result;
}

enum : WORD { kCases = 100, kAllSeparators, kNoSubmenu, kEmptiedSubmenu, kNested, kMissing = 199 };

// A scratch module holding the menu resources, made the current resource module while it lives.
class ImageMenuTest : public testing::Test
{
protected:
    void SetUp() override
    {
        const std::pair<WORD, std::vector<Item>> menus[] = {
            {kCases, {{"popup", 0, {kSep, {"A", 1}, kSep, kSep, {"B", 2}, kSep}}}},
            {kAllSeparators, {{"popup", 0, {kSep, kSep}}}},
            {kNoSubmenu, {{"A", 1}}},
            {kEmptiedSubmenu, {{"popup", 0, {{"A", 1}, kSep, {"Sub", 0, {kSep}}, kSep}}}},
            {kNested, {{"popup", 0, {{"A", 1}, {"Sub", 0, {kSep, {"X", 3}, kSep, kSep, {"Y", 4}}}}}, {"second", 0, {{"Z", 5}}}}},
        };
        char exePath[MAX_PATH] = "";
        ::GetModuleFileNameA(nullptr, exePath, MAX_PATH);
        std::string source = exePath;
        source = source.substr(0, source.find_last_of('\\') + 1) + "libwinpthread-1.dll";
        const std::string path = m_scratch.Path() + "menus.dll";
        ASSERT_TRUE(::CopyFileA(source.c_str(), path.c_str(), FALSE));
        HANDLE hUpdate = ::BeginUpdateResourceA(path.c_str(), FALSE);
        ASSERT_NE(nullptr, hUpdate);
        for (const auto& menu : menus)
        {
            std::vector<BYTE> data(4, 0); // template version and header size
            AppendItems(data, menu.second);
            ::UpdateResourceA(hUpdate, RT_MENU, MAKEINTRESOURCEA(menu.first), MAKELANGID(LANG_NEUTRAL, SUBLANG_NEUTRAL),
                              data.data(), static_cast<DWORD>(data.size()));
        }
        ASSERT_TRUE(::EndUpdateResourceA(hUpdate, FALSE));
        m_hModule = ::LoadLibraryExA(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
        ASSERT_NE(nullptr, m_hModule);
        m_hPrevious = AfxGetResourceHandle();
        AfxSetResourceHandle(m_hModule);
    }
    void TearDown() override
    {
        if (m_hModule == nullptr)
            return;
        AfxSetResourceHandle(m_hPrevious);
        ::FreeLibrary(m_hModule);
    }

    harness::ScratchDir m_scratch;
    HMODULE m_hModule = nullptr;
    HINSTANCE m_hPrevious = nullptr;
};
}

TEST_F(ImageMenuTest, FilteringLeavesOnlySeparatorsThatSeparateAndNullWhenNothingIsLeft)
{
    const struct { const char* name; UINT id; const char* expected; } rows[] = { // "" for null
        {"leading, doubled and trailing separators", kCases, "A|-|B"},
        {"submenu emptied by filtering goes with its separator", kEmptiedSubmenu, "A"},
        {"submenus are filtered too; only the first popup is taken", kNested, "A|Sub{X|-|Y}"},
        {"only separators", kAllSeparators, ""},
        {"no submenu in the resource", kNoSubmenu, ""},
        {"no such resource", kMissing, ""},
        {"resource id 0", 0, ""},
    };
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.name);
        CImageMenu loader;
        std::unique_ptr<CImageMenu> pPopup(loader.LoadFilteredPopupMenu(row.id, AfxGetMainWnd()));
        EXPECT_EQ(row.expected, pPopup ? Describe(pPopup->m_hMenu) : "");
    }
}

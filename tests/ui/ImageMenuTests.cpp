// CImageMenu: popups loaded from real menu resources (written into a scratch module at run
// time), what filtering leaves of them, ownership, and tracking with real keys.
#include <afxwin.h>
#include <gtest/gtest.h>
#include "HostDialog.h"
#include "ImageMenu.h"
#include "MenuProbe.h"
#include "ScratchDir.h"
#include "TestApp.h"
#include <memory>
#include <string>
#include <vector>

namespace
{
// A menu item of a resource template: "-" is a separator, children make a submenu.
struct Item
{
    std::string text;
    WORD id = 0;
    std::vector<Item> children;
    bool popup = false;
};
Item Cmd(const char* text, WORD id) { return { text, id, {}, false }; }
Item Sep() { return { "", 0, {}, false }; }
Item Sub(const char* text, std::vector<Item> children) { return { text, 0, std::move(children), true }; }

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
        const Item& item = items[i];
        WORD flags = (item.popup ? MF_POPUP : 0) | (i + 1 == items.size() ? MF_END : 0);
        AppendWord(out, flags);
        if (!item.popup)
            AppendWord(out, item.id);
        for (char ch : item.text)
            AppendWord(out, static_cast<WORD>(static_cast<unsigned char>(ch)));
        AppendWord(out, 0);
        if (item.popup)
            AppendItems(out, item.children);
    }
}

// Describes a popup as "Text|-|Sub{Child}" to compare whole menus in one assertion.
std::string Describe(HMENU hMenu)
{
    std::string result;
    for (int nPos = 0; nPos < ::GetMenuItemCount(hMenu); ++nPos)
    {
        if (nPos > 0)
            result += "|";
        char text[64] = "";
        MENUITEMINFOA mii{};
        mii.cbSize = sizeof(mii);
        mii.fMask = MIIM_FTYPE | MIIM_STRING | MIIM_SUBMENU;
        mii.dwTypeData = text;
        mii.cch = sizeof(text);
        ::GetMenuItemInfoA(hMenu, static_cast<UINT>(nPos), TRUE, &mii);
        result += (mii.fType & MFT_SEPARATOR) ? std::string("-") : std::string(text);
        if (mii.hSubMenu != nullptr)
            result += "{" + Describe(mii.hSubMenu) + "}";
    }
    return result;
}

// A scratch module holding menu resources, made the current resource module while it lives.
class MenuResourceModule
{
public:
    MenuResourceModule(const std::vector<std::pair<WORD, std::vector<Item>>>& menus)
    {
        char exePath[MAX_PATH] = "";
        ::GetModuleFileNameA(nullptr, exePath, MAX_PATH);
        std::string source = exePath;
        source = source.substr(0, source.find_last_of('\\') + 1) + "libwinpthread-1.dll";
        m_path = m_scratch.Path() + "menus.dll";
        if (!::CopyFileA(source.c_str(), m_path.c_str(), FALSE))
            return;
        HANDLE hUpdate = ::BeginUpdateResourceA(m_path.c_str(), FALSE);
        if (hUpdate == nullptr)
            return;
        for (const auto& menu : menus)
        {
            std::vector<BYTE> data;
            AppendWord(data, 0); // template version
            AppendWord(data, 0); // header size
            AppendItems(data, menu.second);
            ::UpdateResourceA(hUpdate, RT_MENU, MAKEINTRESOURCEA(menu.first), MAKELANGID(LANG_NEUTRAL, SUBLANG_NEUTRAL),
                              data.data(), static_cast<DWORD>(data.size()));
        }
        if (!::EndUpdateResourceA(hUpdate, FALSE))
            return;
        m_hModule = ::LoadLibraryExA(m_path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
        m_hPrevious = AfxGetResourceHandle();
        if (m_hModule != nullptr)
            AfxSetResourceHandle(m_hModule);
    }
    ~MenuResourceModule()
    {
        if (m_hModule != nullptr)
        {
            AfxSetResourceHandle(m_hPrevious);
            ::FreeLibrary(m_hModule);
        }
    }
    bool Loaded() const { return m_hModule != nullptr; }

private:
    harness::ScratchDir m_scratch;
    std::string m_path;
    HMODULE m_hModule = nullptr;
    HINSTANCE m_hPrevious = nullptr;
};

enum : WORD
{
    kCases = 100,
    kAllSeparators = 101,
    kNoSubmenu = 102,
    kEmptiedSubmenu = 103,
    kNested = 104,
    kTrack = 105,
    kMissing = 199,
};

class ImageMenuTest : public testing::Test
{
protected:
    ImageMenuTest()
        : m_module({
              { kCases, { Sub("popup", { Sep(), Cmd("A", 1), Sep(), Sep(), Cmd("B", 2), Sep() }) } },
              { kAllSeparators, { Sub("popup", { Sep(), Sep() }) } },
              { kNoSubmenu, { Cmd("A", 1) } },
              { kEmptiedSubmenu, { Sub("popup", { Cmd("A", 1), Sep(), Sub("Sub", { Sep() }), Sep() }) } },
              { kNested, { Sub("popup", { Cmd("A", 1), Sub("Sub", { Sep(), Cmd("X", 3), Sep(), Sep(), Cmd("Y", 4) }) }),
                           Sub("second", { Cmd("Z", 5) }) } },
              { kTrack, { Sub("popup", { Cmd("First", 11), Cmd("Second", 12), Cmd("Third", 13) }) } },
          })
    {
    }

    MenuResourceModule m_module;
};

TEST_F(ImageMenuTest, FilteringLeavesOnlySeparatorsThatSeparate)
{
    ASSERT_TRUE(m_module.Loaded());
    const struct
    {
        const char* name;
        WORD id;
        const char* expected;
    } cases[] = {
        { "leading, doubled and trailing separators", kCases, "A|-|B" },
        { "submenu emptied by filtering goes with its separator", kEmptiedSubmenu, "A" },
        { "submenus are filtered too; only the first popup is taken", kNested, "A|Sub{X|-|Y}" },
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        CImageMenu loader;
        std::unique_ptr<CImageMenu> pPopup(loader.LoadFilteredPopupMenu(c.id, AfxGetMainWnd()));
        ASSERT_NE(nullptr, pPopup);
        EXPECT_EQ(c.expected, Describe(pPopup->m_hMenu));
    }
}

TEST_F(ImageMenuTest, NothingToShowGivesNull)
{
    ASSERT_TRUE(m_module.Loaded());
    const struct
    {
        const char* name;
        UINT id;
    } cases[] = {
        { "only separators", kAllSeparators },
        { "no submenu in the resource", kNoSubmenu },
        { "no such resource", kMissing },
        { "resource id 0", 0 },
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        CImageMenu loader;
        EXPECT_EQ(nullptr, loader.LoadFilteredPopupMenu(c.id, nullptr));
    }
}

TEST_F(ImageMenuTest, PopupOutlivesTheLoaderAndIsDestroyedWithItsObject)
{
    ASSERT_TRUE(m_module.Loaded());
    CImageMenu* pPopup = nullptr;
    {
        CImageMenu loader;
        pPopup = loader.LoadFilteredPopupMenu(kCases, nullptr);
    }
    ASSERT_NE(nullptr, pPopup);
    HMENU hMenu = pPopup->m_hMenu;
    EXPECT_TRUE(::IsMenu(hMenu));
    delete pPopup;
    EXPECT_FALSE(::IsMenu(hMenu));
}

TEST_F(ImageMenuTest, TrackingReturnsTheItemChosenByKeys)
{
    ASSERT_TRUE(m_module.Loaded());
    harness::CHostDialog host;
    ASSERT_TRUE(host.CreateHost({ 100, 100 }, { 300, 80 }, { 10, 10, 250, 34 }));
    host.FocusEdit();
    CImageMenu loader;
    std::unique_ptr<CImageMenu> pPopup(loader.LoadFilteredPopupMenu(kTrack, &host));
    ASSERT_NE(nullptr, pPopup);

    const struct
    {
        const char* name;
        std::vector<WORD> keys;
        BOOL expected;
    } cases[] = {
        { "down twice and enter", { VK_DOWN, VK_DOWN, VK_RETURN }, 12 },
        { "escape cancels", { VK_ESCAPE }, 0 },
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        uitest::MenuProbe probe(c.keys);
        // No window passed: the popup goes to the window it was loaded for.
        BOOL result = pPopup->TrackPopupMenu(TPM_RETURNCMD | TPM_LEFTALIGN, 150, 150, nullptr);
        EXPECT_EQ(1, probe.MenusOpened());
        EXPECT_EQ(c.expected, result);
    }
    host.DestroyWindow();
}

TEST(ImageMenuNoOwner, TrackingWithoutAnOwnerWindowFails)
{
    CImageMenu menu;
    ASSERT_TRUE(menu.CreatePopupMenu());
    menu.AppendMenu(MF_STRING, 1, "item");
    EXPECT_FALSE(menu.TrackPopupMenu(TPM_RETURNCMD, 10, 10, nullptr));
    CImageMenu empty;
    EXPECT_FALSE(empty.TrackPopupMenu(TPM_RETURNCMD, 10, 10, AfxGetMainWnd()));
}
}

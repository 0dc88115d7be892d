// Test helper for popup menus: while a probe lives, every popup menu that the thread opens is
// read when its loop first goes idle (item texts and enabled states), and then the probe types
// the keys it was given, as real input, to choose an item or cancel.
#pragma once
#include <windows.h>
#include <string>
#include <vector>

namespace uitest
{
struct MenuItemState
{
    UINT id;
    std::string text; // "-" for a separator
    bool enabled;
};

class MenuProbe
{
public:
    explicit MenuProbe(std::vector<WORD> keys) : m_keys(std::move(keys))
    {
        s_pActive = this;
        m_hHook = ::SetWindowsHookExA(WH_CALLWNDPROC, &MenuProbe::Hook, nullptr, ::GetCurrentThreadId());
    }
    ~MenuProbe()
    {
        ::UnhookWindowsHookEx(m_hHook);
        s_pActive = nullptr;
    }
    MenuProbe(const MenuProbe&) = delete;
    MenuProbe& operator=(const MenuProbe&) = delete;

    int MenusOpened() const { return m_nMenusOpened; }
    const std::vector<MenuItemState>& Items() const { return m_items; }
    // Screen rectangle of the last popup's window.
    const RECT& MenuRect() const { return m_rcMenu; }
    // The item with this text, or null.
    const MenuItemState* Find(const std::string& text) const
    {
        for (const MenuItemState& item : m_items)
            if (item.text == text)
                return &item;
        return nullptr;
    }

private:
    static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam)
    {
        const CWPSTRUCT* pMsg = reinterpret_cast<const CWPSTRUCT*>(lParam);
        MenuProbe* p = code == HC_ACTION ? s_pActive : nullptr;
        if (p != nullptr && pMsg->message == WM_INITMENUPOPUP && HIWORD(pMsg->lParam) == 0)
            p->m_hMenu = reinterpret_cast<HMENU>(pMsg->wParam);
        else if (p != nullptr && pMsg->message == WM_ENTERIDLE && pMsg->wParam == MSGF_MENU && p->m_hMenu != nullptr)
            p->OnMenuIdle(reinterpret_cast<HWND>(pMsg->lParam));
        return ::CallNextHookEx(nullptr, code, wParam, lParam);
    }

    void OnMenuIdle(HWND hMenuWnd)
    {
        ++m_nMenusOpened;
        ::GetWindowRect(hMenuWnd, &m_rcMenu);
        m_items.clear();
        for (int nPos = 0; nPos < ::GetMenuItemCount(m_hMenu); ++nPos)
        {
            char text[128] = "";
            MENUITEMINFOA mii{};
            mii.cbSize = sizeof(mii);
            mii.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_STRING;
            mii.dwTypeData = text;
            mii.cch = sizeof(text);
            ::GetMenuItemInfoA(m_hMenu, static_cast<UINT>(nPos), TRUE, &mii);
            m_items.push_back({mii.wID, (mii.fType & MFT_SEPARATOR) ? "-" : text, (mii.fState & MFS_DISABLED) == 0});
        }
        m_hMenu = nullptr; // read once per popup
        std::vector<INPUT> inputs;
        for (WORD vk : m_keys)
            for (DWORD flags : {DWORD(0), DWORD(KEYEVENTF_KEYUP)})
            {
                INPUT input{};
                input.type = INPUT_KEYBOARD;
                input.ki.wVk = vk;
                input.ki.wScan = static_cast<WORD>(::MapVirtualKeyA(vk, MAPVK_VK_TO_VSC));
                input.ki.dwFlags = flags | (vk == VK_UP || vk == VK_DOWN ? KEYEVENTF_EXTENDEDKEY : 0);
                inputs.push_back(input);
            }
        ::SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
    }

    static inline MenuProbe* s_pActive = nullptr;
    std::vector<WORD> m_keys;
    HHOOK m_hHook = nullptr;
    HMENU m_hMenu = nullptr; // the popup opened and not yet read
    int m_nMenusOpened = 0;
    RECT m_rcMenu{};
    std::vector<MenuItemState> m_items;
};
}

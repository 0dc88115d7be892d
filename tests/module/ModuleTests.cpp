// orv059.dll as a host sees it: linked by import, its controls found by class name or constructed
// directly, attached to a dialog's edit and initialised, its registered message and resources
// available once it is loaded. What the controls do once made is the other executables' part:
// they build the same sources.
#include <afxdllx.h>
#include <gtest/gtest.h>
#include <memory>
#include <vector>
#include "AutoSuggestEdit.h"
#include "HostDialog.h"
#include "DirEdit.h"

namespace
{
// A host dialog whose edit a control from the library attaches to. Declare the control before
// it, so that the window is destroyed before the control object, as in a real host.
class DllHost
{
public:
    explicit DllHost(SIZE size = {300, 120}, RECT rcEdit = {10, 10, 210, 34})
    {
        EXPECT_TRUE(m_dlg.CreateHost({100, 100}, size, rcEdit));
        RECT rc;
        ::GetClientRect(Edit(), &rc);
        m_nClientWidth = rc.right;
    }
    ~DllHost()
    {
        m_dlg.DestroyWindow();
        harness::Pump();
    }
    HWND Edit() const { return m_dlg.Edit(); }
    // How much of the edit's client width Init took for the button and icon.
    int CutOut() const { RECT rc; ::GetClientRect(Edit(), &rc); return m_nClientWidth - rc.right; }

    harness::CHostDialog m_dlg;

private:
    int m_nClientWidth = 0;
};

// The folder edit with its icon in reach of the test.
class CExposedDirEdit : public CDirEdit
{
public:
    using CDirEdit::m_hIcon;
    using CDirEdit::m_rcIcon;
};
}

// What the controls do once attached is driven through the DLL by the gallery's tests.
TEST(Module, ControlsCreatableByClassNameAttachAndInit)
{
    const int button = ::GetSystemMetrics(SM_CXVSCROLL);
    const struct { const char* name; CRuntimeClass* base; bool select; int cutOut; } rows[] = {
        {"CDropBaseEdit", RUNTIME_CLASS(CImageMenuEdit), false, button},
        {"CSelectEdit", RUNTIME_CLASS(CDropBaseEdit), true, button},
        {"CAutoSuggestEdit", RUNTIME_CLASS(CSelectEdit), true, 0}, // draws no drop button
    };
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.name);
        CRuntimeClass* pClass = CRuntimeClass::FromName(row.name);
        ASSERT_NE(pClass, nullptr);
        EXPECT_EQ(pClass->m_pfnGetBaseClass(), row.base);
        std::unique_ptr<CObject> pObject(pClass->CreateObject());
        CDropBaseEdit* pEdit = DYNAMIC_DOWNCAST(CDropBaseEdit, pObject.get());
        ASSERT_NE(pEdit, nullptr);
        DllHost host;
        ASSERT_TRUE(pEdit->SubclassWindow(host.Edit()));
        if (row.select)
            static_cast<CSelectEdit*>(pEdit)->Init(); // sorts and makes the list
        else
            pEdit->Init();
        EXPECT_EQ(host.CutOut(), row.cutOut) << "the drop button is cut out of the client area";
    }
}

TEST(Module, RegisteredMessageIsTheNamedOne)
{
    EXPECT_EQ(CDropBaseEdit::WM_CLOSE_DROPDOWN_WND, ::RegisterWindowMessageA("359723E9-4D6A-407c-AD5D-F4890DC0A213"));
}

TEST(Module, ResourcesAreFoundThroughTheFramework)
{
    HMODULE hLibrary = ::GetModuleHandleA("orv059.dll");
    ASSERT_NE(hLibrary, nullptr);
    // The framework searches extension libraries after the host for resources it lacks.
    EXPECT_EQ(AfxFindResourceHandle(MAKEINTRESOURCEA(250), MAKEINTRESOURCEA(4) /*RT_MENU*/), hLibrary);

    // The host's edit commands, in order; 0: a separator.
    HMENU hMenu = ::LoadMenuA(hLibrary, MAKEINTRESOURCEA(250));
    ASSERT_NE(hMenu, nullptr);
    HMENU hPopup = ::GetSubMenu(hMenu, 0);
    std::vector<UINT> ids;
    for (int i = 0; i < ::GetMenuItemCount(hPopup); ++i)
        ids.push_back(::GetMenuItemID(hPopup, i));
    EXPECT_EQ(ids, (std::vector<UINT>{57643, 0, 57634, 57635, 57632, 57637, 0, 57642}));
    ::DestroyMenu(hMenu);
}

TEST(Module, DirEditShowsTheLibrarysIcon)
{
    CExposedDirEdit edit;
    DllHost host({420, 320}, {10, 10, 330, 34});
    ASSERT_TRUE(edit.SubclassWindow(host.Edit()));
    edit.Init(true);
    EXPECT_EQ(host.CutOut(), ::GetSystemMetrics(SM_CXVSCROLL) + ::GetSystemMetrics(SM_CXSMICON) + 1);

    // The icon is painted into the icon area: something there differs from the window colour.
    edit.RedrawWindow(nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
    HDC hdc = ::GetWindowDC(edit.m_hWnd);
    int nInk = 0;
    for (int y = edit.m_rcIcon.top; y < edit.m_rcIcon.bottom; ++y)
        for (int x = edit.m_rcIcon.left; x < edit.m_rcIcon.right; ++x)
            nInk += ::GetPixel(hdc, x, y) != CLR_INVALID && ::GetPixel(hdc, x, y) != ::GetSysColor(COLOR_WINDOW);
    ::ReleaseDC(edit.m_hWnd, hdc);
    EXPECT_GT(nInk, 20);
    edit.Init(true);
    EXPECT_NE(edit.m_hIcon, nullptr) << "a second Init loads it again";
}

// orv059.dll as a host sees it: linked by import, its controls found by class name, its
// registered messages and resources available once it is loaded.
#include <afxwin.h>
#include <afxdllx.h>
#include <gtest/gtest.h>
#include "DropBaseEdit.h"
#include "HostDialog.h"
#include "ImageMenuEdit.h"
#include "TestApp.h"

namespace
{
HMODULE LibraryModule()
{
    HMODULE hModule = nullptr;
    ::GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT, "orv059.dll", &hModule);
    return hModule;
}
}

TEST(Module, ControlIsCreatableByClassNameAndAttachesToAHostEdit)
{
    CRuntimeClass* pClass = CRuntimeClass::FromName("CDropBaseEdit");
    ASSERT_NE(pClass, nullptr);
    EXPECT_TRUE(pClass->IsDerivedFrom(RUNTIME_CLASS(CImageMenuEdit)));

    harness::CHostDialog dlg;
    ASSERT_TRUE(dlg.CreateHost({ 100, 100 }, { 300, 120 }, { 10, 10, 210, 34 }));
    CObject* pObject = pClass->CreateObject();
    ASSERT_NE(pObject, nullptr);
    CDropBaseEdit* pEdit = DYNAMIC_DOWNCAST(CDropBaseEdit, pObject);
    ASSERT_NE(pEdit, nullptr);
    ASSERT_TRUE(pEdit->SubclassWindow(dlg.Edit()));
    RECT rcClientBefore;
    ::GetClientRect(dlg.Edit(), &rcClientBefore);
    pEdit->Init();
    RECT rcClientAfter;
    ::GetClientRect(dlg.Edit(), &rcClientAfter);
    // The drop button is cut out of the client area.
    EXPECT_EQ(rcClientBefore.right - rcClientAfter.right, ::GetSystemMetrics(SM_CXVSCROLL));
    dlg.DestroyWindow();
    delete pEdit;
}

TEST(Module, RegisteredMessagesAreTheNamedOnes)
{
    EXPECT_EQ(CDropBaseEdit::WM_CLOSE_DROPDOWN_WND,
              ::RegisterWindowMessageA("359723E9-4D6A-407c-AD5D-F4890DC0A213"));
    EXPECT_GE(CDropBaseEdit::WM_CLOSE_DROPDOWN_WND, 0xC000u);
}

TEST(Module, ResourcesAreFoundThroughTheFramework)
{
    HMODULE hLibrary = LibraryModule();
    ASSERT_NE(hLibrary, nullptr);
    // The framework searches extension libraries after the host for resources it lacks.
    EXPECT_EQ(AfxFindResourceHandle(MAKEINTRESOURCEA(250), MAKEINTRESOURCEA(4) /*RT_MENU*/), hLibrary);

    HICON hIcon = static_cast<HICON>(::LoadImageA(hLibrary, MAKEINTRESOURCEA(200), IMAGE_ICON, 16, 16, 0));
    ASSERT_NE(hIcon, nullptr);
    ICONINFO info = {};
    ASSERT_TRUE(::GetIconInfo(hIcon, &info));
    BITMAP bm = {};
    ::GetObjectA(info.hbmColor, sizeof(bm), &bm);
    EXPECT_EQ(bm.bmWidth, 16);
    EXPECT_EQ(bm.bmBitsPixel, 32);
    ::DeleteObject(info.hbmColor);
    ::DeleteObject(info.hbmMask);
    ::DestroyIcon(hIcon);

    HMENU hMenu = ::LoadMenuA(hLibrary, MAKEINTRESOURCEA(250));
    ASSERT_NE(hMenu, nullptr);
    char name[64] = {};
    ::GetMenuStringA(hMenu, 0, name, sizeof(name), MF_BYPOSITION);
    EXPECT_STREQ(name, "_FOLDERMENU_");
    HMENU hPopup = ::GetSubMenu(hMenu, 0);
    const UINT expected[] = { 57643, 0, 57634, 57635, 57632, 57637, 0, 57642 };
    ASSERT_EQ(::GetMenuItemCount(hPopup), 8);
    for (int i = 0; i < 8; ++i)
    {
        SCOPED_TRACE(i);
        if (expected[i] == 0)
        {
            EXPECT_TRUE(::GetMenuState(hPopup, i, MF_BYPOSITION) & MF_SEPARATOR);
        }
        else
        {
            EXPECT_EQ(::GetMenuItemID(hPopup, i), expected[i]);
        }
    }
    ::GetMenuStringA(hPopup, 7, name, sizeof(name), MF_BYPOSITION);
    EXPECT_STREQ(name, "Select All\tCtrl+A");
    ::DestroyMenu(hMenu);
}

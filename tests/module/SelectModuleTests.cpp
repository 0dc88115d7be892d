// The selection controls as a host finds them in orv059.dll: by class name.
#include <afxwin.h>
#include <gtest/gtest.h>
#include "AutoSuggestEdit.h"
#include "HostDialog.h"
#include "SelectEdit.h"

TEST(SelectModule, SelectionControlsAreCreatableByClassName)
{
    struct Row
    {
        const char* name;
        CRuntimeClass* base;
    } rows[] = {
        { "CSelectEdit", RUNTIME_CLASS(CDropBaseEdit) },
        { "CAutoSuggestEdit", RUNTIME_CLASS(CSelectEdit) },
    };
    for (const Row& row : rows)
    {
        SCOPED_TRACE(row.name);
        CRuntimeClass* pClass = CRuntimeClass::FromName(row.name);
        ASSERT_NE(pClass, nullptr);
        EXPECT_EQ(pClass->m_pfnGetBaseClass(), row.base);
        harness::CHostDialog dlg;
        ASSERT_TRUE(dlg.CreateHost({ 100, 100 }, { 300, 120 }, { 10, 10, 210, 34 }));
        CSelectEdit* pEdit = DYNAMIC_DOWNCAST(CSelectEdit, pClass->CreateObject());
        ASSERT_NE(pEdit, nullptr);
        ASSERT_TRUE(pEdit->SubclassWindow(dlg.Edit()));
        pEdit->AddText(CString("only"));
        pEdit->Init();
        pEdit->SendMessage(WM_KEYDOWN, VK_DOWN, 0); // steps to the only text (the list is closed)
        CString text;
        pEdit->GetWindowText(text);
        EXPECT_STREQ(text, "only");
        dlg.DestroyWindow();
        delete pEdit;
    }
}

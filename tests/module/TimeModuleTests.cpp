// The time edit as a host finds it in orv059.dll: constructed directly, attached and initialised.
#include <afxwin.h>
#include <gtest/gtest.h>
#include "HostDialog.h"
#include "Input.h"
#include "ScratchDir.h"
#include "RegistryUtils.h"
#include "TimeEdit.h"

TEST(TimeModule, TimeEditAttachesAndInitsFromTheDll)
{
    harness::RegistryKeyGuard registry(HKEY_CURRENT_USER, "Software\\Orvanta\\Common\\MRUT");
    EXPECT_EQ(CRuntimeClass::FromName("CTimeEdit"), nullptr) << "the host constructs it directly";
    harness::CHostDialog dlg;
    ASSERT_TRUE(dlg.CreateHost({ 100, 100 }, { 300, 120 }, { 10, 10, 210, 34 }));
    CTimeEdit edit;
    ASSERT_TRUE(edit.SubclassWindow(dlg.Edit()));
    EXPECT_EQ(edit.GetRuntimeClass(), RUNTIME_CLASS(CSelectEdit));
    dlg.FocusEdit();
    edit.Init(8, 17, false, true);
    DateTime time;
    time.SetTime(9, 0, 0);
    edit.SetTime(time, false);
    harness::PressKey(VK_DOWN); // the next listed time, with the list closed
    CString text;
    edit.GetWindowText(text);
    EXPECT_STREQ(text, "10:00");
    EXPECT_EQ(edit.GetTime().GetHour(), 10);
    dlg.DestroyWindow();
    CString stored = RegistryUtils::GetKeyValue(HKEY_CURRENT_USER, CTimeEdit::kIntervalKey, "incr", false);
    EXPECT_STREQ(stored, "60");
}

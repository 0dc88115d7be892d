// The date edit as a host finds it in orv059.dll: constructed directly (it is not creatable by
// class name), attached to a dialog's edit, initialised, and driven through its public face.
#include <afxwin.h>
#include <gtest/gtest.h>
#include "DateEdit.h"
#include "DateTime.h"
#include "DropBaseEdit.h"
#include "HostDialog.h"
#include "ScratchDir.h"

namespace
{
// Whether a visible popup of this thread holds the calendar (child id 2600).
bool VisibleCalendarPopup()
{
    bool found = false;
    ::EnumThreadWindows(
        ::GetCurrentThreadId(),
        [](HWND hWnd, LPARAM lParam) -> BOOL {
            if (::IsWindowVisible(hWnd) && ::GetDlgItem(hWnd, 2600) != nullptr)
                *reinterpret_cast<bool*>(lParam) = true;
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}
}

TEST(DateModule, DateEditAttachesAndInitsFromTheLibrary)
{
    EXPECT_EQ(CRuntimeClass::FromName("CDateEdit"), nullptr) << "hosts construct it directly";

    harness::CHostDialog dlg;
    ASSERT_TRUE(dlg.CreateHost({ 100, 100 }, { 300, 120 }, { 10, 10, 210, 34 }));
    CDateEdit edit;
    ASSERT_TRUE(edit.SubclassWindow(dlg.Edit()));
    EXPECT_EQ(edit.GetRuntimeClass(), RUNTIME_CLASS(CDropBaseEdit));
    RECT rcBefore;
    ::GetClientRect(dlg.Edit(), &rcBefore);
    DateTime date;
    ASSERT_TRUE(date.SetDate(2024, 1, 31));
    edit.Init(date, true);
    RECT rcAfter;
    ::GetClientRect(dlg.Edit(), &rcAfter);
    EXPECT_EQ(rcBefore.right - rcAfter.right, ::GetSystemMetrics(SM_CXVSCROLL)) << "the drop button is cut out";

    CString text;
    edit.GetWindowText(text);
    EXPECT_EQ(text, DateTime::ConvertDateToText(date, false, false, false, true));
    EXPECT_EQ(edit.GetMaxWidth(), 260);

    edit.SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), 0);
    EXPECT_EQ(edit.GetDate().GetMonth(), 2);
    EXPECT_EQ(edit.GetDate().GetDay(), 29);

    EXPECT_FALSE(VisibleCalendarPopup());
    edit.ShowCalendar();
    EXPECT_TRUE(VisibleCalendarPopup());
    harness::ScratchDir scratch;
    EXPECT_TRUE(edit.SaveCalendarWebPage((scratch.Path() + "month.html").c_str()));
    EXPECT_FALSE(edit.SaveCalendarWebPage(CString())) << "an empty path writes nothing";
    dlg.DestroyWindow();
}

// Speed of the date edit under Wine: opening the calendar, and a typed character that the
// calendar follows, beside the same typing into a plain edit measured in the same run. There is
// no speed target for the date edit; the figures are printed, never asserted.
#include <afxwin.h>
#include <gtest/gtest.h>
#include <cstdio>
#include "BenchUtil.h"
#include "DateEdit.h"
#include "DateTime.h"
#include "DropWnd.h"
#include "HostDialog.h"
#include "Input.h"
#include "TestApp.h"

namespace
{
class CBenchDateEdit : public CDateEdit
{
public:
    using CDateEdit::GetDropWnd;
};

DateTime March15()
{
    DateTime date;
    date.SetDate(2024, 3, 15);
    return date;
}

void Print(const char* name, double ms, double plainMs)
{
    if (plainMs > 0)
        std::printf("%-60s %9.2f ms  (plain edit %9.2f ms)\n", name, ms, plainMs);
    else
        std::printf("%-60s %9.2f ms\n", name, ms);
    std::fflush(stdout);
}
}

TEST(DateBench, OpeningTheCalendarAndTypingIntoIt)
{
    harness::CHostDialog dlg;
    ASSERT_TRUE(dlg.CreateHost({ 100, 100 }, { 400, 400 }, { 10, 10, 160, 34 }));
    CBenchDateEdit edit;
    ASSERT_TRUE(edit.SubclassWindow(dlg.Edit()));
    edit.Init(March15(), true);
    dlg.FocusEdit();
    harness::Pump();

    const double openMs = bench::MedianMs(
        15, [&] { harness::PressKey(VK_F9); },
        [&] {
            if (::IsWindowVisible(edit.GetDropWnd()->m_hWnd))
                harness::PressKey(VK_F9);
        });
    Print("open the calendar (F9, shown and filled)", openMs, 0);

    // One character per run: the last digit of the year, so that every run parses a date and
    // moves the calendar.
    auto typeOne = [](HWND hEdit, char digit) {
        ::SendMessage(hEdit, EM_SETSEL, 9, 10);
        const char text[2] = { digit, 0 };
        harness::TypeText(text);
    };
    int n = 0;
    if (!::IsWindowVisible(edit.GetDropWnd()->m_hWnd))
        harness::PressKey(VK_F9);
    const double typedMs = bench::MedianMs(25, [&] { typeOne(edit.m_hWnd, static_cast<char>('0' + (n++ % 10))); });

    CEdit plain;
    ASSERT_TRUE(plain.SubclassWindow(dlg.Other()));
    plain.SetWindowText("15.03.2024");
    plain.SetFocus();
    const double plainMs = bench::MedianMs(25, [&] { typeOne(plain.m_hWnd, static_cast<char>('0' + (n++ % 10))); });
    Print("a typed character parsed into the date and the open calendar", typedMs, plainMs);
    plain.UnsubclassWindow();
    dlg.DestroyWindow();
}

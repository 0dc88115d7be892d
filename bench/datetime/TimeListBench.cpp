// Speed of the time list under Wine: opening it at interval 1 (1,440 rows over hours 0 to 24)
// and each press of an interval button, beside the plain fill (one row at a time into the
// visible list with redraw on) measured in the same run. Prints; never asserts.
#include <afxwin.h>
#include <gtest/gtest.h>
#include <cstdio>
#include <string>
#include "BenchUtil.h"
#include "DropTimeSelectWnd.h"
#include "HostDialog.h"
#include "RegistryUtils.h"
#include "ScratchDir.h"
#include "SelectionList.h"
#include "TestApp.h"
#include "TimeEdit.h"

namespace
{
class CBenchTimeEdit : public CTimeEdit
{
public:
    using CTimeEdit::GetDropWnd;
};

const int kCoarser = 2602;
const int kFiner = 2603;

void Press(CDropTimeSelectWnd& drop, int id)
{
    drop.SendMessage(WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(drop.GetDlgItem(id)->m_hWnd));
}

double PlainFillMs(CListBox& list, int rows)
{
    list.ResetContent();
    const double start = bench::NowMs();
    for (int i = 0; i < rows; ++i)
    {
        CString text;
        text.Format("%d:%02d", i / 60, i % 60);
        list.AddString(text);
    }
    return bench::NowMs() - start;
}
}

TEST(TimeListBench, OpeningAtIntervalOneAndEachIntervalPress)
{
    harness::RegistryKeyGuard registry(HKEY_CURRENT_USER, "Software\\Orvanta\\Common\\MRUT");
    RegistryUtils::CreateKeyAndValue(HKEY_CURRENT_USER, CTimeEdit::kIntervalKey, CTimeEdit::kIntervalValue, "1", false);
    harness::CHostDialog dlg;
    dlg.CreateHost({ 100, 100 }, { 400, 300 }, { 10, 10, 210, 34 });
    CBenchTimeEdit edit;
    edit.SubclassWindow(dlg.Edit());
    dlg.FocusEdit();
    edit.Init(0, 24, false, true);
    DateTime time;
    time.SetTime(13, 37, 0);
    edit.SetTime(time, false);
    harness::Pump();
    CDropTimeSelectWnd& drop = *CDropTimeSelectWnd::FromDropWnd(edit.GetDropWnd());

    const double openMs = bench::MedianMs(
        7, [&] { edit.SendMessage(WM_KEYDOWN, VK_F9, 1); }, [&] { edit.SendMessage(WM_KEYDOWN, VK_ESCAPE, 1); });
    if (!::IsWindowVisible(drop.m_hWnd) || drop.m_pList->GetCount() != 1440)
        std::printf("(the list did not open with 1,440 rows: %d)\n", drop.m_pList->GetCount());
    const double plainMs = PlainFillMs(*drop.m_pList, 1440);
    Press(drop, kFiner); // the plain fill left its own rows: back to the list's own
    bench::Report("open the time list at interval 1 (1,440 rows)", openMs, plainMs, 50);

    const int steps[] = { 1, 5, 10, 15, 30, 60 };
    for (size_t i = 0; i + 1 < sizeof(steps) / sizeof(steps[0]); ++i)
    {
        const int rowsFine = (1440 + steps[i] - 1) / steps[i];
        const double coarserMs =
            bench::MedianMs(5, [&] { Press(drop, kCoarser); }, [&] { drop.m_nInterval = steps[i]; });
        const double finerMs =
            bench::MedianMs(5, [&] { Press(drop, kFiner); }, [&] { drop.m_nInterval = steps[i + 1]; });
        if (drop.m_nInterval != steps[i] || drop.m_pList->GetCount() != rowsFine)
            std::printf("(the finer press did not give interval %d)\n", steps[i]);
        const std::string coarser = "coarser " + std::to_string(steps[i]) + " -> " + std::to_string(steps[i + 1]);
        const std::string finer = "finer " + std::to_string(steps[i + 1]) + " -> " + std::to_string(steps[i]) +
                                  " (" + std::to_string(rowsFine) + " rows)";
        bench::Report(coarser.c_str(), coarserMs, 0, 50);
        bench::Report(finer.c_str(), finerMs, i == 0 ? plainMs : 0, 50);
    }
    dlg.DestroyWindow();
    harness::Pump();
}

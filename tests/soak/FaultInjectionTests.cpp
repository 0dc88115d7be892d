// Every allocation and window creation of a control's set-up fails in turn: the control must
// then work as the library promises (a plain edit without its drop window, failures logged
// as tags only) and leave nothing behind.
#include <cstdio>
#include "FaultInjection.h"
#include "Input.h"
#include "LogCapture.h"
#include "RobustnessFixture.h"

using soak::CSoakHost;
using FailedSetUp = soak::Robustness;

namespace
{
bool IsFailureTag(const CString& line)
{
    return line.GetLength() == 38 && line[0] == '{' && line[37] == '}';
}

// What a user does with a control: open, move, type, close.
void Use(CDropBaseEdit& edit)
{
    for (WORD vk : { VK_F9, VK_DOWN, VK_DOWN, VK_RETURN, VK_ESCAPE, VK_F9, VK_F9 })
        harness::PressKey(vk);
    edit.SetFocus();
    harness::PressKey(VK_END);
    harness::TypeText("1");
}
}

TEST_F(FailedSetUp, EveryFailedAllocationOrCreationLeavesAWorkingEdit)
{
    const int nLiveBefore = AfxLiteGetLiveGdiObjectCount();
    int nFired = 0;
    for (CSoakHost::Control control : kControls)
    {
        for (FaultInjection::Kind kind : { FaultInjection::kAllocation, FaultInjection::kWindowCreation })
        {
            for (int n = 1;; ++n)
            {
                SCOPED_TRACE(std::string(CSoakHost::Name(control)) +
                             (kind == FaultInjection::kAllocation ? " allocation " : " creation ") + std::to_string(n));
                harness::LogCapture log;
                CSoakHost host;
                ASSERT_TRUE(host.CreateHost(150, 150));
                host.Focus(control);
                FaultInjection::FailNth(kind, n);
                Configure(host, control);
                const bool fired = FaultInjection::Remaining(kind) == 0;
                FaultInjection::Reset();
                Use(host.Edit(control));
                // The drop window may be missing; the edit stays an edit.
                EXPECT_LE(soak::SoakRun::DropWindows(true).size(), 1u);
                const CString text = host.Text(control);
                if (control != CSoakHost::kDir) // the only read-only one
                {
                    EXPECT_NE(text.Find('1'), -1) << "typing reached the edit: " << static_cast<const char*>(text);
                }
                for (const CString& line : log.Lines())
                    EXPECT_TRUE(IsFailureTag(line)) << static_cast<const char*>(line);
                Destroy(host);
                EXPECT_TRUE(soak::SoakRun::DropWindows(false).empty());
                if (!fired)
                    break; // every event of this set-up has failed once
                ++nFired;
                ASSERT_LT(n, 50) << "the set-up never ran out of events";
            }
        }
    }
    harness::Pump();
    EXPECT_EQ(AfxLiteGetLiveGdiObjectCount(), nLiveBefore);
    // Each control allocates its drop window and creates it at the least.
    std::printf("injected faults: %d\n", nFired);
    EXPECT_GE(nFired, 2 * 6);
}

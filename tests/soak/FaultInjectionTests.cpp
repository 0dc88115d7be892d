// Every allocation and window creation of a control's set-up fails in turn: the control must
// then work as the library promises (a plain edit without its drop window, failures logged
// as tags only) and leave nothing behind.
#include <gtest/gtest.h>
#include <cstdio>
#include "FaultInjection.h"
#include "Input.h"
#include "LogCapture.h"
#include "RobustnessFixture.h"
#include "ScratchDir.h"
#include "SoakRun.h"
#include "TestApp.h"

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

TEST(FaultInjection, EveryFailedAllocationOrCreationLeavesAWorkingEdit)
{
    harness::RegistryKeyGuard registry(HKEY_CURRENT_USER, "Software\\Orvanta\\Common\\MRUT");
    harness::ScratchDir scratch;
    scratch.MakeDir("sub\\");
    const int nLiveBefore = AfxLiteGetLiveGdiObjectCount();
    int nFired = 0;
    for (const soak::ControlCase& c : soak::ControlCases(scratch.Path()))
    {
        for (FaultInjection::Kind kind : { FaultInjection::kAllocation, FaultInjection::kWindowCreation })
        {
            for (int n = 1;; ++n)
            {
                SCOPED_TRACE(std::string(c.name) + (kind == FaultInjection::kAllocation ? " allocation " : " creation ") +
                             std::to_string(n));
                harness::LogCapture log;
                soak::HostedControl hosted(c);
                FaultInjection::FailNth(kind, n);
                c.init(hosted.Edit());
                const bool fired = FaultInjection::Remaining(kind) == 0;
                FaultInjection::Reset();
                Use(hosted.Edit());
                // The drop window may be missing; the edit stays an edit.
                EXPECT_LE(soak::SoakRun::DropWindows(true).size(), 1u);
                if (c.editable)
                {
                    CString text;
                    hosted.Edit().GetWindowText(text);
                    EXPECT_NE(text.Find('1'), -1) << "typing reached the edit: " << static_cast<const char*>(text);
                }
                for (const CString& line : log.Lines())
                    EXPECT_TRUE(IsFailureTag(line)) << static_cast<const char*>(line);
                hosted.Destroy();
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

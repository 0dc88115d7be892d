// Host calls in the wrong order or with unreasonable input, and set-ups whose allocations or
// window creations fail in turn: nothing may crash or leak a drop window or a GDI object, a path
// control never holds a path that does not exist, and a failed set-up leaves a working edit
// (a plain edit without its drop window, failures logged as tags only).
#include <gtest/gtest.h>
#include <algorithm>
#include <cstdio>
#include <map>
#include "FaultInjection.h"
#include "Input.h"
#include "LogCapture.h"
#include "ScratchDir.h"
#include "SoakHost.h"
#include "TestApp.h"

using soak::CSoakHost;

namespace
{
const CSoakHost::Control kControls[] = { CSoakHost::kSelect, CSoakHost::kSuggest, CSoakHost::kDate,
                                         CSoakHost::kTime,   CSoakHost::kDir,     CSoakHost::kFile };

// The failed events whose own tag the control logs: the path controls' list or tree inside the
// drop window, the time list's finer button.
const std::map<std::string, const char*> kLoggedFailures = {
    { "dir creation 2", "{956C4DC7-0834-418A-9EB3-E6690E3D3B52}" },
    { "file creation 2", "{F540E50F-DA2E-4BF5-A011-2801CE3BF299}" },
    { "time allocation 5", "{25F4F0B3-1FE5-4F04-AEF0-7C3DF24FE305}" },
    { "time creation 4", "{092C0139-38FB-4B71-B161-03944D77358E}" },
};

// Soak hosts whose controls are set up one at a time as a host with editable selection and file
// edits does, over a scratch folder; the user's time interval stays.
class Robustness : public testing::Test
{
protected:
    Robustness() { m_scratch.MakeDir("sub\\"); }

    CString Folder() const { return m_scratch.Path().c_str(); }
    // The drop windows, shown or hidden, that belong to edit.
    static size_t DropWindowsOf(const CDropBaseEdit& edit)
    {
        const std::vector<CDropWnd*> all = CSoakHost::DropWindows(false);
        return std::count_if(all.begin(), all.end(), [&edit](const CDropWnd* pDrop) { return pDrop->m_pEdit == &edit; });
    }
    // Every host operation of the control, with ordinary arguments (the text is a folder that a
    // path control takes, and hands to its drop window, also one whose window failed).
    void CallEverything(CDropBaseEdit& edit) const
    {
        edit.OnAppMove();
        edit.SetEnterKeyOptions(true, true);
        LOGFONTA lf = {};
        lf.lfHeight = -12;
        edit.SetDropWndFont(lf);
        if (::IsWindow(edit.m_hWnd))
            edit.SetWindowText(Folder() + "sub");
        DateTime value;
        value.SetDate(2026, 12, 6);
        value.SetTime(10, 17, 0);
        if (auto* pDate = dynamic_cast<CDateEdit*>(&edit))
        {
            pDate->SetDate(value);
            pDate->GetDate();
            pDate->ShowCalendar();
            pDate->ApplyBkgShading();
            pDate->SaveCalendarWebPage(Folder() + "page.html");
        }
        else if (auto* pTime = dynamic_cast<CTimeEdit*>(&edit))
        {
            pTime->SetTime(value, true);
            pTime->GetTime();
            pTime->ApplyBkgShading();
            pTime->ShowList();
        }
        else if (auto* pSelect = dynamic_cast<CSelectEdit*>(&edit))
        {
            pSelect->AddText(CString("gamma"));
            pSelect->ShowList();
            pSelect->ClearText();
            pSelect->ShowList();
        }
        else if (auto* pDir = dynamic_cast<CDirEdit*>(&edit))
        {
            pDir->SetInitBrowseToDir(Folder());
            pDir->ShowList();
            if (auto* pFile = dynamic_cast<CFileEdit*>(&edit))
            {
                CStringArray exts;
                exts.Add("txt");
                pFile->SetExt(exts);
            }
        }
    }

    harness::RegistryKeyGuard m_registry{ HKEY_CURRENT_USER, "Software\\Orvanta\\Common\\MRUT" };
    harness::ScratchDir m_scratch;
    const std::vector<CString> m_texts{ "alpha", "alpine", "beta" };
};
}

TEST_F(Robustness, HostCallsInAnyOrderAndTextsOfAnyKindLeaveNoMissingPathAndNoDropWindowBehind)
{
    const CString huge('7', 64 * 1024);
    const CString texts[] = { "", huge, Folder() + huge, "c:", "c:\\nul", "con", "\\\\?\\c:\\", "\\\\server\\share\\",
                              "::::", "c:\\a<b>", "q:\\missing\\deep\\", "c:\\windows\\..\\..\\..\\..\\",
                              "\xE9\xE8\\\xFF", "relative\\sub", Folder() + CString('d', 300), "c:\\\\\\\\" };
    CSoakHost host;
    ASSERT_TRUE(host.CreateHost(150, 150));
    for (CSoakHost::Control control : kControls)
    {
        SCOPED_TRACE(CSoakHost::Name(control));
        CDropBaseEdit& edit = host.Edit(control);
        host.Focus(control);
        CallEverything(edit); // before Init: a plain edit
        EXPECT_EQ(DropWindowsOf(edit), 0u);
        host.Configure(control, m_texts, Folder(), false);
        host.Configure(control, m_texts, Folder(), false); // a second Init replaces the drop window, it does not add one
        EXPECT_EQ(DropWindowsOf(edit), 1u);
        CallEverything(edit);
        harness::PressKey(VK_ESCAPE);
        for (const CString& text : texts)
        {
            SCOPED_TRACE(static_cast<const char*>(text.Left(40)));
            edit.SetWindowText(text);
            if (auto* pDir = dynamic_cast<CDirEdit*>(&edit))
                pDir->SetInitBrowseToDir(text);
            for (WORD vk : { VK_F9, VK_DOWN, VK_ESCAPE })
                harness::PressKey(vk);
            const CString now = host.Text(control);
            if (control == CSoakHost::kDir || control == CSoakHost::kFile)
            {
                EXPECT_TRUE(now.IsEmpty() || ::GetFileAttributesA(now) != INVALID_FILE_ATTRIBUTES)
                    << static_cast<const char*>(now);
            }
        }
    }
    host.DestroyWindow();
    harness::Pump();
    for (CSoakHost::Control control : kControls)
    {
        SCOPED_TRACE(CSoakHost::Name(control));
        CallEverything(host.Edit(control)); // after the window is gone
        EXPECT_EQ(DropWindowsOf(host.Edit(control)), 0u);
    }
}

// Each failed event is followed by what a user does with the control (open, move, type, close),
// then by every host call; a path control keeps its text rules without its drop window.
TEST_F(Robustness, EveryFailedAllocationOrCreationOfASetUpLeavesAWorkingEdit)
{
    const int nLiveBefore = AfxLiteGetLiveGdiObjectCount();
    int nFired = 0;
    for (CSoakHost::Control control : kControls)
    {
        for (FaultInjection::Kind kind : { FaultInjection::kAllocation, FaultInjection::kWindowCreation })
        {
            for (int n = 1;; ++n)
            {
                const std::string event = std::string(CSoakHost::Name(control)) +
                                          (kind == FaultInjection::kAllocation ? " allocation " : " creation ") +
                                          std::to_string(n);
                SCOPED_TRACE(event);
                harness::LogCapture log;
                CSoakHost host;
                ASSERT_TRUE(host.CreateHost(150, 150));
                host.Focus(control);
                FaultInjection::FailNth(kind, n);
                host.Configure(control, m_texts, Folder(), false);
                const bool fired = FaultInjection::Remaining(kind) == 0;
                FaultInjection::Reset();
                for (WORD vk : { VK_F9, VK_DOWN, VK_DOWN, VK_RETURN, VK_ESCAPE, VK_F9, VK_F9 })
                    harness::PressKey(vk);
                host.Edit(control).SetFocus();
                harness::PressKey(VK_END);
                harness::TypeText("1");
                // The drop window may be missing; the edit stays an edit.
                EXPECT_LE(CSoakHost::DropWindows(true).size(), 1u);
                if (control != CSoakHost::kDir) // the only read-only one
                {
                    EXPECT_NE(host.Text(control).Find('1'), -1) << static_cast<const char*>(host.Text(control));
                }
                CallEverything(host.Edit(control));
                if (control == CSoakHost::kDir || control == CSoakHost::kFile)
                {
                    // Without its drop window a path control still takes only existing paths.
                    EXPECT_EQ(host.Text(control), Folder() + "sub");
                    host.Edit(control).SetWindowText(Folder() + "gone\\");
                    EXPECT_EQ(host.Text(control), "");
                }
                for (const CString& line : log.Lines())
                    EXPECT_TRUE(line.GetLength() == 38 && line[0] == '{' && line[37] == '}')
                        << static_cast<const char*>(line);
                if (const auto tag = kLoggedFailures.find(event); tag != kLoggedFailures.end())
                {
                    EXPECT_EQ(std::count(log.Lines().begin(), log.Lines().end(), CString(tag->second)), 1);
                }
                host.DestroyWindow();
                harness::Pump();
                EXPECT_TRUE(CSoakHost::DropWindows(false).empty());
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

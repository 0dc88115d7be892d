// Host calls in the wrong order or with unreasonable input: nothing may crash, leak a drop
// window or leave a path control holding a path that does not exist.
#include <gtest/gtest.h>
#include <cstdlib>
#include "DropWnd.h"
#include "Input.h"
#include "RobustnessFixture.h"
#include "ScratchDir.h"
#include "SoakRun.h"
#include "TestApp.h"

namespace
{
size_t DropWindowsOf(const CDropBaseEdit& edit)
{
    size_t n = 0;
    for (CDropWnd* pDrop : soak::SoakRun::DropWindows(false))
        n += pDrop->m_pEdit == &edit ? 1 : 0;
    return n;
}

// Every host operation of the control, with ordinary arguments.
void CallEverything(CDropBaseEdit& edit, const CString& folder)
{
    edit.OnAppMove();
    edit.SetEnterKeyOptions(true, true);
    LOGFONTA lf = {};
    lf.lfHeight = -12;
    edit.SetDropWndFont(lf);
    if (::IsWindow(edit.m_hWnd))
        edit.SetWindowText("text");
    DateTime value;
    value.SetDate(2026, 12, 6);
    value.SetTime(10, 17, 0);
    if (auto* pDate = dynamic_cast<CDateEdit*>(&edit))
    {
        pDate->SetDate(value);
        pDate->GetDate();
        pDate->ShowCalendar();
        pDate->ApplyBkgShading();
        pDate->SaveCalendarWebPage(folder + "page.html");
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
        pDir->SetInitBrowseToDir(folder);
        pDir->ShowList();
        if (auto* pFile = dynamic_cast<CFileEdit*>(&edit))
        {
            CStringArray exts;
            exts.Add("txt");
            pFile->SetExt(exts);
        }
    }
}
}

class BadInput : public testing::Test
{
protected:
    BadInput() : m_cases(soak::ControlCases(m_scratch.Path())) { m_scratch.MakeDir("sub\\"); }
    harness::RegistryKeyGuard m_registry{ HKEY_CURRENT_USER, "Software\\Orvanta\\Common\\MRUT" };
    harness::ScratchDir m_scratch;
    std::vector<soak::ControlCase> m_cases;
};

TEST_F(BadInput, CallsBeforeInitAfterDestructionAndInitTwice)
{
    const CString folder(m_scratch.Path().c_str());
    for (const soak::ControlCase& c : m_cases)
    {
        SCOPED_TRACE(c.name);
        soak::HostedControl hosted(c);
        CallEverything(hosted.Edit(), folder); // before Init: a plain edit
        EXPECT_EQ(DropWindowsOf(hosted.Edit()), 0u);
        c.init(hosted.Edit());
        c.init(hosted.Edit()); // a second Init replaces the drop window, it does not add one
        EXPECT_EQ(DropWindowsOf(hosted.Edit()), 1u);
        CallEverything(hosted.Edit(), folder);
        harness::PressKey(VK_ESCAPE);
        hosted.Destroy();
        CallEverything(hosted.Edit(), folder); // after the window is gone
        EXPECT_EQ(DropWindowsOf(hosted.Edit()), 0u);
    }
}

TEST_F(BadInput, EmptyAndHugeTexts)
{
    const CString huge('7', 64 * 1024);
    for (const soak::ControlCase& c : m_cases)
    {
        SCOPED_TRACE(c.name);
        soak::HostedControl hosted(c);
        c.init(hosted.Edit());
        for (const CString& text : { CString(), huge, CString(m_scratch.Path().c_str()) + huge })
        {
            hosted.Edit().SetWindowText(text);
            harness::PressKey(VK_F9);
            harness::PressKey(VK_DOWN);
            harness::PressKey(VK_ESCAPE);
            EXPECT_LE(hosted.Edit().GetWindowTextLength(), 64 * 1024 + MAX_PATH);
        }
    }
}

TEST_F(BadInput, PathsWithEveryKindOfFaultLeaveThePathEditsEmptyOrOnAFolder)
{
    const std::string root = m_scratch.Path();
    const std::string deep = root + std::string(300, 'd');
    const char* const paths[] = { "c:", "c:\\nul", "con", "\\\\?\\c:\\", "\\\\server\\share\\", "::::", "c:\\a<b>",
                                  "q:\\missing\\deep\\", "c:\\windows\\..\\..\\..\\..\\", "\xE9\xE8\\\xFF",
                                  "relative\\sub", deep.c_str(), "c:\\\\\\\\" };
    for (size_t i = 4; i < m_cases.size(); ++i) // the directory and file edits
    {
        const soak::ControlCase& c = m_cases[i];
        soak::HostedControl hosted(c);
        c.init(hosted.Edit());
        auto& edit = static_cast<CDirEdit&>(hosted.Edit());
        for (const char* path : paths)
        {
            SCOPED_TRACE(std::string(c.name) + ": " + path);
            edit.SetWindowText(path);
            edit.SetInitBrowseToDir(path);
            harness::PressKey(VK_F9);
            harness::PressKey(VK_ESCAPE);
            CString text;
            edit.GetWindowText(text);
            const DWORD attrs = text.IsEmpty() ? 0 : ::GetFileAttributesA(text);
            EXPECT_TRUE(text.IsEmpty() || attrs != INVALID_FILE_ATTRIBUTES) << static_cast<const char*>(text);
        }
    }
}

TEST_F(BadInput, AMillionTexts)
{
    std::vector<CString> texts;
    const int nCount = std::getenv("ORV_TEXTS") ? std::atoi(std::getenv("ORV_TEXTS")) : 1000000;
    texts.reserve(nCount);
    char buffer[16];
    for (int i = 0; i < nCount; ++i)
    {
        // Every text four times, in scattered order.
        wsprintfA(buffer, "t%07d", static_cast<int>((static_cast<long long>(i) * 7919) % nCount) / 4);
        texts.push_back(buffer);
    }
    soak::HostedControl hosted(m_cases[0]); // the selection edit, sorted and read-only
    auto& edit = static_cast<CSelectEdit&>(hosted.Edit());
    edit.SetSorted(true);
    edit.SetReadOnly(true);
    edit.AddText(texts);
    edit.Init();
    harness::TypeText("t");
    CString text;
    edit.GetWindowText(text);
    EXPECT_EQ(text, "t0000000");
    harness::PressKey(VK_DOWN);
    harness::PressKey(VK_DOWN);
    edit.GetWindowText(text);
    EXPECT_EQ(text, "t0000002"); // duplicates were dropped
}

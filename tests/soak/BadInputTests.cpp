// Host calls in the wrong order or with unreasonable input: nothing may crash, leak a drop
// window or leave a path control holding a path that does not exist.
#include <cstdlib>
#include "Input.h"
#include "RobustnessFixture.h"

using soak::CSoakHost;
using BadInput = soak::Robustness;

namespace
{
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

CString TextOf(CDropBaseEdit& edit)
{
    CString text;
    edit.GetWindowText(text);
    return text;
}
}

TEST_F(BadInput, CallsBeforeInitAfterDestructionAndInitTwice)
{
    CSoakHost host;
    ASSERT_TRUE(host.CreateHost(150, 150));
    for (CSoakHost::Control control : kControls)
    {
        SCOPED_TRACE(CSoakHost::Name(control));
        host.Focus(control);
        CallEverything(host.Edit(control), Folder()); // before Init: a plain edit
        EXPECT_EQ(DropWindowsOf(host.Edit(control)), 0u);
        Configure(host, control);
        Configure(host, control); // a second Init replaces the drop window, it does not add one
        EXPECT_EQ(DropWindowsOf(host.Edit(control)), 1u);
        CallEverything(host.Edit(control), Folder());
        harness::PressKey(VK_ESCAPE);
    }
    Destroy(host);
    for (CSoakHost::Control control : kControls)
    {
        SCOPED_TRACE(CSoakHost::Name(control));
        CallEverything(host.Edit(control), Folder()); // after the window is gone
        EXPECT_EQ(DropWindowsOf(host.Edit(control)), 0u);
    }
}

TEST_F(BadInput, EmptyAndHugeTexts)
{
    const CString huge('7', 64 * 1024);
    CSoakHost host;
    ASSERT_TRUE(host.CreateHost(150, 150));
    for (CSoakHost::Control control : kControls)
    {
        SCOPED_TRACE(CSoakHost::Name(control));
        Configure(host, control);
        host.Focus(control);
        for (const CString& text : { CString(), huge, Folder() + huge })
        {
            host.Edit(control).SetWindowText(text);
            for (WORD vk : { VK_F9, VK_DOWN, VK_ESCAPE })
                harness::PressKey(vk);
            EXPECT_LE(host.Edit(control).GetWindowTextLength(), 64 * 1024 + MAX_PATH);
        }
    }
}

TEST_F(BadInput, PathsWithEveryKindOfFaultLeaveThePathEditsEmptyOrOnAFolder)
{
    const std::string deep = m_scratch.Path() + std::string(300, 'd');
    const char* const paths[] = { "c:", "c:\\nul", "con", "\\\\?\\c:\\", "\\\\server\\share\\", "::::", "c:\\a<b>",
                                  "q:\\missing\\deep\\", "c:\\windows\\..\\..\\..\\..\\", "\xE9\xE8\\\xFF",
                                  "relative\\sub", deep.c_str(), "c:\\\\\\\\" };
    CSoakHost host;
    ASSERT_TRUE(host.CreateHost(150, 150));
    for (CSoakHost::Control control : { CSoakHost::kDir, CSoakHost::kFile })
    {
        Configure(host, control);
        host.Focus(control);
        auto& edit = static_cast<CDirEdit&>(host.Edit(control));
        for (const char* path : paths)
        {
            SCOPED_TRACE(std::string(CSoakHost::Name(control)) + ": " + path);
            edit.SetWindowText(path);
            edit.SetInitBrowseToDir(path);
            harness::PressKey(VK_F9);
            harness::PressKey(VK_ESCAPE);
            const CString text = TextOf(edit);
            EXPECT_TRUE(text.IsEmpty() || ::GetFileAttributesA(text) != INVALID_FILE_ATTRIBUTES)
                << static_cast<const char*>(text);
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
    CSoakHost host;
    ASSERT_TRUE(host.CreateHost(150, 150));
    host.m_select.SetSorted(true);
    host.m_select.SetReadOnly(true);
    host.m_select.AddText(texts);
    host.m_select.Init();
    host.Focus(CSoakHost::kSelect);
    harness::TypeText("t");
    EXPECT_EQ(TextOf(host.m_select), "t0000000");
    harness::PressKey(VK_DOWN);
    harness::PressKey(VK_DOWN);
    EXPECT_EQ(TextOf(host.m_select), "t0000002"); // duplicates were dropped
}

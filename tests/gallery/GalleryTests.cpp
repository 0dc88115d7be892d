// The gallery's form driven headless as its user would: each drop window opened with the mouse,
// a pick made with the keys, and what the host reads back checked beside the control.
#include <gtest/gtest.h>
#include <algorithm>
#include "BkgStyle.h"
#include "FileExtMgr.h"
#include "GalleryFrame.h"
#include "GalleryLogger.h"
#include "Input.h"
#include "ScratchDir.h"
#include "TestApp.h"

namespace
{
const UINT kDropClassStyle = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS | CS_CLASSDC | CS_SAVEBITS;

BOOL CALLBACK CountVisibleDropWindow(HWND hWnd, LPARAM lParam)
{
    if (::IsWindowVisible(hWnd) && static_cast<UINT>(::GetClassLongPtrA(hWnd, GCL_STYLE)) == kDropClassStyle)
        ++*reinterpret_cast<int*>(lParam);
    return TRUE;
}

int VisibleDropWindows()
{
    int n = 0;
    ::EnumThreadWindows(::GetCurrentThreadId(), CountVisibleDropWindow, reinterpret_cast<LPARAM>(&n));
    return n;
}

bool Logged(const CGalleryLogger& logger, const CString& line)
{
    return std::find(logger.Lines().begin(), logger.Lines().end(), line) != logger.Lines().end();
}

class GalleryTest : public testing::Test
{
protected:
    void SetUp() override
    {
        BkgStyle::CreateInstance();
        FileExtMgr::CreateInstance();
        m_pFrame = new CGalleryFrame(&m_logger);
        ASSERT_TRUE(m_pFrame->CreateHost());
        m_pFrame->ShowWindow(SW_SHOW);
        m_pFrame->SetForegroundWindow();
        harness::Pump();
    }

    void TearDown() override
    {
        if (m_pFrame != nullptr)
            m_pFrame->DestroyWindow(); // the frame deletes itself
        FileExtMgr::DestroyInstance();
        BkgStyle::DestroyInstance();
        harness::Pump();
    }

    CGalleryDlg& Form() { return m_pFrame->Form(); }

    // A real click on the drop button at the right end of the control.
    void ClickButton(CGalleryDlg::Row row)
    {
        CRect rc;
        Form().Control(row).GetWindowRect(&rc);
        harness::Click({ rc.right - 8, rc.CenterPoint().y });
    }

    void ExpectReadBackShown(CGalleryDlg::Row row)
    {
        EXPECT_EQ(Form().ValueText(row), Form().ReadBack(row));
    }

    CGalleryLogger m_logger;
    CGalleryFrame* m_pFrame = nullptr;
};
}

TEST_F(GalleryTest, SelectionPicksReachTheHost)
{
    ClickButton(CGalleryDlg::kPickReadOnly);
    ASSERT_EQ(VisibleDropWindows(), 1);
    harness::PressKey(VK_DOWN);
    harness::PressKey(VK_RETURN);
    EXPECT_EQ(VisibleDropWindows(), 0);
    EXPECT_EQ(Form().ReadBack(CGalleryDlg::kPickReadOnly), "Helsinki"); // the city after Geneva
    ExpectReadBackShown(CGalleryDlg::kPickReadOnly);
    EXPECT_TRUE(Logged(m_logger, "EN_CHANGE from pick (read-only): Helsinki"));

    // The editable pick forwards its closing to the host's windows.
    ClickButton(CGalleryDlg::kPickEditable);
    ASSERT_EQ(VisibleDropWindows(), 1);
    harness::PressKey(VK_DOWN);
    harness::PressKey(VK_RETURN);
    EXPECT_EQ(Form().ReadBack(CGalleryDlg::kPickEditable), "amber");
    ExpectReadBackShown(CGalleryDlg::kPickEditable);
}

TEST_F(GalleryTest, SuggestionsNarrowAsTheUserTypes)
{
    Form().m_suggest.SetFocus();
    harness::TypeText("co");
    ASSERT_EQ(VisibleDropWindows(), 1);
    harness::PressKey(VK_DOWN);
    harness::PressKey(VK_RETURN);
    const CString text = Form().ReadBack(CGalleryDlg::kSuggest);
    EXPECT_EQ(text.Left(2), "co");
    EXPECT_GT(text.GetLength(), 2);
    ExpectReadBackShown(CGalleryDlg::kSuggest);
}

TEST_F(GalleryTest, DateAndTimePicksAreReadBackAsValues)
{
    const DateTime before = Form().m_date.GetDate();
    ClickButton(CGalleryDlg::kDate);
    ASSERT_EQ(VisibleDropWindows(), 1);
    harness::PressKey(VK_DOWN); // into the calendar
    harness::PressKey(VK_RIGHT);
    harness::PressKey(VK_RETURN);
    EXPECT_EQ(VisibleDropWindows(), 0);
    DateTime expected = before;
    expected.AddDays(1);
    EXPECT_TRUE(Form().m_date.GetDate() == expected);
    ExpectReadBackShown(CGalleryDlg::kDate);

    ClickButton(CGalleryDlg::kTime);
    ASSERT_EQ(VisibleDropWindows(), 1);
    harness::PressKey(VK_DOWN);
    harness::PressKey(VK_RETURN);
    EXPECT_EQ(Form().ValueText(CGalleryDlg::kTime), "GetTime: 10:00"); // from 9:30, hourly list
    ExpectReadBackShown(CGalleryDlg::kTime);
}

TEST_F(GalleryTest, FolderAndFilePicksAreExistingPaths)
{
    harness::ScratchDir scratch;
    scratch.MakeDir("alpha\\");
    const std::string file = scratch.MakeFile("notes.txt", "x");
    Form().m_folder.SetInitBrowseToDir(scratch.Path().c_str());
    Form().m_file.SetInitBrowseToDir(scratch.Path().c_str());

    ClickButton(CGalleryDlg::kFolder);
    ASSERT_EQ(VisibleDropWindows(), 1);
    harness::PressKey(VK_DOWN); // into the list
    harness::PressKey(VK_DOWN); // the row after the browse folder: its subfolder
    harness::PressKey(VK_RETURN);
    const CString folder = Form().ReadBack(CGalleryDlg::kFolder);
    const DWORD attrs = ::GetFileAttributesA(folder);
    EXPECT_TRUE(attrs != INVALID_FILE_ATTRIBUTES && (attrs & FILE_ATTRIBUTE_DIRECTORY) != 0) << folder;
    EXPECT_EQ(folder, CString(scratch.Path().c_str()) + "alpha\\");
    ExpectReadBackShown(CGalleryDlg::kFolder);

    ClickButton(CGalleryDlg::kFile);
    ASSERT_EQ(VisibleDropWindows(), 1);
    // The tree shows the scratch folder with its folder first and the text file after it.
    harness::PressKey(VK_DOWN); // into the tree
    harness::PressKey(VK_DOWN);
    harness::PressKey(VK_DOWN);
    harness::PressKey(VK_RETURN);
    EXPECT_EQ(Form().ReadBack(CGalleryDlg::kFile), file.c_str());
    ExpectReadBackShown(CGalleryDlg::kFile);
}

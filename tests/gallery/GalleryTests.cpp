// The gallery's form driven headless as its user would: each drop window opened with the mouse,
// a pick made with the keys, and what the host reads back checked beside the control.
#include <gtest/gtest.h>
#include <algorithm>
#include <functional>
#include <string>
#include <vector>
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

int VisibleDropWindows()
{
    int n = 0;
    const WNDENUMPROC count = [](HWND hWnd, LPARAM lParam) -> BOOL {
        if (::IsWindowVisible(hWnd) && static_cast<UINT>(::GetClassLongPtrA(hWnd, GCL_STYLE)) == kDropClassStyle)
            ++*reinterpret_cast<int*>(lParam);
        return TRUE;
    };
    ::EnumThreadWindows(::GetCurrentThreadId(), count, reinterpret_cast<LPARAM>(&n));
    return n;
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

    CGalleryLogger m_logger;
    CGalleryFrame* m_pFrame = nullptr;
};
}

// Each row opens its drop window with a click on the button (the suggestions by typing), makes
// its pick with the keys, and checks what the host reads back beside what the form shows.
TEST_F(GalleryTest, EachPickReachesTheHost)
{
    harness::ScratchDir scratch;
    scratch.MakeDir("alpha\\");
    const std::string file = scratch.MakeFile("notes.txt", "x");
    Form().m_folder.SetInitBrowseToDir(scratch.Path().c_str());
    Form().m_file.SetInitBrowseToDir(scratch.Path().c_str());
    DateTime nextDay = Form().m_date.GetDate();
    nextDay.AddDays(1);
    const auto readBack = [this](CGalleryDlg::Row row) { return std::string(Form().ReadBack(row).GetString()); };
    const struct
    {
        CGalleryDlg::Row row;
        const char* typed; // opens the list instead of the button
        std::vector<WORD> keys;
        std::function<bool()> picked;
    } rows[] = {
        { CGalleryDlg::kPickReadOnly, nullptr, { VK_DOWN, VK_RETURN },
          [&] { return readBack(CGalleryDlg::kPickReadOnly) == "Helsinki"; } }, // the city after Geneva
        // The editable pick forwards its closing to the host's windows.
        { CGalleryDlg::kPickEditable, nullptr, { VK_DOWN, VK_RETURN },
          [&] { return readBack(CGalleryDlg::kPickEditable) == "amber"; } },
        { CGalleryDlg::kSuggest, "co", { VK_DOWN, VK_RETURN }, [&] {
              const std::string text = readBack(CGalleryDlg::kSuggest);
              return text.rfind("co", 0) == 0 && text.size() > 2;
          } },
        // Down goes into the calendar, Right to the next day.
        { CGalleryDlg::kDate, nullptr, { VK_DOWN, VK_RIGHT, VK_RETURN },
          [&] { return Form().m_date.GetDate() == nextDay; } },
        { CGalleryDlg::kTime, nullptr, { VK_DOWN, VK_RETURN }, // from 9:30, hourly list
          [&] { return Form().ValueText(CGalleryDlg::kTime) == "GetTime: 10:00"; } },
        // Into the list, then the row after the browse folder: its subfolder.
        { CGalleryDlg::kFolder, nullptr, { VK_DOWN, VK_DOWN, VK_RETURN },
          [&] { return readBack(CGalleryDlg::kFolder) == scratch.Path() + "alpha\\"; } },
        // The tree shows the scratch folder with its folder first and the text file after it.
        { CGalleryDlg::kFile, nullptr, { VK_DOWN, VK_DOWN, VK_DOWN, VK_RETURN },
          [&] { return readBack(CGalleryDlg::kFile) == file; } },
    };
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.row);
        if (row.typed != nullptr)
        {
            Form().Control(row.row).SetFocus();
            harness::TypeText(row.typed);
        }
        else
        {
            // A real click on the drop button at the right end of the control.
            CRect rc;
            Form().Control(row.row).GetWindowRect(&rc);
            harness::Click({ rc.right - 8, rc.CenterPoint().y });
        }
        ASSERT_EQ(VisibleDropWindows(), 1);
        for (WORD key : row.keys)
            harness::PressKey(key);
        EXPECT_EQ(VisibleDropWindows(), 0);
        EXPECT_TRUE(row.picked()) << readBack(row.row);
        EXPECT_EQ(Form().ValueText(row.row), Form().ReadBack(row.row));
    }
    const auto& lines = m_logger.Lines();
    EXPECT_NE(std::find(lines.begin(), lines.end(), CString("EN_CHANGE from pick (read-only): Helsinki")), lines.end());
}

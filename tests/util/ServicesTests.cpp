#include "AppLogger.h"
#include "Keyboard.h"
#include "ScratchDir.h"
#include "SystemUtils.h"
#include "TextArray.h"
#include "VolumeUtils.h"
#include <gtest/gtest.h>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace
{
class CapturingLogger : public AppLogger
{
public:
    void AddLine(const CString& line) override { m_lines.push_back(line.GetString()); }
    std::vector<std::string> m_lines;
};
}

TEST(AppLogger, InstanceOnlyWhileAHostLoggerLivesAndOneLinePerCall)
{
    ASSERT_EQ(nullptr, AppLogger::m_pInstance);
    {
        CapturingLogger logger;
        ASSERT_EQ(&logger, AppLogger::m_pInstance);
        AppLogger::m_pInstance->AddLine("{58A13DD4-92EC-4DEE-BC13-5D0BE6EBE1FB}");
        EXPECT_EQ(std::vector<std::string>{"{58A13DD4-92EC-4DEE-BC13-5D0BE6EBE1FB}"}, logger.m_lines);
    }
    EXPECT_EQ(nullptr, AppLogger::m_pInstance);

    harness::ScratchDir scratch;
    const std::string path = scratch.Path() + "log.txt";
    {
        AppLogger logger(path.c_str());
        logger.AddLine("first");
        logger.AddLine("two\r\nparts");
        logger.AddLine("");
    }
    {
        AppLogger again(path.c_str());
        again.AddLine("\xE9");
    }
    std::ostringstream content;
    content << std::ifstream(path, std::ios::binary).rdbuf();
    EXPECT_EQ("first\r\ntwo  parts\r\n\r\n\xE9\r\n", content.str());
    AppLogger nowhere((scratch.Path() + "missing\\log.txt").c_str());
    nowhere.AddLine("lost quietly");
    AppLogger debugger;
    debugger.AddLine("to the debugger");
    EXPECT_EQ(&debugger, AppLogger::m_pInstance) << "the newest logger is the instance";
}

TEST(Keyboard, ReadsTheModifierStateOfTheThread)
{
    BYTE saved[256];
    ASSERT_TRUE(GetKeyboardState(saved));
    const struct { int key; bool shift, ctrl, alt; } rows[] = {
        {VK_SHIFT, true, false, false}, {VK_CONTROL, false, true, false}, {VK_MENU, false, false, true}, {0, false, false, false}};
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.key);
        BYTE state[256] = {0};
        state[row.key] = row.key ? 0x80 : 0;
        ASSERT_TRUE(SetKeyboardState(state));
        EXPECT_EQ(row.shift, Keyboard::IsShiftKeyDown());
        EXPECT_EQ(row.ctrl, Keyboard::IsCtrlKeyDown());
        EXPECT_EQ(row.alt, Keyboard::IsAltKeyDown());
    }
    SetKeyboardState(saved);
}

TEST(SystemUtils, ScrollLinesFollowTheWheelSetting)
{
    UINT saved = 0;
    ASSERT_TRUE(SystemParametersInfoA(SPI_GETWHEELSCROLLLINES, 0, &saved, 0));
    const struct { UINT setting; int expected; } rows[] = {
        {3, 3}, {0, 0}, {100, 100}, {5000, SystemUtils::MaxScrollLines}, {WHEEL_PAGESCROLL, SystemUtils::PageScroll}};
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.setting);
        ASSERT_TRUE(SystemParametersInfoA(SPI_SETWHEELSCROLLLINES, row.setting, nullptr, 0));
        EXPECT_EQ(row.expected, SystemUtils::GetMouseScrollLines());
    }
    SystemParametersInfoA(SPI_SETWHEELSCROLLLINES, saved, nullptr, 0);
}

TEST(VolumeUtils, DrivesInAscendingOrderWithTheirTypes)
{
    TextArray roots, labels, fileSystems;
    CUIntArray types;
    types.Add(99); // stale content is replaced
    size_t count = VolumeUtils::GetDriveInformation(&roots, &types, &labels, &fileSystems);
    ASSERT_GE(count, 1u);
    ASSERT_EQ(count, roots.GetCount());
    ASSERT_EQ(static_cast<INT_PTR>(count), types.GetSize());
    ASSERT_EQ(count, labels.GetCount());
    ASSERT_EQ(count, fileSystems.GetCount());
    for (size_t i = 0; i < count; ++i)
    {
        SCOPED_TRACE(roots[i].GetString());
        EXPECT_EQ(":\\", roots[i].Mid(1));
        if (i > 0)
        {
            EXPECT_LT(roots[i - 1][0], roots[i][0]);
        }
        EXPECT_EQ(GetDriveTypeA(roots[i]), types[static_cast<INT_PTR>(i)]);
    }
    bool hasC = false;
    roots.Find("C:\\", false, hasC);
    EXPECT_TRUE(hasC);
    EXPECT_EQ(count, VolumeUtils::GetDriveInformation(nullptr, nullptr, nullptr, nullptr));
}

TEST(VolumeUtils, DriveTypeAndRootOfAnyPathOnTheDrive)
{
    for (const char* path : {"C:\\", "c:", "C", "C:\\windows\\notepad.exe", "c:/"})
    {
        SCOPED_TRACE(path);
        EXPECT_EQ(static_cast<UINT>(DRIVE_FIXED), VolumeUtils::GetDriveTypeA(path));
    }
    for (const char* path : {"", "1:\\", "\\\\server", "C:x", "\xC9:\\", "relative\\path"})
    {
        SCOPED_TRACE(path);
        EXPECT_EQ(static_cast<UINT>(DRIVE_NO_ROOT_DIR), VolumeUtils::GetDriveTypeA(path));
    }
    EXPECT_EQ("\\\\srv\\share\\", VolumeUtils::GetDriveRoot("\\\\srv\\share\\dir\\file"));
    EXPECT_EQ("D:\\", VolumeUtils::GetDriveRoot("d:\\x"));
}

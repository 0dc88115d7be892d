#include "AppLogger.h"
#include "Keyboard.h"
#include "ScratchDir.h"
#include "SystemUtils.h"
#include <gtest/gtest.h>
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

std::string ReadWholeFile(const CString& path)
{
    std::string content;
    HANDLE hFile = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                               OPEN_EXISTING, 0, nullptr);
    if (hFile == INVALID_HANDLE_VALUE)
        return content;
    char buffer[4096];
    DWORD read = 0;
    while (::ReadFile(hFile, buffer, sizeof(buffer), &read, nullptr) && read > 0)
        content.append(buffer, read);
    CloseHandle(hFile);
    return content;
}
}

TEST(AppLogger, InstanceExistsOnlyWhileAHostLoggerLives)
{
    ASSERT_EQ(nullptr, AppLogger::m_pInstance);
    {
        CapturingLogger logger;
        ASSERT_EQ(&logger, AppLogger::m_pInstance);
        AppLogger::m_pInstance->AddLine("{58A13DD4-92EC-4DEE-BC13-5D0BE6EBE1FB}");
        ASSERT_EQ(1u, logger.m_lines.size());
        EXPECT_EQ("{58A13DD4-92EC-4DEE-BC13-5D0BE6EBE1FB}", logger.m_lines[0]);
    }
    EXPECT_EQ(nullptr, AppLogger::m_pInstance);
}

TEST(AppLogger, AppendsOneLinePerCallToItsFile)
{
    harness::ScratchDir scratch;
    const CString path = CString(scratch.Path().c_str()) + "log.txt";
    {
        AppLogger logger(path);
        logger.AddLine("first");
        logger.AddLine("two\r\nparts");
        logger.AddLine("");
    }
    {
        AppLogger again(path);
        again.AddLine("\xE9");
    }
    EXPECT_EQ("first\r\ntwo  parts\r\n\r\n\xE9\r\n", ReadWholeFile(path));
    AppLogger nowhere(CString(scratch.Path().c_str()) + "missing\\log.txt");
    nowhere.AddLine("lost quietly");
    AppLogger debugger;
    debugger.AddLine("to the debugger");
    EXPECT_EQ(&debugger, AppLogger::m_pInstance) << "the newest logger is the instance";
}

TEST(Keyboard, ReadsTheModifierStateOfTheThread)
{
    BYTE saved[256];
    ASSERT_TRUE(GetKeyboardState(saved));
    const struct
    {
        int key;
        bool shift, ctrl, alt;
    } rows[] = {{VK_SHIFT, true, false, false}, {VK_CONTROL, false, true, false},
                {VK_MENU, false, false, true}, {0, false, false, false}};
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.key);
        BYTE state[256] = {0};
        if (row.key)
            state[row.key] = 0x80;
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
    const struct
    {
        UINT setting;
        int expected;
    } rows[] = {{3, 3}, {0, 0}, {100, 100}, {5000, SystemUtils::MaxScrollLines},
                {WHEEL_PAGESCROLL, SystemUtils::PageScroll}};
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.setting);
        ASSERT_TRUE(SystemParametersInfoA(SPI_SETWHEELSCROLLLINES, row.setting, nullptr, 0));
        EXPECT_EQ(row.expected, SystemUtils::GetMouseScrollLines());
    }
    SystemParametersInfoA(SPI_SETWHEELSCROLLLINES, saved, nullptr, 0);
}

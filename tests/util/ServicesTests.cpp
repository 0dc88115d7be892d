#include "LogCapture.h"
#include "SystemUtils.h"
#include "TextArray.h"
#include "VolumeUtils.h"
#include <gtest/gtest.h>
#include <vector>

// The controls log through the instance, whichever logger the host made last.
TEST(AppLogger, InstanceOnlyWhileAHostLoggerLivesAndOneLinePerCall)
{
    ASSERT_EQ(nullptr, AppLogger::m_pInstance);
    {
        harness::LogCapture logger;
        ASSERT_EQ(&logger, AppLogger::m_pInstance);
        AppLogger::m_pInstance->AddLine("line");
        EXPECT_EQ(std::vector<CString>{"line"}, logger.Lines());
    }
    EXPECT_EQ(nullptr, AppLogger::m_pInstance);
    AppLogger debugger;
    debugger.AddLine("to the debugger");
    EXPECT_EQ(&debugger, AppLogger::m_pInstance) << "the newest logger is the instance";
}

TEST(SystemUtils, ScrollLinesFollowTheWheelSetting)
{
    UINT saved = 0;
    ASSERT_TRUE(SystemParametersInfoA(SPI_GETWHEELSCROLLLINES, 0, &saved, 0));
    const struct { UINT setting; int expected; } rows[] = {
        {0, 0}, {5000, SystemUtils::MaxScrollLines}, {WHEEL_PAGESCROLL, SystemUtils::PageScroll}};
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
    for (size_t listed : {roots.GetCount(), static_cast<size_t>(types.GetSize()), labels.GetCount(), fileSystems.GetCount()})
        ASSERT_EQ(count, listed);
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

    EXPECT_EQ(static_cast<UINT>(DRIVE_FIXED), VolumeUtils::GetDriveTypeA("C:\\")) << "a root as the drive rows hold it";
}

#include "TextArray.h"
#include "VolumeUtils.h"
#include <gtest/gtest.h>

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
    bool hasC = false;
    for (size_t i = 0; i < count; ++i)
    {
        SCOPED_TRACE(roots[i].GetString());
        EXPECT_EQ(3, roots[i].GetLength());
        EXPECT_EQ(":\\", roots[i].Mid(1));
        if (i > 0)
        {
            EXPECT_LT(roots[i - 1][0], roots[i][0]);
        }
        EXPECT_EQ(GetDriveTypeA(roots[i]), types[static_cast<INT_PTR>(i)]);
        hasC = hasC || roots[i] == "C:\\";
    }
    EXPECT_TRUE(hasC);
    EXPECT_EQ(count, VolumeUtils::GetDriveInformation(nullptr, nullptr, nullptr, nullptr));
}

TEST(VolumeUtils, DriveTypeOfAnyPathOnTheDrive)
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

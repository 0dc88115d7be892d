#include "RegistryUtils.h"
#include <gtest/gtest.h>

namespace
{
// A key of its own under HKCU\Software for each test, deleted afterwards.
class RegistryTest : public testing::Test
{
protected:
    void SetUp() override { m_key.Format("Software\\OrvutilTest-%lu-%lu\\", GetCurrentProcessId(), GetTickCount()); }
    void TearDown() override { EXPECT_TRUE(RegistryUtils::DeleteKey(HKEY_CURRENT_USER, m_key)); }
    CString Get(const CString& key, const char* name) const
    {
        return RegistryUtils::GetKeyValue(HKEY_CURRENT_USER, key, name, false);
    }

    CString m_key;
};
}

// The time edit's stored interval: text written under keys made on the way, read back whatever
// its length; a value of another type reads as its number or as nothing.
TEST_F(RegistryTest, TextValuesRoundTripUnderNewKeysAndOtherTypesReadSafely)
{
    const CString deep = m_key + "Common\\MRUT\\";
    EXPECT_EQ("", Get(deep, "incr"));
    const CString values[] = {"15", "", "\x80\xFF\xE9", CString('x', 100000)};
    for (const CString& value : values)
    {
        SCOPED_TRACE(value.Left(20).GetString());
        ASSERT_TRUE(RegistryUtils::CreateKeyAndValue(HKEY_CURRENT_USER, deep, "incr", value, false));
        EXPECT_EQ(value, Get(deep, "incr"));
    }

    HKEY hKey = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, RegOpenKeyExA(HKEY_CURRENT_USER, m_key, 0, KEY_SET_VALUE, &hKey));
    DWORD number = 30;
    RegSetValueExA(hKey, "dword", 0, REG_DWORD, reinterpret_cast<BYTE*>(&number), sizeof(number));
    const BYTE binary[] = {1, 2, 3};
    RegSetValueExA(hKey, "binary", 0, REG_BINARY, binary, sizeof(binary));
    const char unterminated[] = {'a', 'b'};
    RegSetValueExA(hKey, "raw", 0, REG_SZ, reinterpret_cast<const BYTE*>(unterminated), 2);
    RegCloseKey(hKey);
    EXPECT_EQ("30", Get(m_key, "dword"));
    EXPECT_EQ("", Get(m_key, "binary"));
    EXPECT_EQ("ab", Get(m_key, "raw"));
}

// An empty key names the root itself: deleting it would take every setting of the user.
TEST(RegistryUtils, RefusesToDeleteARootOrToUseNone)
{
    EXPECT_FALSE(RegistryUtils::DeleteKey(HKEY_CURRENT_USER, ""));
    EXPECT_FALSE(RegistryUtils::DeleteKey(HKEY_CURRENT_USER, "\\\\"));
    EXPECT_FALSE(RegistryUtils::CreateKeyAndValue(nullptr, "Software\\x", "v", "d", false));
    EXPECT_EQ("", RegistryUtils::GetKeyValue(nullptr, "Software", "v", false));
}

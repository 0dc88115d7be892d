#include "RegistryUtils.h"
#include <gtest/gtest.h>

namespace
{
// A key of its own under HKCU\Software for each test, deleted afterwards.
class RegistryTest : public testing::Test
{
protected:
    void SetUp() override { m_key.Format("Software\\OrvutilTest-%lu-%lu\\", GetCurrentProcessId(), GetTickCount()); }
    void TearDown() override
    {
        EXPECT_TRUE(RegistryUtils::DeleteKey(HKEY_CURRENT_USER, m_key));
        HKEY hKey = nullptr;
        EXPECT_NE(ERROR_SUCCESS, RegOpenKeyExA(HKEY_CURRENT_USER, m_key, 0, KEY_READ, &hKey));
    }
    CString Get(const CString& key, const char* name, bool expand = false) const
    {
        return RegistryUtils::GetKeyValue(HKEY_CURRENT_USER, key, name, expand);
    }

    CString m_key;
};
}

TEST_F(RegistryTest, TextValuesRoundTripUnderNewKeys)
{
    const CString deep = m_key + "Common\\MRUT\\";
    EXPECT_EQ("", Get(deep, "incr"));
    const CString values[] = {"15", "", "text with spaces", "\x80\xFF\xE9", "a\\b", CString('x', 100000)};
    for (const CString& value : values)
    {
        SCOPED_TRACE(value.Left(20).GetString());
        ASSERT_TRUE(RegistryUtils::CreateKeyAndValue(HKEY_CURRENT_USER, deep, "incr", value, false));
        EXPECT_EQ(value, Get(deep, "incr"));
        // The same key written without its trailing backslash, or with a leading one.
        EXPECT_EQ(value, Get("\\" + deep.Left(deep.GetLength() - 1), "incr", true));
    }
    ASSERT_TRUE(RegistryUtils::CreateKeyAndValue(HKEY_CURRENT_USER, m_key, "", "default", false));
    EXPECT_EQ("default", Get(m_key, ""));
}

TEST_F(RegistryTest, ExpandableValuesOtherTypesAndDeletion)
{
    SetEnvironmentVariableA("ORVUTIL_TEST_VAR", "expanded");
    ASSERT_TRUE(RegistryUtils::CreateKeyAndValue(HKEY_CURRENT_USER, m_key, "path", "%ORVUTIL_TEST_VAR%\\x", true));
    EXPECT_EQ("expanded\\x", Get(m_key, "path", true));
    EXPECT_EQ("%ORVUTIL_TEST_VAR%\\x", Get(m_key, "path"));

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

    EXPECT_TRUE(RegistryUtils::DeleteValue(HKEY_CURRENT_USER, m_key, "dword"));
    EXPECT_EQ("", Get(m_key, "dword"));
    EXPECT_TRUE(RegistryUtils::DeleteValue(HKEY_CURRENT_USER, m_key + "missing", "x"));
}

TEST(RegistryUtils, RefusesWhatItCannotAddress)
{
    EXPECT_FALSE(RegistryUtils::DeleteKey(HKEY_CURRENT_USER, ""));
    EXPECT_FALSE(RegistryUtils::DeleteKey(HKEY_CURRENT_USER, "\\\\"));
    EXPECT_FALSE(RegistryUtils::CreateKeyAndValue(nullptr, "Software\\x", "v", "d", false));
    EXPECT_EQ("", RegistryUtils::GetKeyValue(nullptr, "Software", "v", false));
    EXPECT_EQ("", RegistryUtils::GetKeyValue(HKEY_CURRENT_USER, CString('k', 5000), "v", false));
}

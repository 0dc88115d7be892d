// Code page 932 itself, and the registry helpers under it: key names ending in a trail byte
// that looks like a backslash.
#include <gtest/gtest.h>
#include "Japanese.h"
#include "RegistryUtils.h"
#include "ScratchDir.h"
#include "WindowsEditBytes.h"

using namespace dbcstest;

namespace
{
// Nothing here means anything under another code page: the run stops before the first test.
// Every edit of the run behaves as Windows' edit does under this code page.
class CodePage932 : public testing::Environment
{
public:
    void SetUp() override
    {
        ASSERT_EQ(::GetACP(), 932u) << "run this executable in the Japanese prefix";
        EmulateWindowsEditBytes();
    }
};
const testing::Environment* const g_codePage = testing::AddGlobalTestEnvironment(new CodePage932);
}

// Regression: a key name ending in a 0x5C trail byte lost it as a "trailing backslash", so the
// value went under another key.
TEST(DbcsText, RegistryKeysKeepNamesEndingInA5CTrailByte)
{
    const std::string key = "Software\\orv-dbcs-test\\" + kHyou;
    harness::RegistryKeyGuard guard(HKEY_CURRENT_USER, "Software\\orv-dbcs-test");
    ASSERT_TRUE(RegistryUtils::CreateKeyAndValue(HKEY_CURRENT_USER, (key + "\\").c_str(), "v", "x", false));
    HKEY hKey = nullptr;
    ASSERT_EQ(::RegOpenKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, KEY_READ, &hKey), ERROR_SUCCESS);
    ::RegCloseKey(hKey);
    EXPECT_EQ(RegistryUtils::GetKeyValue(HKEY_CURRENT_USER, key.c_str(), "v", false), CString("x"));
}

// Runs the geometry and change tests again in processes started at 144 and 192 DPI. Wine reads
// the system DPI from the registry when a process starts: the value is set for the child and put
// back as it was, whatever the child does. CTest runs this executable alone (RUN_SERIAL), so no
// other test starts while the value is changed.
#include <gtest/gtest.h>
#include <string>
#include "DpiFixture.h"

namespace
{
const char* const kDesktopKey = "Control Panel\\Desktop";
const char* const kLogPixels = "LogPixels";
const DWORD kChildTimeoutMs = 300000;

// Sets the user's LogPixels for the processes started while it lives.
class LogPixelsGuard
{
public:
    explicit LogPixelsGuard(DWORD dpi)
    {
        if (::RegCreateKeyExA(HKEY_CURRENT_USER, kDesktopKey, 0, nullptr, 0, KEY_QUERY_VALUE | KEY_SET_VALUE, nullptr,
                              &m_hKey, nullptr) != ERROR_SUCCESS)
        {
            m_hKey = nullptr;
            return;
        }
        DWORD size = sizeof(m_old);
        DWORD type = 0;
        m_bHadValue = ::RegQueryValueExA(m_hKey, kLogPixels, nullptr, &type, reinterpret_cast<BYTE*>(&m_old), &size) ==
                          ERROR_SUCCESS &&
                      type == REG_DWORD;
        m_bSet = Write(dpi);
    }
    ~LogPixelsGuard()
    {
        if (m_hKey == nullptr)
            return;
        if (m_bHadValue)
            Write(m_old);
        else
            ::RegDeleteValueA(m_hKey, kLogPixels);
        ::RegCloseKey(m_hKey);
    }
    LogPixelsGuard(const LogPixelsGuard&) = delete;
    LogPixelsGuard& operator=(const LogPixelsGuard&) = delete;

    bool IsSet() const { return m_bSet; }

private:
    bool Write(DWORD dpi)
    {
        return ::RegSetValueExA(m_hKey, kLogPixels, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&dpi), sizeof(dpi)) ==
               ERROR_SUCCESS;
    }

    HKEY m_hKey = nullptr;
    DWORD m_old = 0;
    bool m_bHadValue = false;
    bool m_bSet = false;
};

// This executable with the DPI tests only, told the DPI it should find; its exit code.
DWORD RunSelfAt(UINT dpi)
{
    char path[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string command = std::string("\"") + path + "\" --gtest_color=no --gtest_filter=DpiGeometry.*:DpiChange.*";
    ::SetEnvironmentVariableA("ORV_TEST_DPI", std::to_string(dpi).c_str());
    STARTUPINFOA si = {};
    si.cb = sizeof(si);
    si.dwFlags = STARTF_USESTDHANDLES;
    si.hStdInput = ::GetStdHandle(STD_INPUT_HANDLE);
    si.hStdOutput = ::GetStdHandle(STD_OUTPUT_HANDLE);
    si.hStdError = ::GetStdHandle(STD_ERROR_HANDLE);
    PROCESS_INFORMATION pi = {};
    const BOOL started = ::CreateProcessA(nullptr, &command[0], nullptr, nullptr, TRUE, 0, nullptr, nullptr, &si, &pi);
    ::SetEnvironmentVariableA("ORV_TEST_DPI", nullptr);
    if (!started)
        return static_cast<DWORD>(-1);
    DWORD code = static_cast<DWORD>(-2);
    if (::WaitForSingleObject(pi.hProcess, kChildTimeoutMs) == WAIT_OBJECT_0)
        ::GetExitCodeProcess(pi.hProcess, &code);
    else
        ::TerminateProcess(pi.hProcess, code);
    ::CloseHandle(pi.hThread);
    ::CloseHandle(pi.hProcess);
    return code;
}

TEST(DpiRun, GeometryAndChangesHoldAt144And192Dpi)
{
    if (std::getenv("ORV_TEST_DPI") != nullptr)
        GTEST_SKIP() << "a run at a chosen DPI starts no further runs";
    for (const UINT dpi : { 144u, 192u })
    {
        SCOPED_TRACE(testing::Message() << dpi << " DPI");
        LogPixelsGuard guard(dpi);
        ASSERT_TRUE(guard.IsSet());
        EXPECT_EQ(RunSelfAt(dpi), 0u) << "the run at this DPI failed (-1: not started, -2: timed out)";
    }
}
}

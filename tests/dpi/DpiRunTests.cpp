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
        // The user's value (or its absence) is put back as soon as the child ends.
        DWORD old = 0;
        DWORD size = sizeof(old);
        const bool bHadValue = ::RegGetValueA(HKEY_CURRENT_USER, kDesktopKey, kLogPixels, RRF_RT_REG_DWORD, nullptr,
                                              &old, &size) == ERROR_SUCCESS;
        ASSERT_EQ(::RegSetKeyValueA(HKEY_CURRENT_USER, kDesktopKey, kLogPixels, REG_DWORD, &dpi, sizeof(dpi)),
                  ERROR_SUCCESS);
        const DWORD code = RunSelfAt(dpi);
        if (bHadValue)
            ::RegSetKeyValueA(HKEY_CURRENT_USER, kDesktopKey, kLogPixels, REG_DWORD, &old, sizeof(old));
        else
            ::RegDeleteKeyValueA(HKEY_CURRENT_USER, kDesktopKey, kLogPixels);
        EXPECT_EQ(code, 0u) << "the run at this DPI failed (-1: not started, -2: timed out)";
    }
}
}

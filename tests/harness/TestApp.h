// The test host application: an application object with a main window, so that the
// current thread's main window exists as in a real host, and the pump that every input helper
// runs after injecting input (so PreTranslateMessage sees each message as in a real host).
#pragma once
#include <afxwin.h>
#include <functional>

class CTestApp : public CWinApp
{
public:
    CTestApp();
    BOOL InitInstance() override;
    int ExitInstance() override;
};

namespace harness
{
// Handles every queued message through the application's own pump, then runs idle processing.
void Pump();

// Pumps until cond() holds or timeoutMs passes; returns whether it held.
bool WaitUntil(const std::function<bool()>& cond, DWORD timeoutMs = 3000);
}

// Fails the test at the caller's line when cond does not come true in time.
#define EXPECT_EVENTUALLY(cond) EXPECT_TRUE(harness::WaitUntil([&] { return static_cast<bool>(cond); })) << #cond
#define ASSERT_EVENTUALLY(cond) ASSERT_TRUE(harness::WaitUntil([&] { return static_cast<bool>(cond); })) << #cond

// The DPI tests' drop windows, opened as the host opens them. The process's DPI is the one
// DpiRunTests started it at (ORV_TEST_DPI), 96 without it.
#pragma once
#include <cstdlib>
#include "DpiScale.h"
#include "DropWnd.h"
#include "../framework/ControlHost.h"

namespace dpitest
{
// Opens the edit's drop window as the host does; its window, or null when it stays shut.
template <class TEdit>
HWND OpenDrop(TEdit* pEdit)
{
    pEdit->ShowDropWnd(true, false, true);
    const HWND hDrop = pEdit->m_pDropWnd != nullptr ? pEdit->m_pDropWnd->m_hWnd : nullptr;
    EXPECT_TRUE(harness::WaitUntil([&] { return hDrop != nullptr && ::IsWindowVisible(hDrop); }, 2000));
    return hDrop;
}
}

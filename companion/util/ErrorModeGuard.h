// Keeps the system from asking the user about a missing disk while this thread probes a path:
// a removable or network drive without media then fails quietly instead of opening a dialog.
// Internal to orvutil.dll.
#pragma once
#include <afx.h>

class ErrorModeGuard
{
public:
    ErrorModeGuard();
    ~ErrorModeGuard();

    ErrorModeGuard(const ErrorModeGuard&) = delete;
    ErrorModeGuard& operator=(const ErrorModeGuard&) = delete;

private:
    DWORD m_nPreviousMode;
    bool m_bChanged;
};

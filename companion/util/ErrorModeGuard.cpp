#include "ErrorModeGuard.h"

// The per-thread variant: the process-wide error mode belongs to the host, and another thread
// may rely on it while we probe.
ErrorModeGuard::ErrorModeGuard() : m_nPreviousMode(0), m_bChanged(false)
{
    m_bChanged = SetThreadErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX,
                                    &m_nPreviousMode) != FALSE;
}

ErrorModeGuard::~ErrorModeGuard()
{
    if (m_bChanged)
        SetThreadErrorMode(m_nPreviousMode, nullptr);
}

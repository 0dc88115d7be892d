// Records the ORVN_* notifications that a window receives in WM_COMMAND, each with what the host
// would read at that moment (the edit's text, a date...), taken by a snapshot function while
// the notification is being delivered. One spy at a time; it hooks the current thread.
#pragma once
#include <windows.h>
#include <functional>
#include <string>
#include "DropNotifications.h"

namespace harness
{
class NotificationSpy
{
public:
    NotificationSpy(HWND hParent, std::function<std::string()> snapshot = nullptr)
        : m_hParent(hParent), m_snapshot(std::move(snapshot))
    {
        s_pActive = this;
        m_hHook = ::SetWindowsHookExA(WH_CALLWNDPROC, &NotificationSpy::Hook, nullptr, ::GetCurrentThreadId());
    }
    ~NotificationSpy()
    {
        if (m_hHook != nullptr)
            ::UnhookWindowsHookEx(m_hHook);
        s_pActive = nullptr;
    }
    NotificationSpy(const NotificationSpy&) = delete;
    NotificationSpy& operator=(const NotificationSpy&) = delete;

    // "DROPDOWN SELENDOK(snapshot) CLOSEUP": the codes in order, the snapshot beside SELENDOK.
    const std::string& Sequence() const { return m_sequence; }

private:
    static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam)
    {
        const CWPSTRUCT* pMsg = reinterpret_cast<const CWPSTRUCT*>(lParam);
        NotificationSpy* pSpy = s_pActive;
        if (code == HC_ACTION && pSpy != nullptr && pMsg->hwnd == pSpy->m_hParent && pMsg->message == WM_COMMAND)
            pSpy->Record(HIWORD(pMsg->wParam));
        return ::CallNextHookEx(nullptr, code, wParam, lParam);
    }
    void Record(WORD code)
    {
        const char* name = code == ORVN_DROPDOWN       ? "DROPDOWN"
                           : code == ORVN_CLOSEUP      ? "CLOSEUP"
                           : code == ORVN_SELENDOK     ? "SELENDOK"
                           : code == ORVN_SELENDCANCEL ? "SELENDCANCEL"
                                                       : nullptr;
        if (name == nullptr)
            return;
        if (!m_sequence.empty())
            m_sequence += ' ';
        m_sequence += name;
        if (code == ORVN_SELENDOK && m_snapshot)
            m_sequence += "(" + m_snapshot() + ")";
    }

    static inline NotificationSpy* s_pActive = nullptr;
    HWND m_hParent;
    std::function<std::string()> m_snapshot;
    HHOOK m_hHook = nullptr;
    std::string m_sequence;
};
}

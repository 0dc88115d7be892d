#include "MessageRecorder.h"

namespace harness
{
namespace
{
MessageRecorder* g_pActive = nullptr;
}

MessageRecorder::MessageRecorder()
{
    g_pActive = this;
    m_hCallWndHook = ::SetWindowsHookExA(WH_CALLWNDPROC, &CallWndProc, nullptr, ::GetCurrentThreadId());
    m_hGetMsgHook = ::SetWindowsHookExA(WH_GETMESSAGE, &GetMsgProc, nullptr, ::GetCurrentThreadId());
}

MessageRecorder::~MessageRecorder()
{
    ::UnhookWindowsHookEx(m_hCallWndHook);
    ::UnhookWindowsHookEx(m_hGetMsgHook);
    if (g_pActive == this)
        g_pActive = nullptr;
}

void MessageRecorder::Watch(HWND hWnd, const char* name) { m_names[hWnd] = name; }
void MessageRecorder::Clear() { m_messages.clear(); }

void MessageRecorder::Record(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (m_names.count(hWnd) != 0)
        m_messages.push_back(RecordedMessage{ hWnd, message, wParam, lParam });
}

LRESULT CALLBACK MessageRecorder::CallWndProc(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HC_ACTION && g_pActive != nullptr)
    {
        const CWPSTRUCT* p = reinterpret_cast<const CWPSTRUCT*>(lParam);
        g_pActive->Record(p->hwnd, p->message, p->wParam, p->lParam);
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

LRESULT CALLBACK MessageRecorder::GetMsgProc(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HC_ACTION && wParam == PM_REMOVE && g_pActive != nullptr)
    {
        const MSG* p = reinterpret_cast<const MSG*>(lParam);
        g_pActive->Record(p->hwnd, p->message, p->wParam, p->lParam);
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

std::vector<RecordedMessage> MessageRecorder::Of(HWND hWnd, UINT message) const
{
    std::vector<RecordedMessage> result;
    for (const RecordedMessage& m : m_messages)
    {
        if (m.hWnd == hWnd && m.message == message)
            result.push_back(m);
    }
    return result;
}
}

#include "MessageRecorder.h"
#include <set>
#include <sstream>

namespace harness
{
namespace
{
MessageRecorder* g_pActive = nullptr;

const char* DeliveryName(Delivery d)
{
    return d == Delivery::Sent ? "sent" : d == Delivery::Posted ? "posted" : "any";
}
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

void MessageRecorder::Record(HWND hWnd, UINT message, Delivery delivery, WPARAM wParam, LPARAM lParam)
{
    if (m_names.count(hWnd) != 0)
        m_messages.push_back(RecordedMessage{ hWnd, message, delivery, wParam, lParam });
}

LRESULT CALLBACK MessageRecorder::CallWndProc(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HC_ACTION && g_pActive != nullptr)
    {
        const CWPSTRUCT* p = reinterpret_cast<const CWPSTRUCT*>(lParam);
        g_pActive->Record(p->hwnd, p->message, Delivery::Sent, p->wParam, p->lParam);
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

LRESULT CALLBACK MessageRecorder::GetMsgProc(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HC_ACTION && wParam == PM_REMOVE && g_pActive != nullptr)
    {
        const MSG* p = reinterpret_cast<const MSG*>(lParam);
        g_pActive->Record(p->hwnd, p->message, Delivery::Posted, p->wParam, p->lParam);
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

std::string MessageRecorder::Describe(const std::vector<RecordedMessage>& messages) const
{
    std::ostringstream out;
    for (const RecordedMessage& m : messages)
    {
        auto it = m_names.find(m.hWnd);
        out << "  " << (it != m_names.end() ? it->second : "?") << " 0x" << std::hex << m.message << " "
            << DeliveryName(m.delivery) << " w=0x" << m.wParam << " l=0x" << m.lParam << std::dec << "\n";
    }
    return out.str();
}

testing::AssertionResult MessageRecorder::Matches(const std::vector<ExpectedMessage>& expected) const
{
    std::set<UINT> ids;
    for (const ExpectedMessage& e : expected)
        ids.insert(e.message);
    std::vector<RecordedMessage> actual;
    for (const RecordedMessage& m : m_messages)
    {
        if (ids.count(m.message) != 0)
            actual.push_back(m);
    }
    bool same = actual.size() == expected.size();
    for (size_t i = 0; same && i < actual.size(); ++i)
    {
        const ExpectedMessage& e = expected[i];
        const RecordedMessage& a = actual[i];
        auto it = m_names.find(a.hWnd);
        same = it != m_names.end() && it->second == e.window && a.message == e.message &&
               (e.delivery == Delivery::Any || e.delivery == a.delivery) &&
               (!e.checkWParam || e.wParam == a.wParam) && (!e.checkLParam || e.lParam == a.lParam);
    }
    if (same)
        return testing::AssertionSuccess();
    std::ostringstream out;
    out << "message sequence differs\nexpected:\n";
    for (const ExpectedMessage& e : expected)
    {
        out << "  " << e.window << " 0x" << std::hex << e.message << " " << DeliveryName(e.delivery);
        if (e.checkWParam)
            out << " w=0x" << e.wParam;
        if (e.checkLParam)
            out << " l=0x" << e.lParam;
        out << std::dec << "\n";
    }
    out << "actual:\n" << Describe(actual);
    return testing::AssertionFailure() << out.str();
}
}

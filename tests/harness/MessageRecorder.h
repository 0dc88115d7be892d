// Records the messages that watched windows receive, sent (before the window procedure runs) or
// posted (as the pump takes them), with their parameters, so tests can compare sequences.
// One recorder is active at a time; it hooks the current thread for its lifetime.
#pragma once
#include <gtest/gtest.h>
#include <windows.h>
#include <map>
#include <string>
#include <vector>

namespace harness
{
enum class Delivery
{
    Sent,
    Posted,
    Any,
};

struct RecordedMessage
{
    HWND hWnd;
    UINT message;
    Delivery delivery;
    WPARAM wParam;
    LPARAM lParam;
};

// One row of an expected sequence; parameters are compared only when their flag is set.
struct ExpectedMessage
{
    const char* window;
    UINT message;
    Delivery delivery = Delivery::Any;
    bool checkWParam = false;
    WPARAM wParam = 0;
    bool checkLParam = false;
    LPARAM lParam = 0;
};

class MessageRecorder
{
public:
    MessageRecorder();
    ~MessageRecorder();
    MessageRecorder(const MessageRecorder&) = delete;
    MessageRecorder& operator=(const MessageRecorder&) = delete;

    void Watch(HWND hWnd, const char* name);
    void Clear();
    std::vector<RecordedMessage> Of(HWND hWnd, UINT message) const;
    size_t Count(HWND hWnd, UINT message) const { return Of(hWnd, message).size(); }

    // Compares the recorded messages whose identifiers appear in `expected` with `expected`,
    // in order; prints both lists when they differ.
    testing::AssertionResult Matches(const std::vector<ExpectedMessage>& expected) const;
    std::string Describe(const std::vector<RecordedMessage>& messages) const;

private:
    static LRESULT CALLBACK CallWndProc(int code, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK GetMsgProc(int code, WPARAM wParam, LPARAM lParam);
    void Record(HWND hWnd, UINT message, Delivery delivery, WPARAM wParam, LPARAM lParam);

    HHOOK m_hCallWndHook;
    HHOOK m_hGetMsgHook;
    std::map<HWND, std::string> m_names;
    std::vector<RecordedMessage> m_messages;
};
}

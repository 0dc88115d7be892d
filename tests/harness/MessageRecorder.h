// Records the messages that watched windows receive, sent (before the window procedure runs) or
// posted (as the pump takes them), with their parameters, in the order they arrive.
// One recorder is active at a time; it hooks the current thread for its lifetime.
#pragma once
#include <windows.h>
#include <map>
#include <string>
#include <vector>

namespace harness
{
struct RecordedMessage
{
    HWND hWnd;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
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

private:
    static LRESULT CALLBACK CallWndProc(int code, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK GetMsgProc(int code, WPARAM wParam, LPARAM lParam);
    void Record(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);

    HHOOK m_hCallWndHook;
    HHOOK m_hGetMsgHook;
    std::map<HWND, std::string> m_names;
    std::vector<RecordedMessage> m_messages;
};
}

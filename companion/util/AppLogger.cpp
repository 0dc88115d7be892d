#include "AppLogger.h"

AppLogger* AppLogger::m_pInstance = nullptr;

AppLogger::AppLogger()
{
    m_pInstance = this;
}

AppLogger::AppLogger(const CString& filePath) : m_strFilePath(filePath)
{
    m_pInstance = this;
}

AppLogger::~AppLogger()
{
    if (m_pInstance == this)
        m_pInstance = nullptr;
}

void AppLogger::AddLine(const CString& line)
{
    CString text = line;
    text.Replace('\r', ' ');
    text.Replace('\n', ' ');
    text += "\r\n";
    if (m_strFilePath.IsEmpty())
    {
        OutputDebugStringA(text);
        return;
    }
    // Opened per line and shared, so that the host and other processes can read the log while
    // it grows, and a line written is on disk.
    HANDLE hFile = CreateFileA(m_strFilePath, FILE_APPEND_DATA,
                               FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                               OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (hFile == INVALID_HANDLE_VALUE)
        return;
    DWORD written = 0;
    WriteFile(hFile, text.GetString(), static_cast<DWORD>(text.GetLength()), &written, nullptr);
    CloseHandle(hFile);
}

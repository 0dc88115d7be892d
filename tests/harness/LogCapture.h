// A logger that keeps the lines it is given, installed as the process's logger for its
// lifetime (only for test executables that link the utility library).
#pragma once
#include <AppLogger.h>
#include <vector>

namespace harness
{
class LogCapture : public AppLogger
{
public:
    void AddLine(const CString& line) override { m_lines.push_back(line); }
    const std::vector<CString>& Lines() const { return m_lines; }
    void Clear() { m_lines.clear(); }

private:
    std::vector<CString> m_lines;
};
}

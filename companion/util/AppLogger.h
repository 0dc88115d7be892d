/// @class AppLogger
/// The host's logger: one instance per process, made by the host and reached by every module
/// through m_pInstance. Each line is appended to the file the host names, or sent to the
/// debugger output when it names none. Subclasses may send lines elsewhere by overriding AddLine.
#pragma once
#include <afx.h>
#include "UtilApi.h"

class ORVUTIL_API AppLogger
{
public:
    /// Each constructor makes the new logger the instance (replacing an earlier one): without
    /// a path lines go to the debugger output, with one they are appended to that file.
    ///@{
    AppLogger();
    explicit AppLogger(const CString& filePath);
    ///@}
    /// Clears the instance when it is this logger.
    virtual ~AppLogger();

    /// One instance per process: not copyable.
    ///@{
    AppLogger(const AppLogger&) = delete;
    AppLogger& operator=(const AppLogger&) = delete;
    ///@}

    /// Writes line as one line: line breaks inside it become spaces. A file that cannot be
    /// opened loses the line quietly.
    virtual void AddLine(const CString& line);

    /// The file lines go to; empty for the debugger output.
    const CString& GetFilePath() const { return m_strFilePath; }

    /// The logger of the process, null until a host makes one.
    static AppLogger* m_pInstance;

private:
    CString m_strFilePath;
};

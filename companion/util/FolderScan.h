// Walks the entries of one folder through the find API, without "." and "..", and without
// entries whose ANSI names cannot be handed back to the file API (characters outside the code
// page, which the ANSI listing gives as '?' or as a look-alike of another name). Internal to
// orvutil.dll; owns the find handle.
#pragma once
#include <afx.h>
#include "ErrorModeGuard.h"

class FolderScan
{
public:
    // folder: a normalized, well-formed path; a missing or unreadable folder has no entries.
    explicit FolderScan(const CString& folder);
    ~FolderScan();

    FolderScan(const FolderScan&) = delete;
    FolderScan& operator=(const FolderScan&) = delete;

    // The next entry; false at the end.
    bool Next(WIN32_FIND_DATAA& entry);

    // The scanned folder with its trailing backslash.
    const CString& GetFolder() const { return m_strFolder; }

    static bool IsFolder(const WIN32_FIND_DATAA& entry)
    {
        return (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    }

private:
    bool Accept(const WIN32_FIND_DATAA& entry) const;

    ErrorModeGuard m_guard;
    CString m_strFolder;
    HANDLE m_hFind;
    WIN32_FIND_DATAW m_first;
    bool m_bFirstPending;
};

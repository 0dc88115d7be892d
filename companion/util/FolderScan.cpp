#include "FolderScan.h"
#include "PathProbe.h"
#include <cwchar>

namespace
{
// The ANSI form of a wide name, or false when the code page cannot spell it: characters outside
// the code page come back as '?' or as a best-fit look-alike ("Omega" for a Greek capital
// omega), and no ANSI path of that spelling reaches the entry.
bool ToAnsiName(const WCHAR* wide, char* ansi, int ansiSize)
{
    BOOL usedDefault = FALSE;
    const int written = ::WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide, -1, ansi, ansiSize, nullptr,
                                              &usedDefault);
    if (written <= 0 || usedDefault)
        return false;
    // Not every system honours the no-best-fit flag: the name must come back as it was.
    WCHAR back[MAX_PATH];
    const int read = ::MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, ansi, -1, back, MAX_PATH);
    return read > 0 && wcscmp(back, wide) == 0;
}

// The entry in the ANSI form the callers use; false when its name has no faithful ANSI form.
bool ToAnsiEntry(const WIN32_FIND_DATAW& wide, WIN32_FIND_DATAA& entry)
{
    entry = WIN32_FIND_DATAA();
    entry.dwFileAttributes = wide.dwFileAttributes;
    entry.ftCreationTime = wide.ftCreationTime;
    entry.ftLastAccessTime = wide.ftLastAccessTime;
    entry.ftLastWriteTime = wide.ftLastWriteTime;
    entry.nFileSizeHigh = wide.nFileSizeHigh;
    entry.nFileSizeLow = wide.nFileSizeLow;
    entry.dwReserved0 = wide.dwReserved0;
    entry.dwReserved1 = wide.dwReserved1;
    if (!ToAnsiName(wide.cFileName, entry.cFileName, sizeof(entry.cFileName)))
        return false;
    if (!ToAnsiName(wide.cAlternateFileName, entry.cAlternateFileName, sizeof(entry.cAlternateFileName)))
        entry.cAlternateFileName[0] = '\0';
    return true;
}
}

FolderScan::FolderScan(const CString& folder)
    : m_strFolder(PathProbe::WithTrailingSlash(folder)), m_hFind(INVALID_HANDLE_VALUE),
      m_first(), m_bFirstPending(false)
{
    CString pattern = m_strFolder + "*";
    if (folder.IsEmpty() || pattern.GetLength() >= MAX_PATH)
        return;
    // The wide listing gives the true names; the ANSI one would hand out look-alike spellings.
    WCHAR widePattern[MAX_PATH];
    if (::MultiByteToWideChar(CP_ACP, 0, pattern, -1, widePattern, MAX_PATH) <= 0)
        return;
    m_hFind = FindFirstFileExW(widePattern, FindExInfoBasic, &m_first, FindExSearchNameMatch,
                               nullptr, 0);
    m_bFirstPending = m_hFind != INVALID_HANDLE_VALUE;
}

FolderScan::~FolderScan()
{
    if (m_hFind != INVALID_HANDLE_VALUE)
        FindClose(m_hFind);
}

bool FolderScan::Accept(const WIN32_FIND_DATAA& entry) const
{
    const char* name = entry.cFileName;
    if (name[0] == '\0' || strcmp(name, ".") == 0 || strcmp(name, "..") == 0)
        return false;
    return strchr(name, '?') == nullptr &&
           m_strFolder.GetLength() + static_cast<int>(strlen(name)) + 1 < MAX_PATH;
}

bool FolderScan::Next(WIN32_FIND_DATAA& entry)
{
    if (m_hFind == INVALID_HANDLE_VALUE)
        return false;
    for (;;)
    {
        WIN32_FIND_DATAW wide;
        if (m_bFirstPending)
        {
            wide = m_first;
            m_bFirstPending = false;
        }
        else if (!FindNextFileW(m_hFind, &wide))
        {
            FindClose(m_hFind);
            m_hFind = INVALID_HANDLE_VALUE;
            return false;
        }
        if (ToAnsiEntry(wide, entry) && Accept(entry))
            return true;
    }
}

#include "FolderScan.h"
#include "PathProbe.h"

FolderScan::FolderScan(const CString& folder)
    : m_strFolder(PathProbe::WithTrailingSlash(folder)), m_hFind(INVALID_HANDLE_VALUE),
      m_first(), m_bFirstPending(false)
{
    CString pattern = m_strFolder + "*";
    if (folder.IsEmpty() || pattern.GetLength() >= MAX_PATH)
        return;
    m_hFind = FindFirstFileExA(pattern, FindExInfoBasic, &m_first, FindExSearchNameMatch,
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
        if (m_bFirstPending)
        {
            entry = m_first;
            m_bFirstPending = false;
        }
        else if (!FindNextFileA(m_hFind, &entry))
        {
            FindClose(m_hFind);
            m_hFind = INVALID_HANDLE_VALUE;
            return false;
        }
        if (Accept(entry))
            return true;
    }
}

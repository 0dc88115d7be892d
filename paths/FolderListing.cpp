#include "FolderListing.h"
#include "DirUtils.h"

namespace
{
const DWORD kNameFlags = DirUtils::ListSkipHidden | DirUtils::ListSkipSystem | DirUtils::ListSorted;
// File systems keep write times in steps of up to two seconds: a change that falls into the step
// of a reading would leave the time as it was, so a folder written that recently is read again.
const ULONGLONG kTimeStep = 2ULL * 10000000ULL;

ULONGLONG ToNumber(const FILETIME& time)
{
    return (static_cast<ULONGLONG>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
}

bool GetWriteTime(const CString& folder, ULONGLONG& nTime)
{
    CString probed = folder;
    if (probed.GetLength() > 3)
        DirUtils::RemoveTrailingSlash(probed);
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (probed.IsEmpty() || probed.GetLength() >= MAX_PATH ||
        !::GetFileAttributesExA(probed, GetFileExInfoStandard, &data) ||
        (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0)
        return false;
    nTime = ToNumber(data.ftLastWriteTime);
    return true;
}
}

FolderListing::FolderListing() : m_nWriteTime(0), m_bTrusted(false) {}

const TextArray& FolderListing::Read(const CString& folder)
{
    ULONGLONG nWriteTime = 0;
    const bool bHasTime = GetWriteTime(folder, nWriteTime);
    if (bHasTime && m_bTrusted && nWriteTime == m_nWriteTime && folder == m_folder)
        return m_names;
    FILETIME now{};
    ::GetSystemTimeAsFileTime(&now);
    DirUtils::GetDirectoryList(folder, m_names, kNameFlags);
    m_folder = folder;
    m_nWriteTime = nWriteTime;
    m_bTrusted = bHasTime && ToNumber(now) > nWriteTime + kTimeStep;
    return m_names;
}

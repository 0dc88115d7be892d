#include "DirUtils.h"
#include "CharWalk.h"
#include "FolderScan.h"
#include "PathProbe.h"
#include "StringUtils.h"
#include "TextArray.h"

namespace
{
bool PassesFlags(const WIN32_FIND_DATAA& entry, DWORD flags)
{
    if (!FolderScan::IsFolder(entry))
        return false;
    if ((flags & DirUtils::ListSkipHidden) && (entry.dwFileAttributes & FILE_ATTRIBUTE_HIDDEN))
        return false;
    if ((flags & DirUtils::ListSkipSystem) && (entry.dwFileAttributes & FILE_ATTRIBUTE_SYSTEM))
        return false;
    return true;
}

// The folder path to scan, or empty when path is no absolute, well-formed path.
CString FolderToScan(const CString& path)
{
    CString normalized = PathProbe::Normalize(path);
    if (!PathProbe::IsWellFormed(normalized, false))
        return CString();
    return PathProbe::WithTrailingSlash(normalized);
}

int RootLength(const CString& normalized)
{
    if (normalized.GetLength() >= 3 && normalized[1] == ':' && normalized[2] == '\\')
        return 3;
    if (normalized.GetLength() >= 2 && normalized[0] == '\\' && normalized[1] == '\\')
    {
        // "\\server\share\" is the root of a UNC path.
        int serverEnd = CharWalk::Find(normalized, '\\', 2);
        if (serverEnd < 0)
            return normalized.GetLength();
        int shareEnd = CharWalk::Find(normalized, '\\', serverEnd + 1);
        return shareEnd < 0 ? normalized.GetLength() : shareEnd + 1;
    }
    return 0;
}

CString WithoutTrailingSlashes(const CString& normalized)
{
    CString result = normalized;
    while (CharWalk::EndsWith(result, '\\'))
        result.Truncate(result.GetLength() - 1);
    return result;
}
}

bool DirUtils::IsDir(const CString& path, bool mustExist)
{
    CString normalized = PathProbe::Normalize(path);
    if (!PathProbe::IsWellFormed(normalized, false))
        return false;
    // Probed without its trailing backslash, so that a file "name" also answers for "name\".
    CString probed =
        PathProbe::IsRoot(normalized) ? normalized : WithoutTrailingSlashes(normalized);
    DWORD attributes = 0;
    bool exists = PathProbe::GetAttributes(probed, attributes);
    bool isFolder = exists && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    return mustExist ? isFolder : !exists || isFolder;
}

bool DirUtils::DoesDirExist(const CString& path)
{
    return IsDir(path, true);
}

bool DirUtils::HasSubdirectory(const CString& path, DWORD flags)
{
    CString folder = FolderToScan(path);
    if (folder.IsEmpty())
        return false;
    FolderScan scan(folder);
    WIN32_FIND_DATAA entry;
    while (scan.Next(entry))
    {
        if (PassesFlags(entry, flags))
            return true;
    }
    return false;
}

size_t DirUtils::GetDirectoryList(const CString& path, TextArray& dirs, DWORD flags)
{
    dirs.RemoveAll();
    CString folder = FolderToScan(path);
    if (folder.IsEmpty())
        return 0;
    FolderScan scan(folder);
    WIN32_FIND_DATAA entry;
    while (scan.Next(entry))
    {
        if (!PassesFlags(entry, flags))
            continue;
        CString name = CString(entry.cFileName) + "\\";
        dirs.Add((flags & ListFullPaths) ? scan.GetFolder() + name : name);
    }
    if (flags & ListSorted)
        dirs.Sort(true, false, TextArray::ContentText);
    return dirs.GetCount();
}

CString DirUtils::ParsePathFromFile(const CString& path)
{
    CString normalized = PathProbe::Normalize(path);
    int lastSlash = CharWalk::ReverseFind(normalized, '\\');
    return lastSlash < 0 ? CString() : normalized.Left(lastSlash + 1);
}

CString DirUtils::ParseParentDir(const CString& path)
{
    CString trimmed = WithoutTrailingSlashes(PathProbe::Normalize(path));
    int rootLength = RootLength(trimmed + "\\");
    if (rootLength >= trimmed.GetLength())
        return CString();
    int lastSlash = CharWalk::ReverseFind(trimmed, '\\');
    if (lastSlash < 0)
        return CString();
    return trimmed.Left(lastSlash + 1);
}

CString DirUtils::ParseLastDir(const CString& path)
{
    CString trimmed = WithoutTrailingSlashes(PathProbe::Normalize(path));
    int lastSlash = CharWalk::ReverseFind(trimmed, '\\');
    return lastSlash < 0 ? trimmed : trimmed.Mid(lastSlash + 1);
}

void DirUtils::MakePathsRelative(const CString& folder, TextArray& paths)
{
    if (folder.IsEmpty())
        return;
    CString prefix = PathProbe::WithTrailingSlash(PathProbe::Normalize(folder));
    TextArray result;
    result.Reserve(paths.GetCount());
    for (size_t i = 0; i < paths.GetCount(); ++i)
    {
        const CString& entry = paths[i];
        if (StringUtils::MatchFirstChars(entry, prefix, false))
            result.Add(entry.Mid(prefix.GetLength()));
        else
            result.Add(entry);
    }
    paths = result;
}

void DirUtils::RemoveTrailingSlash(CString& path)
{
    int length = path.GetLength();
    while (length > 0 && PathProbe::IsSeparator(path[length - 1]) &&
           CharWalk::Prev(path, length) == length - 1)
    {
        if (length == 3 && path[1] == ':')
            break;
        --length;
    }
    path.Truncate(length);
}

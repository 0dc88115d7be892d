#include "FileUtils.h"
#include "CharWalk.h"
#include "ErrorModeGuard.h"
#include "FolderScan.h"
#include "PathProbe.h"
#include "StringUtils.h"
#include "TextArray.h"

namespace
{
// One listing of GetFileList or HasFile: the filter and flags, and where the entries go (none
// for an existence test, which stops at the first entry).
struct FileQuery
{
    const TextArray& extensions;
    bool recursive;
    bool skipHidden;
    bool skipSystem;
    bool withFolders;
    TextArray* pOut;
};

bool IsSkipped(const WIN32_FIND_DATAA& entry, const FileQuery& query)
{
    DWORD attributes = entry.dwFileAttributes;
    return (query.skipHidden && (attributes & FILE_ATTRIBUTE_HIDDEN)) ||
           (query.skipSystem && (attributes & FILE_ATTRIBUTE_SYSTEM));
}

// Records an entry; true when the query is an existence test, which ends at the first entry.
bool Found(const CString& path, const FileQuery& query)
{
    if (!query.pOut)
        return true;
    query.pOut->Add(path);
    return false;
}

// Lists folder into query.pOut, or tells whether it has an entry when there is no output.
bool ScanFolder(const CString& folder, const FileQuery& query)
{
    FolderScan scan(folder);
    WIN32_FIND_DATAA entry;
    while (scan.Next(entry))
    {
        if (IsSkipped(entry, query))
            continue;
        CString path = scan.GetFolder() + entry.cFileName;
        if (FolderScan::IsFolder(entry))
        {
            path += "\\";
            if (query.withFolders && Found(path, query))
                return true;
            // Links may lead back up the tree; a listing never follows them.
            bool isLink = (entry.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
            if (query.recursive && !isLink && ScanFolder(path, query))
                return true;
        }
        else if (FileUtils::MatchesFilter(entry.cFileName, query.extensions) &&
                 Found(path, query))
        {
            return true;
        }
    }
    return false;
}

// A filter entry as the name ending it stands for: "*.txt", ".txt" and "txt" all give ".txt".
// Returns false for an empty entry, which is ignored; all is set for "*" and "*.*".
bool ReadFilterEntry(const CString& entry, CString& suffix, bool& all)
{
    CString extension = entry;
    extension.Trim();
    all = extension == "*" || extension == "*.*";
    if (extension.IsEmpty() || all)
        return !extension.IsEmpty();
    if (extension[0] == '*')
        extension = extension.Mid(1);
    if (!extension.IsEmpty() && extension[0] == '.')
        extension = extension.Mid(1);
    suffix = extension.IsEmpty() ? CString() : "." + extension;
    return true;
}
}

bool FileUtils::IsFile(const CString& path, bool absoluteOnly, bool mustExist)
{
    CString normalized = PathProbe::Normalize(path);
    if (!PathProbe::IsWellFormed(normalized, !absoluteOnly) || PathProbe::IsRoot(normalized) ||
        CharWalk::EndsWith(normalized, '\\'))
        return false;
    DWORD attributes = 0;
    bool exists = PathProbe::GetAttributes(normalized, attributes);
    bool isFolder = exists && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    return mustExist ? exists && !isFolder : !isFolder;
}

bool FileUtils::DoesFileExist(const CString& path)
{
    DWORD attributes = 0;
    if (!PathProbe::ProbeExisting(path, false, attributes))
        return false;
    // "name\" names a folder; a file of that name does not answer for it.
    bool namesFolder = CharWalk::EndsWith(path, '\\') || CharWalk::EndsWith(path, '/');
    return !namesFolder || (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

CString FileUtils::GetFileExt(const CString& path)
{
    CString name = ParseFileNameFromPath(path, true);
    int dot = name.ReverseFind('.');
    return dot < 0 ? CString() : name.Mid(dot + 1);
}

CString FileUtils::GetCanonicalPath(const CString& path)
{
    DWORD attributes = 0;
    if (!PathProbe::ProbeExisting(path, false, attributes))
        return path;
    const CString normalized = PathProbe::Normalize(path);
    ErrorModeGuard guard;
    char full[MAX_PATH];
    DWORD length = ::GetFullPathNameA(normalized, MAX_PATH, full, nullptr);
    if (length == 0 || length >= MAX_PATH)
        return path;
    char longer[MAX_PATH];
    length = ::GetLongPathNameA(full, longer, MAX_PATH);
    CString canonical = (length == 0 || length >= MAX_PATH) ? CString(full) : CString(longer);
    const bool bFolder = (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    // The result must name the same entry, or the input stands.
    DWORD check = 0;
    if (!PathProbe::GetAttributes(canonical, check) || ((check & FILE_ATTRIBUTE_DIRECTORY) != 0) != bFolder)
        return path;
    if (!PathProbe::IsRoot(canonical))
    {
        while (CharWalk::EndsWith(canonical, '\\'))
            canonical.Truncate(canonical.GetLength() - 1);
        if (bFolder && CharWalk::EndsWith(normalized, '\\'))
            canonical += '\\';
    }
    return canonical;
}

CString FileUtils::ParseFileNameFromPath(const CString& path, bool withExtension)
{
    CString normalized = PathProbe::Normalize(path);
    CString name = normalized.Mid(CharWalk::ReverseFind(normalized, '\\') + 1);
    if (!withExtension)
    {
        int dot = name.ReverseFind('.');
        if (dot >= 0)
            name = name.Left(dot);
    }
    return name;
}

bool FileUtils::MatchesFilter(const CString& fileName, const TextArray& extensions)
{
    bool anyEntry = false;
    for (size_t i = 0; i < extensions.GetCount(); ++i)
    {
        CString suffix;
        bool all = false;
        if (!ReadFilterEntry(extensions[i], suffix, all))
            continue;
        anyEntry = true;
        if (all)
            return true;
        if (suffix.IsEmpty())
        {
            if (GetFileExt(fileName).IsEmpty())
                return true;
            continue;
        }
        if (fileName.GetLength() > suffix.GetLength() &&
            StringUtils::MatchFirstChars(fileName.Right(suffix.GetLength()), suffix, false))
            return true;
    }
    return !anyEntry;
}

size_t FileUtils::GetFileList(const CString& folder, const TextArray& extensions, bool recursive,
                              TextArray& files, bool skipHidden, bool skipSystem,
                              bool withFolders)
{
    // The filter is copied first: the host may pass the output array as the filter.
    TextArray filter(extensions);
    files.RemoveAll();
    CString normalized = PathProbe::Normalize(folder);
    if (!PathProbe::IsWellFormed(normalized, false))
        return 0;
    TextArray listed;
    FileQuery query = {filter, recursive, skipHidden, skipSystem, withFolders, &listed};
    ScanFolder(normalized, query);
    listed.Sort(true, false, TextArray::ContentText);
    files = listed;
    return files.GetCount();
}

bool FileUtils::HasFile(const CString& folder, const TextArray& extensions, bool recursive,
                        bool skipHidden, bool skipSystem, bool withFolders)
{
    CString normalized = PathProbe::Normalize(folder);
    if (!PathProbe::IsWellFormed(normalized, false))
        return false;
    FileQuery query = {extensions, recursive, skipHidden, skipSystem, withFolders, nullptr};
    return ScanFolder(normalized, query);
}

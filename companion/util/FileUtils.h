/// @class FileUtils
/// File paths on the Windows file API: existence checks, names and extensions, and filtered
/// listings of a folder's files. Bad input gives false or an empty list, never an error dialog.
#pragma once
#include <afx.h>
#include "UtilApi.h"

class TextArray;

class ORVUTIL_API FileUtils
{
public:
    /// absoluteOnly: the path must start with a drive ("C:\") or a UNC share; without it, paths
    /// relative to the current folder are accepted too. mustExist true: path is an existing file
    /// (not a folder). mustExist false: path has the form of a file path (a name after the last
    /// backslash) and does not name an existing folder; the file need not exist, so
    /// IsFile(path, true, false) tells a new file's path from a folder's.
    static bool IsFile(const CString& path, bool absoluteOnly, bool mustExist);

    /// True for an existing file or folder (absolute paths only).
    static bool DoesFileExist(const CString& path);

    /// The extension of the path's last component without the dot, letter case kept; empty when
    /// the name has no dot or ends with one.
    static CString GetFileExt(const CString& path);

    /// The full canonical spelling of an absolute path that names an existing file or folder:
    /// "." and ".." segments resolved, doubled backslashes and the trailing spaces and dots that
    /// the file system ignores removed, short names made long. A trailing backslash stays as
    /// given. Any other text comes back unchanged.
    static CString GetCanonicalPath(const CString& path);

    /// The last component of path: the file name with its extension (withExtension true) or
    /// without it.
    static CString ParseFileNameFromPath(const CString& path, bool withExtension);

    /// True when fileName passes the extension filter. Entries "txt", ".txt" and "*.txt" are the
    /// same, letter case ignored, and match names that end with ".txt" (so "tar.gz" works too);
    /// "*" and "*.*" pass every file; "." and "*." pass files without an extension; spaces
    /// around an entry do not count, and empty entries are ignored. A filter without other
    /// entries passes every file.
    static bool MatchesFilter(const CString& fileName, const TextArray& extensions);

    /// Replaces files with the full paths of the folder's files that pass the extension filter,
    /// sorted as TextArray::Sort(true, false, 0). recursive: the files of all subfolders too
    /// (folders that are links are not entered). skipHidden, skipSystem: leave out hidden and
    /// system files and folders. withFolders: list the subfolders too (ending with a backslash,
    /// whatever the filter). Returns the number of entries; 0 for a folder that cannot be read.
    static size_t GetFileList(const CString& folder, const TextArray& extensions, bool recursive,
                              TextArray& files, bool skipHidden, bool skipSystem,
                              bool withFolders);

    /// True when GetFileList with the same arguments would list something; stops at the first
    /// entry found.
    static bool HasFile(const CString& folder, const TextArray& extensions, bool recursive,
                        bool skipHidden, bool skipSystem, bool withFolders);
};

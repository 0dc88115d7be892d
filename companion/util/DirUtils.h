/// @class DirUtils
/// Folder paths on the Windows file API: existence checks, listings and the text form of folder
/// paths. Folder paths handed out end with a backslash. Bad input (relative paths, characters a
/// path cannot hold, MAX_PATH or longer, missing drives, unreadable folders) gives false or an
/// empty list, never an error dialog.
#pragma once
#include <afx.h>
#include "UtilApi.h"

class TextArray;

class ORVUTIL_API DirUtils
{
public:
    /// Flags of GetDirectoryList and HasSubdirectory, combined with |; 0x02 is reserved.
    /// 29 = full paths, sorted, no hidden or system folders (the drive and folder list);
    /// 13 = the same unsorted (the file tree); 12 = no hidden or system folders (existence tests).
    enum ListFlags : DWORD
    {
        ListFullPaths = 0x01,  ///< entries are full paths (folder + name + "\"), else name + "\"
        ListSkipHidden = 0x04, ///< leave out hidden folders
        ListSkipSystem = 0x08, ///< leave out system folders
        ListSorted = 0x10,     ///< ascending as TextArray::Sort(true, false, 0), else disk order
    };

    /// mustExist true: path is an existing folder. false: path has the form of an absolute
    /// folder path and does not name an existing file (no other disk check). Drive roots, UNC
    /// paths and paths with or without a trailing backslash are accepted; relative paths are not.
    static bool IsDir(const CString& path, bool mustExist);

    /// The same as IsDir(path, true).
    static bool DoesDirExist(const CString& path);

    /// True when the folder has a subfolder that passes flags; stops at the first one.
    static bool HasSubdirectory(const CString& path, DWORD flags);

    /// Replaces dirs with the subfolders of path that pass flags, each ending with a backslash.
    /// Returns their number; 0 for a folder that cannot be read.
    static size_t GetDirectoryList(const CString& path, TextArray& dirs, DWORD flags);

    /// The text forms below read the text only, never the disk; "/" counts as "\" and the
    /// results use "\".
    /// Everything up to and including the last backslash ("C:\a\b.txt" gives "C:\a\"); empty when
    /// there is no backslash.
    static CString ParsePathFromFile(const CString& path);
    /// The parent folder ("C:\a\b\" and "C:\a\b" give "C:\a\"); empty for a root ("C:\",
    /// "\\server\share\") and for a single name.
    static CString ParseParentDir(const CString& path);
    /// The last component without backslashes ("C:\a\b\" gives "b", "C:\" gives "C:").
    static CString ParseLastDir(const CString& path);
    /// Removes folder (with or without its trailing backslash, letter case ignored) from the
    /// front of each path that begins with it; other paths stay as they are.
    static void MakePathsRelative(const CString& folder, TextArray& paths);
    /// Removes trailing backslashes, except the one of a drive root ("C:\" stays).
    static void RemoveTrailingSlash(CString& path);
};

// The path texts that the file utilities accept, and the guarded probe of one path on disk.
// Internal to orvutil.dll: DirUtils and FileUtils share these rules so that both refuse the
// same texts.
#pragma once
#include <afx.h>

class PathProbe
{
public:
    // Forward slashes become backslashes and runs of backslashes collapse to one, except the
    // two that open a UNC path. Nothing else changes.
    static CString Normalize(const CString& path);

    // True for a text that the ANSI file API can take as a path: shorter than MAX_PATH, no
    // control characters or < > " | ? *, a colon only after a drive letter, no reserved device
    // name (CON, NUL, COM1 ...) as a component. Absolute means "X:\..." or "\\server\share...";
    // with allowRelative, paths relative to the current folder pass too (never "X:name", which
    // depends on a per-drive current folder).
    static bool IsWellFormed(const CString& normalized, bool allowRelative);

    // "X:\" or "\\server\share" with or without its closing backslash.
    static bool IsRoot(const CString& normalized);

    static bool IsSeparator(char ch) { return ch == '\\' || ch == '/'; }
    static CString WithTrailingSlash(const CString& path);

    // Attributes of an existing file or folder; false when it does not exist or cannot be
    // reached. Never shows an error dialog.
    static bool GetAttributes(const CString& normalized, DWORD& attributes);

    // Normalize, check the form, probe: the path's attributes when it is well formed and exists.
    static bool ProbeExisting(const CString& path, bool allowRelative, DWORD& attributes);

private:
    static bool IsReservedDeviceName(const CString& component);
};

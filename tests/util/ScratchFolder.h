// A scratch folder tree under %TEMP% for one test, removed with everything in it when the
// object goes.
#pragma once
#include <afx.h>

class ScratchFolder
{
public:
    ScratchFolder();
    ~ScratchFolder();

    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    // The folder's full path, ending with a backslash.
    const CString& GetPath() const { return m_strPath; }

    // Creates a folder (and its parents) or a file (and its folders) below the scratch folder;
    // relative is a path like "a\b\" (folder: trailing backslash) or "a\b.txt" (file). Returns
    // the full path.
    CString Make(const CString& relative);
    // Sets file attributes on an existing entry (FILE_ATTRIBUTE_HIDDEN, ...).
    void SetAttributes(const CString& relative, DWORD attributes);

private:
    static void RemoveTree(const CString& folder);

    CString m_strPath;
};

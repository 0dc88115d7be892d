// FolderListing: the sorted names of one folder's visible subfolders, kept between showings and
// read from the disk again only when the folder's last-write time says its entries may have
// changed (creating, deleting or renaming an entry sets that time). A folder of 50,000 folders
// then costs one attribute query per showing instead of a scan. Owns the names it keeps.
#pragma once
#include <afx.h>
#include "TextArray.h"

class FolderListing
{
public:
    FolderListing();

    // The names ("name\") of the visible (neither hidden nor system) subfolders of folder (a
    // folder path ending with a backslash), sorted as TextArray::Sort(true, false, ContentText);
    // empty for what cannot be read. Valid until the next call.
    const TextArray& Read(const CString& folder);

private:
    CString m_folder;       // the folder the kept names belong to
    ULONGLONG m_nWriteTime; // its last-write time when they were read
    bool m_bTrusted;        // the kept names may be handed out again while that time stands
    TextArray m_names;
};

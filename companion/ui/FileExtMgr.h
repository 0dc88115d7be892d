/// @class FileExtMgr
/// FileExtMgr: the process-wide source of file-type icons, asked by extension alone so that
/// listing a folder never opens its files. The host creates it (CreateInstance) and destroys it
/// (DestroyInstance); controls only read it through GetInstance, which is null while the host has
/// made none. Owns nothing: every icon it hands out belongs to the caller.
#pragma once
#include "UiApi.h"
#include <afxwin.h>

class ORVUI_API FileExtMgr
{
public:
    /// The manager, or null when the host has made none.
    static FileExtMgr* GetInstance();
    /// Makes the manager once; later calls return it.
    static FileExtMgr* CreateInstance();
    /// Destroys the manager; GetInstance is null afterwards. Icons already handed out stay valid.
    static void DestroyInstance();

    /// Sets hIcon to the shell's small icon for files of the extension ("txt", ".txt" and "TXT"
    /// are the same) and returns true; the caller destroys it with DestroyIcon. The disk is not
    /// touched. An empty extension, one with characters a file name cannot hold, one that no
    /// file name could end with, or one too long for a file name gives null and false.
    bool GetIconForExt(const CString& ext, HICON& hIcon) const;

    /// One instance per process: not copyable.
    ///@{
    FileExtMgr(const FileExtMgr&) = delete;
    FileExtMgr& operator=(const FileExtMgr&) = delete;
    ///@}

private:
    FileExtMgr();
    ~FileExtMgr();
    static bool MakeProbeName(const CString& ext, CString& name);

    static FileExtMgr* m_pInstance;
};

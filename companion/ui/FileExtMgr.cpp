#include "FileExtMgr.h"
#include <shellapi.h>
#include <cstring>

FileExtMgr* FileExtMgr::m_pInstance = nullptr;

namespace
{
// The probe name is "x." + extension and must fit one path component.
const int kMaxComponent = 255;
const char kBadNameChars[] = "\\/:*?\"<>|";
}

FileExtMgr::FileExtMgr() = default;
FileExtMgr::~FileExtMgr() = default;

FileExtMgr* FileExtMgr::GetInstance() { return m_pInstance; }

FileExtMgr* FileExtMgr::CreateInstance()
{
    if (m_pInstance == nullptr)
        m_pInstance = new FileExtMgr;
    return m_pInstance;
}

void FileExtMgr::DestroyInstance()
{
    delete m_pInstance;
    m_pInstance = nullptr;
}

// Builds "x.ext" from what the host passed, or refuses: the shell is asked about a name that
// could exist, so that a stray path fragment never reaches it as part of a file name.
bool FileExtMgr::MakeProbeName(const CString& ext, CString& name)
{
    CString bare(ext);
    if (!bare.IsEmpty() && bare[0] == '.')
        bare = bare.Mid(1);
    const int nLen = bare.GetLength();
    if (nLen == 0 || nLen > kMaxComponent - 2)
        return false;
    for (int i = 0; i < nLen; ++i)
    {
        const unsigned char ch = static_cast<unsigned char>(bare[i]);
        if (ch < 32 || std::strchr(kBadNameChars, ch) != nullptr)
            return false;
    }
    // The file system drops a trailing dot or space, so no file can end with one.
    if (bare[nLen - 1] == '.' || bare[nLen - 1] == ' ')
        return false;
    name = "x." + bare;
    return true;
}

bool FileExtMgr::GetIconForExt(const CString& ext, HICON& hIcon) const
{
    hIcon = nullptr;
    CString name;
    if (!MakeProbeName(ext, name))
        return false;
    SHFILEINFOA info;
    std::memset(&info, 0, sizeof(info));
    if (::SHGetFileInfoA(name, FILE_ATTRIBUTE_NORMAL, &info, sizeof(info),
                         SHGFI_USEFILEATTRIBUTES | SHGFI_ICON | SHGFI_SMALLICON) == 0)
        return false;
    hIcon = info.hIcon;
    return hIcon != nullptr;
}

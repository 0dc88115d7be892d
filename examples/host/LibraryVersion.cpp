#include "LibraryVersion.h"
#include <vector>

// Read from the loaded module's own resource, not from its file: a module's path is not always
// one the file API can open (a folder that no drive letter reaches, say), its resources always are.
CString LibraryVersion::Read(LPCSTR moduleName)
{
    HMODULE hModule = ::GetModuleHandleA(moduleName);
    HRSRC hInfo = hModule != nullptr ? ::FindResourceA(hModule, MAKEINTRESOURCEA(VS_VERSION_INFO), RT_VERSION) : nullptr;
    HGLOBAL hData = hInfo != nullptr ? ::LoadResource(hModule, hInfo) : nullptr;
    const void* pData = hData != nullptr ? ::LockResource(hData) : nullptr;
    if (pData == nullptr)
        return CString();
    // The version functions may write into the block they read, so they get a copy.
    const char* pBytes = static_cast<const char*>(pData);
    std::vector<char> data(pBytes, pBytes + ::SizeofResource(hModule, hInfo));
    VS_FIXEDFILEINFO* info = nullptr;
    UINT length = 0;
    if (!::VerQueryValueA(data.data(), "\\", reinterpret_cast<void**>(&info), &length) || info == nullptr)
        return CString();
    CString version;
    version.Format("%u.%u.%u", HIWORD(info->dwProductVersionMS), LOWORD(info->dwProductVersionMS),
                   HIWORD(info->dwProductVersionLS));
    return version;
}

#include "LibraryVersion.h"
#include <vector>

CString LibraryVersion::Read(LPCSTR moduleName)
{
    HMODULE hModule = ::GetModuleHandleA(moduleName);
    char path[MAX_PATH] = "";
    if (hModule == nullptr || ::GetModuleFileNameA(hModule, path, MAX_PATH) == 0)
        return CString();
    DWORD handle = 0;
    const DWORD size = ::GetFileVersionInfoSizeA(path, &handle);
    if (size == 0)
        return CString();
    std::vector<char> data(size);
    VS_FIXEDFILEINFO* info = nullptr;
    UINT length = 0;
    if (!::GetFileVersionInfoA(path, 0, size, data.data()) ||
        !::VerQueryValueA(data.data(), "\\", reinterpret_cast<void**>(&info), &length) || info == nullptr)
        return CString();
    CString version;
    version.Format("%u.%u.%u", HIWORD(info->dwProductVersionMS), LOWORD(info->dwProductVersionMS),
                   HIWORD(info->dwProductVersionLS));
    return version;
}

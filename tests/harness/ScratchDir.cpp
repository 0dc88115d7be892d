#include "ScratchDir.h"
#include <vector>

namespace harness
{
namespace
{
// Positions of the backslashes of an ANSI path; on a double-byte code page the trail byte of a
// character can be 0x5C and is no backslash.
std::vector<size_t> Backslashes(const std::string& path)
{
    std::vector<size_t> found;
    for (size_t i = 0; i < path.size(); i += ::IsDBCSLeadByte(static_cast<BYTE>(path[i])) ? 2 : 1)
    {
        if (path[i] == '\\')
            found.push_back(i);
    }
    return found;
}

bool EndsWithBackslash(const std::string& path)
{
    const std::vector<size_t> slashes = Backslashes(path);
    return !slashes.empty() && slashes.back() + 1 == path.size();
}

// Through the wide API: names that the ANSI code page cannot spell go too.
void RemoveTreeW(const std::wstring& path)
{
    DWORD attributes = ::GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return;
    if (!(attributes & FILE_ATTRIBUTE_DIRECTORY))
    {
        ::SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        ::DeleteFileW(path.c_str());
        return;
    }
    std::wstring folder = !path.empty() && path.back() == L'\\' ? path : path + L"\\";
    WIN32_FIND_DATAW data;
    HANDLE hFind = ::FindFirstFileW((folder + L"*").c_str(), &data);
    if (hFind != INVALID_HANDLE_VALUE)
    {
        do
        {
            std::wstring name = data.cFileName;
            if (name != L"." && name != L"..")
                RemoveTreeW(folder + name);
        } while (::FindNextFileW(hFind, &data));
        ::FindClose(hFind);
    }
    ::SetFileAttributesW(folder.c_str(), FILE_ATTRIBUTE_NORMAL);
    ::RemoveDirectoryW(folder.c_str());
}

void RemoveTree(const std::string& path)
{
    WCHAR wide[MAX_PATH * 2];
    if (::MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, wide, MAX_PATH * 2) > 0)
        RemoveTreeW(wide);
}

void MakeDirs(const std::string& path)
{
    for (size_t i : Backslashes(path))
    {
        if (i >= 3)
            ::CreateDirectoryA(path.substr(0, i).c_str(), nullptr);
    }
    ::CreateDirectoryA(path.c_str(), nullptr);
}

std::string TempFolder()
{
    char temp[MAX_PATH];
    ::GetTempPathA(MAX_PATH, temp);
    return temp;
}

void MakeFresh(const std::string& root)
{
    RemoveTree(root);
    MakeDirs(root.substr(0, root.size() - 1));
}
}

ScratchDir::ScratchDir()
{
    static unsigned s_counter = 0;
    char name[64];
    wsprintfA(name, "orvtest-%lu-%u\\", ::GetCurrentProcessId(), ++s_counter);
    m_root = TempFolder() + name;
    MakeFresh(m_root);
}

ScratchDir::ScratchDir(const char* fixedName) : m_root(TempFolder().substr(0, 3) + fixedName + "\\")
{
    MakeFresh(m_root);
}

ScratchDir::~ScratchDir() { RemoveTree(m_root); }

std::string ScratchDir::MakeDir(const std::string& relative) const
{
    std::string path = m_root + relative;
    if (EndsWithBackslash(path))
        path.pop_back();
    MakeDirs(path);
    return path + "\\";
}

std::string ScratchDir::MakeFile(const std::string& relative, const std::string& contents) const
{
    std::string path = m_root + relative;
    const std::vector<size_t> slashes = Backslashes(path);
    MakeDirs(path.substr(0, slashes.empty() ? std::string::npos : slashes.back()));
    HANDLE hFile = ::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (hFile != INVALID_HANDLE_VALUE)
    {
        DWORD written = 0;
        ::WriteFile(hFile, contents.data(), static_cast<DWORD>(contents.size()), &written, nullptr);
        ::CloseHandle(hFile);
    }
    return path;
}

std::string ScratchDir::Make(const std::string& relative) const
{
    return EndsWithBackslash(relative) ? MakeDir(relative) : MakeFile(relative);
}

void ScratchDir::SetAttributes(const std::string& relative, DWORD attributes) const
{
    ::SetFileAttributesA((m_root + relative).c_str(), attributes);
}

void ScratchDir::Remove(const std::string& relative) const { RemoveTree(m_root + relative); }

RegistryKeyGuard::RegistryKeyGuard(HKEY hRoot, const std::string& subKey) : m_hRoot(hRoot), m_subKey(subKey)
{
    ::RegDeleteTreeA(m_hRoot, m_subKey.c_str());
}

RegistryKeyGuard::~RegistryKeyGuard() { ::RegDeleteTreeA(m_hRoot, m_subKey.c_str()); }
}

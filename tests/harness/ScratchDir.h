// A scratch folder tree under the temporary folder, removed with everything in it when the
// object goes away. Paths are ANSI, folders end with a backslash.
#pragma once
#include <windows.h>
#include <string>

namespace harness
{
class ScratchDir
{
public:
    ScratchDir();
    // A root of a fixed name at the top of the temporary folder's drive, for runs that must see
    // the same paths and the same neighbouring folders every time: the temporary folder holds
    // whatever other runs left there (and the default root's name holds the process identifier).
    explicit ScratchDir(const char* fixedName);
    ~ScratchDir();
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;

    // The root, ending with a backslash.
    const std::string& Path() const { return m_root; }
    // Creates a folder (and its parents) below the root; returns its full path with a backslash.
    std::string MakeDir(const std::string& relative) const;
    // Creates a file with the given contents below the root (parent folders too); returns its path.
    std::string MakeFile(const std::string& relative, const std::string& contents = "") const;
    // A folder when relative ends with a backslash, else an empty file; returns its full path.
    std::string Make(const std::string& relative) const;
    // Sets the attributes (FILE_ATTRIBUTE_HIDDEN, ...) of an existing entry below the root.
    void SetAttributes(const std::string& relative, DWORD attributes) const;
    // Removes a file or a folder tree below the root.
    void Remove(const std::string& relative) const;

private:
    std::string m_root;
};

// Deletes a registry key tree now and again when the object goes away.
class RegistryKeyGuard
{
public:
    RegistryKeyGuard(HKEY hRoot, const std::string& subKey);
    ~RegistryKeyGuard();
    RegistryKeyGuard(const RegistryKeyGuard&) = delete;
    RegistryKeyGuard& operator=(const RegistryKeyGuard&) = delete;

private:
    HKEY m_hRoot;
    std::string m_subKey;
};
}

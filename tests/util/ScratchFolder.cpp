#include "ScratchFolder.h"
#include <gtest/gtest.h>

ScratchFolder::ScratchFolder()
{
    char temp[MAX_PATH] = {0};
    GetTempPathA(MAX_PATH, temp);
    static LONG counter = 0;
    m_strPath.Format("%sorvutil-%lu-%ld\\", temp, GetCurrentProcessId(),
                     InterlockedIncrement(&counter));
    RemoveTree(m_strPath);
    EXPECT_TRUE(CreateDirectoryA(m_strPath, nullptr)) << m_strPath.GetString();
}

ScratchFolder::~ScratchFolder()
{
    RemoveTree(m_strPath);
}

CString ScratchFolder::Make(const CString& relative)
{
    CString full = m_strPath + relative;
    for (int i = m_strPath.GetLength(); i < full.GetLength(); ++i)
    {
        if (full[i] == '\\')
            CreateDirectoryA(full.Left(i), nullptr);
    }
    if (full[full.GetLength() - 1] != '\\')
    {
        HANDLE hFile = CreateFileA(full, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                   FILE_ATTRIBUTE_NORMAL, nullptr);
        EXPECT_NE(INVALID_HANDLE_VALUE, hFile) << full.GetString();
        if (hFile != INVALID_HANDLE_VALUE)
            CloseHandle(hFile);
    }
    return full;
}

void ScratchFolder::SetAttributes(const CString& relative, DWORD attributes)
{
    EXPECT_TRUE(SetFileAttributesA(m_strPath + relative, attributes)) << relative.GetString();
}

void ScratchFolder::RemoveTree(const CString& folder)
{
    WIN32_FIND_DATAA entry;
    HANDLE hFind = FindFirstFileA(folder + "*", &entry);
    if (hFind != INVALID_HANDLE_VALUE)
    {
        do
        {
            CString name = entry.cFileName;
            if (name == "." || name == "..")
                continue;
            CString path = folder + name;
            SetFileAttributesA(path, FILE_ATTRIBUTE_NORMAL);
            // A link is removed itself, never the tree it leads to.
            if (entry.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT)
                RemoveDirectoryA(path);
            else if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveTree(path + "\\");
            else
                DeleteFileA(path);
        } while (FindNextFileA(hFind, &entry));
        FindClose(hFind);
    }
    RemoveDirectoryA(folder);
}

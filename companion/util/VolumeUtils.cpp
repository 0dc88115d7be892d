#include "VolumeUtils.h"
#include "ErrorModeGuard.h"
#include "PathProbe.h"
#include "TextArray.h"

namespace
{
bool IsDriveLetter(char ch)
{
    return (ch >= 'A' && ch <= 'Z') || (ch >= 'a' && ch <= 'z');
}

void ReadVolume(const CString& root, UINT type, CString& label, CString& fileSystem)
{
    if (type == DRIVE_REMOTE || type == DRIVE_NO_ROOT_DIR || type == DRIVE_UNKNOWN)
        return;
    ErrorModeGuard guard;
    char labelBuffer[MAX_PATH + 1] = {0};
    char fileSystemBuffer[MAX_PATH + 1] = {0};
    if (GetVolumeInformationA(root, labelBuffer, MAX_PATH, nullptr, nullptr, nullptr,
                              fileSystemBuffer, MAX_PATH))
    {
        label = labelBuffer;
        fileSystem = fileSystemBuffer;
    }
}
}

size_t VolumeUtils::GetDriveInformation(TextArray* roots, CUIntArray* types, TextArray* labels,
                                        TextArray* fileSystems)
{
    if (roots)
        roots->RemoveAll();
    if (types)
        types->RemoveAll();
    if (labels)
        labels->RemoveAll();
    if (fileSystems)
        fileSystems->RemoveAll();

    const DWORD drives = GetLogicalDrives();
    size_t count = 0;
    for (int letter = 0; letter < 26; ++letter)
    {
        if (!(drives & (1u << letter)))
            continue;
        ++count;
        CString root;
        root.Format("%c:\\", 'A' + letter);
        UINT type = ::GetDriveTypeA(root);
        if (roots)
            roots->Add(root);
        if (types)
            types->Add(type);
        if (labels || fileSystems)
        {
            CString label;
            CString fileSystem;
            ReadVolume(root, type, label, fileSystem);
            if (labels)
                labels->Add(label);
            if (fileSystems)
                fileSystems->Add(fileSystem);
        }
    }
    return count;
}

CString VolumeUtils::GetDriveRoot(const CString& path)
{
    CString normalized = PathProbe::Normalize(path);
    const int length = normalized.GetLength();
    if (length >= 1 && IsDriveLetter(normalized[0]) &&
        (length == 1 || (normalized[1] == ':' && (length == 2 || normalized[2] == '\\'))))
    {
        CString root;
        root.Format("%c:\\", normalized[0] & ~0x20);
        return root;
    }
    if (length >= 2 && normalized[0] == '\\' && normalized[1] == '\\')
    {
        int serverEnd = normalized.Find('\\', 2);
        if (serverEnd <= 2)
            return CString();
        int shareEnd = normalized.Find('\\', serverEnd + 1);
        if (shareEnd < 0)
            shareEnd = length;
        CString root = normalized.Left(shareEnd) + "\\";
        return PathProbe::IsRoot(root) && PathProbe::IsWellFormed(root, false) ? root : CString();
    }
    return CString();
}

UINT VolumeUtils::GetDriveTypeA(const CString& path)
{
    CString root = GetDriveRoot(path);
    if (root.IsEmpty())
        return DRIVE_NO_ROOT_DIR;
    ErrorModeGuard guard;
    return ::GetDriveTypeA(root);
}

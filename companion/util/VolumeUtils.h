/// @class VolumeUtils
/// The drives of the machine: their roots, types, labels and file systems.
#pragma once
#include <afx.h>
#include <afxcoll.h>
#include "UtilApi.h"

class TextArray;

class ORVUTIL_API VolumeUtils
{
public:
    /// Replaces the content of each array that is not null with one entry per drive, in the
    /// ascending order of the roots ("A:\", "C:\", ...): the root, its type (GetDriveTypeA), its
    /// volume label and its file system name. Labels and file systems are read only when asked
    /// for, and stay empty for network drives (a lost connection would stall the call) and for
    /// drives without media. Returns the number of drives.
    static size_t GetDriveInformation(TextArray* roots, CUIntArray* types, TextArray* labels,
                                      TextArray* fileSystems);

    /// The Windows drive type (DRIVE_FIXED, DRIVE_REMOVABLE, DRIVE_REMOTE, DRIVE_CDROM, ...) of
    /// the drive that path lies on: "C", "C:", "c:\" and "C:\folder\file" all name drive C:, a
    /// UNC path its share. DRIVE_NO_ROOT_DIR for texts that name no drive.
    static UINT GetDriveTypeA(const CString& path);

    /// The root of the drive that path lies on ("C:\", "\\server\share\"); empty when none.
    static CString GetDriveRoot(const CString& path);
};

// LibraryVersion: reads the product version that a loaded DLL's version resource states, so
// that a host can see which release of the library it actually runs with.
#pragma once
#include <afx.h>

class LibraryVersion
{
public:
    // "major.minor.patch" of the module's fixed version information; empty when the module is
    // not loaded or has no version resource.
    static CString Read(LPCSTR moduleName);
};

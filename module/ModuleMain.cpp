// Process attach and detach of orv059.dll: the library joins the framework's list of extension
// libraries, so that its run-time classes are found by name and its resources by identifier.
#include <afxwin.h>
#include <afxdllx.h>

namespace
{
AFX_EXTENSION_MODULE g_orvModule = {};
}

extern "C" BOOL WINAPI DllMain(HINSTANCE hInstance, DWORD dwReason, LPVOID /*lpReserved*/)
{
    if (dwReason == DLL_PROCESS_ATTACH)
    {
        if (!AfxInitExtensionModule(g_orvModule, hInstance))
            return FALSE;
        // The framework's list owns the entry until AfxTermExtensionModule.
        new CDynLinkLibrary(g_orvModule);
    }
    else if (dwReason == DLL_PROCESS_DETACH)
    {
        AfxTermExtensionModule(g_orvModule);
    }
    return TRUE;
}

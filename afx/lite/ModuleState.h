// The process's module state: the host's instance handle, the current resource handle, and the
// extension libraries whose resources and run-time classes the framework searches.
#pragma once
#include "AfxApi.h"

struct CRuntimeClass;

// Record that an extension library keeps for itself (AfxInitExtensionModule fills it).
struct AFX_EXTENSION_MODULE
{
    BOOL bInitialized;
    HMODULE hModule;
    HMODULE hResource;
    CRuntimeClass* pFirstSharedClass;
    void* pFirstSharedFactory;
};

AFX_LITE_API HINSTANCE AFXAPI AfxGetInstanceHandle();
AFX_LITE_API void AFXAPI AfxSetInstanceHandle(HINSTANCE hInstance);
AFX_LITE_API HINSTANCE AFXAPI AfxGetResourceHandle();
AFX_LITE_API void AFXAPI AfxSetResourceHandle(HINSTANCE hInstResource);
// The module that holds resource lpszName of type lpszType: the current resource module first,
// then each extension library in the order they registered; the current resource module when
// none has it.
AFX_LITE_API HINSTANCE AFXAPI AfxFindResourceHandle(LPCSTR lpszName, LPCSTR lpszType);

AFX_LITE_API BOOL AFXAPI AfxInitExtensionModule(AFX_EXTENSION_MODULE& state, HMODULE hModule);
// Removes the library's CDynLinkLibrary objects from the search list and deletes them.
AFX_LITE_API void AFXAPI AfxTermExtensionModule(AFX_EXTENSION_MODULE& state, BOOL bAll = FALSE);

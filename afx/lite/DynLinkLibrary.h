// CDynLinkLibrary: an extension library's entry in the framework's list, made by the library on
// process attach so that its resources are found. The list owns it until AfxTermExtensionModule.
#pragma once
#include "CmdTarget.h"
#include "ModuleState.h"

class AFX_LITE_API CDynLinkLibrary : public CCmdTarget
{
    DECLARE_DYNAMIC(CDynLinkLibrary)
public:
    explicit CDynLinkLibrary(AFX_EXTENSION_MODULE& state, BOOL bSystem = FALSE);
    CDynLinkLibrary(HINSTANCE hModule, HINSTANCE hResource);
    ~CDynLinkLibrary() override;

    HMODULE m_hModule;
    HMODULE m_hResource;
    BOOL m_bSystem;
    CDynLinkLibrary* m_pNextDLL;

    static CDynLinkLibrary* PASCAL GetFirst();

private:
    void AddToList();
};

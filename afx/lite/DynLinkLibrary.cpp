#include "DynLinkLibrary.h"

IMPLEMENT_DYNAMIC(CDynLinkLibrary, CCmdTarget)

namespace
{
HINSTANCE g_hInstance = nullptr;
HINSTANCE g_hResource = nullptr;
CDynLinkLibrary* g_pFirstDLL = nullptr;
}

HINSTANCE AFXAPI AfxGetInstanceHandle() { return g_hInstance != nullptr ? g_hInstance : ::GetModuleHandleA(nullptr); }
void AFXAPI AfxSetInstanceHandle(HINSTANCE hInstance) { g_hInstance = hInstance; }
HINSTANCE AFXAPI AfxGetResourceHandle() { return g_hResource != nullptr ? g_hResource : AfxGetInstanceHandle(); }
void AFXAPI AfxSetResourceHandle(HINSTANCE hInstResource) { g_hResource = hInstResource; }

HINSTANCE AFXAPI AfxFindResourceHandle(LPCSTR lpszName, LPCSTR lpszType)
{
    HINSTANCE hCurrent = AfxGetResourceHandle();
    if (lpszName == nullptr || ::FindResourceA(hCurrent, lpszName, lpszType) != nullptr)
        return hCurrent;
    for (CDynLinkLibrary* pDLL = g_pFirstDLL; pDLL != nullptr; pDLL = pDLL->m_pNextDLL)
    {
        if (pDLL->m_hResource != nullptr && ::FindResourceA(pDLL->m_hResource, lpszName, lpszType) != nullptr)
            return pDLL->m_hResource;
    }
    return hCurrent;
}

BOOL AFXAPI AfxInitExtensionModule(AFX_EXTENSION_MODULE& state, HMODULE hModule)
{
    if (hModule == nullptr)
        return FALSE;
    if (state.bInitialized)
        return TRUE;
    state.hModule = hModule;
    state.hResource = hModule;
    state.pFirstSharedClass = nullptr;
    state.pFirstSharedFactory = nullptr;
    state.bInitialized = TRUE;
    return TRUE;
}

void AFXAPI AfxTermExtensionModule(AFX_EXTENSION_MODULE& state, BOOL)
{
    if (!state.bInitialized)
        return;
    CDynLinkLibrary** ppDLL = &g_pFirstDLL;
    while (*ppDLL != nullptr)
    {
        CDynLinkLibrary* pDLL = *ppDLL;
        if (pDLL->m_hModule == state.hModule)
        {
            *ppDLL = pDLL->m_pNextDLL;
            pDLL->m_pNextDLL = nullptr;
            delete pDLL;
        }
        else
        {
            ppDLL = &pDLL->m_pNextDLL;
        }
    }
    state.bInitialized = FALSE;
}

CDynLinkLibrary::CDynLinkLibrary(AFX_EXTENSION_MODULE& state, BOOL bSystem)
    : m_hModule(state.hModule), m_hResource(state.hResource), m_bSystem(bSystem), m_pNextDLL(nullptr)
{
    AddToList();
}

CDynLinkLibrary::CDynLinkLibrary(HINSTANCE hModule, HINSTANCE hResource)
    : m_hModule(hModule), m_hResource(hResource), m_bSystem(FALSE), m_pNextDLL(nullptr)
{
    AddToList();
}

void CDynLinkLibrary::AddToList()
{
    // Libraries are searched in the order they registered.
    CDynLinkLibrary** ppDLL = &g_pFirstDLL;
    while (*ppDLL != nullptr)
        ppDLL = &(*ppDLL)->m_pNextDLL;
    *ppDLL = this;
}

CDynLinkLibrary::~CDynLinkLibrary()
{
    for (CDynLinkLibrary** ppDLL = &g_pFirstDLL; *ppDLL != nullptr; ppDLL = &(*ppDLL)->m_pNextDLL)
    {
        if (*ppDLL == this)
        {
            *ppDLL = m_pNextDLL;
            break;
        }
    }
}

CDynLinkLibrary* PASCAL CDynLinkLibrary::GetFirst() { return g_pFirstDLL; }

#include "AccessibleProxy.h"
#include <new>

namespace
{
LONG g_nLive = 0;
// The cross toolchain's oleacc import library also names IID_IAccessible, as an import thunk;
// linked ahead of the GUID library it hands out code bytes for the GUID. The interface's own
// declared uuid is the same GUID without that trap.
const IID& kIidAccessible = __uuidof(IAccessible);
}

CAccessibleProxy::CAccessibleProxy(HWND hWnd) : m_hWnd(hWnd), m_pStandard(nullptr), m_nRefs(1)
{
    ::InterlockedIncrement(&g_nLive);
    void* pStandard = nullptr;
    if (SUCCEEDED(::CreateStdAccessibleObject(hWnd, OBJID_CLIENT, kIidAccessible, &pStandard)))
        m_pStandard = static_cast<IAccessible*>(pStandard);
}

CAccessibleProxy::~CAccessibleProxy()
{
    if (m_pStandard != nullptr)
        m_pStandard->Release();
    m_pStandard = nullptr;
    ::InterlockedDecrement(&g_nLive);
}

LONG CAccessibleProxy::LiveCount()
{
    return g_nLive;
}

LRESULT CAccessibleProxy::Answer(CAccessibleProxy* pProxy, WPARAM wParam, LPARAM lParam)
{
    if (pProxy == nullptr)
        return 0;
    LRESULT result = 0;
    if (static_cast<LONG>(lParam) == OBJID_CLIENT)
        result = ::LresultFromObject(kIidAccessible, wParam, static_cast<IAccessible*>(pProxy));
    // The result holds its own reference for the client; ours ends here.
    pProxy->Release();
    return SUCCEEDED(result) ? result : 0;
}

LONG CAccessibleProxy::ChildId(const VARIANT& varChild)
{
    if (varChild.vt != VT_I4 || varChild.lVal < 0)
        return -1;
    return varChild.lVal;
}

HRESULT CAccessibleProxy::ToBstr(const char* text, BSTR* pOut)
{
    if (pOut == nullptr)
        return E_POINTER;
    *pOut = nullptr;
    if (text == nullptr || *text == '\0')
        return S_FALSE;
    const int nWide = ::MultiByteToWideChar(CP_ACP, 0, text, -1, nullptr, 0);
    if (nWide <= 0)
        return E_FAIL;
    *pOut = ::SysAllocStringLen(nullptr, static_cast<UINT>(nWide - 1));
    if (*pOut == nullptr)
        return E_OUTOFMEMORY;
    ::MultiByteToWideChar(CP_ACP, 0, text, -1, *pOut, nWide);
    return S_OK;
}

bool CAccessibleProxy::IsAlive() const
{
    return ::IsWindow(m_hWnd) != FALSE;
}

// ---------------------------------------------------------------------------------------------
// IUnknown and IDispatch

HRESULT CAccessibleProxy::QueryInterface(REFIID riid, void** ppv)
{
    if (ppv == nullptr)
        return E_POINTER;
    if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IDispatch) || IsEqualIID(riid, kIidAccessible))
    {
        *ppv = static_cast<IAccessible*>(this);
        AddRef();
        return S_OK;
    }
    *ppv = nullptr;
    return E_NOINTERFACE;
}

ULONG CAccessibleProxy::AddRef()
{
    return static_cast<ULONG>(::InterlockedIncrement(&m_nRefs));
}

ULONG CAccessibleProxy::Release()
{
    const LONG nRefs = ::InterlockedDecrement(&m_nRefs);
    if (nRefs == 0)
        delete this;
    return static_cast<ULONG>(nRefs);
}

HRESULT CAccessibleProxy::GetTypeInfoCount(UINT* pctinfo)
{
    if (pctinfo == nullptr)
        return E_POINTER;
    *pctinfo = 0;
    return S_OK;
}

HRESULT CAccessibleProxy::GetTypeInfo(UINT, LCID, ITypeInfo**)
{
    return E_NOTIMPL;
}

HRESULT CAccessibleProxy::GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*)
{
    return E_NOTIMPL;
}

HRESULT CAccessibleProxy::Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*)
{
    return E_NOTIMPL;
}

// ---------------------------------------------------------------------------------------------
// IAccessible, forwarded

#define ORV_FORWARD(call)                                                                           \
    if (!IsAlive() || m_pStandard == nullptr)                                                       \
        return RPC_E_DISCONNECTED;                                                                  \
    return m_pStandard->call

HRESULT CAccessibleProxy::get_accParent(IDispatch** ppdispParent)
{
    ORV_FORWARD(get_accParent(ppdispParent));
}

HRESULT CAccessibleProxy::get_accChildCount(LONG* pcountChildren)
{
    ORV_FORWARD(get_accChildCount(pcountChildren));
}

HRESULT CAccessibleProxy::get_accChild(VARIANT varChild, IDispatch** ppdispChild)
{
    ORV_FORWARD(get_accChild(varChild, ppdispChild));
}

HRESULT CAccessibleProxy::get_accName(VARIANT varChild, BSTR* pszName)
{
    ORV_FORWARD(get_accName(varChild, pszName));
}

HRESULT CAccessibleProxy::get_accValue(VARIANT varChild, BSTR* pszValue)
{
    ORV_FORWARD(get_accValue(varChild, pszValue));
}

HRESULT CAccessibleProxy::get_accDescription(VARIANT varChild, BSTR* pszDescription)
{
    ORV_FORWARD(get_accDescription(varChild, pszDescription));
}

HRESULT CAccessibleProxy::get_accRole(VARIANT varChild, VARIANT* pvarRole)
{
    ORV_FORWARD(get_accRole(varChild, pvarRole));
}

HRESULT CAccessibleProxy::get_accState(VARIANT varChild, VARIANT* pvarState)
{
    ORV_FORWARD(get_accState(varChild, pvarState));
}

HRESULT CAccessibleProxy::get_accHelp(VARIANT varChild, BSTR* pszHelp)
{
    ORV_FORWARD(get_accHelp(varChild, pszHelp));
}

HRESULT CAccessibleProxy::get_accHelpTopic(BSTR* pszHelpFile, VARIANT varChild, long* pidTopic)
{
    ORV_FORWARD(get_accHelpTopic(pszHelpFile, varChild, pidTopic));
}

HRESULT CAccessibleProxy::get_accKeyboardShortcut(VARIANT varChild, BSTR* pszKeyboardShortcut)
{
    ORV_FORWARD(get_accKeyboardShortcut(varChild, pszKeyboardShortcut));
}

HRESULT CAccessibleProxy::get_accFocus(VARIANT* pvarChild)
{
    ORV_FORWARD(get_accFocus(pvarChild));
}

HRESULT CAccessibleProxy::get_accSelection(VARIANT* pvarChildren)
{
    ORV_FORWARD(get_accSelection(pvarChildren));
}

HRESULT CAccessibleProxy::get_accDefaultAction(VARIANT varChild, BSTR* pszDefaultAction)
{
    ORV_FORWARD(get_accDefaultAction(varChild, pszDefaultAction));
}

HRESULT CAccessibleProxy::accSelect(long flagsSelect, VARIANT varChild)
{
    ORV_FORWARD(accSelect(flagsSelect, varChild));
}

HRESULT CAccessibleProxy::accLocation(long* pxLeft, long* pyTop, long* pcxWidth, long* pcyHeight, VARIANT varChild)
{
    ORV_FORWARD(accLocation(pxLeft, pyTop, pcxWidth, pcyHeight, varChild));
}

HRESULT CAccessibleProxy::accNavigate(long navDir, VARIANT varStart, VARIANT* pvarEndUpAt)
{
    ORV_FORWARD(accNavigate(navDir, varStart, pvarEndUpAt));
}

HRESULT CAccessibleProxy::accHitTest(long xLeft, long yTop, VARIANT* pvarChild)
{
    ORV_FORWARD(accHitTest(xLeft, yTop, pvarChild));
}

HRESULT CAccessibleProxy::accDoDefaultAction(VARIANT varChild)
{
    ORV_FORWARD(accDoDefaultAction(varChild));
}

HRESULT CAccessibleProxy::put_accName(VARIANT, BSTR)
{
    return E_NOTIMPL;
}

HRESULT CAccessibleProxy::put_accValue(VARIANT, BSTR)
{
    return E_NOTIMPL;
}

#undef ORV_FORWARD

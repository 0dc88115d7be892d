#include "GdiObject.h"
#include "GdiRegistry.h"

IMPLEMENT_DYNCREATE(CGdiObject, CObject)

CGdiObject::CGdiObject() : m_hObject(nullptr) {}

CGdiObject::~CGdiObject() { DeleteObject(); }

HGDIOBJ CGdiObject::GetSafeHandle() const
{
    return AfxLiteIsNullObject(this) ? nullptr : m_hObject;
}

CGdiObject* PASCAL CGdiObject::FromHandle(HGDIOBJ hObject) { return AfxLiteGdiObjectMap().FromHandle(hObject); }

BOOL CGdiObject::Attach(HGDIOBJ hObject)
{
    if (hObject == nullptr || m_hObject != nullptr)
        return FALSE;
    m_hObject = hObject;
    AfxLiteGdiObjectMap().SetPermanent(hObject, this);
    return TRUE;
}

HGDIOBJ CGdiObject::Detach()
{
    HGDIOBJ hObject = m_hObject;
    if (hObject != nullptr)
        AfxLiteGdiObjectMap().RemoveHandle(hObject);
    m_hObject = nullptr;
    return hObject;
}

BOOL CGdiObject::DeleteObject()
{
    if (m_hObject == nullptr)
        return FALSE;
    HGDIOBJ hObject = Detach();
    AfxLiteUntrackGdiHandle(hObject);
    return ::DeleteObject(hObject);
}

BOOL CGdiObject::AttachCreated(HGDIOBJ hObject)
{
    if (hObject == nullptr)
        return FALSE;
    if (!Attach(hObject))
    {
        ::DeleteObject(hObject);
        return FALSE;
    }
    AfxLiteTrackGdiHandle(hObject);
    return TRUE;
}

int CGdiObject::GetObject(int nCount, LPVOID lpObject) const
{
    return m_hObject != nullptr ? ::GetObjectA(m_hObject, nCount, lpObject) : 0;
}

UINT CGdiObject::GetObjectType() const
{
    return m_hObject != nullptr ? static_cast<UINT>(::GetObjectType(m_hObject)) : 0;
}

BOOL CGdiObject::CreateStockObject(int nIndex) { return Attach(::GetStockObject(nIndex)); }

BOOL CGdiObject::UnrealizeObject()
{
    return m_hObject != nullptr && ::UnrealizeObject(m_hObject);
}

// Internal to afxlite.dll: which GDI handles the wrappers created and have not freed (the leak
// count that Wine's GetGuiResources cannot give), and which wrapper object stands for a handle.
#pragma once
#include "GdiObject.h"
#include "HandleMap.h"

// A handle that a wrapper created: bitmaps, pens, brushes, fonts, regions, DCs, image lists.
void AfxLiteTrackGdiHandle(const void* h);
// Forgets h; true when it had been tracked.
bool AfxLiteUntrackGdiHandle(const void* h);

// The handle of a wrapper argument that may be null.
inline HGDIOBJ AfxLiteHandleOf(const CGdiObject* pObject) { return pObject != nullptr ? pObject->m_hObject : nullptr; }

// Permanent wrappers of every GDI object kind, and the temporaries of CGdiObject::FromHandle.
CHandleMap<CGdiObject>& AfxLiteGdiObjectMap();

// The wrapper of h as a T: its permanent wrapper when that is a T, else a temporary T that the
// idle-time clean-up deletes (leaving the handle alone).
template <class T>
T* AfxLiteGdiFromHandle(typename T::HandleType h)
{
    if (h == nullptr)
        return nullptr;
    CGdiObject* pPermanent = AfxLiteGdiObjectMap().LookupPermanent(h);
    if (pPermanent != nullptr && pPermanent->IsKindOf(RUNTIME_CLASS(T)))
        return static_cast<T*>(pPermanent);
    static CHandleMap<T> temporaries;
    return temporaries.FromHandle(h);
}

// Host code calls GetSafeHandle and GetSafeHdc through null pointers, as the framework allows.
// The compiler may assume `this` is never null, so the test reads it through an opaque copy.
template <class T>
inline bool AfxLiteIsNullObject(const T* pObject)
{
    __asm__("" : "+r"(pObject));
    return pObject == nullptr;
}

// CGdiObject: owns one GDI object handle (pen, brush, font, bitmap, region) and deletes it when
// destroyed, whether it created the object or was attached to it. Detach hands the handle back
// without deleting it.
#pragma once
#include "Object.h"

// GDI objects, device contexts and image lists that the wrappers created and have not freed.
// Attached handles are not counted; deleting one through a wrapper frees only what was counted.
AFX_LITE_API int AfxLiteGetLiveGdiObjectCount();

class AFX_LITE_API CGdiObject : public CObject
{
    DECLARE_DYNCREATE(CGdiObject)
public:
    // Attributes
    HGDIOBJ m_hObject;
    operator HGDIOBJ() const { return m_hObject; }
    HGDIOBJ GetSafeHandle() const;
    static CGdiObject* PASCAL FromHandle(HGDIOBJ hObject);

    CGdiObject();
    ~CGdiObject() override;

    // Operations: Attach refuses a null handle and an object that already holds one.
    BOOL Attach(HGDIOBJ hObject);
    HGDIOBJ Detach();
    BOOL DeleteObject();
    int GetObject(int nCount, LPVOID lpObject) const;
    UINT GetObjectType() const;
    BOOL CreateStockObject(int nIndex);
    BOOL UnrealizeObject();
    BOOL operator==(const CGdiObject& obj) const { return obj.m_hObject == m_hObject; }
    BOOL operator!=(const CGdiObject& obj) const { return obj.m_hObject != m_hObject; }

    // Implementation: used by the handle maps for wrappers of handles nobody wrapped.
    using HandleType = HGDIOBJ;
    static void AttachTemporary(CGdiObject* pObject, HGDIOBJ hObject) { pObject->m_hObject = hObject; }
    static void DetachTemporary(CGdiObject* pObject) { pObject->m_hObject = nullptr; }

protected:
    // Takes ownership of an object that this wrapper just created, and counts it; frees it and
    // fails when the wrapper already holds an object or the creation failed.
    BOOL AttachCreated(HGDIOBJ hObject);
};

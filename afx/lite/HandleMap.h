// Internal to afxlite.dll: maps Windows handles to their wrapper objects, one map per kind of
// handle. Permanent entries belong to objects that own or were attached to a handle; temporary
// entries are made by FromHandle for handles nobody wrapped and are deleted at idle time
// (AfxLiteDeleteTempMaps), after their handles are cleared so that nothing is destroyed.
#pragma once
#include "AfxApi.h"
#include <unordered_map>
#include <vector>

class CObject;

class CHandleMapBase
{
public:
    CHandleMapBase();
    virtual ~CHandleMapBase();
    virtual void DeleteTemp() = 0;
};

// Deletes the temporary objects of every map (the idle-time clean-up of the framework).
void AfxLiteDeleteTempMaps();

template <class T>
class CHandleMap : public CHandleMapBase
{
public:
    using Handle = typename T::HandleType;

    // Wrapper of h: the permanent one, else a temporary one made on demand; null for a null h.
    T* FromHandle(Handle h)
    {
        if (h == nullptr)
            return nullptr;
        if (T* p = LookupPermanent(h))
            return p;
        if (T* p = LookupTemporary(h))
            return p;
        T* pTemp = new T;
        T::AttachTemporary(pTemp, h);
        m_temporary[h] = pTemp;
        return pTemp;
    }

    T* LookupPermanent(Handle h) const { return Lookup(m_permanent, h); }
    T* LookupTemporary(Handle h) const { return Lookup(m_temporary, h); }

    void SetPermanent(Handle h, T* p) { m_permanent[h] = p; }
    void RemoveHandle(Handle h)
    {
        m_permanent.erase(h);
        // A temporary wrapper of a handle that just became permanent is dropped at idle.
    }

    void DeleteTemp() override
    {
        std::unordered_map<Handle, T*> temporary;
        temporary.swap(m_temporary);
        for (auto& entry : temporary)
        {
            T::DetachTemporary(entry.second);
            delete entry.second;
        }
    }

private:
    static T* Lookup(const std::unordered_map<Handle, T*>& map, Handle h)
    {
        auto it = map.find(h);
        return it == map.end() ? nullptr : it->second;
    }

    std::unordered_map<Handle, T*> m_permanent;
    std::unordered_map<Handle, T*> m_temporary;
};

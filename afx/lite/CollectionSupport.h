// What the collection templates share: the POSITION iterator type, element comparison, key
// hashing, and the stand-in element that out-of-range access reads and writes.
#pragma once
#include "AfxApi.h"
#include "String.h"

struct __POSITION
{
};
typedef __POSITION* POSITION;
#define BEFORE_START_POSITION ((POSITION)-1L)

template <class TYPE, class ARG_TYPE>
inline BOOL AFXAPI CompareElements(const TYPE* pElement1, const ARG_TYPE* pElement2)
{
    return *pElement1 == *pElement2;
}

template <class ARG_KEY>
inline UINT AFXAPI HashKey(ARG_KEY key)
{
    return static_cast<UINT>((DWORD_PTR)key >> 4); // pointers and integers alike
}

inline UINT AfxLiteHashString(LPCSTR key)
{
    UINT nHash = 0;
    if (key != nullptr)
    {
        while (*key)
            nHash = (nHash << 5) + nHash + static_cast<unsigned char>(*key++);
    }
    return nHash;
}

template <>
inline UINT AFXAPI HashKey<LPCSTR>(LPCSTR key) { return AfxLiteHashString(key); }
template <>
inline UINT AFXAPI HashKey<const CString&>(const CString& key) { return AfxLiteHashString(key); }
template <>
inline UINT AFXAPI HashKey<CString>(CString key) { return AfxLiteHashString(key); }

// The framework asserts on an index or position that names no element. Here such access
// reaches this element instead: reads give a default value and writes change nothing that
// belongs to a collection. One per thread, reset on every use.
template <class TYPE>
inline TYPE& AfxLiteOutOfRangeElement()
{
    thread_local TYPE element;
    element = TYPE();
    return element;
}

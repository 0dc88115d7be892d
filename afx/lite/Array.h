// CArray: the framework's growable array of TYPE, passed in as ARG_TYPE. Out-of-range indices
// read a default element and write nowhere (see AfxLiteOutOfRangeElement); counts are clamped.
#pragma once
#include "CollectionSupport.h"
#include "Object.h"
#include <algorithm>
#include <vector>

template <class TYPE, class ARG_TYPE = const TYPE&>
class CArray : public CObject
{
public:
    CArray() = default;

    // Attributes
    INT_PTR GetSize() const { return static_cast<INT_PTR>(m_data.size()); }
    INT_PTR GetCount() const { return GetSize(); }
    BOOL IsEmpty() const { return m_data.empty(); }
    INT_PTR GetUpperBound() const { return GetSize() - 1; }
    // Negative sizes are ignored; the growth step is the container's own.
    void SetSize(INT_PTR nNewSize, INT_PTR nGrowBy = -1)
    {
        (void)nGrowBy;
        if (nNewSize >= 0)
            m_data.resize(static_cast<size_t>(nNewSize));
    }

    // Operations
    void FreeExtra() { m_data.shrink_to_fit(); }
    void RemoveAll() { m_data.clear(); }

    // Element access
    const TYPE& GetAt(INT_PTR nIndex) const { return IsValid(nIndex) ? m_data[nIndex] : AfxLiteOutOfRangeElement<TYPE>(); }
    TYPE& GetAt(INT_PTR nIndex) { return ElementAt(nIndex); }
    void SetAt(INT_PTR nIndex, ARG_TYPE newElement)
    {
        if (IsValid(nIndex))
            m_data[nIndex] = newElement;
    }
    TYPE& ElementAt(INT_PTR nIndex) { return IsValid(nIndex) ? m_data[nIndex] : AfxLiteOutOfRangeElement<TYPE>(); }
    const TYPE& ElementAt(INT_PTR nIndex) const { return GetAt(nIndex); }
    const TYPE* GetData() const { return m_data.empty() ? nullptr : m_data.data(); }
    TYPE* GetData() { return m_data.empty() ? nullptr : m_data.data(); }
    const TYPE& operator[](INT_PTR nIndex) const { return GetAt(nIndex); }
    TYPE& operator[](INT_PTR nIndex) { return ElementAt(nIndex); }

    // Growing the array
    void SetAtGrow(INT_PTR nIndex, ARG_TYPE newElement)
    {
        if (nIndex < 0)
            return;
        TYPE value(newElement); // may refer to an element that the resize moves
        if (nIndex >= GetSize())
            SetSize(nIndex + 1);
        m_data[nIndex] = std::move(value);
    }
    INT_PTR Add(ARG_TYPE newElement)
    {
        m_data.push_back(TYPE(newElement));
        return GetUpperBound();
    }
    // Returns the index of the first appended element.
    INT_PTR Append(const CArray& src)
    {
        INT_PTR nOldSize = GetSize();
        if (&src == this)
        {
            std::vector<TYPE> items(m_data);
            m_data.insert(m_data.end(), items.begin(), items.end());
        }
        else
        {
            m_data.insert(m_data.end(), src.m_data.begin(), src.m_data.end());
        }
        return nOldSize;
    }
    void Copy(const CArray& src)
    {
        if (&src != this)
            m_data = src.m_data;
    }

    // Insertion past the end grows the array, as in the framework.
    void InsertAt(INT_PTR nIndex, ARG_TYPE newElement, INT_PTR nCount = 1)
    {
        if (nIndex < 0 || nCount <= 0)
            return;
        TYPE value(newElement);
        if (nIndex > GetSize())
            SetSize(nIndex);
        m_data.insert(m_data.begin() + nIndex, static_cast<size_t>(nCount), value);
    }
    void InsertAt(INT_PTR nStartIndex, const CArray* pNewArray)
    {
        if (pNewArray == nullptr || nStartIndex < 0 || pNewArray->IsEmpty())
            return;
        std::vector<TYPE> items(pNewArray->m_data);
        if (nStartIndex > GetSize())
            SetSize(nStartIndex);
        m_data.insert(m_data.begin() + nStartIndex, items.begin(), items.end());
    }
    void RemoveAt(INT_PTR nIndex, INT_PTR nCount = 1)
    {
        if (!IsValid(nIndex) || nCount <= 0)
            return;
        INT_PTR nEnd = nIndex + std::min(nCount, GetSize() - nIndex);
        m_data.erase(m_data.begin() + nIndex, m_data.begin() + nEnd);
    }

    // Implementation
private:
    bool IsValid(INT_PTR nIndex) const { return nIndex >= 0 && nIndex < GetSize(); }

    std::vector<TYPE> m_data;
};

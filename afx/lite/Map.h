// CMap: the framework's hash map from KEY (passed as ARG_KEY) to VALUE (passed as ARG_VALUE),
// with HashKey and CompareElements as its hashing and equality. Iteration order is the bucket
// order, which the framework does not define either; the table grows as the map fills.
#pragma once
#include "CollectionSupport.h"
#include "Object.h"
#include <vector>

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
class CMap : public CObject
{
public:
    CMap() = default;
    explicit CMap(INT_PTR nBlockSize) { (void)nBlockSize; }
    ~CMap() override { RemoveAll(); }

    // Attributes
    INT_PTR GetCount() const { return m_nCount; }
    INT_PTR GetSize() const { return m_nCount; }
    BOOL IsEmpty() const { return m_nCount == 0; }
    UINT GetHashTableSize() const { return static_cast<UINT>(m_buckets.size()); }

    BOOL Lookup(ARG_KEY key, VALUE& rValue) const
    {
        CAssoc* pAssoc = Find(key, Hash(key));
        if (pAssoc == nullptr)
            return FALSE;
        rValue = pAssoc->value;
        return TRUE;
    }

    // Operations
    VALUE& operator[](ARG_KEY key)
    {
        UINT nHash = Hash(key);
        if (CAssoc* pAssoc = Find(key, nHash))
            return pAssoc->value;
        if (m_buckets.empty())
            m_buckets.resize(17);
        else if (m_nCount >= static_cast<INT_PTR>(m_buckets.size()) * 2)
            Rehash(static_cast<UINT>(m_buckets.size() * 4 + 1));
        CAssoc*& rHead = m_buckets[nHash % m_buckets.size()];
        rHead = new CAssoc{ rHead, nHash, KEY(key), VALUE() };
        ++m_nCount;
        return rHead->value;
    }
    void SetAt(ARG_KEY key, ARG_VALUE newValue) { (*this)[key] = newValue; }
    BOOL RemoveKey(ARG_KEY key)
    {
        if (m_buckets.empty())
            return FALSE;
        UINT nHash = Hash(key);
        for (CAssoc** ppAssoc = &m_buckets[nHash % m_buckets.size()]; *ppAssoc != nullptr;
             ppAssoc = &(*ppAssoc)->pNext)
        {
            CAssoc* pAssoc = *ppAssoc;
            if (pAssoc->nHashValue == nHash && CompareElements(&pAssoc->key, &key))
            {
                *ppAssoc = pAssoc->pNext;
                delete pAssoc;
                --m_nCount;
                return TRUE;
            }
        }
        return FALSE;
    }
    void RemoveAll()
    {
        for (CAssoc*& rHead : m_buckets)
        {
            while (rHead != nullptr)
            {
                CAssoc* pNext = rHead->pNext;
                delete rHead;
                rHead = pNext;
            }
        }
        m_nCount = 0;
    }

    // Iteration: GetNextAssoc moves the position on before it returns, so the association it
    // returned may be removed during the walk.
    POSITION GetStartPosition() const { return Position(First(0)); }
    void GetNextAssoc(POSITION& rNextPosition, KEY& rKey, VALUE& rValue) const
    {
        CAssoc* pAssoc = reinterpret_cast<CAssoc*>(rNextPosition);
        if (pAssoc == nullptr || pAssoc == reinterpret_cast<CAssoc*>(BEFORE_START_POSITION))
        {
            rNextPosition = nullptr;
            return;
        }
        rKey = pAssoc->key;
        rValue = pAssoc->value;
        rNextPosition = Position(pAssoc->pNext ? pAssoc->pNext : First(pAssoc->nHashValue % m_buckets.size() + 1));
    }
    // Only an empty map changes its table size.
    void InitHashTable(UINT nHashSize, BOOL bAllocNow = TRUE)
    {
        (void)bAllocNow;
        if (m_nCount == 0 && nHashSize > 0)
            m_buckets.assign(nHashSize, nullptr);
    }

    // Implementation
protected:
    struct CAssoc
    {
        CAssoc* pNext;
        UINT nHashValue;
        KEY key;
        VALUE value;
    };

private:
    static UINT Hash(ARG_KEY key) { return HashKey<ARG_KEY>(key); }
    static POSITION Position(CAssoc* pAssoc) { return reinterpret_cast<POSITION>(pAssoc); }

    CAssoc* Find(ARG_KEY key, UINT nHash) const
    {
        if (m_buckets.empty())
            return nullptr;
        for (CAssoc* pAssoc = m_buckets[nHash % m_buckets.size()]; pAssoc; pAssoc = pAssoc->pNext)
        {
            if (pAssoc->nHashValue == nHash && CompareElements(&pAssoc->key, &key))
                return pAssoc;
        }
        return nullptr;
    }
    CAssoc* First(size_t nBucket) const
    {
        for (; nBucket < m_buckets.size(); ++nBucket)
        {
            if (m_buckets[nBucket] != nullptr)
                return m_buckets[nBucket];
        }
        return nullptr;
    }
    void Rehash(UINT nHashSize)
    {
        std::vector<CAssoc*> buckets(nHashSize, nullptr);
        for (CAssoc* pAssoc : m_buckets)
        {
            while (pAssoc != nullptr)
            {
                CAssoc* pNext = pAssoc->pNext;
                CAssoc*& rHead = buckets[pAssoc->nHashValue % nHashSize];
                pAssoc->pNext = rHead;
                rHead = pAssoc;
                pAssoc = pNext;
            }
        }
        m_buckets.swap(buckets);
    }

    std::vector<CAssoc*> m_buckets;
    INT_PTR m_nCount = 0;
};

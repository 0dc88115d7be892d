// CList: the framework's doubly linked list of TYPE, walked with POSITION values (a POSITION is
// a node). A null POSITION names no element: reads give a default element, writes and removals
// do nothing. Positions taken from another list are not detected.
#pragma once
#include "CollectionSupport.h"
#include "Object.h"

template <class TYPE, class ARG_TYPE = const TYPE&>
class CList : public CObject
{
public:
    CList() = default;
    explicit CList(INT_PTR nBlockSize) { (void)nBlockSize; }
    ~CList() override { RemoveAll(); }

    // Attributes
    INT_PTR GetCount() const { return m_nCount; }
    INT_PTR GetSize() const { return m_nCount; }
    BOOL IsEmpty() const { return m_nCount == 0; }
    TYPE& GetHead() { return Value(m_pHead); }
    const TYPE& GetHead() const { return Value(m_pHead); }
    TYPE& GetTail() { return Value(m_pTail); }
    const TYPE& GetTail() const { return Value(m_pTail); }

    // Operations
    TYPE RemoveHead()
    {
        TYPE value = GetHead();
        RemoveAt(Position(m_pHead));
        return value;
    }
    TYPE RemoveTail()
    {
        TYPE value = GetTail();
        RemoveAt(Position(m_pTail));
        return value;
    }
    POSITION AddHead(ARG_TYPE newElement) { return InsertBefore(Position(m_pHead), newElement); }
    POSITION AddTail(ARG_TYPE newElement) { return InsertAfter(Position(m_pTail), newElement); }
    // Adding a list to itself copies the elements it had before the call.
    void AddHead(CList* pNewList)
    {
        if (pNewList == nullptr)
            return;
        CNode* pNode = pNewList->m_pTail;
        for (INT_PTR n = pNewList->m_nCount; n > 0; --n, pNode = pNode->pPrev)
            AddHead(pNode->data);
    }
    void AddTail(CList* pNewList)
    {
        if (pNewList == nullptr)
            return;
        CNode* pNode = pNewList->m_pHead;
        for (INT_PTR n = pNewList->m_nCount; n > 0; --n, pNode = pNode->pNext)
            AddTail(pNode->data);
    }
    void RemoveAll()
    {
        while (m_pHead != nullptr)
        {
            CNode* pNext = m_pHead->pNext;
            delete m_pHead;
            m_pHead = pNext;
        }
        m_pTail = nullptr;
        m_nCount = 0;
    }

    // Iteration
    POSITION GetHeadPosition() const { return Position(m_pHead); }
    POSITION GetTailPosition() const { return Position(m_pTail); }
    TYPE& GetNext(POSITION& rPosition) { return Step(rPosition, true); }
    const TYPE& GetNext(POSITION& rPosition) const { return Step(rPosition, true); }
    TYPE& GetPrev(POSITION& rPosition) { return Step(rPosition, false); }
    const TYPE& GetPrev(POSITION& rPosition) const { return Step(rPosition, false); }

    // Modification and insertion at a position; a null position inserts at the head (before)
    // or at the tail (after).
    TYPE& GetAt(POSITION position) { return Value(Node(position)); }
    const TYPE& GetAt(POSITION position) const { return Value(Node(position)); }
    void SetAt(POSITION pos, ARG_TYPE newElement)
    {
        if (CNode* pNode = Node(pos))
            pNode->data = newElement;
    }
    void RemoveAt(POSITION position)
    {
        CNode* pNode = Node(position);
        if (pNode == nullptr)
            return;
        (pNode->pPrev ? pNode->pPrev->pNext : m_pHead) = pNode->pNext;
        (pNode->pNext ? pNode->pNext->pPrev : m_pTail) = pNode->pPrev;
        delete pNode;
        --m_nCount;
    }
    POSITION InsertBefore(POSITION position, ARG_TYPE newElement)
    {
        CNode* pNext = Node(position) ? Node(position) : m_pHead;
        CNode* pNode = new CNode{ pNext, pNext ? pNext->pPrev : nullptr, TYPE(newElement) };
        Link(pNode);
        return Position(pNode);
    }
    POSITION InsertAfter(POSITION position, ARG_TYPE newElement)
    {
        CNode* pPrev = Node(position) ? Node(position) : m_pTail;
        CNode* pNode = new CNode{ pPrev ? pPrev->pNext : nullptr, pPrev, TYPE(newElement) };
        Link(pNode);
        return Position(pNode);
    }

    // Searching: the first match after startAfter (from the head when null), else null.
    POSITION Find(ARG_TYPE searchValue, POSITION startAfter = nullptr) const
    {
        CNode* pNode = Node(startAfter) ? Node(startAfter)->pNext : m_pHead;
        for (; pNode != nullptr; pNode = pNode->pNext)
        {
            if (CompareElements(&pNode->data, &searchValue))
                return Position(pNode);
        }
        return nullptr;
    }
    POSITION FindIndex(INT_PTR nIndex) const
    {
        if (nIndex < 0 || nIndex >= m_nCount)
            return nullptr;
        CNode* pNode = m_pHead;
        while (nIndex-- > 0)
            pNode = pNode->pNext;
        return Position(pNode);
    }

    // Implementation
protected:
    struct CNode
    {
        CNode* pNext;
        CNode* pPrev;
        TYPE data;
    };

private:
    static CNode* Node(POSITION position) { return reinterpret_cast<CNode*>(position); }
    static POSITION Position(CNode* pNode) { return reinterpret_cast<POSITION>(pNode); }
    static TYPE& Value(CNode* pNode) { return pNode ? pNode->data : AfxLiteOutOfRangeElement<TYPE>(); }

    TYPE& Step(POSITION& rPosition, bool bForward) const
    {
        CNode* pNode = Node(rPosition);
        if (pNode == nullptr)
            return AfxLiteOutOfRangeElement<TYPE>();
        rPosition = Position(bForward ? pNode->pNext : pNode->pPrev);
        return pNode->data;
    }
    void Link(CNode* pNode)
    {
        (pNode->pPrev ? pNode->pPrev->pNext : m_pHead) = pNode;
        (pNode->pNext ? pNode->pNext->pPrev : m_pTail) = pNode;
        ++m_nCount;
    }

    CNode* m_pHead = nullptr;
    CNode* m_pTail = nullptr;
    INT_PTR m_nCount = 0;
};

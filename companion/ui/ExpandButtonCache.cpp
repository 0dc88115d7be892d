#include "ExpandButtonCache.h"

bool ExpandButtonCache::Find(HTREEITEM hItem, bool& bHasChildren) const
{
    const auto it = m_answers.find(hItem);
    if (it == m_answers.end())
        return false;
    bHasChildren = it->second;
    return true;
}

void ExpandButtonCache::Store(HTREEITEM hItem, bool bHasChildren)
{
    if (hItem != nullptr)
        m_answers[hItem] = bHasChildren;
}

void ExpandButtonCache::Forget(HTREEITEM hItem)
{
    m_answers.erase(hItem);
}

void ExpandButtonCache::Clear()
{
    m_answers.clear();
}

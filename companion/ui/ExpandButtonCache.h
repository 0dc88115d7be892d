/// @class ExpandButtonCache
/// ExpandButtonCache: what a tree's items answered when the tree view asked whether they have
/// children to show (their expand button), kept per item so that an item is read from disk once
/// while it stays in view, and forgotten when the disk may have changed. Owns only its answers.
#pragma once
#include "UiApi.h"
#include <afxcmn.h>
#include <unordered_map>

class ORVUI_API ExpandButtonCache
{
public:
    /// True when an answer for hItem is kept; bHasChildren receives it.
    bool Find(HTREEITEM hItem, bool& bHasChildren) const;
    /// Keeps bHasChildren as hItem's answer.
    void Store(HTREEITEM hItem, bool bHasChildren);
    /// Drops hItem's answer, as when the item is deleted: its handle may come back for another.
    void Forget(HTREEITEM hItem);
    /// Drops every answer, so that each item is asked again when it next shows.
    void Clear();

private:
    std::unordered_map<HTREEITEM, bool> m_answers;
};

// CDropDirTree: the directory tree of the library's drop windows. Adds to the companion tree
// only its context menu, which lives in this library's own resources rather than the host's.
// Owns nothing beyond its base.
#pragma once
#include <afxcmn.h>
#include "DirTreeCtrl.h"

class CDropDirTree : public CDirTreeCtrl
{
public:
    ~CDropDirTree() override;

    // Shows the menu m_nContextMenuId, loaded from orv059.dll, at the screen point with its
    // commands going to the tree's parent; nothing when the id is 0 or the library's module is
    // not loaded.
    void ShowContextMenu(const CPoint& point) override;

protected:
    CDropDirTree();

    DECLARE_MESSAGE_MAP()
};

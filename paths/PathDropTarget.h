/// @class CPathDropTarget
/// CPathDropTarget: the shell-drop side of a path edit. While drops are on it registers the
/// edit's window for dropped files; it reads a drop's paths in the shell's order and hands them
/// to the edit's rule until one is taken, refusing the drop with the usual beep when none is.
/// Holds a back pointer to the edit's window and owns nothing.
#pragma once
#include <afxwin.h>
#include <shellapi.h>
#include <functional>
#include "OrvApi.h"

class ORV_API CPathDropTarget
{
public:
    /// The edit's rule for one dropped path: true when the edit took it.
    using Taker = std::function<bool(const CString& path)>;

    /// Drops are off until SetAcceptDrops(true).
    CPathDropTarget();

    // Operations
    /// Turns drops on or off for the edit's window; before the window exists the choice is kept
    /// and applied by Attach.
    void SetAcceptDrops(CWnd* pEdit, bool accept);
    /// Whether drops are on.
    bool AcceptsDrops() const;
    /// Applies the kept choice to the edit's window (after it was attached or created).
    void Attach(CWnd* pEdit);
    /// Handles one WM_DROPFILES: hands its paths to take in order until one is taken; beeps when
    /// drops are on and none is taken or the edit is read-only. Always frees the drop. True when
    /// a path was taken.
    bool Drop(HDROP hDrop, const Taker& take);

private:
    bool m_bAccept;
    CWnd* m_pEdit; ///< back pointer, not owned
};

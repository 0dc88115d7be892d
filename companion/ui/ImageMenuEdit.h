/// @class CImageMenuEdit
/// CImageMenuEdit: an edit whose context menu (right click, Shift+F10 or the menu key) offers
/// Undo, Cut, Copy, Paste, Delete and Select All, each enabled only when it can act, and hands
/// the chosen command to the edit as its window message so that a subclass's handlers guard it.
/// Owns nothing beyond the window attachment; the menu lives only while it is shown.
#pragma once
#include <afxwin.h>
#include "UiApi.h"

class ORVUI_API CImageMenuEdit : public CEdit
{
    DECLARE_DYNCREATE(CImageMenuEdit)
public:
    /// Command identifiers of the menu items: the framework's standard edit commands.
    enum Command : UINT
    {
        kCmdClear = 0xE120,
        kCmdCopy = 0xE122,
        kCmdCut = 0xE123,
        kCmdPaste = 0xE125,
        kCmdSelectAll = 0xE12A,
        kCmdUndo = 0xE12B,
    };

    /// Makes the object; the host creates or subclasses the edit window.
    CImageMenuEdit();
    /// Owns nothing beyond the window.
    ~CImageMenuEdit() override;

protected:
    /// Shows the menu at point (screen), or under the caret when point is (-1, -1) as sent for
    /// the keyboard. The ES_READONLY style bit is read at this moment, so a subclass may set it
    /// around the call to offer only the commands that leave the text alone.
    afx_msg void OnContextMenu(CWnd* pWnd, CPoint point);

    // Implementation
    bool CanDoCommand(UINT nCommand) const;
    void DoCommand(UINT nCommand);
    CPoint GetKeyboardMenuPoint() const;

    DECLARE_MESSAGE_MAP()
};

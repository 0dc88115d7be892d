#include "WndUtils.h"

int WndUtils::GetCaretPosition(const CEdit& edit)
{
    HWND hEdit = edit.GetSafeHwnd();
    if (!::IsWindow(hEdit))
        return 0;

    int nStart = 0;
    int nEnd = 0;
    edit.GetSel(nStart, nEnd);
    if (nStart == nEnd)
        return nEnd;

    // The edit reports its selection ordered, so only the system caret tells which end the
    // user is moving; the caret belongs to the focus window, so without the focus the active
    // end is unknown and the end of the selection is the framework's usual answer.
    if (::GetFocus() != hEdit)
        return nEnd;
    POINT ptCaret{};
    if (!::GetCaretPos(&ptCaret))
        return nEnd;
    // Some edit versions draw the caret a pixel before the character's origin.
    const CPoint ptStart = edit.PosFromChar(static_cast<UINT>(nStart));
    const bool bCaretAtStart = ptStart.x - ptCaret.x <= 1 && ptCaret.x - ptStart.x <= 1;
    return bCaretAtStart ? nStart : nEnd;
}

// CPickCheck: the example's headless self-check of one pick. It opens a selection edit's list
// the way a host does (ShowList), checks that a drop window appeared, then presses Down and
// Enter as a user would and waits until the list has closed with the expected text in the edit.
// Holds only references: the dialog owns the edit and itself.
#pragma once
#include <afxwin.h>
#include "SelectEdit.h"

class CPickCheck
{
public:
    enum State { Running, Passed, Failed };

    CPickCheck(CSelectEdit& edit, CWnd& owner, const CString& expected);

    // Opens the list and sends the keys; false (see GetFailure) when no drop window showed.
    bool Start();
    // Called from the owner's timer until it returns Passed or Failed.
    State Poll();

    CString GetResult() const;
    CString GetFailure() const;

private:
    // A shown popup owned by the owner window: the drop window of the edit.
    HWND FindShownDropWindow() const;
    State Fail(const CString& why);

    CSelectEdit& m_edit;
    CWnd& m_owner;
    CString m_strExpected;
    CString m_strFailure;
    ULONGLONG m_nDeadline;
};

// The host dialog of control tests: a modeless dialog owned by the application's main window,
// placed at a given screen point, holding an edit (id kEditId) at a given client rectangle in
// pixels with the dialog's font, and a second edit (kOtherId) to move the focus to. Enter and
// Escape reach the dialog as IDOK/IDCANCEL commands, which it counts instead of closing.
#pragma once
#include <afxwin.h>
#include "TestApp.h"

namespace harness
{
class CHostDialog : public CDialog
{
public:
    enum
    {
        kEditId = 1000,
        kOtherId = 1001,
    };

    ~CHostDialog() override;

    // Creates and shows the dialog with its top-left client corner at clientOrigin (screen),
    // a client area of clientSize, and the edit at rcEdit (client pixels).
    BOOL CreateHost(POINT clientOrigin, SIZE clientSize, const RECT& rcEdit);

    HWND Edit() const { return ::GetDlgItem(m_hWnd, kEditId); }
    HWND Other() const { return ::GetDlgItem(m_hWnd, kOtherId); }
    // Makes the dialog the active window and puts the focus in the edit.
    void FocusEdit();

    int m_nOkCount = 0;
    int m_nCancelCount = 0;

protected:
    void OnOK() override { ++m_nOkCount; }
    void OnCancel() override { ++m_nCancelCount; }
};

// Creates dialog as an empty modeless dialog with an ASCII caption, in the dialog font (MS Shell
// Dlg, 8 points), owned by the application's main window; its controls are made in pixels after.
BOOL CreateEmptyDialog(CDialog& dialog, const char* title);

// A fixture's teardown: destroys the host dialog (so each attached control sees its own
// destruction first, as in a real host), deletes it and the control objects the fixture owns,
// nulls every pointer and lets the posted clean-up run.
template <class... TOwned>
void DestroyHost(CHostDialog*& pDlg, TOwned*&... owned)
{
    if (pDlg != nullptr)
        pDlg->DestroyWindow();
    delete pDlg;
    pDlg = nullptr;
    ((delete owned, owned = nullptr), ...);
    Pump();
}
}

// CDropWnd: the popup that a drop edit shows under itself. Knows its edit (not owned) and the
// size it would like, hands the keyboard focus to its first or last control, cycles Tab among
// its controls and back to the edit, keeps its top edge fixed, and turns a child's close request
// into the edit's close message, and reports each change of its visibility to the edit. Internal to the library; concrete drop windows derive from it.
#pragma once
#include <afxwin.h>

class CDropBaseEdit;

class CDropWnd : public CWnd
{
public:
    ~CDropWnd() override;

    BOOL PreTranslateMessage(MSG* pMsg) override;

    // Width and height the window asks for; 0 or less means no wish (height 125 then).
    int m_nPreferredWidth;
    int m_nPreferredHeight;
    CDropBaseEdit* m_pEdit;

    // The control that takes the focus first (Tab start) and last (Shift held, Tab end).
    virtual CWnd* GetFirstControl() = 0;
    virtual CWnd* GetLastControl() = 0;
    // A wheel turn that reached the edit while this window is visible.
    virtual void ForwardMouseWheel(bool bVertical, short zDelta);

    // The height to use for nHeight so that the window stays inside the edit's dialog or main
    // window; never below 125 (at 96 DPI, scaled with the edit's DPI) when it limits.
    int LimitHeightToParent(int nHeight);
    // nPixels designed at 96 DPI, at the DPI of the edit's monitor (this window's without an
    // edit): the edit places this window, so its sizes follow the edit.
    int ScaleToEdit(int nPixels) const;

protected:
    CDropWnd();

    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg LRESULT OnNcHitTest(CPoint point);
    afx_msg void OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized);
    afx_msg LRESULT OnChildClose(WPARAM wParam, LPARAM lParam);
    // Every way of showing or hiding ends here, so the edit learns of each change once.
    afx_msg void OnWindowPosChanged(WINDOWPOS* lpwndpos);
    // Screen readers find the drop window as a pane named after its edit.
    afx_msg LRESULT OnGetObject(WPARAM wParam, LPARAM lParam);
    // Moved to a monitor of another DPI: placed again under the edit, children laid out anew.
    afx_msg LRESULT OnDpiChanged(WPARAM wParam, LPARAM lParam);

    DECLARE_MESSAGE_MAP()

private:
    bool HandleTab();

    bool m_bReportedVisible; // visibility last reported to the edit
};

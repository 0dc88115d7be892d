/// @class CDropBaseEdit
/// CDropBaseEdit: the single-line edit that every control of the library builds on. It paints a
/// drop button in its own non-client area (and, where a subclass asks, an icon area), owns one
/// drop window that it creates hidden, shows under itself and hides again, and routes keys,
/// characters, focus and editing commands to the virtual hooks that the concrete controls
/// override. Owns the drop window object, the drop font and the background brush.
#pragma once
#include <afxwin.h>
#include "DropNotifier.h"
#include "ImageMenuEdit.h"
#include "OrvApi.h"

class CDropWnd;

class ORV_API CDropBaseEdit : public CImageMenuEdit
{
    DECLARE_DYNCREATE(CDropBaseEdit)
    friend class CDirEdit;
    // Drop windows report a changed selection through OnDropWndChanged.
    friend class CDropTextSelectWnd;
    friend class CDropDirWnd;
    friend class CDropDateSelectWnd;
    // The drop window reports each change of its visibility and each pick that closes it.
    friend class CDropWnd;
    // The accessible object reads the button's state and opens or closes the drop window.
    friend class CDropEditAccessible;

protected:
    explicit CDropBaseEdit(COLORREF clrBackground = GetSysColor(COLOR_WINDOW));

public:
    /// Deletes the drop window object and the drop font; the host's edit window stays.
    ~CDropBaseEdit() override;

    /// Recomputes the frame so that the button (and icon) areas are cut out of a window that the
    /// host has just attached.
    void Init();
    /// bEnterShowsDropWnd: Enter opens a hidden drop window (the default). bForwardCloseToParent:
    /// hiding the drop window is passed on to the host's windows, an accept as WM_SETFOCUS posted
    /// to the edit's grandparent and a cancel as Escape posted to its parent (off by default).
    void SetEnterKeyOptions(bool bEnterShowsDropWnd, bool bForwardCloseToParent);
    /// The drop window's font (the parent's font, copied by Init, or the one given to
    /// SetDropWndFont); null before either. Owned by the edit.
    CFont* GetDropWndFont();
    /// Makes the drop window use this font from now on, an open drop window included.
    void SetDropWndFont(const LOGFONTA& lf);

    /// The name screen readers announce for the control; empty (the default) means the text of
    /// the static label just before the edit in the tab order.
    void SetAccessibleName(const CString& name);
    /// The name the host set with SetAccessibleName; empty when none.
    CString GetAccessibleName() const;

    /// Drop window -> edit: close the drop window; wParam 1 accept, anything else cancel.
    static const UINT WM_CLOSE_DROPDOWN_WND;

protected:
    // Virtual hooks, in this order; see each concrete control for what it does with them.
    virtual void DrawIcon(const CRect& rc);
    virtual bool GetDropWndRightAligned() const;
    virtual int GetDropWndMaxWidth() const;
    virtual void GetMoveWndFinalTweak(CRect& rc) const;
    virtual bool CanShowDropDown();
    virtual void UpdateDropWnd();
    virtual void OnDropWndChanged(bool keepOpen);
    virtual void LoadData();
    virtual void SaveData();
    virtual void OnLoosingFocus();

public:
    /// Called by the host when its window moved and by a drop window that changed its size.
    virtual void OnAppMove();

protected:
    void DoDrawButton(bool bDraw);
    void DoDrawIcon(bool bDraw);
    void DoUpdateText(bool bUpdate);
    bool AllowUpdateText() const;
    void RedrawIcon();
    CDropWnd* GetDropWnd();
    void CreateDropWndFont();
    /// Takes ownership of pDropWnd (unless it is null or already has a window) and creates it as
    /// a hidden popup owned by the application's main window.
    bool CreateDropWnd(CDropWnd* pDropWnd, bool bResizable);
    void ShowDropWnd(bool bShow, bool bFocusDropWnd, bool bAccept);
    void DrawButton(int nState);
    // The host's ES_READONLY: no user input changes the text or value, nothing drops down.
    bool IsHostReadOnly() const;
    // Whether the drop window may be shown now: it is a window, the host has not made the edit
    // read-only, and CanShowDropDown agrees.
    bool IsDropDownAllowed();
    // Select-all and the host's read-only rule are applied here, before any control's handler.
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    // The parent's ORVN_* notifications; host calls hold a CDropNotifier::HostCall.
    CDropNotifier& GetNotifier();

    bool m_bDrawButton;
    bool m_bDrawIcon;
    bool m_bUpdateText;
    bool m_bEnterShowsDropWnd;
    bool m_bForwardCloseToParent;
    int m_nButtonState; ///< 0 normal, 1 pressed, 2 disabled
    CDropWnd* m_pDropWnd;
    CFont* m_pDropWndFont;
    CBrush m_brBackground;
    CRect m_rcButton; ///< relative to the window's top-left corner
    CRect m_rcIcon;   ///< relative to the window's top-left corner
    CDropNotifier m_notifier;
    UINT m_nDpi; ///< the DPI the frame, drop font and drop window size were made for; 0 before Init

    afx_msg void OnDestroy();
    afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);
    afx_msg void OnNcPaint();
    afx_msg void OnNcLButtonDown(UINT nHitTest, CPoint point);
    afx_msg LRESULT OnNcHitTest(CPoint point);
    afx_msg void OnEnable(BOOL bEnable);
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg LRESULT OnCloseDropWnd(WPARAM wParam, LPARAM lParam);
    afx_msg UINT OnGetDlgCode();
    afx_msg void OnNcLButtonDblClk(UINT nHitTest, CPoint point);
    afx_msg void OnSysKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    /// The four editing commands share one handler (DoEditCommand); subclasses replace them.
    afx_msg LRESULT OnCut(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnPaste(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnClear(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnUndo(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnSetReadOnly(WPARAM wParam, LPARAM lParam);
    afx_msg void OnCaptureChanged(CWnd* pWnd);
    // A text the host sets is a host call: it sends no outcome of its own.
    afx_msg LRESULT OnSetText(WPARAM wParam, LPARAM lParam);
    /// Answers screen readers with the control's accessible object.
    afx_msg LRESULT OnGetObject(WPARAM wParam, LPARAM lParam);
    /// WM_DPICHANGED_AFTERPARENT (and WM_DPICHANGED of an edit that is itself top-level): lays
    /// the control and its drop window out again at the DPI of the monitor it is now on.
    afx_msg LRESULT OnDpiChanged(WPARAM wParam, LPARAM lParam);

    DECLARE_MESSAGE_MAP()

private:
    void OnDropWndVisibilityChanged(bool bVisible);
    LRESULT DoEditCommand();
    void MoveDropWnd();
    bool IsPointOnButton(CPoint& pt) const;
    bool HasDialogLikeParent() const;
    bool IsDropWndWindow() const;
    bool IsDropWndVisible() const;
    void DeleteDropWndFont();
    void ShowDropWndNoActivate();

    // A press that began on the drop button holds the capture; a text selection drag holds it
    // too, and must neither draw the button pressed nor toggle the drop window.
    bool m_bButtonTracking;
    CString m_strAccessibleName;
};

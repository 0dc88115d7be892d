// Message maps: the entry table, handler signatures and the ON_* macros. A map is an array of
// entries ending with AfxSig_end; each class's map points to its base class's map, and
// CWnd::OnWndMsg / CCmdTarget::OnCmdMsg search from the most derived map down, so an entry of a
// subclass overrides the same entry of its base.
#pragma once
#include "AfxApi.h"

class CCmdTarget;
class CWnd;
class CDC;
class CScrollBar;
class CPoint;

typedef void (AFX_MSG_CALL CCmdTarget::*AFX_PMSG)(void);
typedef void (AFX_MSG_CALL CWnd::*AFX_PMSGW)(void);

struct AFX_MSGMAP_ENTRY
{
    UINT nMessage;   // window message, or WM_COMMAND / WM_NOTIFY (+WM_REFLECT_BASE)
    UINT nCode;      // control notification code
    UINT nID;        // control identifier (first of a range)
    UINT nLastID;    // last identifier of a range
    UINT_PTR nSig;   // handler signature; for registered messages the address of the id
    AFX_PMSG pfn;    // handler
};

struct AFX_MSGMAP
{
    const AFX_MSGMAP* (PASCAL* pfnGetBaseMap)();
    const AFX_MSGMAP_ENTRY* lpEntries;
};

// Reflected messages arrive at the child as WM_REFLECT_BASE + message.
#define WM_REFLECT_BASE 0xBC00
// Marks an entry whose nSig holds the address of a registered message's identifier.
#define AFX_REGISTERED_MESSAGE_MARK 0xC000
#define WM_KICKIDLE 0x036A
#define CN_COMMAND 0
#define CN_UPDATE_COMMAND_UI ((UINT)(-1))

// Parameter block of reflected WM_NOTIFY routing.
struct AFX_NOTIFY
{
    LRESULT* pResult;
    NMHDR* pNMHDR;
};

// Parameter block of WM_CTLCOLOR* routing.
struct AFX_CTLCOLOR
{
    HWND hWnd;
    HDC hDC;
    UINT nCtlType;
};

enum AfxSig : UINT_PTR
{
    AfxSig_end = 0,
    // commands and notifications
    AfxSigCmd_v,        // void ()
    AfxSigCmd_b,        // BOOL ()
    AfxSigCmd_RANGE,    // void (UINT)
    AfxSigNotify_v,     // void (NMHDR*, LRESULT*)
    AfxSigNotify_b,     // BOOL (NMHDR*, LRESULT*)
    AfxSigNotify_RANGE, // void (UINT, NMHDR*, LRESULT*)
    // window messages
    AfxSig_v_v,          // void ()
    AfxSig_b_v,          // BOOL ()
    AfxSig_i_CREATE,     // int (LPCREATESTRUCT)
    AfxSig_b_CREATE,     // BOOL (LPCREATESTRUCT)
    AfxSig_v_u_ii,       // void (UINT, int, int)
    AfxSig_v_ii,         // void (int, int)
    AfxSig_v_b_u,        // void (BOOL, UINT)
    AfxSig_v_W,          // void (CWnd*)
    AfxSig_v_uuu,        // void (UINT, UINT, UINT)
    AfxSig_v_u_p,        // void (UINT, CPoint)
    AfxSig_b_u_s_p,      // BOOL (UINT, short, CPoint)
    AfxSig_v_u_s_p,      // void (UINT, short, CPoint)
    AfxSig_v_W_p,        // void (CWnd*, CPoint)
    AfxSig_v_b,          // void (BOOL)
    AfxSig_v_b_NCCALC,   // void (BOOL, NCCALCSIZE_PARAMS*)
    AfxSig_l_p,          // LRESULT (CPoint)
    AfxSig_b_D,          // BOOL (CDC*)
    AfxSig_v_i_DRAW,     // void (int, LPDRAWITEMSTRUCT)
    AfxSig_v_i_MEASURE,  // void (int, LPMEASUREITEMSTRUCT)
    AfxSig_i_i_COMPARE,  // int (int, LPCOMPAREITEMSTRUCT)
    AfxSig_v_i_DELETE,   // void (int, LPDELETEITEMSTRUCT)
    AfxSig_v_DRAW,       // void (LPDRAWITEMSTRUCT)        reflected
    AfxSig_v_MEASURE,    // void (LPMEASUREITEMSTRUCT)     reflected
    AfxSig_i_COMPARE,    // int (LPCOMPAREITEMSTRUCT)      reflected
    AfxSig_v_DELETE,     // void (LPDELETEITEMSTRUCT)      reflected
    AfxSig_hbr_D_W_u,    // HBRUSH (CDC*, CWnd*, UINT)
    AfxSig_hbr_D_u,      // HBRUSH (CDC*, UINT)             reflected
    AfxSig_v_up,         // void (UINT_PTR)
    AfxSig_u_v,          // UINT ()
    AfxSig_i_W_u_u,      // int (CWnd*, UINT, UINT)
    AfxSig_b_W_u_u,      // BOOL (CWnd*, UINT, UINT)
    AfxSig_v_u_u_Scroll, // void (UINT, UINT, CScrollBar*)
    AfxSig_v_u_u_Scroll_R, // void (UINT, UINT)              reflected scroll
    AfxSig_v_u_W_b,      // void (UINT, CWnd*, BOOL)
    AfxSig_v_MINMAX,     // void (MINMAXINFO*)
    AfxSig_v_POS,        // void (WINDOWPOS*)
    AfxSig_v_u_l,        // void (UINT, LPARAM)
    AfxSig_l_w_l,        // LRESULT (WPARAM, LPARAM)
    AfxSig_v_u_s,        // void (UINT, LPCSTR)
    AfxSig_v_M_u_b,      // void (CMenu*, UINT, BOOL)
    AfxSig_v_u_u_M,      // void (UINT, UINT, HMENU)
    AfxSig_i_u_W_u,      // int (UINT, CListBox*, UINT)
};

class CMenu;
class CListBox;

union MessageMapFunctions
{
    AFX_PMSG pfn;
    void (AFX_MSG_CALL CCmdTarget::*pfnCmd_v_v)();
    BOOL (AFX_MSG_CALL CCmdTarget::*pfnCmd_b_v)();
    void (AFX_MSG_CALL CCmdTarget::*pfnCmd_v_u)(UINT);
    void (AFX_MSG_CALL CCmdTarget::*pfnNotify_v_NMHDR_pl)(NMHDR*, LRESULT*);
    BOOL (AFX_MSG_CALL CCmdTarget::*pfnNotify_b_NMHDR_pl)(NMHDR*, LRESULT*);
    void (AFX_MSG_CALL CCmdTarget::*pfnNotify_v_u_NMHDR_pl)(UINT, NMHDR*, LRESULT*);

    void (AFX_MSG_CALL CWnd::*pfn_v_v)();
    BOOL (AFX_MSG_CALL CWnd::*pfn_b_v)();
    int (AFX_MSG_CALL CWnd::*pfn_i_CREATE)(LPCREATESTRUCT);
    BOOL (AFX_MSG_CALL CWnd::*pfn_b_CREATE)(LPCREATESTRUCT);
    void (AFX_MSG_CALL CWnd::*pfn_v_u_ii)(UINT, int, int);
    void (AFX_MSG_CALL CWnd::*pfn_v_ii)(int, int);
    void (AFX_MSG_CALL CWnd::*pfn_v_b_u)(BOOL, UINT);
    void (AFX_MSG_CALL CWnd::*pfn_v_W)(CWnd*);
    void (AFX_MSG_CALL CWnd::*pfn_v_uuu)(UINT, UINT, UINT);
    void (AFX_MSG_CALL CWnd::*pfn_v_u_p)(UINT, CPoint);
    BOOL (AFX_MSG_CALL CWnd::*pfn_b_u_s_p)(UINT, short, CPoint);
    void (AFX_MSG_CALL CWnd::*pfn_v_u_s_p)(UINT, short, CPoint);
    void (AFX_MSG_CALL CWnd::*pfn_v_W_p)(CWnd*, CPoint);
    void (AFX_MSG_CALL CWnd::*pfn_v_b)(BOOL);
    void (AFX_MSG_CALL CWnd::*pfn_v_b_NCCALC)(BOOL, NCCALCSIZE_PARAMS*);
    LRESULT (AFX_MSG_CALL CWnd::*pfn_l_p)(CPoint);
    BOOL (AFX_MSG_CALL CWnd::*pfn_b_D)(CDC*);
    void (AFX_MSG_CALL CWnd::*pfn_v_i_DRAW)(int, LPDRAWITEMSTRUCT);
    void (AFX_MSG_CALL CWnd::*pfn_v_i_MEASURE)(int, LPMEASUREITEMSTRUCT);
    int (AFX_MSG_CALL CWnd::*pfn_i_i_COMPARE)(int, LPCOMPAREITEMSTRUCT);
    void (AFX_MSG_CALL CWnd::*pfn_v_i_DELETE)(int, LPDELETEITEMSTRUCT);
    void (AFX_MSG_CALL CWnd::*pfn_v_DRAW)(LPDRAWITEMSTRUCT);
    void (AFX_MSG_CALL CWnd::*pfn_v_MEASURE)(LPMEASUREITEMSTRUCT);
    int (AFX_MSG_CALL CWnd::*pfn_i_COMPARE)(LPCOMPAREITEMSTRUCT);
    void (AFX_MSG_CALL CWnd::*pfn_v_DELETE)(LPDELETEITEMSTRUCT);
    HBRUSH (AFX_MSG_CALL CWnd::*pfn_hbr_D_W_u)(CDC*, CWnd*, UINT);
    HBRUSH (AFX_MSG_CALL CWnd::*pfn_hbr_D_u)(CDC*, UINT);
    void (AFX_MSG_CALL CWnd::*pfn_v_up)(UINT_PTR);
    UINT (AFX_MSG_CALL CWnd::*pfn_u_v)();
    int (AFX_MSG_CALL CWnd::*pfn_i_W_u_u)(CWnd*, UINT, UINT);
    BOOL (AFX_MSG_CALL CWnd::*pfn_b_W_u_u)(CWnd*, UINT, UINT);
    void (AFX_MSG_CALL CWnd::*pfn_v_u_u_Scroll)(UINT, UINT, CScrollBar*);
    void (AFX_MSG_CALL CWnd::*pfn_v_u_u)(UINT, UINT);
    void (AFX_MSG_CALL CWnd::*pfn_v_u_W_b)(UINT, CWnd*, BOOL);
    void (AFX_MSG_CALL CWnd::*pfn_v_MINMAX)(MINMAXINFO*);
    void (AFX_MSG_CALL CWnd::*pfn_v_POS)(WINDOWPOS*);
    void (AFX_MSG_CALL CWnd::*pfn_v_u_l)(UINT, LPARAM);
    LRESULT (AFX_MSG_CALL CWnd::*pfn_l_w_l)(WPARAM, LPARAM);
    void (AFX_MSG_CALL CWnd::*pfn_v_u_s)(UINT, LPCSTR);
    void (AFX_MSG_CALL CWnd::*pfn_v_M_u_b)(CMenu*, UINT, BOOL);
    void (AFX_MSG_CALL CWnd::*pfn_v_u_u_M)(UINT, UINT, HMENU);
    int (AFX_MSG_CALL CWnd::*pfn_i_u_W_u)(UINT, CListBox*, UINT);
};

#define DECLARE_MESSAGE_MAP() \
protected: \
    static const AFX_MSGMAP* PASCAL GetThisMessageMap(); \
    virtual const AFX_MSGMAP* GetMessageMap() const override;

// Handlers are stored as generic member pointers and called back through their real type.
#define PTM_WARNING_DISABLE _Pragma("GCC diagnostic push") _Pragma("GCC diagnostic ignored \"-Wcast-function-type\"")
#define PTM_WARNING_RESTORE _Pragma("GCC diagnostic pop")

#define BEGIN_MESSAGE_MAP(theClass, baseClass) \
    PTM_WARNING_DISABLE \
    const AFX_MSGMAP* theClass::GetMessageMap() const { return GetThisMessageMap(); } \
    const AFX_MSGMAP* PASCAL theClass::GetThisMessageMap() \
    { \
        typedef theClass ThisClass; \
        typedef baseClass TheBaseClass; \
        (void)sizeof(ThisClass); \
        static const AFX_MSGMAP_ENTRY _messageEntries[] = {

#define END_MESSAGE_MAP() \
            { 0, 0, 0, 0, AfxSig_end, (AFX_PMSG)0 } }; \
        static const AFX_MSGMAP messageMap = { &TheBaseClass::GetThisMessageMap, &_messageEntries[0] }; \
        return &messageMap; \
    } \
    PTM_WARNING_RESTORE

// Casts a handler of the mapping class to the map's generic pointer, checking its signature.
#define AFX_MAP_FN(type, fn) ((AFX_PMSG)(AFX_PMSGW)(static_cast<type>(fn)))
#define AFX_MAP_CMD(type, fn) ((AFX_PMSG)(static_cast<type>(fn)))
#define AFX_WM(msg, sig, type, fn) { msg, 0, 0, 0, sig, AFX_MAP_FN(type AFX_MSG_CALL CWnd::*, &ThisClass::fn) }

// Window messages
#define ON_WM_CREATE() { WM_CREATE, 0, 0, 0, AfxSig_i_CREATE, AFX_MAP_FN(int (AFX_MSG_CALL CWnd::*)(LPCREATESTRUCT), &ThisClass::OnCreate) },
#define ON_WM_NCCREATE() { WM_NCCREATE, 0, 0, 0, AfxSig_b_CREATE, AFX_MAP_FN(BOOL (AFX_MSG_CALL CWnd::*)(LPCREATESTRUCT), &ThisClass::OnNcCreate) },
#define ON_WM_DESTROY() { WM_DESTROY, 0, 0, 0, AfxSig_v_v, AFX_MAP_FN(void (AFX_MSG_CALL CWnd::*)(), &ThisClass::OnDestroy) },
#define ON_WM_NCDESTROY() { WM_NCDESTROY, 0, 0, 0, AfxSig_v_v, AFX_MAP_FN(void (AFX_MSG_CALL CWnd::*)(), &ThisClass::OnNcDestroy) },
#define ON_WM_CLOSE() { WM_CLOSE, 0, 0, 0, AfxSig_v_v, AFX_MAP_FN(void (AFX_MSG_CALL CWnd::*)(), &ThisClass::OnClose) },
#define ON_WM_PAINT() { WM_PAINT, 0, 0, 0, AfxSig_v_v, AFX_MAP_FN(void (AFX_MSG_CALL CWnd::*)(), &ThisClass::OnPaint) },
#define ON_WM_NCPAINT() { WM_NCPAINT, 0, 0, 0, AfxSig_v_v, AFX_MAP_FN(void (AFX_MSG_CALL CWnd::*)(), &ThisClass::OnNcPaint) },
#define ON_WM_CANCELMODE() { WM_CANCELMODE, 0, 0, 0, AfxSig_v_v, AFX_MAP_FN(void (AFX_MSG_CALL CWnd::*)(), &ThisClass::OnCancelMode) },
#define ON_WM_SYSCOLORCHANGE() { WM_SYSCOLORCHANGE, 0, 0, 0, AfxSig_v_v, AFX_MAP_FN(void (AFX_MSG_CALL CWnd::*)(), &ThisClass::OnSysColorChange) },
#define ON_WM_SIZE() { WM_SIZE, 0, 0, 0, AfxSig_v_u_ii, AFX_MAP_FN(void (AFX_MSG_CALL CWnd::*)(UINT, int, int), &ThisClass::OnSize) },
#define ON_WM_MOVE() { WM_MOVE, 0, 0, 0, AfxSig_v_ii, AFX_MAP_FN(void (AFX_MSG_CALL CWnd::*)(int, int), &ThisClass::OnMove) },
#define ON_WM_SHOWWINDOW() { WM_SHOWWINDOW, 0, 0, 0, AfxSig_v_b_u, AFX_MAP_FN(void (AFX_MSG_CALL CWnd::*)(BOOL, UINT), &ThisClass::OnShowWindow) },
#define ON_WM_SETFOCUS() { WM_SETFOCUS, 0, 0, 0, AfxSig_v_W, AFX_MAP_FN(void (AFX_MSG_CALL CWnd::*)(CWnd*), &ThisClass::OnSetFocus) },
#define ON_WM_KILLFOCUS() { WM_KILLFOCUS, 0, 0, 0, AfxSig_v_W, AFX_MAP_FN(void (AFX_MSG_CALL CWnd::*)(CWnd*), &ThisClass::OnKillFocus) },
#define ON_WM_CAPTURECHANGED() { WM_CAPTURECHANGED, 0, 0, 0, AfxSig_v_W, AFX_MAP_FN(void (AFX_MSG_CALL CWnd::*)(CWnd*), &ThisClass::OnCaptureChanged) },
#define ON_WM_KEYDOWN() { WM_KEYDOWN, 0, 0, 0, AfxSig_v_uuu, AFX_MAP_FN(void (AFX_MSG_CALL CWnd::*)(UINT, UINT, UINT), &ThisClass::OnKeyDown) },
#define ON_WM_KEYUP() { WM_KEYUP, 0, 0, 0, AfxSig_v_uuu, AFX_MAP_FN(void (AFX_MSG_CALL CWnd::*)(UINT, UINT, UINT), &ThisClass::OnKeyUp) },
#define ON_WM_CHAR() { WM_CHAR, 0, 0, 0, AfxSig_v_uuu, AFX_MAP_FN(void (AFX_MSG_CALL CWnd::*)(UINT, UINT, UINT), &ThisClass::OnChar) },
#define ON_WM_SYSKEYDOWN() { WM_SYSKEYDOWN, 0, 0, 0, AfxSig_v_uuu, AFX_MAP_FN(void (AFX_MSG_CALL CWnd::*)(UINT, UINT, UINT), &ThisClass::OnSysKeyDown) },
#define ON_WM_SYSCHAR() { WM_SYSCHAR, 0, 0, 0, AfxSig_v_uuu, AFX_MAP_FN(void (AFX_MSG_CALL CWnd::*)(UINT, UINT, UINT), &ThisClass::OnSysChar) },
#define ON_WM_MOUSEMOVE() { WM_MOUSEMOVE, 0, 0, 0, AfxSig_v_u_p, AFX_MAP_FN(void (AFX_MSG_CALL CWnd::*)(UINT, CPoint), &ThisClass::OnMouseMove) },
#define ON_WM_LBUTTONDOWN() { WM_LBUTTONDOWN, 0, 0, 0, AfxSig_v_u_p, AFX_MAP_FN(void (AFX_MSG_CALL CWnd::*)(UINT, CPoint), &ThisClass::OnLButtonDown) },
#define ON_WM_LBUTTONUP() { WM_LBUTTONUP, 0, 0, 0, AfxSig_v_u_p, AFX_MAP_FN(void (AFX_MSG_CALL CWnd::*)(UINT, CPoint), &ThisClass::OnLButtonUp) },
#define ON_WM_LBUTTONDBLCLK() { WM_LBUTTONDBLCLK, 0, 0, 0, AfxSig_v_u_p, AFX_MAP_FN(void (AFX_MSG_CALL CWnd::*)(UINT, CPoint), &ThisClass::OnLButtonDblClk) },
#define ON_WM_RBUTTONDOWN() { WM_RBUTTONDOWN, 0, 0, 0, AfxSig_v_u_p, AFX_MAP_FN(void (AFX_MSG_CALL CWnd::*)(UINT, CPoint), &ThisClass::OnRButtonDown) },
#define ON_WM_RBUTTONUP() { WM_RBUTTONUP, 0, 0, 0, AfxSig_v_u_p, AFX_MAP_FN(void (AFX_MSG_CALL CWnd::*)(UINT, CPoint), &ThisClass::OnRButtonUp) },
#define ON_WM_MBUTTONDOWN() { WM_MBUTTONDOWN, 0, 0, 0, AfxSig_v_u_p, AFX_MAP_FN(void (AFX_MSG_CALL CWnd::*)(UINT, CPoint), &ThisClass::OnMButtonDown) },
#define ON_WM_NCLBUTTONDOWN() { WM_NCLBUTTONDOWN, 0, 0, 0, AfxSig_v_u_p, AFX_MAP_FN(void (AFX_MSG_CALL CWnd::*)(UINT, CPoint), &ThisClass::OnNcLButtonDown) },
#define ON_WM_NCLBUTTONUP() { WM_NCLBUTTONUP, 0, 0, 0, AfxSig_v_u_p, AFX_MAP_FN(void (AFX_MSG_CALL CWnd::*)(UINT, CPoint), &ThisClass::OnNcLButtonUp) },
#define ON_WM_NCLBUTTONDBLCLK() { WM_NCLBUTTONDBLCLK, 0, 0, 0, AfxSig_v_u_p, AFX_MAP_FN(void (AFX_MSG_CALL CWnd::*)(UINT, CPoint), &ThisClass::OnNcLButtonDblClk) },
#define ON_WM_NCMOUSEMOVE() { WM_NCMOUSEMOVE, 0, 0, 0, AfxSig_v_u_p, AFX_MAP_FN(void (AFX_MSG_CALL CWnd::*)(UINT, CPoint), &ThisClass::OnNcMouseMove) },
#define ON_WM_MOUSEWHEEL() { WM_MOUSEWHEEL, 0, 0, 0, AfxSig_b_u_s_p, AFX_MAP_FN(BOOL (AFX_MSG_CALL CWnd::*)(UINT, short, CPoint), &ThisClass::OnMouseWheel) },
#define ON_WM_MOUSEHWHEEL() { WM_MOUSEHWHEEL, 0, 0, 0, AfxSig_v_u_s_p, AFX_MAP_FN(void (AFX_MSG_CALL CWnd::*)(UINT, short, CPoint), &ThisClass::OnMouseHWheel) },
#define ON_WM_CONTEXTMENU() { WM_CONTEXTMENU, 0, 0, 0, AfxSig_v_W_p, AFX_MAP_FN(void (AFX_MSG_CALL CWnd::*)(CWnd*, CPoint), &ThisClass::OnContextMenu) },
#define ON_WM_ENABLE() { WM_ENABLE, 0, 0, 0, AfxSig_v_b, AFX_MAP_FN(void (AFX_MSG_CALL CWnd::*)(BOOL), &ThisClass::OnEnable) },
#define ON_WM_NCCALCSIZE() { WM_NCCALCSIZE, 0, 0, 0, AfxSig_v_b_NCCALC, AFX_MAP_FN(void (AFX_MSG_CALL CWnd::*)(BOOL, NCCALCSIZE_PARAMS*), &ThisClass::OnNcCalcSize) },
#define ON_WM_NCHITTEST() { WM_NCHITTEST, 0, 0, 0, AfxSig_l_p, AFX_MAP_FN(LRESULT (AFX_MSG_CALL CWnd::*)(CPoint), &ThisClass::OnNcHitTest) },
#define ON_WM_ERASEBKGND() { WM_ERASEBKGND, 0, 0, 0, AfxSig_b_D, AFX_MAP_FN(BOOL (AFX_MSG_CALL CWnd::*)(CDC*), &ThisClass::OnEraseBkgnd) },
#define ON_WM_DRAWITEM() { WM_DRAWITEM, 0, 0, 0, AfxSig_v_i_DRAW, AFX_MAP_FN(void (AFX_MSG_CALL CWnd::*)(int, LPDRAWITEMSTRUCT), &ThisClass::OnDrawItem) },
#define ON_WM_MEASUREITEM() { WM_MEASUREITEM, 0, 0, 0, AfxSig_v_i_MEASURE, AFX_MAP_FN(void (AFX_MSG_CALL CWnd::*)(int, LPMEASUREITEMSTRUCT), &ThisClass::OnMeasureItem) },
#define ON_WM_COMPAREITEM() { WM_COMPAREITEM, 0, 0, 0, AfxSig_i_i_COMPARE, AFX_MAP_FN(int (AFX_MSG_CALL CWnd::*)(int, LPCOMPAREITEMSTRUCT), &ThisClass::OnCompareItem) },
#define ON_WM_DELETEITEM() { WM_DELETEITEM, 0, 0, 0, AfxSig_v_i_DELETE, AFX_MAP_FN(void (AFX_MSG_CALL CWnd::*)(int, LPDELETEITEMSTRUCT), &ThisClass::OnDeleteItem) },
#define ON_WM_DRAWITEM_REFLECT() { WM_DRAWITEM + WM_REFLECT_BASE, 0, 0, 0, AfxSig_v_DRAW, AFX_MAP_FN(void (AFX_MSG_CALL CWnd::*)(LPDRAWITEMSTRUCT), &ThisClass::DrawItem) },
#define ON_WM_MEASUREITEM_REFLECT() { WM_MEASUREITEM + WM_REFLECT_BASE, 0, 0, 0, AfxSig_v_MEASURE, AFX_MAP_FN(void (AFX_MSG_CALL CWnd::*)(LPMEASUREITEMSTRUCT), &ThisClass::MeasureItem) },
#define ON_WM_COMPAREITEM_REFLECT() { WM_COMPAREITEM + WM_REFLECT_BASE, 0, 0, 0, AfxSig_i_COMPARE, AFX_MAP_FN(int (AFX_MSG_CALL CWnd::*)(LPCOMPAREITEMSTRUCT), &ThisClass::CompareItem) },
#define ON_WM_DELETEITEM_REFLECT() { WM_DELETEITEM + WM_REFLECT_BASE, 0, 0, 0, AfxSig_v_DELETE, AFX_MAP_FN(void (AFX_MSG_CALL CWnd::*)(LPDELETEITEMSTRUCT), &ThisClass::DeleteItem) },
#define ON_WM_CTLCOLOR() { WM_CTLCOLOR, 0, 0, 0, AfxSig_hbr_D_W_u, AFX_MAP_FN(HBRUSH (AFX_MSG_CALL CWnd::*)(CDC*, CWnd*, UINT), &ThisClass::OnCtlColor) },
#define ON_WM_CTLCOLOR_REFLECT() { WM_CTLCOLOR + WM_REFLECT_BASE, 0, 0, 0, AfxSig_hbr_D_u, AFX_MAP_FN(HBRUSH (AFX_MSG_CALL CWnd::*)(CDC*, UINT), &ThisClass::CtlColor) },
#define ON_WM_TIMER() { WM_TIMER, 0, 0, 0, AfxSig_v_up, AFX_MAP_FN(void (AFX_MSG_CALL CWnd::*)(UINT_PTR), &ThisClass::OnTimer) },
#define ON_WM_GETDLGCODE() { WM_GETDLGCODE, 0, 0, 0, AfxSig_u_v, AFX_MAP_FN(UINT (AFX_MSG_CALL CWnd::*)(), &ThisClass::OnGetDlgCode) },
#define ON_WM_MOUSEACTIVATE() { WM_MOUSEACTIVATE, 0, 0, 0, AfxSig_i_W_u_u, AFX_MAP_FN(int (AFX_MSG_CALL CWnd::*)(CWnd*, UINT, UINT), &ThisClass::OnMouseActivate) },
#define ON_WM_SETCURSOR() { WM_SETCURSOR, 0, 0, 0, AfxSig_b_W_u_u, AFX_MAP_FN(BOOL (AFX_MSG_CALL CWnd::*)(CWnd*, UINT, UINT), &ThisClass::OnSetCursor) },
#define ON_WM_VSCROLL() { WM_VSCROLL, 0, 0, 0, AfxSig_v_u_u_Scroll, AFX_MAP_FN(void (AFX_MSG_CALL CWnd::*)(UINT, UINT, CScrollBar*), &ThisClass::OnVScroll) },
#define ON_WM_HSCROLL() { WM_HSCROLL, 0, 0, 0, AfxSig_v_u_u_Scroll, AFX_MAP_FN(void (AFX_MSG_CALL CWnd::*)(UINT, UINT, CScrollBar*), &ThisClass::OnHScroll) },
#define ON_WM_VSCROLL_REFLECT() { WM_VSCROLL + WM_REFLECT_BASE, 0, 0, 0, AfxSig_v_u_u_Scroll_R, AFX_MAP_FN(void (AFX_MSG_CALL CWnd::*)(UINT, UINT), &ThisClass::VScroll) },
#define ON_WM_HSCROLL_REFLECT() { WM_HSCROLL + WM_REFLECT_BASE, 0, 0, 0, AfxSig_v_u_u_Scroll_R, AFX_MAP_FN(void (AFX_MSG_CALL CWnd::*)(UINT, UINT), &ThisClass::HScroll) },
#define ON_WM_ACTIVATE() { WM_ACTIVATE, 0, 0, 0, AfxSig_v_u_W_b, AFX_MAP_FN(void (AFX_MSG_CALL CWnd::*)(UINT, CWnd*, BOOL), &ThisClass::OnActivate) },
#define ON_WM_GETMINMAXINFO() { WM_GETMINMAXINFO, 0, 0, 0, AfxSig_v_MINMAX, AFX_MAP_FN(void (AFX_MSG_CALL CWnd::*)(MINMAXINFO*), &ThisClass::OnGetMinMaxInfo) },
#define ON_WM_WINDOWPOSCHANGING() { WM_WINDOWPOSCHANGING, 0, 0, 0, AfxSig_v_POS, AFX_MAP_FN(void (AFX_MSG_CALL CWnd::*)(WINDOWPOS*), &ThisClass::OnWindowPosChanging) },
#define ON_WM_WINDOWPOSCHANGED() { WM_WINDOWPOSCHANGED, 0, 0, 0, AfxSig_v_POS, AFX_MAP_FN(void (AFX_MSG_CALL CWnd::*)(WINDOWPOS*), &ThisClass::OnWindowPosChanged) },
#define ON_WM_PARENTNOTIFY() { WM_PARENTNOTIFY, 0, 0, 0, AfxSig_v_u_l, AFX_MAP_FN(void (AFX_MSG_CALL CWnd::*)(UINT, LPARAM), &ThisClass::OnParentNotify) },
#define ON_WM_SETTINGCHANGE() { WM_SETTINGCHANGE, 0, 0, 0, AfxSig_v_u_s, AFX_MAP_FN(void (AFX_MSG_CALL CWnd::*)(UINT, LPCSTR), &ThisClass::OnSettingChange) },
#define ON_WM_INITMENUPOPUP() { WM_INITMENUPOPUP, 0, 0, 0, AfxSig_v_M_u_b, AFX_MAP_FN(void (AFX_MSG_CALL CWnd::*)(CMenu*, UINT, BOOL), &ThisClass::OnInitMenuPopup) },
#define ON_WM_MENUSELECT() { WM_MENUSELECT, 0, 0, 0, AfxSig_v_u_u_M, AFX_MAP_FN(void (AFX_MSG_CALL CWnd::*)(UINT, UINT, HMENU), &ThisClass::OnMenuSelect) },
#define ON_WM_VKEYTOITEM() { WM_VKEYTOITEM, 0, 0, 0, AfxSig_i_u_W_u, AFX_MAP_FN(int (AFX_MSG_CALL CWnd::*)(UINT, CListBox*, UINT), &ThisClass::OnVKeyToItem) },
#define ON_WM_CHARTOITEM() { WM_CHARTOITEM, 0, 0, 0, AfxSig_i_u_W_u, AFX_MAP_FN(int (AFX_MSG_CALL CWnd::*)(UINT, CListBox*, UINT), &ThisClass::OnCharToItem) },

// Custom and registered messages: LRESULT handler(WPARAM, LPARAM)
#define ON_MESSAGE(message, memberFxn) \
    { message, 0, 0, 0, AfxSig_l_w_l, AFX_MAP_FN(LRESULT (AFX_MSG_CALL CWnd::*)(WPARAM, LPARAM), &ThisClass::memberFxn) },
#define ON_REGISTERED_MESSAGE(nMessageVariable, memberFxn) \
    { AFX_REGISTERED_MESSAGE_MARK, 0, 0, 0, (UINT_PTR)(const UINT*)(&nMessageVariable), \
      AFX_MAP_FN(LRESULT (AFX_MSG_CALL CWnd::*)(WPARAM, LPARAM), &ThisClass::memberFxn) },

// Commands and control notifications
#define ON_COMMAND(id, memberFxn) \
    { WM_COMMAND, CN_COMMAND, (WORD)(id), (WORD)(id), AfxSigCmd_v, AFX_MAP_CMD(void (AFX_MSG_CALL CCmdTarget::*)(), &ThisClass::memberFxn) },
#define ON_COMMAND_RANGE(id, idLast, memberFxn) \
    { WM_COMMAND, CN_COMMAND, (WORD)(id), (WORD)(idLast), AfxSigCmd_RANGE, AFX_MAP_CMD(void (AFX_MSG_CALL CCmdTarget::*)(UINT), &ThisClass::memberFxn) },
#define ON_CONTROL(wNotifyCode, id, memberFxn) \
    { WM_COMMAND, (WORD)(wNotifyCode), (WORD)(id), (WORD)(id), AfxSigCmd_v, AFX_MAP_CMD(void (AFX_MSG_CALL CCmdTarget::*)(), &ThisClass::memberFxn) },
#define ON_CONTROL_RANGE(wNotifyCode, id, idLast, memberFxn) \
    { WM_COMMAND, (WORD)(wNotifyCode), (WORD)(id), (WORD)(idLast), AfxSigCmd_RANGE, AFX_MAP_CMD(void (AFX_MSG_CALL CCmdTarget::*)(UINT), &ThisClass::memberFxn) },
#define ON_NOTIFY(wNotifyCode, id, memberFxn) \
    { WM_NOTIFY, (WORD)(int)(wNotifyCode), (WORD)(id), (WORD)(id), AfxSigNotify_v, AFX_MAP_CMD(void (AFX_MSG_CALL CCmdTarget::*)(NMHDR*, LRESULT*), &ThisClass::memberFxn) },
#define ON_NOTIFY_RANGE(wNotifyCode, id, idLast, memberFxn) \
    { WM_NOTIFY, (WORD)(int)(wNotifyCode), (WORD)(id), (WORD)(idLast), AfxSigNotify_RANGE, AFX_MAP_CMD(void (AFX_MSG_CALL CCmdTarget::*)(UINT, NMHDR*, LRESULT*), &ThisClass::memberFxn) },
#define ON_CONTROL_REFLECT(wNotifyCode, memberFxn) \
    { WM_COMMAND + WM_REFLECT_BASE, (WORD)(wNotifyCode), 0, 0, AfxSigCmd_v, AFX_MAP_CMD(void (AFX_MSG_CALL CCmdTarget::*)(), &ThisClass::memberFxn) },
#define ON_CONTROL_REFLECT_EX(wNotifyCode, memberFxn) \
    { WM_COMMAND + WM_REFLECT_BASE, (WORD)(wNotifyCode), 0, 0, AfxSigCmd_b, AFX_MAP_CMD(BOOL (AFX_MSG_CALL CCmdTarget::*)(), &ThisClass::memberFxn) },
#define ON_NOTIFY_REFLECT(wNotifyCode, memberFxn) \
    { WM_NOTIFY + WM_REFLECT_BASE, (WORD)(int)(wNotifyCode), 0, 0, AfxSigNotify_v, AFX_MAP_CMD(void (AFX_MSG_CALL CCmdTarget::*)(NMHDR*, LRESULT*), &ThisClass::memberFxn) },
#define ON_NOTIFY_REFLECT_EX(wNotifyCode, memberFxn) \
    { WM_NOTIFY + WM_REFLECT_BASE, (WORD)(int)(wNotifyCode), 0, 0, AfxSigNotify_b, AFX_MAP_CMD(BOOL (AFX_MSG_CALL CCmdTarget::*)(NMHDR*, LRESULT*), &ThisClass::memberFxn) },

// Button, edit and list box notifications
#define ON_BN_CLICKED(id, memberFxn) ON_CONTROL(BN_CLICKED, id, memberFxn)
#define ON_BN_DOUBLECLICKED(id, memberFxn) ON_CONTROL(BN_DOUBLECLICKED, id, memberFxn)
#define ON_EN_CHANGE(id, memberFxn) ON_CONTROL(EN_CHANGE, id, memberFxn)
#define ON_EN_UPDATE(id, memberFxn) ON_CONTROL(EN_UPDATE, id, memberFxn)
#define ON_EN_SETFOCUS(id, memberFxn) ON_CONTROL(EN_SETFOCUS, id, memberFxn)
#define ON_EN_KILLFOCUS(id, memberFxn) ON_CONTROL(EN_KILLFOCUS, id, memberFxn)
#define ON_LBN_SELCHANGE(id, memberFxn) ON_CONTROL(LBN_SELCHANGE, id, memberFxn)
#define ON_LBN_DBLCLK(id, memberFxn) ON_CONTROL(LBN_DBLCLK, id, memberFxn)
#define ON_LBN_SETFOCUS(id, memberFxn) ON_CONTROL(LBN_SETFOCUS, id, memberFxn)
#define ON_LBN_KILLFOCUS(id, memberFxn) ON_CONTROL(LBN_KILLFOCUS, id, memberFxn)

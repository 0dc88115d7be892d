// Edit and button wrappers checked through the real controls; an owner-drawn button that draws
// itself and keeps its clicks from a parent with its own map; wrappers that have no window.
#include <afxwin.h>
#include <afxcmn.h>
#include <gtest/gtest.h>
#include "ControlHost.h"
#include <functional>
#include <vector>

namespace
{
const UINT kCtlId = 200;

CString TextOf(const CWnd& wnd)
{
    CString strText;
    wnd.GetWindowText(strText);
    return strText;
}

// Records the editing commands that reach it, then lets the control carry them out.
class CCommandLogEdit : public CEdit
{
public:
    std::vector<UINT> m_commands;

protected:
    afx_msg LRESULT OnEditCommand(WPARAM, LPARAM)
    {
        m_commands.push_back(AfxGetCurrentMessage()->message);
        return Default();
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CCommandLogEdit, CEdit)
    ON_MESSAGE(WM_UNDO, OnEditCommand)
    ON_MESSAGE(WM_CUT, OnEditCommand)
    ON_MESSAGE(WM_COPY, OnEditCommand)
    ON_MESSAGE(WM_PASTE, OnEditCommand)
    ON_MESSAGE(WM_CLEAR, OnEditCommand)
END_MESSAGE_MAP()

// Handles its own clicks (the parent never hears of them) and draws itself when owner-drawn.
class CSelfClickingButton : public CButton
{
public:
    int m_nClicks = 0;
    std::vector<UINT> m_drawnIds;

    void DrawItem(LPDRAWITEMSTRUCT lpDIS) override
    {
        if (lpDIS->CtlType == ODT_BUTTON && lpDIS->hwndItem == m_hWnd)
            m_drawnIds.push_back(lpDIS->CtlID);
    }

protected:
    afx_msg void OnClicked() { ++m_nClicks; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CSelfClickingButton, CButton)
    ON_CONTROL_REFLECT(BN_CLICKED, OnClicked)
END_MESSAGE_MAP()

class CListeningHost : public CControlHost
{
public:
    int m_nButtonClicks = 0;

protected:
    afx_msg void OnButtonClicked() { ++m_nButtonClicks; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CListeningHost, CControlHost)
    ON_BN_CLICKED(kCtlId, OnButtonClicked)
END_MESSAGE_MAP()
}

TEST(Edit, SelectionReplaceUndoAndCommandsGoThroughTheControl)
{
    CControlHost host;
    ASSERT_TRUE(host.Open());
    CCommandLogEdit edit;
    ASSERT_TRUE(edit.Create(WS_VISIBLE | ES_AUTOHSCROLL, CRect(0, 0, 200, 24), &host, kCtlId));
    EXPECT_STRCASEEQ("Edit", WindowClassName(edit.m_hWnd));
    edit.SetWindowText("hello world");
    edit.SetSel(0, 5);
    EXPECT_EQ(static_cast<LRESULT>(MAKELONG(0, 5)), ::SendMessageA(edit.m_hWnd, EM_GETSEL, 0, 0));
    int nStart = -1, nEnd = -1;
    edit.GetSel(nStart, nEnd);
    EXPECT_EQ(5, nEnd);
    edit.EmptyUndoBuffer();
    edit.ReplaceSel("HELLO", TRUE);
    EXPECT_STREQ("HELLO world", TextOf(edit));
    EXPECT_TRUE(edit.CanUndo());
    EXPECT_TRUE(edit.Undo());
    EXPECT_STREQ("hello world", TextOf(edit));

    edit.SetSel(MAKELONG(6, 11)); // packed: start low, end high
    edit.ReplaceSel(nullptr);     // as an empty text
    EXPECT_STREQ("hello ", TextOf(edit));
    edit.SetSel(0, 2);
    edit.Cut();
    EXPECT_STREQ("llo ", TextOf(edit));
    edit.SetSel(0, 0);
    edit.Paste();
    EXPECT_STREQ("hello ", TextOf(edit));
    edit.SetSel(0, 1);
    edit.Copy();
    edit.Clear();
    EXPECT_STREQ("ello ", TextOf(edit));
    EXPECT_EQ((std::vector<UINT>{ WM_UNDO, WM_CUT, WM_PASTE, WM_COPY, WM_CLEAR }), edit.m_commands);

    // A one-character line buffer cannot hold the size word; the byte after it stays as it was.
    char szTiny[2] = { '\0', '#' };
    EXPECT_EQ(1, edit.GetLine(0, szTiny, 1));
    EXPECT_EQ('e', szTiny[0]);
    EXPECT_EQ('#', szTiny[1]);
}

// The controls hand every byte the user can paste to the edit. With a machine's DejaVu fonts
// visible to Wine, drawing the byte 0x98 faults inside gdi32 even in a plain edit (the process
// dies here); the test prefix sees only Wine's own fonts, and every face draws every byte.
int CALLBACK AddFace(const LOGFONTA* pFont, const TEXTMETRICA*, DWORD, LPARAM lParam)
{
    reinterpret_cast<std::vector<CString>*>(lParam)->push_back(pFont->lfFaceName);
    return 1;
}

TEST(Edit, PlainEditDrawsEveryByteInEveryVisibleFace)
{
    CControlHost host;
    ASSERT_TRUE(host.Open());
    CEdit edit;
    ASSERT_TRUE(edit.Create(WS_VISIBLE | ES_AUTOHSCROLL, CRect(0, 0, 200, 24), &host, kCtlId));
    std::vector<CString> faces;
    LOGFONTA all = {};
    all.lfCharSet = DEFAULT_CHARSET;
    HDC hDC = ::GetDC(edit.m_hWnd);
    ::EnumFontFamiliesExA(hDC, &all, AddFace, reinterpret_cast<LPARAM>(&faces), 0);
    ::ReleaseDC(edit.m_hWnd, hDC);
    ASSERT_FALSE(faces.empty());
    for (const CString& face : faces)
    {
        CFont font;
        font.CreatePointFont(90, face);
        edit.SetFont(&font);
        for (int byte = 1; byte <= 0xFF; ++byte)
        {
            const char text[] = { static_cast<char>(byte), '\0' };
            edit.SetWindowText(text);
            edit.UpdateWindow();
            EXPECT_STREQ(text, TextOf(edit)) << face.GetString() << ", byte " << byte;
        }
        edit.SetFont(nullptr);
    }
}

TEST(Reflection, OwnerDrawnButtonDrawsItselfAndKeepsItsClicksFromTheParent)
{
    CListeningHost host;
    ASSERT_TRUE(host.Open());
    CSelfClickingButton button;
    ASSERT_TRUE(button.Create("b", WS_VISIBLE | BS_OWNERDRAW, CRect(0, 0, 60, 24), &host, kCtlId));
    button.m_drawnIds.clear();
    button.Invalidate();
    button.UpdateWindow();
    EXPECT_EQ((std::vector<UINT>{ kCtlId }), button.m_drawnIds);
    button.Click();
    EXPECT_EQ(1, button.m_nClicks);
    EXPECT_EQ(0, host.m_nButtonClicks);
}

TEST(Button, CheckStateFollowsClicksAndSetCheck)
{
    CControlHost host;
    ASSERT_TRUE(host.Open());
    CButton button;
    ASSERT_TRUE(button.Create("b", WS_VISIBLE | BS_AUTO3STATE, CRect(0, 0, 80, 24), &host, kCtlId));
    button.Click();
    EXPECT_EQ(BST_CHECKED, ::SendMessageA(button.m_hWnd, BM_GETCHECK, 0, 0));
    button.Click();
    EXPECT_EQ(BST_INDETERMINATE, button.GetCheck());
    button.SetCheck(BST_UNCHECKED);
    EXPECT_EQ(BST_UNCHECKED, ::SendMessageA(button.m_hWnd, BM_GETCHECK, 0, 0));
}

TEST(Controls, WrappersWithoutAWindowDoNothingAndAnswerFailure)
{
    CEdit edit;
    CListBox list;
    CScrollBar bar;
    CTreeCtrl tree;
    struct Row
    {
        const char* name;
        std::function<LRESULT()> call;
        LRESULT expected;
    } rows[] = {
        { "list add", [&] { return LRESULT(list.AddString("x")); }, LB_ERR },
        { "list current row", [&] { return LRESULT(list.GetCurSel()); }, LB_ERR },
        { "scroll limit", [&] { return LRESULT(bar.GetScrollLimit()); }, 0 },
        { "tree insert", [&] { return LRESULT(tree.InsertItem("x")); }, 0 },
        { "tree background", [&] { return LRESULT(tree.GetBkColor()); }, LRESULT(CLR_NONE) },
    };
    for (const Row& row : rows)
    {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(row.expected, row.call());
    }
    // Results handed back through parameters are set, never left as they were.
    int nStart = 5, nEnd = 5;
    edit.GetSel(nStart, nEnd);
    EXPECT_EQ(0, nStart + nEnd);
    BOOL bOutside = FALSE;
    list.ItemFromPoint(CPoint(1, 1), bOutside);
    EXPECT_TRUE(bOutside);
    CRect rc(1, 2, 3, 4);
    EXPECT_FALSE(tree.GetItemRect(TVI_ROOT, &rc, FALSE));
    EXPECT_TRUE(rc.IsRectNull());
}

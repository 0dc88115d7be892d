// The edit wrapper checked through the real edit control.
#include <afxwin.h>
#include <gtest/gtest.h>
#include "ControlHost.h"
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
}

TEST(Edit, SelectionAndUndoStateComeFromTheControl)
{
    CControlHost host;
    ASSERT_TRUE(host.Open());
    CEdit edit;
    ASSERT_TRUE(edit.Create(WS_VISIBLE | ES_AUTOHSCROLL, CRect(0, 0, 200, 24), &host, kCtlId));
    EXPECT_STRCASEEQ("Edit", WindowClassName(edit.m_hWnd));
    edit.SetWindowText("hello world");
    EXPECT_FALSE(edit.CanUndo());
    const struct { const char* name; int start, end; int expectedStart, expectedEnd; } rows[] = {
        { "range", 0, 5, 0, 5 }, { "all", 0, -1, 0, 11 }, { "caret", 3, 3, 3, 3 },
    };
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.name);
        edit.SetSel(row.start, row.end);
        int nStart = -1, nEnd = -1;
        edit.GetSel(nStart, nEnd);
        EXPECT_EQ(row.expectedStart, nStart);
        EXPECT_EQ(row.expectedEnd, nEnd);
        EXPECT_EQ(static_cast<LRESULT>(MAKELONG(nStart, nEnd)), ::SendMessageA(edit.m_hWnd, EM_GETSEL, 0, 0));
    }
    edit.SetSel(MAKELONG(6, 11)); // packed: start low, end high
    edit.SendMessage(WM_CLEAR);
    EXPECT_STREQ("hello ", TextOf(edit));
    EXPECT_TRUE(edit.CanUndo());
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

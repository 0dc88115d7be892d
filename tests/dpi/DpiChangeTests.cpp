// A control told that its monitor's DPI changed lays itself and its drop window out again. Wine
// gives every window the one system DPI, so the old DPI is set on the control as if it had been
// laid out on another monitor.
#include "DpiFixture.h"
#include "../framework/DropEditFixture.h"

namespace
{
using fwtest::WindowRectOf;

LONG FontHeight(CFont* pFont)
{
    LOGFONTA lf = {};
    return pFont != nullptr && pFont->GetLogFont(&lf) != 0 ? lf.lfHeight : 0;
}

TEST(DpiChange, EditLaysOutItsButtonFontAndOpenDropWindowAgain)
{
    // oldDpiFactor: the DPI the control was laid out at, in multiples of this one; the drop
    // window wished for 800 x 300 pixels at that DPI.
    const struct { const char* name; UINT oldDpiFactor; } rows[] = {
        { "from a monitor of twice the DPI", 2 },
        // Regression guard: a repeated notification must not shrink or grow anything.
        { "at the same DPI", 1 },
    };
    const UINT dpi = DpiScale::GetSystemDpi();
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.name);
        fwtest::ControlHost host;
        auto* pDrop = new fwtest::CTestDropWnd; // its controls are not created
        auto* pEdit = host.Attach<fwtest::Probe<CDropBaseEdit>>([&](auto& e) {
            e.Init();
            e.CreateDropWndFont();
            e.CreateDropWnd(pDrop, false);
        });
        const CRect button = pEdit->m_rcButton;
        const LONG fontHeight = FontHeight(pEdit->m_pDropWndFont);
        ASSERT_NE(fontHeight, 0);
        const HWND hDrop = dpitest::OpenDrop(pEdit);
        const HWND hChild = ::CreateWindowExA(0, "STATIC", "", WS_CHILD, 0, 0, 10, 10, hDrop, nullptr, nullptr, nullptr);

        LOGFONTA lf = {};
        pEdit->m_pDropWndFont->GetLogFont(&lf);
        lf.lfHeight *= static_cast<LONG>(row.oldDpiFactor);
        pEdit->SetDropWndFont(lf);
        pEdit->m_nDpi = dpi * row.oldDpiFactor;
        pDrop->m_nPreferredWidth = 800;
        pDrop->m_nPreferredHeight = 300;
        pEdit->m_rcButton.SetRectEmpty();

        pEdit->SendMessage(WM_DPICHANGED_AFTERPARENT);

        EXPECT_EQ(pEdit->m_rcButton, button);
        // The font made for the old DPI is the host's font at this one again.
        EXPECT_EQ(FontHeight(pEdit->m_pDropWndFont), fontHeight);
        // A changed DPI hands the new font to the open window's children.
        EXPECT_EQ(::SendMessageA(hChild, WM_GETFONT, 0, 0) != 0, row.oldDpiFactor != 1);
        const CRect edit = WindowRectOf(pEdit->m_hWnd);
        const CSize wished(800 / static_cast<int>(row.oldDpiFactor), 300 / static_cast<int>(row.oldDpiFactor));
        EXPECT_EQ(WindowRectOf(hDrop), CRect(edit.left, edit.bottom, edit.left + wished.cx, edit.bottom + wished.cy));
    }
}
}

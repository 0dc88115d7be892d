// CShadeButton in a host dialog: a quick second click, and its normal, pressed, focused and
// disabled looks.
#include "Canvas.h"
#include <HostDialog.h>
#include <Input.h>
#include <MessageRecorder.h>
#include <ShadeButton.h>
#include <TestApp.h>
#include <gtest/gtest.h>

using harness::Canvas;

namespace
{
const UINT kButtonId = 2602;
const CRect kButtonRect(120, 20, 170, 40); // 50 x 20, the time drop window's strip height
const CRect kAll(0, 0, kButtonRect.Width(), kButtonRect.Height());
const ShadeProps kShade(RGB(250, 200, 100), RGB(50, 0, 100), RGB(0, 0, 200), RGB(200, 0, 0));

// A host dialog with one shaded button, the focus in the dialog's edit.
class ShadeButtonTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_host.CreateHost({100, 100}, {300, 120}, CRect(4, 20, 100, 42)));
        ASSERT_TRUE(m_button.Create("", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, kButtonRect, &m_host, kButtonId));
        m_button.SetShadeProps(kShade);
        m_host.FocusEdit();
        m_recorder.Watch(m_host.m_hWnd, "dialog");
    }

    size_t Notifications(WORD code) const
    {
        size_t n = 0;
        for (const harness::RecordedMessage& m : m_recorder.Of(m_host.m_hWnd, WM_COMMAND))
            n += LOWORD(m.wParam) == kButtonId && HIWORD(m.wParam) == code && reinterpret_cast<HWND>(m.lParam) == m_button.m_hWnd;
        return n;
    }
    std::unique_ptr<Canvas> Render() { return Canvas::Print(m_button.m_hWnd); }
    POINT Centre() const { return harness::ClientCenter(m_button.m_hWnd); }

    harness::CHostDialog m_host;
    CShadeButton m_button;
    harness::MessageRecorder m_recorder;
};
}

// Clicks by the mouse and Space are driven through the time drop window's buttons.
// Regression: the standard control reported a quick second click on an owner-drawn button as a
// double click and never pressed it, so the parent missed every other click.
TEST_F(ShadeButtonTest, AQuickSecondClickIsASecondClick)
{
    harness::DoubleClick(Centre());
    EXPECT_EVENTUALLY(Notifications(BN_CLICKED) == 2);
    EXPECT_EQ(0u, Notifications(BN_DOUBLECLICKED));
}

TEST_F(ShadeButtonTest, FaceIsTheGradientWithTheCentredPictureTurnedOverWhilePressedAndFramedWhenFocused)
{
    m_button.SetButtonStyle(BS_DEFPUSHBUTTON); // stays drawn by the button whatever the host asks for
    m_button.SetIcon(ORVIcon::Finer, BS_CENTER, BS_VCENTER, false);
    const int h = kButtonRect.Height();
    auto normal = Render();
    EXPECT_EQ(kShade.GetColorAt(1, h), normal->dc.GetPixel(1, 1));
    EXPECT_EQ(kShade.GetColorAt(h - 2, h), normal->dc.GetPixel(1, h - 2));
    EXPECT_EQ(kShade.m_clrBorder, normal->dc.GetPixel(0, 0));
    EXPECT_LE(std::abs(normal->Bounds(kAll, kShade.m_clrText).CenterPoint().x - kAll.CenterPoint().x), 1) << "centred";

    harness::MouseDown(Centre());
    ASSERT_EVENTUALLY((m_button.GetState() & BST_PUSHED) != 0);
    auto pressed = Render();
    harness::MouseUp(Centre());
    EXPECT_EQ(kShade.Inverted().GetColorAt(1, h), pressed->dc.GetPixel(1, 1));

    ASSERT_EQ(m_button.m_hWnd, ::GetFocus()) << "a click takes the focus like a push button";
    // Keyboard cues may hide focus rectangles until the keyboard is used.
    m_button.SendMessage(WM_UPDATEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS));
    auto focused = Render();
    int nChanged = 0;
    for (int x = 3; x < kButtonRect.Width() - 3; ++x)
        nChanged += focused->dc.GetPixel(x, 3) != normal->dc.GetPixel(x, 3);
    EXPECT_GT(nChanged, 0) << "a focus rectangle";
}

TEST_F(ShadeButtonTest, DisabledLookIsGreyUnlessRegularIsAskedAndPaintingLeavesNoGdiObjects)
{
    m_button.SetWindowText("Detail");
    m_button.SetIcon(ORVIcon::Finer, BS_LEFT, BS_VCENTER, false);
    m_button.EnableWindow(FALSE);
    const int nGdiBefore = AfxLiteGetLiveGdiObjectCount();
    {
        auto flat = Render();
        EXPECT_EQ(0, flat->Count(kAll, kShade.m_clrText));
        EXPECT_GT(flat->Count(kAll, ::GetSysColor(COLOR_GRAYTEXT)), 0);
        EXPECT_EQ(::GetSysColor(COLOR_BTNFACE), flat->dc.GetPixel(1, 1));

        m_button.SetRegularFontWhenDisabled(true, true);
        auto label = Render();
        EXPECT_GT(label->Count(kAll, kShade.m_clrText), 0);
        EXPECT_EQ(kShade.GetColorAt(1, kButtonRect.Height()), label->dc.GetPixel(1, 1));
        EXPECT_FALSE(m_button.IsWindowEnabled());
        m_button.RedrawWindow();
    }
    EXPECT_EQ(nGdiBefore, AfxLiteGetLiveGdiObjectCount());
}

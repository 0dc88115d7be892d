#include "Canvas.h"
#include <HostDialog.h>
#include <Input.h>
#include <MessageRecorder.h>
#include <ShadeButton.h>
#include <TestApp.h>
#include <gtest/gtest.h>
#include <memory>

using harness::Canvas;

namespace
{
const UINT kButtonId = 2602;
const CRect kButtonRect(120, 20, 170, 40); // 50 x 20, the time drop window's strip height
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

    size_t Clicks() const { return Notifications(BN_CLICKED); }
    size_t Notifications(WORD code) const
    {
        size_t n = 0;
        for (const harness::RecordedMessage& m : m_recorder.Of(m_host.m_hWnd, WM_COMMAND))
            n += LOWORD(m.wParam) == kButtonId && HIWORD(m.wParam) == code &&
                 reinterpret_cast<HWND>(m.lParam) == m_button.m_hWnd;
        return n;
    }
    // What the button shows now, painted by the control itself through its parent.
    std::unique_ptr<Canvas> Render()
    {
        auto canvas = std::make_unique<Canvas>(kButtonRect.Width(), kButtonRect.Height());
        m_button.SendMessage(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(canvas->dc.m_hDC), PRF_CLIENT);
        return canvas;
    }
    POINT Centre() const { return harness::ClientCenter(m_button.m_hWnd); }

    harness::CHostDialog m_host;
    CShadeButton m_button;
    harness::MessageRecorder m_recorder;
    const CRect m_rcAll{0, 0, kButtonRect.Width(), kButtonRect.Height()};
};
}

TEST_F(ShadeButtonTest, IsOwnerDrawnWhateverTypeTheHostAskedFor)
{
    EXPECT_EQ(static_cast<UINT>(BS_OWNERDRAW), m_button.GetButtonStyle() & BS_TYPEMASK);
    m_button.SetButtonStyle(BS_DEFPUSHBUTTON);
    EXPECT_EQ(static_cast<UINT>(BS_OWNERDRAW), m_button.GetButtonStyle() & BS_TYPEMASK);
}

TEST_F(ShadeButtonTest, MouseClickAndSpaceEachNotifyTheParentOnce)
{
    harness::Click(Centre());
    EXPECT_EVENTUALLY(Clicks() == 1);
    EXPECT_EQ(m_button.m_hWnd, ::GetFocus()) << "a click takes the focus like a push button";

    harness::PressKey(VK_SPACE);
    EXPECT_EVENTUALLY(Clicks() == 2);
}

TEST_F(ShadeButtonTest, AQuickSecondClickIsAClickNotADoubleClick)
{
    harness::DoubleClick(Centre());
    EXPECT_EVENTUALLY(Clicks() == 2);
    EXPECT_EQ(0u, Notifications(BN_DOUBLECLICKED));
}

TEST_F(ShadeButtonTest, ADisabledButtonIgnoresMouseAndSpace)
{
    m_button.EnableWindow(FALSE);
    harness::Click(Centre());
    m_button.SetFocus(); // a host may still leave the focus there
    harness::PressKey(VK_SPACE);
    harness::PumpFor(100);
    EXPECT_EQ(0u, Clicks());
}

TEST_F(ShadeButtonTest, FaceIsTheGradientAndTurnsOverWhilePressed)
{
    const int h = kButtonRect.Height();
    auto normal = Render();
    EXPECT_EQ(kShade.GetColorAt(1, h), normal->dc.GetPixel(1, 1));
    EXPECT_EQ(kShade.GetColorAt(h - 2, h), normal->dc.GetPixel(1, h - 2));
    EXPECT_EQ(kShade.m_clrBorder, normal->dc.GetPixel(0, 0));

    harness::MouseDown(Centre());
    ASSERT_EVENTUALLY((m_button.GetState() & BST_PUSHED) != 0);
    auto pressed = Render();
    harness::MouseUp(Centre());
    EXPECT_EQ(kShade.Inverted().GetColorAt(1, h), pressed->dc.GetPixel(1, 1));
}

TEST_F(ShadeButtonTest, CoarserAndFinerPicturesDiffer)
{
    m_button.SetIcon(static_cast<ORVIcon::ButtonIcon>(71), 768, 3072, false);
    auto coarser = Render();
    m_button.SetIcon(static_cast<ORVIcon::ButtonIcon>(101), 768, 3072, false);
    auto finer = Render();
    const int nCoarser = coarser->Count(m_rcAll, kShade.m_clrText);
    const int nFiner = finer->Count(m_rcAll, kShade.m_clrText);
    EXPECT_GT(nCoarser, 0);
    EXPECT_GT(nFiner, nCoarser);
    const CRect picture = finer->Bounds(m_rcAll, kShade.m_clrText);
    EXPECT_LE(std::abs(picture.CenterPoint().x - m_rcAll.CenterPoint().x), 1) << "centred as asked";
}

TEST_F(ShadeButtonTest, DisabledLookIsGreyUnlessRegularIsAsked)
{
    m_button.SetWindowText("Detail");
    m_button.SetIcon(ORVIcon::Finer, BS_LEFT, BS_VCENTER, false);
    m_button.EnableWindow(FALSE);
    const COLORREF grey = ::GetSysColor(COLOR_GRAYTEXT);

    auto flat = Render();
    EXPECT_EQ(0, flat->Count(m_rcAll, kShade.m_clrText));
    EXPECT_GT(flat->Count(m_rcAll, grey), 0);
    EXPECT_EQ(::GetSysColor(COLOR_BTNFACE), flat->dc.GetPixel(1, 1));

    m_button.SetRegularFontWhenDisabled(true, true);
    auto label = Render();
    EXPECT_GT(label->Count(m_rcAll, kShade.m_clrText), 0);
    EXPECT_EQ(kShade.GetColorAt(1, kButtonRect.Height()), label->dc.GetPixel(1, 1));
    EXPECT_FALSE(m_button.IsWindowEnabled());
}

TEST_F(ShadeButtonTest, FocusShowsAFocusRectangle)
{
    auto unfocused = Render();
    m_button.SetFocus();
    // Keyboard cues may hide focus rectangles until the keyboard is used.
    m_button.SendMessage(WM_UPDATEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS));
    auto focused = Render();
    int nChanged = 0;
    for (int x = 3; x < kButtonRect.Width() - 3; ++x)
        nChanged += focused->dc.GetPixel(x, 3) != unfocused->dc.GetPixel(x, 3);
    EXPECT_GT(nChanged, 0);
}

TEST_F(ShadeButtonTest, PaintingLeavesNoGdiObjectsBehind)
{
    m_button.SetWindowText("Detail");
    m_button.SetIcon(ORVIcon::Coarser, BS_CENTER, BS_VCENTER, false);
    Canvas canvas(kButtonRect.Width(), kButtonRect.Height());
    const int start = AfxLiteGetLiveGdiObjectCount();
    for (int i = 0; i < 5; ++i)
        m_button.SendMessage(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(canvas.dc.m_hDC), PRF_CLIENT);
    m_button.RedrawWindow();
    EXPECT_EQ(start, AfxLiteGetLiveGdiObjectCount());
}

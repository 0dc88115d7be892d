#include <afxwin.h>
#include <gtest/gtest.h>

namespace
{
// A plain static window wrapped by a CWnd; destroyed with the fixture.
struct WrappedWindow
{
    CWnd wnd;
    WrappedWindow()
    {
        HWND hWnd = ::CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 10, 10, 60, 40, nullptr, nullptr,
                                      nullptr, nullptr);
        wnd.Attach(hWnd);
    }
    ~WrappedWindow() { ::DestroyWindow(wnd.Detach()); }
};
}

TEST(WindowDc, EachDcBelongsToItsWindowAndIsReleased)
{
    WrappedWindow window;
    ASSERT_NE(nullptr, window.wnd.m_hWnd);
    const int start = AfxLiteGetLiveGdiObjectCount();
    {
        CClientDC client(&window.wnd);
        CWindowDC whole(&window.wnd);
        EXPECT_EQ(window.wnd.m_hWnd, ::WindowFromDC(client));
        EXPECT_EQ(window.wnd.m_hWnd, ::WindowFromDC(whole));
        CRect box;
        client.GetClipBox(box);
        EXPECT_EQ(CRect(0, 0, 60, 40), box);
        EXPECT_EQ(start + 2, AfxLiteGetLiveGdiObjectCount());
    }
    {
        ::InvalidateRect(window.wnd.m_hWnd, nullptr, FALSE);
        CPaintDC paint(&window.wnd);
        EXPECT_NE(nullptr, paint.GetSafeHdc());
        EXPECT_EQ(paint.m_hDC, paint.m_ps.hdc);
        EXPECT_EQ(CRect(0, 0, 60, 40), CRect(paint.m_ps.rcPaint));
    }
    EXPECT_FALSE(::GetUpdateRect(window.wnd.m_hWnd, nullptr, FALSE)); // EndPaint validated it
    EXPECT_EQ(start, AfxLiteGetLiveGdiObjectCount());
}

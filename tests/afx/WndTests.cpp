// Window objects: the creation hook, reflection, temporary and permanent objects.
#include <afxwin.h>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace
{
// A window that logs its creation handlers, in order.
class CLogWnd : public CWnd
{
public:
    std::vector<std::string> m_log;
    int m_nCreateSeenHwnd = 0;

protected:
    afx_msg BOOL OnNcCreate(LPCREATESTRUCT lpcs) { m_log.push_back("NcCreate"); return CWnd::OnNcCreate(lpcs); }
    afx_msg int OnCreate(LPCREATESTRUCT lpcs)
    {
        m_log.push_back("Create");
        m_nCreateSeenHwnd = m_hWnd != nullptr;
        return CWnd::OnCreate(lpcs);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CLogWnd, CWnd)
    ON_WM_NCCREATE()
    ON_WM_CREATE()
END_MESSAGE_MAP()

bool CreatePopup(CWnd& wnd)
{
    return wnd.CreateEx(0, AfxRegisterWndClass(0), "test", WS_POPUP, 10, 10, 100, 50, nullptr, nullptr) != FALSE;
}
}

TEST(WindowCreation, ObjectHandlesItsOwnNcCreateAndCreateAndAFailureAttachesNothing)
{
    CLogWnd wnd;
    ASSERT_TRUE(CreatePopup(wnd));
    EXPECT_EQ((std::vector<std::string>{ "NcCreate", "Create" }), wnd.m_log);
    EXPECT_EQ(1, wnd.m_nCreateSeenHwnd);
    EXPECT_EQ(&wnd, CWnd::FromHandlePermanent(wnd.m_hWnd));
    HWND hWnd = wnd.m_hWnd;
    EXPECT_TRUE(wnd.DestroyWindow());
    EXPECT_EQ(nullptr, wnd.m_hWnd);
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hWnd));

    EXPECT_FALSE(wnd.CreateEx(0, "no-such-window-class", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
    EXPECT_EQ(nullptr, wnd.m_hWnd);
    // The hook must not catch the next, unrelated window.
    HWND hOther = ::CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hOther));
    ::DestroyWindow(hOther);
}

namespace
{
// The _EX form: the handler's result decides whether the parent sees the notification too.
class CReflectExButton : public CWnd
{
public:
    int m_nClicks = 0;
    BOOL m_bHandled = TRUE;

protected:
    afx_msg BOOL OnClicked() { ++m_nClicks; return m_bHandled; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CReflectExButton, CWnd)
    ON_CONTROL_REFLECT_EX(BN_CLICKED, OnClicked)
END_MESSAGE_MAP()

class CParentWnd : public CWnd
{
public:
    int m_nParentClicks = 0;

protected:
    afx_msg void OnButtonClicked() { ++m_nParentClicks; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CParentWnd, CWnd)
    ON_BN_CLICKED(100, OnButtonClicked)
END_MESSAGE_MAP()

HWND CreateButton(HWND hParent)
{
    return ::CreateWindowExA(0, "BUTTON", "b", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 0, 0, 50, 20, hParent,
                             reinterpret_cast<HMENU>(100), nullptr, nullptr);
}
}

TEST(Reflection, ExHandlerDecidesWhetherTheParentSeesTheNotification)
{
    struct Row { const char* name; bool childObject; BOOL handled; int childClicks, parentClicks; } rows[] = {
        { "handled", true, TRUE, 1, 0 }, { "passed on", true, FALSE, 1, 1 }, { "no child object", false, TRUE, 0, 1 },
    };
    for (const Row& row : rows)
    {
        SCOPED_TRACE(row.name);
        CParentWnd parent;
        ASSERT_TRUE(CreatePopup(parent));
        HWND hButton = CreateButton(parent.m_hWnd);
        CReflectExButton button;
        if (row.childObject)
        {
            ASSERT_TRUE(button.SubclassWindow(hButton));
        }
        button.m_bHandled = row.handled;
        ::SendMessageA(hButton, BM_CLICK, 0, 0);
        EXPECT_EQ(row.childClicks, button.m_nClicks);
        EXPECT_EQ(row.parentClicks, parent.m_nParentClicks);
    }
}

TEST(HandleMaps, TemporaryObjectsAreFreedAtIdleAndPermanentOnesStay)
{
    HWND hWnd = ::CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    CWnd* pTemp = CWnd::FromHandle(hWnd);
    ASSERT_NE(nullptr, pTemp);
    EXPECT_EQ(pTemp, CWnd::FromHandle(hWnd)); // same wrapper until idle
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hWnd));
    AfxLiteFreeTempObjects();
    EXPECT_TRUE(::IsWindow(hWnd)) << "the window survives its temporary wrapper";

    CWnd permanent;
    ASSERT_TRUE(permanent.Attach(hWnd));
    EXPECT_EQ(&permanent, CWnd::FromHandle(hWnd));
    AfxLiteFreeTempObjects();
    EXPECT_EQ(&permanent, CWnd::FromHandlePermanent(hWnd));
    EXPECT_EQ(hWnd, permanent.Detach());
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hWnd));
    ::DestroyWindow(hWnd);
}

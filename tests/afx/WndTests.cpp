// Window objects: the creation hook, message-map dispatch and chaining, reflection, the
// pre-translation walk, temporary and permanent objects, subclassing and destruction.
#include <afxwin.h>
#include <gtest/gtest.h>
#include "DialogTemplate.h"
#include "HostDialog.h"
#include "Input.h"
#include "MessageRecorder.h"
#include "TestApp.h"
#include <vector>

namespace
{
const UINT WM_TEST_REGISTERED = ::RegisterWindowMessageA("afx-tests-registered-message");

// A window that logs which handlers ran, in order.
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
    afx_msg void OnSize(UINT, int cx, int cy) { m_log.push_back("Size " + std::to_string(cx) + "x" + std::to_string(cy)); }
    afx_msg LRESULT OnRegistered(WPARAM wParam, LPARAM) { m_log.push_back("Registered " + std::to_string(wParam)); return 42; }
    afx_msg LRESULT OnUserMessage(WPARAM, LPARAM) { m_log.push_back("Base user"); return 1; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CLogWnd, CWnd)
    ON_WM_NCCREATE()
    ON_WM_CREATE()
    ON_WM_SIZE()
    ON_REGISTERED_MESSAGE(WM_TEST_REGISTERED, OnRegistered)
    ON_MESSAGE(WM_USER + 1, OnUserMessage)
END_MESSAGE_MAP()

// Overrides one entry of its base's map and adds one.
class CDerivedLogWnd : public CLogWnd
{
protected:
    afx_msg LRESULT OnUserMessage(WPARAM, LPARAM) { m_log.push_back("Derived user"); return 2; }
    afx_msg LRESULT OnOtherMessage(WPARAM, LPARAM) { m_log.push_back("Derived other"); return 3; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CDerivedLogWnd, CLogWnd)
    ON_MESSAGE(WM_USER + 1, OnUserMessage)
    ON_MESSAGE(WM_USER + 2, OnOtherMessage)
END_MESSAGE_MAP()

bool CreatePopup(CWnd& wnd, const RECT& rc = RECT{ 10, 10, 110, 60 })
{
    return wnd.CreateEx(0, AfxRegisterWndClass(0), "test", WS_POPUP, rc.left, rc.top, rc.right - rc.left,
                        rc.bottom - rc.top, nullptr, nullptr) != FALSE;
}
}

TEST(WindowCreation, ObjectHandlesItsOwnNcCreateAndCreate)
{
    CLogWnd wnd;
    ASSERT_TRUE(CreatePopup(wnd));
    ASSERT_GE(wnd.m_log.size(), 2u);
    EXPECT_EQ("NcCreate", wnd.m_log[0]);
    EXPECT_EQ("Create", wnd.m_log[1]);
    EXPECT_EQ(1, wnd.m_nCreateSeenHwnd);
    EXPECT_EQ(&wnd, CWnd::FromHandlePermanent(wnd.m_hWnd));
    HWND hWnd = wnd.m_hWnd;
    EXPECT_TRUE(wnd.DestroyWindow());
    EXPECT_EQ(nullptr, wnd.m_hWnd);
    EXPECT_FALSE(::IsWindow(hWnd));
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hWnd));
}

TEST(WindowCreation, FailedCreationLeavesTheObjectUnattached)
{
    CLogWnd wnd;
    EXPECT_FALSE(wnd.CreateEx(0, "no-such-window-class", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
    EXPECT_EQ(nullptr, wnd.m_hWnd);
    // The hook must not catch the next, unrelated window.
    HWND hOther = ::CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hOther));
    EXPECT_EQ(nullptr, wnd.m_hWnd);
    ::DestroyWindow(hOther);
}

TEST(MessageMaps, DerivedEntriesOverrideAndBaseEntriesRemain)
{
    CDerivedLogWnd wnd;
    ASSERT_TRUE(CreatePopup(wnd));
    wnd.m_log.clear();
    EXPECT_EQ(2, wnd.SendMessage(WM_USER + 1));
    EXPECT_EQ(3, wnd.SendMessage(WM_USER + 2));
    EXPECT_EQ(42, wnd.SendMessage(WM_TEST_REGISTERED, 7));
    wnd.SetWindowPos(nullptr, 0, 0, 120, 70, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    const std::vector<std::string> expected = { "Derived user", "Derived other", "Registered 7", "Size 120x70" };
    EXPECT_EQ(expected, wnd.m_log);
    // Unmapped messages reach the default procedure.
    wnd.SetWindowText("caption text");
    CString text;
    wnd.GetWindowText(text);
    EXPECT_STREQ("caption text", text);
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
    // The window survives its temporary wrapper.
    EXPECT_TRUE(::IsWindow(hWnd));

    CWnd permanent;
    ASSERT_TRUE(permanent.Attach(hWnd));
    EXPECT_EQ(&permanent, CWnd::FromHandle(hWnd));
    AfxLiteFreeTempObjects();
    EXPECT_EQ(&permanent, CWnd::FromHandlePermanent(hWnd));
    EXPECT_EQ(hWnd, permanent.Detach());
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hWnd));
    ::DestroyWindow(hWnd);
    EXPECT_EQ(nullptr, CWnd::FromHandle(nullptr));
    CWnd* volatile pNull = nullptr;
    EXPECT_EQ(nullptr, pNull->GetSafeHwnd());
}

TEST(Subclassing, SubclassAndUnsubclassRestoreTheWindowProcedure)
{
    HWND hEdit = ::CreateWindowExA(0, "EDIT", "abc", WS_POPUP, 0, 0, 50, 20, nullptr, nullptr, nullptr, nullptr);
    WNDPROC original = reinterpret_cast<WNDPROC>(::GetWindowLongPtrA(hEdit, GWLP_WNDPROC));
    CLogWnd wnd;
    ASSERT_TRUE(wnd.SubclassWindow(hEdit));
    EXPECT_FALSE(CLogWnd().SubclassWindow(hEdit)); // one object per window
    // Default processing still reaches the edit's own procedure.
    wnd.SetWindowText("xyz");
    CString text;
    wnd.GetWindowText(text);
    EXPECT_STREQ("xyz", text);
    EXPECT_EQ(hEdit, wnd.UnsubclassWindow());
    EXPECT_EQ(original, reinterpret_cast<WNDPROC>(::GetWindowLongPtrA(hEdit, GWLP_WNDPROC)));
    ::DestroyWindow(hEdit);
}

TEST(Destruction, PostNcDestroyRunsAfterTheWindowIsGone)
{
    struct CSelfDeleting : CWnd
    {
        bool* m_pDeleted;
        explicit CSelfDeleting(bool* p) : m_pDeleted(p) {}
        ~CSelfDeleting() override { *m_pDeleted = true; }
        void PostNcDestroy() override { delete this; }
    };
    bool deleted = false;
    CSelfDeleting* pWnd = new CSelfDeleting(&deleted);
    ASSERT_TRUE(CreatePopup(*pWnd));
    HWND hWnd = pWnd->m_hWnd;
    ::DestroyWindow(hWnd);
    EXPECT_TRUE(deleted);
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hWnd));
}

namespace
{
// Records which objects saw a message in PreTranslateMessage, and can swallow it.
std::vector<std::string>* g_pPreTranslateLog = nullptr;

class CPreTranslateEdit : public CWnd
{
public:
    bool m_bSwallow = false;
    BOOL PreTranslateMessage(MSG* pMsg) override
    {
        if (pMsg->message == WM_KEYDOWN && pMsg->wParam == 'Q')
        {
            g_pPreTranslateLog->push_back("edit");
            return m_bSwallow;
        }
        return CWnd::PreTranslateMessage(pMsg);
    }
};

class CPreTranslateDialog : public harness::CHostDialog
{
public:
    BOOL PreTranslateMessage(MSG* pMsg) override
    {
        if (pMsg->message == WM_KEYDOWN && pMsg->wParam == 'Q')
            g_pPreTranslateLog->push_back("dialog");
        return CHostDialog::PreTranslateMessage(pMsg);
    }
};
}

TEST(PreTranslate, WalkGoesFromTheFocusedChildUpToItsDialog)
{
    std::vector<std::string> log;
    g_pPreTranslateLog = &log;
    CPreTranslateDialog dlg;
    ASSERT_TRUE(dlg.CreateHost(POINT{ 100, 100 }, SIZE{ 300, 150 }, RECT{ 10, 10, 200, 34 }));
    CPreTranslateEdit edit;
    ASSERT_TRUE(edit.SubclassDlgItem(harness::CHostDialog::kEditId, &dlg));
    dlg.FocusEdit();
    ASSERT_EQ(edit.m_hWnd, ::GetFocus());

    harness::TypeText("q");
    EXPECT_EQ((std::vector<std::string>{ "edit", "dialog" }), log);
    CString text;
    edit.GetWindowText(text);
    EXPECT_STREQ("q", text);

    // Swallowed by the edit's PreTranslateMessage: neither the dialog nor the edit sees it.
    log.clear();
    edit.m_bSwallow = true;
    harness::TypeText("q");
    EXPECT_EQ((std::vector<std::string>{ "edit" }), log);
    edit.GetWindowText(text);
    EXPECT_STREQ("q", text);
    g_pPreTranslateLog = nullptr;
}

TEST(HarnessInput, ClicksTypingAndTheRecorderWorkOnARealEdit)
{
    harness::CHostDialog dlg;
    ASSERT_TRUE(dlg.CreateHost(POINT{ 100, 100 }, SIZE{ 300, 150 }, RECT{ 10, 10, 200, 34 }));
    harness::MessageRecorder recorder;
    recorder.Watch(dlg.Edit(), "edit");
    recorder.Watch(dlg.m_hWnd, "dialog");

    harness::Click(harness::ClientCenter(dlg.Edit()));
    EXPECT_EQ(dlg.Edit(), ::GetFocus());
    harness::TypeText("Hi");
    harness::PressKey(VK_HOME, harness::kShift);
    harness::PressKey('X');

    char text[32] = {};
    ::GetWindowTextA(dlg.Edit(), text, sizeof text);
    // Shift+Home selected "Hi" from the end; X replaced it.
    EXPECT_STREQ("x", text);
    EXPECT_TRUE(recorder.Matches({
        { "edit", WM_CHAR, harness::Delivery::Posted, true, 'H' },
        { "edit", WM_CHAR, harness::Delivery::Posted, true, 'i' },
        { "edit", WM_CHAR, harness::Delivery::Posted, true, 'x' },
    }));
    EXPECT_GE(recorder.Count(dlg.m_hWnd, WM_COMMAND), 3u); // EN_CHANGE/EN_UPDATE reach the parent

    // The second edit takes the focus on a click.
    harness::Click(harness::ClientCenter(dlg.Other()));
    EXPECT_EQ(dlg.Other(), ::GetFocus());
}

namespace
{
// Presses Enter once it is up, which the dialog's keyboard turns into IDOK.
class CModalDialog : public CDialog
{
public:
    int m_nInitCount = 0;
    BOOL OnInitDialog() override
    {
        ++m_nInitCount;
        ::CreateWindowExA(0, "BUTTON", "OK", WS_CHILD | WS_VISIBLE | BS_DEFPUSHBUTTON | WS_TABSTOP, 10, 10, 60, 22,
                          m_hWnd, reinterpret_cast<HMENU>(IDOK), nullptr, nullptr);
        PostMessage(WM_USER + 5);
        return TRUE;
    }
    afx_msg LRESULT OnPressEnter(WPARAM, LPARAM)
    {
        ::SetForegroundWindow(m_hWnd);
        ::SetFocus(::GetDlgItem(m_hWnd, IDOK));
        INPUT in[2] = {};
        in[0].type = in[1].type = INPUT_KEYBOARD;
        in[0].ki.wVk = in[1].ki.wVk = VK_RETURN;
        in[1].ki.dwFlags = KEYEVENTF_KEYUP;
        ::SendInput(2, in, sizeof(INPUT));
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CModalDialog, CDialog)
    ON_MESSAGE(WM_USER + 5, OnPressEnter)
END_MESSAGE_MAP()
}

TEST(ModalDialog, EnterEndsTheDialogWithIdokAndReenablesTheOwner)
{
    harness::DialogTemplate tmpl(WS_POPUP | WS_CAPTION | DS_MODALFRAME, "modal", "MS Shell Dlg", 8);
    CModalDialog dlg;
    ASSERT_TRUE(dlg.InitModalIndirect(tmpl.Get(), AfxGetMainWnd()));
    EXPECT_EQ(IDOK, dlg.DoModal());
    EXPECT_EQ(1, dlg.m_nInitCount);
    EXPECT_EQ(nullptr, dlg.m_hWnd);
    EXPECT_TRUE(AfxGetMainWnd()->IsWindowEnabled());
}

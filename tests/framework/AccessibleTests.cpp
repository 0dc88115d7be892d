// The drop edit and its drop window as screen readers see them, read through the MSAA client
// calls: roles, names, value, children, states, the button's default action, and the objects'
// lifetime.
#include <oleacc.h>
#include <string>
#include "AccessibleProxy.h"
#include "DropEditFixture.h"

using namespace fwtest;

namespace
{
VARIANT Child(LONG id)
{
    VARIANT v;
    ::VariantInit(&v);
    v.vt = VT_I4;
    v.lVal = id;
    return v;
}

std::string Take(BSTR text)
{
    std::string out;
    for (const wchar_t* p = text; p != nullptr && *p != 0; ++p)
        out += static_cast<char>(*p);
    ::SysFreeString(text);
    return out;
}

// What one element of an object answers; "-" for a failed or empty answer.
struct Seen
{
    LONG role = -1;
    std::string name;
    std::string value;
    std::string action;
    LONG state = 0;
};

Seen Read(IAccessible* pAcc, LONG id)
{
    Seen seen;
    VARIANT v;
    if (pAcc->get_accRole(Child(id), &v) == S_OK)
        seen.role = v.lVal;
    if (pAcc->get_accState(Child(id), &v) == S_OK)
        seen.state = v.lVal;
    BSTR text = nullptr;
    seen.name = pAcc->get_accName(Child(id), &text) == S_OK ? Take(text) : "-";
    seen.value = pAcc->get_accValue(Child(id), &text) == S_OK ? Take(text) : "-";
    seen.action = pAcc->get_accDefaultAction(Child(id), &text) == S_OK ? Take(text) : "-";
    return seen;
}

IAccessible* ObjectOf(HWND hWnd)
{
    IAccessible* pAcc = nullptr;
    EXPECT_EQ(::AccessibleObjectFromWindow(hWnd, OBJID_CLIENT, __uuidof(IAccessible), reinterpret_cast<void**>(&pAcc)), S_OK);
    return pAcc;
}
}

// The drop window is a pane named after its edit; a client that outlives the control gets
// failures, not a crash, and the objects live only while held.
TEST_F(DropEditTest, TheEditIsAComboBoxNamedByItsLabelWhoseButtonOpensAndClosesTheDropWindow)
{
    // Never uninitialised: under Wine, marshalling fails for good after the first uninitialise.
    ASSERT_TRUE(SUCCEEDED(::CoInitialize(nullptr)));
    // A label just before the edit in the tab order, as a host's resource places it.
    const HWND hLabel = ::CreateWindowExA(0, "STATIC", "&Target && more:", WS_CHILD | WS_VISIBLE, 220, 10, 100, 20,
                                          m_pDlg->m_hWnd, nullptr, nullptr, nullptr);
    ::SetWindowPos(m_pEdit->m_hWnd, hLabel, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    m_pEdit->SetWindowText("abc");
    ASSERT_EQ(CAccessibleProxy::LiveCount(), 0);
    IAccessible* pAcc = ObjectOf(m_pEdit->m_hWnd);
    ASSERT_NE(pAcc, nullptr);
    LONG nChildren = 0;
    EXPECT_EQ(pAcc->get_accChildCount(&nChildren), S_OK);
    EXPECT_EQ(nChildren, 2);
    EXPECT_EQ(Read(pAcc, CHILDID_SELF).role, ROLE_SYSTEM_COMBOBOX);
    EXPECT_EQ(Read(pAcc, 1).role, ROLE_SYSTEM_TEXT);
    EXPECT_EQ(Read(pAcc, 2).role, ROLE_SYSTEM_PUSHBUTTON);
    const struct
    {
        const char* name;
        std::function<void()> step;
        std::string label;  // the combo box's name
        std::string button; // the button's name and default action
        LONG comboState;    // expanded or collapsed
        LONG buttonState;   // pressed, unavailable
    } steps[] = {
        { "closed", [] {}, "Target & more:", "Open", STATE_SYSTEM_COLLAPSED, 0 },
        { "button's default action opens", [&] { EXPECT_EQ(pAcc->accDoDefaultAction(Child(2)), S_OK); },
          "Target & more:", "Close", STATE_SYSTEM_EXPANDED, STATE_SYSTEM_PRESSED },
        { "and closes", [&] { EXPECT_EQ(pAcc->accDoDefaultAction(Child(2)), S_OK); }, "Target & more:",
          "Open", STATE_SYSTEM_COLLAPSED, 0 },
        { "the host's name wins", [&] { m_pEdit->SetAccessibleName("Folder"); }, "Folder", "Open",
          STATE_SYSTEM_COLLAPSED, 0 },
        { "disabled: the action opens nothing",
          [&] {
              m_pEdit->EnableWindow(FALSE);
              EXPECT_EQ(pAcc->accDoDefaultAction(Child(2)), S_FALSE);
          },
          "Folder", "Open", STATE_SYSTEM_COLLAPSED | STATE_SYSTEM_UNAVAILABLE, STATE_SYSTEM_UNAVAILABLE },
    };
    for (const auto& s : steps)
    {
        SCOPED_TRACE(s.name);
        s.step();
        const Seen combo = Read(pAcc, CHILDID_SELF);
        const Seen button = Read(pAcc, 2);
        EXPECT_EQ(combo.name, s.label);
        EXPECT_EQ(combo.value, "abc");
        EXPECT_EQ(button.name, s.button);
        EXPECT_EQ(button.action, s.button);
        EXPECT_EQ(combo.state & (STATE_SYSTEM_EXPANDED | STATE_SYSTEM_COLLAPSED | STATE_SYSTEM_UNAVAILABLE), s.comboState);
        EXPECT_EQ(button.state & (STATE_SYSTEM_PRESSED | STATE_SYSTEM_UNAVAILABLE), s.buttonState);
    }

    m_pEdit->EnableWindow(TRUE);
    m_pEdit->ShowDropWnd(true, false, true);
    IAccessible* pPane = ObjectOf(m_pDrop->m_hWnd);
    ASSERT_NE(pPane, nullptr);
    const Seen pane = Read(pPane, CHILDID_SELF);
    EXPECT_EQ(pane.role, ROLE_SYSTEM_PANE);
    EXPECT_EQ(pane.name, "Folder");
    EXPECT_EQ(CAccessibleProxy::LiveCount(), 2);
    pPane->Release();
    EXPECT_EQ(CAccessibleProxy::LiveCount(), 1);
    m_host.Destroy();
    BSTR name = nullptr;
    EXPECT_TRUE(FAILED(pAcc->get_accName(Child(CHILDID_SELF), &name)));
    EXPECT_TRUE(FAILED(pAcc->accDoDefaultAction(Child(2))));
    pAcc->Release();
    EXPECT_EQ(CAccessibleProxy::LiveCount(), 0);
}

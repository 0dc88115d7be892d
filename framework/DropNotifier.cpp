#include "DropNotifier.h"
#include "DropNotifications.h"

CDropNotifier::CDropNotifier(CWnd* pEdit) : m_pEdit(pEdit), m_nHostCalls(0), m_bPicked(false), m_bSilenced(false)
{
}

CDropNotifier::~CDropNotifier()
{
    m_pEdit = nullptr;
}

CDropNotifier::HostCall::HostCall(CDropNotifier& notifier) : m_notifier(notifier)
{
    ++m_notifier.m_nHostCalls;
}

CDropNotifier::HostCall::~HostCall()
{
    --m_notifier.m_nHostCalls;
}

void CDropNotifier::NotePick()
{
    // A value the host sets is no choice of the user's.
    if (m_nHostCalls == 0)
        m_bPicked = true;
}

void CDropNotifier::Silence()
{
    m_bSilenced = true;
}

void CDropNotifier::OnVisibilityChanged(bool bVisible)
{
    if (bVisible)
    {
        m_bPicked = false;
        Send(ORVN_DROPDOWN);
        return;
    }
    // The outcome goes first, so that a host closing over its own state on CLOSEUP has seen it.
    if (m_nHostCalls == 0)
        Send(m_bPicked ? ORVN_SELENDOK : ORVN_SELENDCANCEL);
    m_bPicked = false;
    Send(ORVN_CLOSEUP);
}

void CDropNotifier::Send(UINT nCode)
{
    if (m_bSilenced || m_pEdit == nullptr || !::IsWindow(m_pEdit->m_hWnd))
        return;
    const HWND hParent = ::GetParent(m_pEdit->m_hWnd);
    if (hParent == nullptr)
        return;
    const int nId = ::GetDlgCtrlID(m_pEdit->m_hWnd);
    ::SendMessageA(hParent, WM_COMMAND, MAKEWPARAM(nId, nCode), reinterpret_cast<LPARAM>(m_pEdit->m_hWnd));
}

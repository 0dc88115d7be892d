// CDropNotifier: turns what happens to an edit's drop window into the ORVN_* notifications its
// parent receives. The drop window reports every change of its visibility; the edit notes a
// pick before it hides the window for one; host calls hold a HostCall for their duration, during
// which only the opening and closing themselves are reported. Knows its edit (not owned).
#pragma once
#include <afxwin.h>

class CDropNotifier
{
public:
    explicit CDropNotifier(CWnd* pEdit);
    ~CDropNotifier();

    // Marks the duration of a host call on the edit; nests.
    class HostCall
    {
    public:
        explicit HostCall(CDropNotifier& notifier);
        ~HostCall();
        HostCall(const HostCall&) = delete;
        HostCall& operator=(const HostCall&) = delete;

    private:
        CDropNotifier& m_notifier;
    };

// Operations
    // The user is taking a value: the next close ends with ORVN_SELENDOK.
    void NotePick();
    // The drop window became visible (true) or hidden (false).
    void OnVisibilityChanged(bool bVisible);
    // The edit is going away: nothing more is sent.
    void Silence();

private:
    void Send(UINT nCode);

    CWnd* m_pEdit;      // not owned
    int m_nHostCalls;   // host calls running
    bool m_bPicked;     // a pick was noted since the window opened
    bool m_bSilenced;
};

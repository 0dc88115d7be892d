#include "ScreenshotTour.h"
#include "GalleryDlg.h"
#include "PngWriter.h"

namespace
{
const UINT_PTR kTourTimer = 0x70;
// Time for the display server to show what was painted before the screen is read back.
const UINT kSettleMs = 400;
const char* const kShotNames[] = { "gallery", "pick-readonly", "pick-editable", "suggest", "date",
                                   "time",    "folder",        "file" };

struct VisiblePopups
{
    HWND hOwner;
    CRect rcUnion;
    HRGN hRegion;
};

BOOL CALLBACK AddVisiblePopup(HWND hWnd, LPARAM lParam)
{
    VisiblePopups* p = reinterpret_cast<VisiblePopups*>(lParam);
    if (::IsWindowVisible(hWnd) && ::GetWindow(hWnd, GW_OWNER) == p->hOwner)
    {
        CRect rc;
        ::GetWindowRect(hWnd, &rc);
        p->rcUnion.UnionRect(&p->rcUnion, &rc);
        HRGN hRect = ::CreateRectRgnIndirect(&rc);
        ::CombineRgn(p->hRegion, p->hRegion, hRect, RGN_OR);
        ::DeleteObject(hRect);
    }
    return TRUE;
}
}

bool CScreenshotTour::s_bAnyFailure = false;

CScreenshotTour::CScreenshotTour(CGalleryDlg& form, CWnd& mainWnd) : m_form(form), m_mainWnd(mainWnd) {}

void CScreenshotTour::Start(const CString& folder)
{
    m_strFolder = folder;
    m_nStep = 0;
    m_bShootNext = true;
    m_mainWnd.SetTimer(kTourTimer, kSettleMs, nullptr);
}

bool CScreenshotTour::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent != kTourTimer)
        return false;
    if (m_bShootNext)
    {
        ShootStep(m_nStep);
        ++m_nStep;
        if (m_nStep > CGalleryDlg::kRowCount)
        {
            m_mainWnd.KillTimer(kTourTimer);
            m_mainWnd.PostMessage(WM_CLOSE);
            return true;
        }
        OpenStep(m_nStep);
        m_bShootNext = true;
    }
    return true;
}

void CScreenshotTour::OpenStep(int nStep)
{
    const CGalleryDlg::Row row = static_cast<CGalleryDlg::Row>(nStep - 1);
    CDropBaseEdit& control = m_form.Control(row);
    control.SetFocus();
    if (row == CGalleryDlg::kSuggest)
    {
        // The suggestions appear as the user types.
        control.SetWindowText("");
        for (char ch : { 'c', 'o' })
            control.SendMessage(WM_CHAR, static_cast<WPARAM>(ch), 1);
    }
    else
    {
        control.SendMessage(WM_KEYDOWN, VK_F9, 1);
    }
}

CRect CScreenshotTour::ShotRect(HRGN hShown) const
{
    VisiblePopups popups{ m_mainWnd.m_hWnd, CRect(0, 0, 0, 0), hShown };
    m_mainWnd.GetWindowRect(&popups.rcUnion);
    ::SetRectRgn(hShown, popups.rcUnion.left, popups.rcUnion.top, popups.rcUnion.right, popups.rcUnion.bottom);
    ::EnumThreadWindows(::GetCurrentThreadId(), AddVisiblePopup, reinterpret_cast<LPARAM>(&popups));
    return popups.rcUnion;
}

void CScreenshotTour::ShootStep(int nStep)
{
    m_mainWnd.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    const CString path = m_strFolder + "\\" + kShotNames[nStep] + ".png";
    HRGN hShown = ::CreateRectRgn(0, 0, 0, 0);
    const CRect rcShot = ShotRect(hShown);
    const BOOL bWritten = WriteScreenPng(rcShot, path, hShown);
    ::DeleteObject(hShown);
    if (!bWritten)
    {
        m_bSucceeded = false;
        s_bAnyFailure = true;
    }
    // Close what this step opened before the next one.
    if (nStep > 0)
    {
        CDropBaseEdit& control = m_form.Control(static_cast<CGalleryDlg::Row>(nStep - 1));
        control.SendMessage(WM_KEYDOWN, VK_ESCAPE, 1);
    }
}

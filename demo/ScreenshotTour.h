// Walks through the gallery with a timer: a picture of the whole window, then one per control
// with its drop window open, each written as a PNG into a folder; closes the window at the end.
#pragma once
#include <afxwin.h>

class CGalleryDlg;

class CScreenshotTour
{
public:
    CScreenshotTour(CGalleryDlg& form, CWnd& mainWnd);

    void Start(const CString& folder);
    // True when the timer was the tour's.
    bool OnTimer(UINT_PTR nIDEvent);
    bool Succeeded() const { return m_bSucceeded; }
    // Whether any tour of the process failed to write a picture.
    static bool AnyFailure() { return s_bAnyFailure; }

private:
    void OpenStep(int nStep);
    void ShootStep(int nStep);
    // The main window and its visible popups: their bounding box, and their outline in hShown.
    CRect ShotRect(HRGN hShown) const;

    CGalleryDlg& m_form;
    CWnd& m_mainWnd;
    CString m_strFolder;
    int m_nStep = 0;
    bool m_bShootNext = false;
    bool m_bSucceeded = true;
    static bool s_bAnyFailure;
};

// The gallery's main window: holds the form, and tells it when it moved so that an open drop
// window follows. Optionally walks through the controls writing screenshots, then closes.
#pragma once
#include <afxwin.h>
#include "GalleryDlg.h"
#include "ScreenshotTour.h"

class CGalleryLogger;

class CGalleryFrame : public CFrameWnd
{
public:
    explicit CGalleryFrame(CGalleryLogger* pLogger);

    BOOL CreateHost();
    void StartScreenshotTour(const CString& folder);
    bool TourSucceeded() const { return m_tour.Succeeded(); }
    CGalleryDlg& Form() { return m_form; }

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnMove(int x, int y);
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg void OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized);
    DECLARE_MESSAGE_MAP()

private:
    CGalleryDlg m_form;
    CScreenshotTour m_tour;
};

// CView: a child window that draws a document's contents; here only what hosts of the library
// rely on (painting through OnDraw, heap objects that delete themselves).
#pragma once
#include "Wnd.h"

class AFX_LITE_API CView : public CWnd
{
    DECLARE_DYNAMIC(CView)
public:
    ~CView() override;

protected:
    CView();
    virtual void OnDraw(CDC* pDC) = 0;
    void PostNcDestroy() override;
    afx_msg void OnPaint();
    DECLARE_MESSAGE_MAP()
};

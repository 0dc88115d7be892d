// CScrollView: a view with scroll bars; the base of form views.
#pragma once
#include "View.h"

class AFX_LITE_API CScrollView : public CView
{
    DECLARE_DYNAMIC(CScrollView)
public:
    ~CScrollView() override;

protected:
    CScrollView();
    void OnDraw(CDC* pDC) override;
};

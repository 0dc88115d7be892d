#include "ScrollView.h"

IMPLEMENT_DYNAMIC(CScrollView, CView)

CScrollView::CScrollView() = default;
CScrollView::~CScrollView() = default;
void CScrollView::OnDraw(CDC*) {}

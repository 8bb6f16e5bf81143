#include "framework/View.h"

void CView::OnKeyDown(UINT, UINT, UINT) {
    Default();
}

void CView::OnLButtonDown(UINT, CPoint) {
    Default();
}

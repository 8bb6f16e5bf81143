#include "framework/WindowPlacement.h"

#include "framework/WindowSystem.h"

CPoint CenterInWorkArea(const CRect& work, int width, int height) {
    // Integer division truncates toward zero: a room of -5 gives -2.
    return CPoint{work.left + (work.Width() - width) / 2, work.top + (work.Height() - height) / 2};
}

bool GetWorkArea(CRect& work) {
    return CurrentWindowSystem().GetWorkArea(work);
}

void AdjustWindowRectEx(CRect& rect, DWORD style, bool menu, DWORD exStyle) {
    CurrentWindowSystem().AdjustWindowRectEx(rect, style, menu, exStyle);
}

#pragma once

#include "framework/Types.h"
#include "framework/WindowStyles.h"

// Where windows go on the desktop.

// The top-left corner that centres a window of outer size width x height in
// the work area: each way, the work area's start plus half the room left
// over, halved toward zero. When the window is wider or taller than the work
// area the room is negative and the window starts before the work area.
CPoint CenterInWorkArea(const CRect& work, int width, int height);

// The work area: the desktop of the screen where windows open, without the
// panels and task bars. False when the window system cannot tell.
bool GetWorkArea(CRect& work);

// Grows `rect`, a client area, into the outer rectangle of a window with
// the given styles, with a one-line menu bar when `menu` is true.
void AdjustWindowRectEx(CRect& rect, DWORD style, bool menu, DWORD exStyle);

#pragma once

#include "framework/Types.h"

#include <cstdint>

// Window styles, with their Windows values, and the description of a window
// about to be made that PreCreateWindow may change.
using DWORD = std::uint32_t;

inline constexpr DWORD WS_OVERLAPPED = 0x00000000;
inline constexpr DWORD WS_CAPTION = 0x00C00000;    // a title bar
inline constexpr DWORD WS_SYSMENU = 0x00080000;    // the window menu and the close box
inline constexpr DWORD WS_THICKFRAME = 0x00040000; // a sizing border
inline constexpr DWORD WS_MINIMIZEBOX = 0x00020000;
inline constexpr DWORD WS_MAXIMIZEBOX = 0x00010000;
inline constexpr DWORD WS_OVERLAPPEDWINDOW =
    WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;
// A frame's title is its base title followed by " - " and the document's name.
inline constexpr DWORD FWS_ADDTOTITLE = 0x00008000;
// ... with the document's name first instead.
inline constexpr DWORD FWS_PREFIXTITLE = 0x00004000;

inline constexpr DWORD WS_EX_CLIENTEDGE = 0x00000200; // a sunken edge around the client area

// A position or size left to the window system.
inline constexpr int CW_USEDEFAULT = static_cast<int>(0x80000000u);

// The window about to be made: its styles and its outer rectangle (the
// title bar, the borders and the menu bar included).
struct CREATESTRUCT {
    DWORD style = 0;
    DWORD dwExStyle = 0;
    int x = CW_USEDEFAULT;
    int y = CW_USEDEFAULT;
    int cx = CW_USEDEFAULT;
    int cy = CW_USEDEFAULT;
};

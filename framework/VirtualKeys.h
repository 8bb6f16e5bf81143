#pragma once

// Virtual-key codes: the numbers by which key presses reach a view's
// OnKeyDown and by which the accelerator table names its keys. Letters and
// top-row digits are their upper-case ASCII codes ('A' 0x41, '1' 0x31).
inline constexpr unsigned VK_BACK = 0x08;
inline constexpr unsigned VK_TAB = 0x09;
inline constexpr unsigned VK_RETURN = 0x0D;
inline constexpr unsigned VK_SHIFT = 0x10;
inline constexpr unsigned VK_CONTROL = 0x11;
inline constexpr unsigned VK_MENU = 0x12; // Alt
inline constexpr unsigned VK_PAUSE = 0x13;
inline constexpr unsigned VK_CAPITAL = 0x14;
inline constexpr unsigned VK_ESCAPE = 0x1B;
inline constexpr unsigned VK_SPACE = 0x20;
inline constexpr unsigned VK_PRIOR = 0x21; // Page Up
inline constexpr unsigned VK_NEXT = 0x22;  // Page Down
inline constexpr unsigned VK_END = 0x23;
inline constexpr unsigned VK_HOME = 0x24;
inline constexpr unsigned VK_LEFT = 0x25;
inline constexpr unsigned VK_UP = 0x26;
inline constexpr unsigned VK_RIGHT = 0x27;
inline constexpr unsigned VK_DOWN = 0x28;
inline constexpr unsigned VK_INSERT = 0x2D;
inline constexpr unsigned VK_DELETE = 0x2E;
inline constexpr unsigned VK_NUMPAD0 = 0x60; // keypad digits run 0x60..0x69
inline constexpr unsigned VK_F1 = 0x70;      // F1..F12 run 0x70..0x7B
inline constexpr unsigned VK_F2 = 0x71;
inline constexpr unsigned VK_F3 = 0x72;
inline constexpr unsigned VK_F4 = 0x73;
inline constexpr unsigned VK_F5 = 0x74;
inline constexpr unsigned VK_F6 = 0x75;
inline constexpr unsigned VK_F7 = 0x76;
inline constexpr unsigned VK_F8 = 0x77;
inline constexpr unsigned VK_F12 = 0x7B;

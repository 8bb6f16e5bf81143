#pragma once

#include <cstdint>

// The plain value types the program's classes are written with: colours,
// points and rectangles in window pixels, and the Windows-style flag words.
using UINT = unsigned int;

// A colour as 0x00BBGGRR, built with RGB.
using COLORREF = std::uint32_t;
constexpr COLORREF RGB(int red, int green, int blue) {
    return static_cast<COLORREF>((red & 0xFF) | ((green & 0xFF) << 8) | ((blue & 0xFF) << 16));
}
constexpr int GetRValue(COLORREF colour) {
    return static_cast<int>(colour & 0xFF);
}
constexpr int GetGValue(COLORREF colour) {
    return static_cast<int>((colour >> 8) & 0xFF);
}
constexpr int GetBValue(COLORREF colour) {
    return static_cast<int>((colour >> 16) & 0xFF);
}

// A point in client coordinates: x to the right, y downwards.
struct CPoint {
    int x = 0;
    int y = 0;
};

// A rectangle that covers the pixels from (left, top) up to, but not
// including, (right, bottom).
struct CRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool operator==(const CRect&) const = default;
};

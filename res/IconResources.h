#pragma once

#include <cstdint>
#include <span>

// An icon resource: the same picture drawn at several sizes, each a PNG
// image built into the program.
struct IconImage {
    int size; // width and height in pixels
    std::span<const std::uint8_t> png;
};

struct IconResource {
    int id;
    std::span<const IconImage> images; // smallest first
};

// The program's icon (IDR_MAINFRAME), from res/icons/ at build time.
extern const IconResource g_iconResources[1];

#pragma once

#include "view/TavroView.h"

#include <cstdint>

// Leaf positions `depth` plies below the view's position, by the game's own
// rules: a pass is a ply, and a second pass in a row ends the line there
// (the finished position counts as one leaf).
std::uint64_t Perft(CTavroView& view, int depth, bool passAllowed = true);

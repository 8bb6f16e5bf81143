// The computer's search as the game first played it: fixed-depth minimax
// with one-level alpha-beta cut-offs, made and taken back on the live board
// of a CTavroView through its rule members. Slow and plainly correct; the
// engine must choose exactly what it chooses.
#pragma once

#include "view/TavroView.h"

#include <cstdint>

// One search on one view, counting the nodes it visits.
struct LiteralSearch {
    CTavroView& view;
    std::uint64_t nodes = 0;

    // The same arguments and answer as the game's search: at the root
    // (depth == view.m_rootDepth) the square code of the chosen move or
    // NO_MOVE; elsewhere a score for the computer.
    int Search(int maximising, int depth, int passAllowed, int alpha, int beta);

    // The root call as the computer's turn makes it: sets m_rootDepth to
    // `depth` and searches from the side to move.
    int Move(int depth);
};

#pragma once

#include "view/TavroView.h"

// Plain minimax with no pruning, written from the rules: scores are the
// computer's; the last move in column-major scan among the best wins; a pass
// is a ply; a second pass in a row is evaluated where it stands.
struct PlainMinimax {
    CTavroView& view;
    int bestCode = NO_MOVE; // the root's choice after Value(..., root = true)

    int Value(int maximising, int depth, int passAllowed, bool root = false);
};

#include "cli/Perft.h"

std::uint64_t Perft(CTavroView& view, int depth, bool passAllowed) {
    if (depth == 0)
        return 1;
    std::uint64_t leaves = 0;
    bool moveFound = false;
    for (int col = 0; col < 8; ++col) {
        for (int row = 0; row < 8; ++row) {
            if (!view.CanPlace(col, row))
                continue;
            moveFound = true;
            FlipRecord record;
            view.MakeMove(record, col, row);
            leaves += Perft(view, depth - 1, true);
            view.UndoMove(record);
        }
    }
    if (moveFound)
        return leaves;
    if (!passAllowed)
        return 1;
    view.ToggleTurn();
    leaves = Perft(view, depth - 1, false);
    view.ToggleTurn();
    return leaves;
}

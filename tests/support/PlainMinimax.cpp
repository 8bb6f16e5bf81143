#include "tests/support/PlainMinimax.h"

int PlainMinimax::Value(int maximising, int depth, int passAllowed, bool root) {
    if (depth == 0)
        return view.Evaluate();
    bool moveFound = false;
    int best = maximising ? SCORE_MIN : SCORE_MAX;
    for (int col = 0; col < 8; ++col) {
        for (int row = 0; row < 8; ++row) {
            if (!view.CanPlace(col, row))
                continue;
            moveFound = true;
            FlipRecord record;
            view.MakeMove(record, col, row);
            const int score = Value(1 - maximising, depth - 1, 1);
            view.UndoMove(record);
            if (maximising ? score >= best : score <= best) {
                best = score;
                if (root)
                    bestCode = SquareCode(col, row);
            }
        }
    }
    if (moveFound)
        return best;
    if (!passAllowed)
        return view.Evaluate();
    view.ToggleTurn();
    const int score = Value(1 - maximising, depth - 1, 0);
    view.ToggleTurn();
    return score;
}

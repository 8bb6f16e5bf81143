#include "tests/oracle/LiteralSearch.h"

// A maximising node keeps its best score in alpha, a minimising node in beta;
// the other bound is the parent's best so far. The cut-off test is strict and
// an equal score replaces the best, so the root answers the last move in the
// column-major scan among those with the highest minimax value.
int LiteralSearch::Search(int maximising, int depth, int passAllowed, int alpha, int beta) {
    ++nodes;
    if (depth == 0)
        return view.Evaluate();
    if (maximising)
        alpha = SCORE_MIN;
    else
        beta = SCORE_MAX;

    bool moveFound = false;
    int bestCol = 0;
    int bestRow = 0;
    for (int col = 0; col < 8; ++col) {
        for (int row = 0; row < 8; ++row) {
            if (!view.CanPlace(col, row))
                continue;
            moveFound = true;
            FlipRecord record;
            view.MakeMove(record, col, row);
            const int score = Search(1 - maximising, depth - 1, 1, alpha, beta);
            view.UndoMove(record);
            if (maximising) {
                if (score >= alpha) {
                    alpha = score;
                    bestCol = col;
                    bestRow = row;
                }
                if (alpha > beta)
                    return alpha;
            } else {
                if (score <= beta) {
                    beta = score;
                    bestCol = col;
                    bestRow = row;
                }
                if (alpha > beta)
                    return beta;
            }
        }
    }

    const bool root = depth == view.m_rootDepth;
    if (moveFound) {
        if (root)
            return SquareCode(bestCol, bestRow);
        return maximising ? alpha : beta;
    }
    if (root)
        return NO_MOVE;
    if (passAllowed) {
        view.ToggleTurn();
        const int score = Search(1 - maximising, depth - 1, 0, alpha, beta);
        view.ToggleTurn();
        return score;
    }
    return view.Evaluate();
}

int LiteralSearch::Move(int depth) {
    view.m_rootDepth = depth;
    return Search(1, depth, 1, SCORE_MIN, SCORE_MAX);
}

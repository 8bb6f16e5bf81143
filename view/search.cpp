// The computer's look-ahead, answered by the engine's exact search: the same
// move as a fixed-depth minimax that scans the board column by column and
// keeps the last of the best, found hundreds of times faster.
#include "view/TavroView.h"

#include "engine/Search.h"

namespace {

// The engine's table is allocated once per thread and emptied by every
// search, so a move costs no allocation.
engine::Searcher& ComputerPlayer() {
    thread_local engine::Searcher searcher;
    return searcher;
}

} // namespace

// At the root (depth == m_rootDepth, depth 1 or more) the answer is the
// square code of the last move in column-major scan order among those with
// the best minimax value (the highest when maximising), or NO_MOVE when the
// side to move has none.
//
// Any other call answers the exact minimax value of the node for the
// computer, whatever the window. The pruned search this replaces answered a
// bound beyond its parent's best where it cut off, and the exact value lies
// beyond that best as well, so a caller that compares the answer with its
// best decides the same; alpha and beta are therefore not needed. (That
// search also took a node deeper down whose depth equals m_rootDepth for a
// root and answered a square code as its score; no caller makes such a call,
// and here it gets the exact value.)
//
// Depth 0 answers Evaluate, even at the root, and so does a negative depth,
// which no caller passes. The board and the turn are never touched.
int CTavroView::Search(int maximising, int depth, int passAllowed, int alpha, int beta) {
    static_cast<void>(alpha);
    static_cast<void>(beta);
    if (depth <= 0)
        return Evaluate();
    const engine::Position position =
        engine::PositionFromCells(m_board, m_turn, 1 - m_humanWhite, m_moveCount);
    if (depth == m_rootDepth) {
        const engine::Choice choice = ComputerPlayer().BestMove(position, depth, maximising != 0);
        if (choice.square == engine::kNoMove)
            return NO_MOVE;
        return SquareCode(choice.square / 8, choice.square % 8);
    }
    return ComputerPlayer().Value(position, depth, passAllowed != 0, maximising != 0);
}

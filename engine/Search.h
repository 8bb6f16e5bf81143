// The computer's exact search on bitboards: the same move and the same
// values as the game's plain minimax, found with full alpha-beta, move
// ordering and a transposition table.
#pragma once

#include "engine/Bitboard.h"
#include "engine/Position.h"
#include "engine/Tt.h"

#include <cstdint>

namespace engine {

// The board index of "no move".
inline constexpr int kNoMove = -1;

// The engine's answer for the side to move.
struct Choice {
    int square = kNoMove; // board index col*8 + row of the move, or kNoMove
    int value = 0;        // its minimax value for the computer; 0 without a move
};

// Searches to a fixed depth, counting plies; a pass costs a ply, and a
// second pass in a row ends the line with the score of that position. Scores
// are the computer's: a maximising node is one where the computer's score is
// maximised. Each call starts from an empty table; nothing is allocated
// after construction.
class Searcher {
public:
    Searcher();

    // The move the side to move makes at `depth` (1 or more): the last in
    // scan order (highest column, then highest row) among the moves of the
    // best minimax value, the highest for the computer when `maximising`,
    // else the lowest. kNoMove when the side to move has no legal move,
    // whatever the depth.
    Choice BestMove(const Position& position, int depth, bool maximising = true);

    // The exact minimax value of a node at `depth` (0 or more; less counts
    // as 0) for the computer; `passAllowed` false means the ply above was a
    // pass.
    int Value(const Position& position, int depth, bool passAllowed, bool maximising);

    // Positions visited by the last call: every node searched and every
    // position scored.
    std::uint64_t Nodes() const { return nodes_; }

private:
    struct Candidate;

    void Start(const Position& position, bool maximising);
    template <bool Material>
    Choice Root(Bitboard own, Bitboard opp, int side, int depth);
    template <bool Material>
    int Node(Bitboard own, Bitboard opp, Bitboard moves, int side, int depth, bool passAllowed,
             int alpha, int beta);
    template <bool Material>
    int Frontier(Bitboard own, Bitboard opp, Bitboard moves, int beta);
    int BoundedFrontier(Bitboard own, Bitboard opp, Bitboard moves, int alpha, int beta);
    template <bool Material>
    int Interior(Bitboard own, Bitboard opp, Bitboard moves, int side, int depth, bool passAllowed,
                 int alpha, int beta);
    template <bool Material>
    int Leaf(Bitboard own, Bitboard opp, Bitboard moves) const;
    template <bool Material>
    int ListMoves(Bitboard own, Bitboard opp, Bitboard moves, int depth, Candidate* list) const;

    TranspositionTable table_;
    int sign_ = 1; // +1 when the scores of the side to move are maximised
    std::uint64_t nodes_ = 0;
    int frontierKiller_ = -1; // the reply that last cut a frontier node off
};

} // namespace engine

// Legal moves and the stones a move turns, for the side to move (`own`)
// against the other side (`opp`), by parallel shifts over whole bitboards.
#pragma once

#include "engine/Bitboard.h"

namespace engine {

// Squares reached from `own` through an unbroken run of `runs` squares in both
// senses of one direction, doubling the run length at each step: the longest
// possible run (six stones) takes four steps instead of six.
template <int Distance>
inline Bitboard OutflankedBothWays(Bitboard own, Bitboard runs) {
    constexpr int kDouble = 2 * Distance;
    Bitboard forward = runs & Step<Distance>(own);
    Bitboard backward = runs & Step<-Distance>(own);
    forward |= runs & Step<Distance>(forward);
    backward |= runs & Step<-Distance>(backward);
    const Bitboard forwardPairs = runs & Step<Distance>(runs);
    const Bitboard backwardPairs = runs & Step<-Distance>(runs);
    forward |= forwardPairs & Step<kDouble>(forward);
    backward |= backwardPairs & Step<-kDouble>(backward);
    forward |= forwardPairs & Step<kDouble>(forward);
    backward |= backwardPairs & Step<-kDouble>(backward);
    return Step<Distance>(forward) | Step<-Distance>(backward);
}

// Every empty square where the side to move closes at least one run.
inline Bitboard LegalMoves(Bitboard own, Bitboard opp) {
    const Bitboard inner = opp & kInnerRows;
    const Bitboard reached = OutflankedBothWays<1>(own, inner) | OutflankedBothWays<8>(own, opp) |
                             OutflankedBothWays<7>(own, inner) | OutflankedBothWays<9>(own, inner);
    return reached & ~(own | opp);
}

// The squares from each square to the board's edge in each direction,
// nearest first: four directions of rising bit index, then four of falling.
struct Rays {
    Bitboard toEdge[kSquares][8];
};

constexpr Rays MakeRays() {
    constexpr int kSteps[8][2] = {{0, 1},  {1, 0},  {1, 1},   {1, -1},
                                  {0, -1}, {-1, 0}, {-1, -1}, {-1, 1}};
    Rays rays{};
    for (int square = 0; square < kSquares; ++square) {
        for (int d = 0; d < 8; ++d) {
            int col = square / 8 + kSteps[d][0];
            int row = square % 8 + kSteps[d][1];
            for (; col >= 0 && col < 8 && row >= 0 && row < 8;
                 col += kSteps[d][0], row += kSteps[d][1])
                rays.toEdge[square][d] |= SquareBit(BitIndex(col, row));
        }
    }
    return rays;
}

inline constexpr Rays kRays = MakeRays();

// All squares when `closer` is not empty, none when it is; computed without a
// branch, which would be mispredicted half the time.
inline Bitboard ClosedMask(Bitboard closer) {
    return 0 - static_cast<Bitboard>(closer != 0);
}

// The stones turned over by the side to move placing on the empty `square`
// (a board index); empty when the square closes no run. Along each ray the
// first square that is not the opponent's ends the run; the run is turned
// when that square holds one of the mover's stones.
inline Bitboard Flips(int square, Bitboard own, Bitboard opp) {
    const Bitboard(&rays)[8] = kRays.toEdge[square];
    Bitboard flips = 0;
    for (int d = 0; d < 4; ++d) {
        const Bitboard blockers = rays[d] & ~opp;
        const Bitboard first = blockers & (0 - blockers);
        const Bitboard run = rays[d] & (first - 1);
        flips |= run & ClosedMask(first & own);
    }
    for (int d = 4; d < 8; ++d) {
        // With no blocker this picks square 0, which is then off the ray or
        // the opponent's, so nothing is turned.
        const Bitboard blockers = rays[d] & ~opp;
        const Bitboard first = SquareBit(HighestSquare(blockers | 1));
        const Bitboard run = rays[d] & ~((first << 1) - 1);
        flips |= run & ClosedMask(first & own & rays[d]);
    }
    return flips;
}

} // namespace engine

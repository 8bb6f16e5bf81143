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

// The run of opposing stones that a stone on `placed` closes in one
// direction; empty when the run is not closed by one of the mover's stones.
// `runs` is the opponent's set, limited to rows 1..6 for directions that
// change the row, so a run ends before it could wrap into the next column.
template <int Distance>
inline Bitboard ClosedRun(Bitboard placed, Bitboard own, Bitboard runs) {
    Bitboard run = 0;
    Bitboard next = Step<Distance>(placed);
    while (next & runs) {
        run |= next;
        next = Step<Distance>(next);
    }
    return (next & own) ? run : 0;
}

// The stones turned over by the side to move placing on the empty `square`
// (a board index); empty when the square closes no run.
inline Bitboard Flips(int square, Bitboard own, Bitboard opp) {
    const Bitboard placed = SquareBit(square);
    const Bitboard inner = opp & kInnerRows;
    return ClosedRun<1>(placed, own, inner) | ClosedRun<-1>(placed, own, inner) |
           ClosedRun<8>(placed, own, opp) | ClosedRun<-8>(placed, own, opp) |
           ClosedRun<9>(placed, own, inner) | ClosedRun<-9>(placed, own, inner) |
           ClosedRun<7>(placed, own, inner) | ClosedRun<-7>(placed, own, inner);
}

} // namespace engine

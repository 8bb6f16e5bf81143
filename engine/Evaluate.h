// How the computer judges a position, on bitboards and from the side to
// move's point of view: square weights plus three points per legal move
// while the real game has at most 48 stones placed, the stone difference
// after that.
#pragma once

#include "engine/Bitboard.h"
#include "engine/MoveGen.h"

#include <array>
#include <cstdint>

namespace engine {

// The weight of each square, indexed like the board (col*8 + row).
extern const std::array<std::int32_t, kSquares> kSquareWeight;

// Points per legal move of the side to move.
inline constexpr int kMobilityPoints = 3;

// The real game's placed-stone count above which only stones count.
inline constexpr int kMaterialAfterMoveCount = 48;

// The weights of one column's eight squares summed for every pattern of
// stones in it: a column is one byte of a bitboard.
using ColumnWeights = std::array<std::array<std::int16_t, 256>, 8>;
extern const ColumnWeights kColumnWeights;

// The summed weights of a set of squares.
inline int WeightSum(Bitboard squares) {
    int sum = 0;
    for (int col = 0; col < 8; ++col)
        sum += kColumnWeights[col][(squares >> (8 * col)) & 0xFF];
    return sum;
}

// Weighted balance of `own` against `opp`.
inline int WeightBalance(Bitboard own, Bitboard opp) {
    return WeightSum(own) - WeightSum(opp);
}

// The open-game score for the side to move: weights plus mobility.
inline int PositionalScore(Bitboard own, Bitboard opp) {
    return WeightBalance(own, opp) + kMobilityPoints * PopCount(LegalMoves(own, opp));
}

// The late-game score for the side to move: own stones minus the opponent's.
inline int MaterialScore(Bitboard own, Bitboard opp) {
    return PopCount(own) - PopCount(opp);
}

} // namespace engine

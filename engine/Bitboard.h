// Sets of squares as 64-bit words. Bit i stands for the board index
// i = col*8 + row, the order of the game's own board array, so ascending bit
// order is the game's column-major scan order.
#pragma once

#include <cstdint>

namespace engine {

using Bitboard = std::uint64_t;

inline constexpr int kSquares = 64;

constexpr Bitboard SquareBit(int index) {
    return Bitboard{1} << index;
}

constexpr int BitIndex(int col, int row) {
    return col * 8 + row;
}

// Rows 1..6 of every column: a run along a direction that changes the row
// may not step past row 0 or row 7 into the next column.
inline constexpr Bitboard kInnerRows = 0x7E7E7E7E7E7E7E7EULL;

// Number of squares in the set. Written out where the compiler has no popcnt
// instruction to use, because the library fallback is an out-of-line call.
constexpr int PopCount(Bitboard set) {
#if defined(__POPCNT__)
    return __builtin_popcountll(set);
#else
    set = set - ((set >> 1) & 0x5555555555555555ULL);
    set = (set & 0x3333333333333333ULL) + ((set >> 2) & 0x3333333333333333ULL);
    set = (set + (set >> 4)) & 0x0F0F0F0F0F0F0F0FULL;
    return static_cast<int>((set * 0x0101010101010101ULL) >> 56);
#endif
}

// The lowest square of a non-empty set.
constexpr int LowestSquare(Bitboard set) {
    return __builtin_ctzll(set);
}

// The highest square of a non-empty set: the last one in scan order.
constexpr int HighestSquare(Bitboard set) {
    return 63 - __builtin_clzll(set);
}

// Moves a set one step along a direction given as a bit distance: +1 is one
// row down, +8 one column right, +9 down-right, +7 up-right; negative
// distances go the other way. Squares leaving the word are dropped.
template <int Distance>
constexpr Bitboard Step(Bitboard set) {
    if constexpr (Distance > 0)
        return set << Distance;
    else
        return set >> -Distance;
}

} // namespace engine

// What the engine is asked about: a position as plain data, without the
// game's board view.
#pragma once

#include "engine/Bitboard.h"

#include <cstdint>

namespace engine {

// Colours coded as the game codes its side to move: 0 black, 1 white.
inline constexpr int kBlack = 0;
inline constexpr int kWhite = 1;

struct Position {
    Bitboard black = 0;
    Bitboard white = 0;
    int toMove = kBlack;   // the side to move
    int computer = kBlack; // the colour the computer plays: scores are its
    int moveCount = 0;     // stones placed in the real game: picks the score formula
};

// A position from the game's 64 cells (index col*8 + row; 1 black, -1 white,
// 0 empty).
inline Position PositionFromCells(const std::int32_t (&cells)[kSquares], int toMove, int computer,
                                  int moveCount) {
    Position position;
    for (int index = 0; index < kSquares; ++index) {
        if (cells[index] == 1)
            position.black |= SquareBit(index);
        else if (cells[index] == -1)
            position.white |= SquareBit(index);
    }
    position.toMove = toMove;
    position.computer = computer;
    position.moveCount = moveCount;
    return position;
}

} // namespace engine

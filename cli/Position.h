#pragma once

#include "view/TavroView.h"

#include <optional>
#include <string>
#include <string_view>

// Positions as Othello programs write them: 64 characters A1 B1 ... H1, A2
// ... H8, row by row; X or * black, O white, - or . empty.
struct PositionText {
    std::int32_t cells[64]; // board order, m_board[col*8 + row]
    int stones;             // stones on the board
};

// The position, or an error line saying what was wrong and what is accepted.
struct ParsedPosition {
    std::optional<PositionText> position;
    std::string error;
};
ParsedPosition ParsePosition(std::string_view text);

// "X" black (m_turn 0) or "O" white (m_turn 1); nothing for anything else.
std::optional<int> ParseSide(std::string_view text);

// A square's name as the player hears it: column letter and row number, "F5".
std::string SquareName(int col, int row);

// How the computer judges a position: square weights and mobility while the
// game is open, the stone difference once more than 48 stones are placed.
#include "view/TavroView.h"

// Rows 1..8 read the same as columns A..H: the table is symmetric about both
// diagonals and both centre lines, so the board's column-major index fits.
const std::int32_t g_squareWeight[64] = {
    45,  -11, 4,  -1, -1, 4,  -11, 45,  //
    -11, -16, -1, -3, -3, -1, -16, -11, //
    4,   -1,  2,  -1, -1, 2,  -1,  4,   //
    -1,  -3,  -1, 0,  0,  -1, -3,  -1,  //
    -1,  -3,  -1, 0,  0,  -1, -3,  -1,  //
    4,   -1,  2,  -1, -1, 2,  -1,  4,   //
    -11, -16, -1, -3, -3, -1, -16, -11, //
    45,  -11, 4,  -1, -1, 4,  -11, 45,  //
};

// Weighted balance from White's point of view.
int CTavroView::PositionScore() const {
    int sum = 0;
    for (int i = 0; i < 64; ++i)
        sum += g_squareWeight[i] * m_board[i];
    return -sum;
}

// White stones minus black stones.
int CTavroView::MaterialScore() const {
    int sum = 0;
    for (const Stone cell : m_board)
        sum += cell;
    return -sum;
}

// Three points per legal move of the side to move, for the computer.
int CTavroView::MobilityScore() const {
    int moves = 0;
    for (int col = 0; col < 8; ++col)
        for (int row = 0; row < 8; ++row)
            moves += CanPlace(col, row);
    const bool computerToMove = m_turn != m_humanWhite;
    return computerToMove ? 3 * moves : -3 * moves;
}

int CTavroView::Evaluate() const {
    const int sign = m_humanWhite == 0 ? 1 : -1; // White's view is the computer's
    if (m_moveCount > 48)
        return sign * MaterialScore();
    return sign * PositionScore() + MobilityScore();
}

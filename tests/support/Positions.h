#pragma once

#include "app/MainFrame.h"
#include "view/TavroView.h"

#include <cstdint>
#include <random>
#include <string>
#include <string_view>

// A main frame and a board view, made in the order the program makes them.
struct GameFixture {
    CMainFrame frame;
    CTavroView view;
};

// Puts a position written as Othello programs write it (64 characters, A1 B1
// ... H8 row by row; X black, O white, - empty) on the board, with `turn` to
// move and m_moveCount following the stones on the board.
void LoadPosition(CTavroView& view, std::string_view text, int turn);

// A board text from its first squares, the rest empty: Rows("XO") puts black
// on A1 and white on B1.
std::string Rows(std::string_view leading);

// Legal squares of the side to move, as square codes in column-major scan order.
int LegalMoves(const CTavroView& view, int (&codes)[64]);

// Plays `plies` random moves from the view's position (passing when the side
// to move has none), stopping early when neither side can move. Keeps
// m_moveCount in step with the stones placed. Returns the plies played.
int PlayRandomly(CTavroView& view, std::mt19937& rng, int plies);

// A copy of the board and the side to move, to check a search left them alone.
struct BoardSnapshot {
    std::int32_t board[64];
    std::int32_t turn;
    bool operator==(const BoardSnapshot&) const = default;
};
BoardSnapshot Snapshot(const CTavroView& view);

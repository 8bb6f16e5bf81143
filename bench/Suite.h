// The fixed position suite that the engine is timed on (suite.txt, built
// into the program): positions from the engine's self-play at each level in
// the opening, the middle game and the late middle game, and positions with
// exactly 12 empty squares searched 12 plies deep.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// One timed question: the computer, to move, searches `depth` plies.
struct SuitePosition {
    std::string stage;      // opening, middle, late or end
    int depth;              // 2, 5, 8 or 12
    std::int32_t cells[64]; // the board, index col*8 + row
    int turn;               // side to move and played by the computer: 0 black, 1 white
    int moveCount;          // stones placed: the stones on the board less four
};

// The suite, in the order of suite.txt.
const std::vector<SuitePosition>& BenchSuite();

// The depths of the suite, ascending.
std::vector<int> SuiteDepths();

// Reads a suite from its text: one position per line, "DEPTH STAGE SIDE
// BOARD" (SIDE X or O; BOARD as tavro-cli move takes it); lines starting with
// # and empty lines are skipped. Throws std::invalid_argument naming the
// line on malformed input.
std::vector<SuitePosition> ParseSuite(const std::string& text);

// Nodes the engine visits over the whole suite: any change in how it
// searches changes this number.
std::uint64_t SuiteNodeSignature();

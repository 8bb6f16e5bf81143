// tavro-cli as a player or a script uses it: answers on stdout, one clear
// line on stderr and status 2 for bad input.
#include "bench/Suite.h"
#include "cli/Commands.h"
#include "tests/support/CliRun.h"
#include "tests/support/Positions.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <random>
#include <sstream>

namespace {

const char* const kStart = "---------------------------OX------XO---------------------------";

TEST(CliMove, AnswersSquareAndCode) {
    struct Case {
        std::vector<std::string> args;
        const char* answer;
    };
    const Case cases[] = {
        {{"move", kStart, "X", "5"}, "F5 37\n"},
        {{"move", "---------------------------O*------*O---------------------------", "X", "1"},
         "F5 37\n"},
        {{"move", "...........................OX......XO...........................", "O", "2"},
         "F4 29\n"},
        {{"move", "XO--------------------------------------------------------------", "X", "12"},
         "C1 2\n"},
        {{"move", "XXXXXXXXXXXXXXXX------------------------------------------------", "O", "4"},
         "pass -1\n"},
    };
    for (const Case& c : cases) {
        const CliRun run = RunWith(c.args);
        EXPECT_EQ(run.status, EXIT_OK) << c.args[1];
        EXPECT_EQ(run.out, c.answer) << c.args[1];
        EXPECT_EQ(run.err, "");
    }
}

TEST(CliMove, LiteralSearchGivesTheSameAnswer) {
    std::mt19937 rng(3);
    for (int i = 0; i < 30; ++i) {
        GameFixture game;
        PlayRandomly(game.view, rng, static_cast<int>(rng() % 56));
        std::string board;
        for (int code = 0; code < 64; ++code) {
            const int cell = game.view.m_board[BoardIndex(code % 8, code / 8)];
            board += cell == BLACK ? 'X' : cell == WHITE ? 'O' : '-';
        }
        const std::string side = game.view.m_turn == 0 ? "X" : "O";
        const std::string depth = std::to_string(1 + i % 5);
        const CliRun engine = RunWith({"move", board, side, depth});
        const CliRun literal = RunWith({"move", board, side, depth, "--literal"});
        const CliRun literalFirst = RunWith({"move", "--literal", board, side, depth});
        EXPECT_EQ(engine.status, EXIT_OK);
        EXPECT_EQ(literal.out, engine.out) << board << " " << side << " " << depth;
        EXPECT_EQ(literalFirst.out, engine.out);
    }
}

TEST(CliBench, OneRowPerDepthAndTheSignature) {
    const CliRun run = RunWith({"bench", "--engine-only", "--depth", "2", "--repeat", "1"});
    EXPECT_EQ(run.status, EXIT_OK) << run.err;
    EXPECT_NE(run.out.find("literal search skipped"), std::string::npos) << run.out;
    const auto atDepth2 = std::count_if(BenchSuite().begin(), BenchSuite().end(),
                                        [](const SuitePosition& p) { return p.depth == 2; });
    char row[32];
    std::snprintf(row, sizeof row, "\n%5d%11d  ", 2, static_cast<int>(atDepth2));
    EXPECT_NE(run.out.find(row), std::string::npos) << run.out;
    EXPECT_EQ(run.out.find("\n    5 "), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("node count at this depth: "), std::string::npos) << run.out;

    const CliRun both = RunWith({"bench", "--depth", "2", "--repeat", "1"});
    EXPECT_EQ(both.status, EXIT_OK) << both.err;
    EXPECT_NE(both.out.find("ratio"), std::string::npos) << both.out;
}

TEST(CliErrors, OneLineSayingWhatIsAccepted) {
    const std::string shortBoard(63, '-');
    std::string badChar = kStart;
    badChar[10] = 'x'; // C2
    struct Case {
        std::vector<std::string> args;
        const char* mentions;
    };
    const Case cases[] = {
        {{}, "expected one of"},
        {{"play"}, "unknown command 'play'"},
        {{"move", kStart, "X"}, "3 arguments"},
        {{"move", shortBoard, "X", "5"}, "63 characters"},
        {{"move", badChar, "X", "5"}, "('x', square C2)"},
        {{"move", kStart, "B", "5"}, "expected X (black) or O (white)"},
        {{"move", kStart, "X", "0"}, "from 1 to 12"},
        {{"move", kStart, "X", "13"}, "from 1 to 12"},
        {{"move", kStart, "X", "5x"}, "from 1 to 12"},
        {{"perft"}, "1 argument"},
        {{"perft", "0"}, "from 1 to 60"},
        {{"perft", "-3"}, "from 1 to 60"},
        {{"move", kStart, "X", "5", "--literally"}, "3 arguments"},
        {{"bench", "--fast"}, "expected --engine-only, --depth D or --repeat N"},
        {{"bench", "--depth", "13"}, "from 1 to 12"},
        {{"bench", "--repeat"}, "from 1 to 1000"},
        {{"bench", "--repeat", "0"}, "from 1 to 1000"},
    };
    for (const Case& c : cases) {
        const CliRun run = RunWith(c.args);
        EXPECT_EQ(run.status, EXIT_USAGE) << run.err;
        EXPECT_EQ(run.out, "");
        EXPECT_NE(run.err.find(c.mentions), std::string::npos) << run.err;
        EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << "one line: " << run.err;
    }
}

TEST(CliHelp, ListsTheCommands) {
    const CliRun run = RunWith({"--help"});
    EXPECT_EQ(run.status, EXIT_OK);
    EXPECT_NE(run.out.find("move BOARD SIDE DEPTH"), std::string::npos);
    EXPECT_NE(run.out.find("perft DEPTH"), std::string::npos);
    EXPECT_NE(run.out.find("--literal"), std::string::npos);
    EXPECT_NE(run.out.find("bench [--engine-only]"), std::string::npos);
}

TEST(CliPerft, OneLinePerDepth) {
    const CliRun run = RunWith({"perft", "4"});
    EXPECT_EQ(run.status, EXIT_OK);
    EXPECT_EQ(run.out, "1 4\n2 12\n3 56\n4 244\n");
}

} // namespace

// How the computer scores a position, for both colour assignments and on
// both sides of the 48-stone threshold.
#include "tests/support/Positions.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <random>

namespace {

TEST(SquareWeights, SymmetricAndSummingTo420) {
    int absoluteSum = 0;
    for (int col = 0; col < 8; ++col) {
        for (int row = 0; row < 8; ++row) {
            const int w = g_squareWeight[BoardIndex(col, row)];
            absoluteSum += std::abs(w);
            EXPECT_EQ(w, g_squareWeight[BoardIndex(row, col)]);
            EXPECT_EQ(w, g_squareWeight[BoardIndex(7 - col, row)]);
            EXPECT_EQ(w, g_squareWeight[BoardIndex(col, 7 - row)]);
        }
    }
    EXPECT_EQ(absoluteSum, 420);
    EXPECT_EQ(g_squareWeight[BoardIndex(0, 0)], 45);
    EXPECT_EQ(g_squareWeight[BoardIndex(1, 0)], -11);
    EXPECT_EQ(g_squareWeight[BoardIndex(1, 1)], -16);
    EXPECT_EQ(g_squareWeight[BoardIndex(3, 3)], 0);
    EXPECT_EQ(g_squareWeight[BoardIndex(2, 2)], 2);
}

TEST(Evaluation, InitialPosition) {
    GameFixture game;
    EXPECT_EQ(game.view.PositionScore(), 0);
    EXPECT_EQ(game.view.MaterialScore(), 0);
    game.view.m_humanWhite = 1; // the computer is black and to move
    EXPECT_EQ(game.view.MobilityScore(), 12);
    game.view.m_humanWhite = 0;
    EXPECT_EQ(game.view.MobilityScore(), -12);
}

TEST(Evaluation, TermsOnChosenBoards) {
    // A white corner on A1 with a black stone on B2; black to move.
    const std::string corner = Rows("O-------"
                                    "-X------");
    const char* const full = "XXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOO";
    struct Case {
        const char* name;
        std::string board;
        int humanWhite;
        int moveCount;
        int position, material, mobility, evaluate;
    };
    const Case cases[] = {
        // White A1 +45, black B2 -(-16) = +16 for white: 61. No black move exists.
        {"corner, computer white", corner, 0, 10, 61, 0, 0, 61},
        {"corner, computer black", corner, 1, 10, 61, 0, 0, -61},
        {"corner, material formula", corner, 0, 49, 61, 0, 0, 0},
        // A full board: no moves, 32 against 32; rows 1..4 black, 5..8 white.
        {"full board at 48", full, 0, 48, 0, 0, 0, 0},
        {"full board at 60", full, 1, 60, 0, 0, 0, 0},
    };
    for (const Case& c : cases) {
        GameFixture game;
        LoadPosition(game.view, c.board, 0);
        game.view.m_humanWhite = c.humanWhite;
        game.view.m_moveCount = c.moveCount;
        EXPECT_EQ(game.view.PositionScore(), c.position) << c.name;
        EXPECT_EQ(game.view.MaterialScore(), c.material) << c.name;
        EXPECT_EQ(game.view.MobilityScore(), c.mobility) << c.name;
        EXPECT_EQ(game.view.Evaluate(), c.evaluate) << c.name;
    }
}

TEST(Evaluation, FormulaChangesAfter48PlacedStones) {
    // White has a one-stone lead; black to move has moves.
    const char* const board = "--------"
                              "--------"
                              "--------"
                              "---OX---"
                              "---OO---"
                              "--------"
                              "--------"
                              "--------";
    GameFixture game;
    LoadPosition(game.view, board, 0);
    game.view.m_humanWhite = 0; // computer white
    game.view.m_moveCount = 48;
    const int positional = game.view.PositionScore() + game.view.MobilityScore();
    EXPECT_EQ(game.view.Evaluate(), positional);
    game.view.m_moveCount = 49;
    EXPECT_EQ(game.view.Evaluate(), game.view.MaterialScore());
    EXPECT_EQ(game.view.MaterialScore(), 2);
}

TEST(Evaluation, OneColourGoneIsScoredLikeAnyPosition) {
    const char* const board = "---XX-----------------------------------------------------------";
    GameFixture game;
    LoadPosition(game.view, board, 1);
    game.view.m_humanWhite = 1;
    game.view.m_moveCount = 10;
    // Black on D1 and E1 weigh -1 each, so -2 for the computer (black); white,
    // to move, has no move.
    EXPECT_EQ(game.view.Evaluate(), -2);
}

TEST(Evaluation, SwappingColoursNegatesTheScore) {
    std::mt19937 rng(7);
    for (int i = 0; i < 300; ++i) {
        GameFixture game;
        PlayRandomly(game.view, rng, static_cast<int>(rng() % 60));
        for (const int moveCount : {game.view.m_moveCount, 48, 49}) {
            game.view.m_moveCount = moveCount;
            game.view.m_humanWhite = 0;
            const int computerWhite = game.view.Evaluate();
            game.view.m_humanWhite = 1;
            EXPECT_EQ(game.view.Evaluate(), -computerWhite);
        }
    }
}

} // namespace

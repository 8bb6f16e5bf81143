// The computer's choice of move: the opening, ties, passes, the edges of the
// search, and agreement with a plain minimax written here from the rules.
#include "tests/support/Positions.h"

#include <gtest/gtest.h>

#include <random>

namespace {

// The root call exactly as the computer's turn makes it.
int RootSearch(CTavroView& view, int depth) {
    view.m_rootDepth = depth;
    return view.Search(1, depth, 1, SCORE_MIN, SCORE_MAX);
}

// A score from a search below the root: no node's depth equals m_rootDepth.
int ScoreSearch(CTavroView& view, int maximising, int depth) {
    view.m_rootDepth = 99;
    return view.Search(maximising, depth, 1, SCORE_MIN, SCORE_MAX);
}

// Plain minimax with no pruning: the last move in column-major scan among
// the best wins; a pass is a ply; a second pass in a row is evaluated.
struct Minimax {
    CTavroView& view;
    int bestCode = NO_MOVE;

    int Value(int maximising, int depth, int passAllowed, bool root = false) {
        if (depth == 0)
            return view.Evaluate();
        bool moveFound = false;
        int best = maximising ? SCORE_MIN : SCORE_MAX;
        for (int col = 0; col < 8; ++col) {
            for (int row = 0; row < 8; ++row) {
                if (!view.CanPlace(col, row))
                    continue;
                moveFound = true;
                FlipRecord record;
                view.MakeMove(record, col, row);
                const int score = Value(1 - maximising, depth - 1, 1);
                view.UndoMove(record);
                if (maximising ? score >= best : score <= best) {
                    best = score;
                    if (root)
                        bestCode = SquareCode(col, row);
                }
            }
        }
        if (moveFound)
            return best;
        if (!passAllowed)
            return view.Evaluate();
        view.ToggleTurn();
        const int score = Value(1 - maximising, depth - 1, 0);
        view.ToggleTurn();
        return score;
    }
};

// The computer to move at the root: the human plays the other colour.
void ComputerToMove(CTavroView& view) {
    view.m_humanWhite = 1 - view.m_turn;
}

TEST(Opening, ComputerAsBlackPlaysF5AtEveryDepth) {
    for (int depth = 1; depth <= 8; ++depth) {
        GameFixture game;
        game.view.m_humanWhite = 1;
        EXPECT_EQ(RootSearch(game.view, depth), SquareCode(5, 4)) << "depth " << depth;
    }
}

TEST(Opening, WhiteToMoveTakesTheLastOfFourEqualMoves) {
    // White's four replies C5, D6, E3, F4 are images of each other: F4 is last.
    GameFixture game;
    game.view.m_turn = 1;
    ComputerToMove(game.view);
    for (const int depth : {1, 2, 5})
        EXPECT_EQ(RootSearch(game.view, depth), SquareCode(5, 3)) << "depth " << depth;
}

TEST(Root, SingleMoveIsPlayed) {
    // Black on A1, white on B1: black's one move is C1.
    const std::string board = Rows("XO");
    GameFixture game;
    LoadPosition(game.view, board, 0);
    ComputerToMove(game.view);
    int codes[64];
    ASSERT_EQ(LegalMoves(game.view, codes), 1);
    EXPECT_EQ(RootSearch(game.view, 3), SquareCode(2, 0));
}

TEST(Root, NoMoveAnswersOutsideTheBoardAndChangesNothing) {
    const char* const board = "XXXXXXXXXXXXXXXX------------------------------------------------";
    GameFixture game;
    LoadPosition(game.view, board, 1); // white has no stone, so no move
    ComputerToMove(game.view);
    const BoardSnapshot before = Snapshot(game.view);
    const int answer = RootSearch(game.view, 5);
    EXPECT_GT(static_cast<unsigned>(answer), 63u);
    EXPECT_EQ(Snapshot(game.view), before);
}

TEST(Scores, DepthZeroEvaluatesEvenWithoutMoves) {
    const char* const board = "XXXXXXXXXXXXXXXX------------------------------------------------";
    GameFixture game;
    LoadPosition(game.view, board, 1);
    game.view.m_humanWhite = 0;
    EXPECT_EQ(ScoreSearch(game.view, 1, 0), game.view.Evaluate());
}

TEST(Scores, PassesCostAPlyAndASecondPassEvaluates) {
    // White (the human, to move) has no move; black (the computer) has C1.
    const std::string board = Rows("XO");
    GameFixture game;
    LoadPosition(game.view, board, 1);
    game.view.m_humanWhite = 1;

    // Depth 1: the human passes, and the position is evaluated with black to move.
    game.view.m_turn = 0;
    const int afterPass = game.view.Evaluate();
    game.view.m_turn = 1;
    EXPECT_EQ(ScoreSearch(game.view, 0, 1), afterPass);
    EXPECT_EQ(game.view.m_turn, 1);

    // Neither side can move: two passes in a row end the line with Evaluate.
    const char* const blocked = "XXXXXXXXXXXXXXXX------------------------------------------------";
    LoadPosition(game.view, blocked, 1);
    const int stalled = game.view.Evaluate();
    for (const int depth : {1, 2, 3, 6})
        EXPECT_EQ(ScoreSearch(game.view, 0, depth), stalled) << "depth " << depth;
}

TEST(Search, LeavesBoardAndTurnAsFound) {
    std::mt19937 rng(11);
    for (int i = 0; i < 400; ++i) {
        GameFixture game;
        PlayRandomly(game.view, rng, static_cast<int>(rng() % 60));
        ComputerToMove(game.view);
        const int depth = 1 + static_cast<int>(rng() % 4);
        const BoardSnapshot before = Snapshot(game.view);
        RootSearch(game.view, depth);
        ASSERT_EQ(Snapshot(game.view), before) << "root search, depth " << depth;
        ScoreSearch(game.view, static_cast<int>(rng() % 2), depth);
        ASSERT_EQ(Snapshot(game.view), before) << "inner search, depth " << depth;
    }
}

// Pruned and plain search agree on the move and on every value, on positions
// from random play at every stage, for both colours of the computer and on
// both sides of the 48-stone formula change.
TEST(Search, AgreesWithPlainMinimax) {
    std::mt19937 rng(2026);
    for (int i = 0; i < 2500; ++i) {
        GameFixture game;
        PlayRandomly(game.view, rng, static_cast<int>(rng() % 61));
        ComputerToMove(game.view);
        if (i % 5 == 0)
            game.view.m_moveCount = 47 + static_cast<int>(rng() % 3);
        const int depth = 1 + i % 4;

        Minimax plain{game.view};
        plain.Value(1, depth, 1, true);
        const int answer = RootSearch(game.view, depth);
        ASSERT_EQ(answer, plain.bestCode) << "position " << i << ", depth " << depth;
        for (const int maximising : {0, 1}) {
            Minimax reference{game.view};
            ASSERT_EQ(ScoreSearch(game.view, maximising, depth),
                      reference.Value(maximising, depth, 1))
                << "position " << i << ", depth " << depth << ", maximising " << maximising;
        }
    }
}

} // namespace

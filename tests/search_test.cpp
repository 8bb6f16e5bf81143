// The computer's choice of move and the scores behind it, for the game's
// search (answered by the engine) and the literal search it replaced alike:
// the opening, ties, passes, the edges of the search, and agreement with a
// plain minimax written here from the rules.
#include "tests/oracle/LiteralSearch.h"
#include "tests/support/PlainMinimax.h"
#include "tests/support/Positions.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace {

// No node of a search started with this root depth is its root.
constexpr int kNotRoot = 99;

// One way of searching: the root call as the computer's turn makes it, and a
// search below the root that answers a score.
struct Searcher {
    const char* name;
    int (*move)(CTavroView& view, int maximising, int depth);
    int (*score)(CTavroView& view, int maximising, int depth, int passAllowed);
};

const Searcher kGame = {
    "Game",
    [](CTavroView& view, int maximising, int depth) {
        view.m_rootDepth = depth;
        return view.Search(maximising, depth, 1, SCORE_MIN, SCORE_MAX);
    },
    [](CTavroView& view, int maximising, int depth, int passAllowed) {
        view.m_rootDepth = kNotRoot;
        return view.Search(maximising, depth, passAllowed, SCORE_MIN, SCORE_MAX);
    },
};

const Searcher kLiteral = {
    "Literal",
    [](CTavroView& view, int maximising, int depth) {
        view.m_rootDepth = depth;
        return LiteralSearch{view}.Search(maximising, depth, 1, SCORE_MIN, SCORE_MAX);
    },
    [](CTavroView& view, int maximising, int depth, int passAllowed) {
        view.m_rootDepth = kNotRoot;
        return LiteralSearch{view}.Search(maximising, depth, passAllowed, SCORE_MIN, SCORE_MAX);
    },
};

// The computer to move at the root: the human plays the other colour.
void ComputerToMove(CTavroView& view) {
    view.m_humanWhite = 1 - view.m_turn;
}

// Black has A1, B1, A2; white has nothing: neither side can move.
const char* const kWhiteGone = "XXXXXXXXXXXXXXXX------------------------------------------------";

class Search : public testing::TestWithParam<Searcher> {
protected:
    int Move(CTavroView& view, int depth) { return GetParam().move(view, 1, depth); }
    int Score(CTavroView& view, int maximising, int depth, int passAllowed = 1) {
        return GetParam().score(view, maximising, depth, passAllowed);
    }
};

TEST_P(Search, ComputerAsBlackOpensWithF5AtEveryDepth) {
    // C4, D3, E6, F5 are images of each other: F5 is the last in column-major scan.
    for (int depth = 1; depth <= 7; ++depth) {
        GameFixture game;
        game.view.m_humanWhite = 1;
        EXPECT_EQ(Move(game.view, depth), SquareCode(5, 4)) << "depth " << depth;
    }
}

TEST_P(Search, WhiteToMoveTakesTheLastOfFourEqualReplies) {
    // White's four replies C5, D6, E3, F4 are images of each other: F4 is last.
    GameFixture game;
    game.view.m_turn = 1;
    ComputerToMove(game.view);
    for (const int depth : {1, 2, 5})
        EXPECT_EQ(Move(game.view, depth), SquareCode(5, 3)) << "depth " << depth;
}

TEST_P(Search, SingleMoveIsPlayed) {
    // Black on A1, white on B1: black's one move is C1.
    GameFixture game;
    LoadPosition(game.view, Rows("XO"), 0);
    ComputerToMove(game.view);
    int codes[64];
    ASSERT_EQ(LegalMoves(game.view, codes), 1);
    for (const int depth : {1, 3, 12})
        EXPECT_EQ(Move(game.view, depth), SquareCode(2, 0)) << "depth " << depth;
}

TEST_P(Search, NoMoveAnswersOutsideTheBoardAndChangesNothing) {
    struct Case {
        const char* name;
        std::string board;
        int turn;
    };
    const Case cases[] = {
        {"white has no stone", kWhiteGone, 1},
        {"black has stones but no move", kWhiteGone, 0},
        {"white must pass, black can move", Rows("XO"), 1},
        {"full board", std::string(32, 'X') + std::string(32, 'O'), 0},
    };
    for (const Case& c : cases) {
        for (const int depth : {1, 5}) {
            GameFixture game;
            LoadPosition(game.view, c.board, c.turn);
            ComputerToMove(game.view);
            const BoardSnapshot before = Snapshot(game.view);
            EXPECT_GT(static_cast<unsigned>(Move(game.view, depth)), 63u) << c.name;
            EXPECT_EQ(Snapshot(game.view), before) << c.name;
        }
    }
}

TEST_P(Search, DepthZeroEvaluatesEvenWithoutMovesAndAtTheRoot) {
    GameFixture game;
    LoadPosition(game.view, kWhiteGone, 1);
    game.view.m_humanWhite = 0;
    EXPECT_EQ(Score(game.view, 1, 0), game.view.Evaluate());
    EXPECT_EQ(Score(game.view, 0, 0, 0), game.view.Evaluate());
    EXPECT_EQ(GetParam().move(game.view, 1, 0), game.view.Evaluate());
}

TEST_P(Search, PassesCostAPlyAndASecondPassEvaluates) {
    // White (the human, to move) has no move; black (the computer) has C1.
    GameFixture game;
    LoadPosition(game.view, Rows("XO"), 1);
    game.view.m_humanWhite = 1;

    // Depth 1: the human passes, and the position is evaluated with black to move.
    game.view.m_turn = 0;
    const int afterPass = game.view.Evaluate();
    game.view.m_turn = 1;
    EXPECT_EQ(Score(game.view, 0, 1), afterPass);
    EXPECT_EQ(game.view.m_turn, 1);
    // Directly below a pass, having no move ends the line where it stands.
    EXPECT_EQ(Score(game.view, 0, 1, 0), game.view.Evaluate());

    // Neither side can move: two passes in a row end the line with Evaluate.
    LoadPosition(game.view, kWhiteGone, 1);
    const int stalled = game.view.Evaluate();
    for (const int depth : {1, 2, 3, 6})
        EXPECT_EQ(Score(game.view, 0, depth), stalled) << "depth " << depth;
}

TEST_P(Search, EachSearchStartsAfresh) {
    // The same board searched under the other score formula, then for the
    // other colour, must follow each change: nothing from one search may
    // decide the next.
    std::mt19937 rng(404);
    for (int i = 0; i < 40; ++i) {
        GameFixture game;
        PlayRandomly(game.view, rng, 38 + static_cast<int>(rng() % 8));
        for (const int moveCount : {48, 49}) {
            for (const int humanWhite : {0, 1}) {
                game.view.m_moveCount = moveCount;
                game.view.m_humanWhite = humanWhite;
                PlainMinimax plain{game.view};
                plain.Value(1, 3, 1, true);
                ASSERT_EQ(Move(game.view, 3), plain.bestCode)
                    << "game " << i << ", count " << moveCount << ", human white " << humanWhite;
            }
        }
    }
}

TEST_P(Search, LeavesBoardAndTurnAsFound) {
    std::mt19937 rng(11);
    for (int i = 0; i < 300; ++i) {
        GameFixture game;
        PlayRandomly(game.view, rng, static_cast<int>(rng() % 60));
        ComputerToMove(game.view);
        const int depth = 1 + static_cast<int>(rng() % 4);
        const BoardSnapshot before = Snapshot(game.view);
        Move(game.view, depth);
        ASSERT_EQ(Snapshot(game.view), before) << "root search, depth " << depth;
        Score(game.view, static_cast<int>(rng() % 2), depth);
        ASSERT_EQ(Snapshot(game.view), before) << "inner search, depth " << depth;
    }
}

INSTANTIATE_TEST_SUITE_P(Both, Search, testing::Values(kGame, kLiteral),
                         [](const testing::TestParamInfo<Searcher>& info) {
                             return std::string(info.param.name);
                         });

// Both searches agree with plain minimax on the move and on every value, on
// positions from random play at every stage, for both colours of the
// computer, for roots that maximise or minimise, and on both sides of the
// 48-stone formula change.
TEST(SearchAgreement, BothMatchPlainMinimax) {
    std::mt19937 rng(2026);
    for (int i = 0; i < 1500; ++i) {
        GameFixture game;
        PlayRandomly(game.view, rng, static_cast<int>(rng() % 61));
        game.view.m_humanWhite = static_cast<int>(rng() % 4 == 0) ^ (1 - game.view.m_turn);
        if (i % 5 == 0)
            game.view.m_moveCount = 47 + static_cast<int>(rng() % 3);
        const int depth = 1 + i % 4;
        const int rootMaximising = i % 7 == 0 ? 0 : 1;
        const std::string where =
            "position " + std::to_string(i) + ", depth " + std::to_string(depth);

        PlainMinimax plain{game.view};
        plain.Value(rootMaximising, depth, 1, true);
        // Only a side without a move can tell whether it may pass.
        int codes[64];
        const bool canMove = LegalMoves(game.view, codes) > 0;
        int expected[2][2];
        for (const int maximising : {0, 1}) {
            expected[maximising][1] = PlainMinimax{game.view}.Value(maximising, depth, 1);
            expected[maximising][0] = canMove ? expected[maximising][1]
                                              : PlainMinimax{game.view}.Value(maximising, depth, 0);
        }
        for (const Searcher& searcher : {kGame, kLiteral}) {
            ASSERT_EQ(searcher.move(game.view, rootMaximising, depth), plain.bestCode)
                << searcher.name << ", " << where << ", root maximising " << rootMaximising;
            for (const int maximising : {0, 1}) {
                for (const int passAllowed : {0, 1}) {
                    ASSERT_EQ(searcher.score(game.view, maximising, depth, passAllowed),
                              expected[maximising][passAllowed])
                        << searcher.name << ", " << where << ", maximising " << maximising
                        << ", pass allowed " << passAllowed;
                }
            }
        }
    }
}

// Below the root the game's search answers the exact value whatever window it
// is given; the literal search answers a bound beyond a window it leaves.
TEST(SearchAgreement, GameScoresBelowTheRootIgnoreTheWindow) {
    std::mt19937 rng(77);
    for (int i = 0; i < 200; ++i) {
        GameFixture game;
        PlayRandomly(game.view, rng, static_cast<int>(rng() % 56));
        ComputerToMove(game.view);
        game.view.m_rootDepth = kNotRoot;
        const int depth = 1 + i % 4;
        const int maximising = i % 2;
        const int exact = game.view.Search(maximising, depth, 1, SCORE_MIN, SCORE_MAX);
        for (const int bound : {exact - 5, exact, exact + 5}) {
            ASSERT_EQ(game.view.Search(maximising, depth, 1, bound, bound), exact);
            const int literal = LiteralSearch{game.view}.Search(maximising, depth, 1, bound, bound);
            // A minimising node keeps the parent's best in alpha: a literal
            // answer differs from the exact one only on the far side of it.
            if (literal != exact) {
                ASSERT_TRUE(maximising ? literal > bound && exact > bound
                                       : literal < bound && exact < bound)
                    << "position " << i << ", literal " << literal << ", exact " << exact
                    << ", bound " << bound;
            }
        }
    }
}

} // namespace

// The engine's pieces against the game's own rules and scores: legal moves
// and turned stones on bitboards, the evaluation terms, the table's
// forgetting, and a search that allocates nothing.
#include "engine/Evaluate.h"
#include "engine/MoveGen.h"
#include "engine/Search.h"
#include "engine/Tt.h"
#include "tests/support/Positions.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>
#include <random>

namespace {

std::atomic<long> g_allocations{0};

} // namespace

// Counts every allocation of this test program, to show a search makes none.
void* operator new(std::size_t size) {
    ++g_allocations;
    if (void* memory = std::malloc(size == 0 ? 1 : size))
        return memory;
    throw std::bad_alloc();
}
void operator delete(void* memory) noexcept {
    std::free(memory);
}
void operator delete(void* memory, std::size_t) noexcept {
    std::free(memory);
}

namespace {

using engine::Bitboard;

struct Sides {
    Bitboard own;
    Bitboard opp;
};

Sides SidesOf(const CTavroView& view) {
    const engine::Position position = engine::PositionFromCells(view.m_board, view.m_turn, 0, 0);
    return view.m_turn == 0 ? Sides{position.black, position.white}
                            : Sides{position.white, position.black};
}

// Boards with stones strewn at random, most of them unreachable in a game:
// runs against every edge in every direction.
void StrewStones(CTavroView& view, std::mt19937& rng) {
    const int emptyShare = static_cast<int>(rng() % 60) + 10;
    for (std::int32_t& cell : view.m_board) {
        const int roll = static_cast<int>(rng() % 100);
        cell = roll < emptyShare ? EMPTY : (roll % 2 == 0 ? BLACK : WHITE);
    }
    view.m_turn = static_cast<int>(rng() % 2);
}

// The squares the view's FlipAll turns for a move on (col, row).
Bitboard TurnedByTheRules(CTavroView& view, int col, int row) {
    FlipRecord record;
    view.InitFlipRecord(record, col, row);
    view.FlipAll(record);
    Bitboard turned = 0;
    for (int i = 0; i < record.count; ++i)
        turned |= engine::SquareBit(BoardIndex(record.flipped[i] % 8, record.flipped[i] / 8));
    view.m_board[BoardIndex(col, row)] = view.Mover();
    view.ToggleTurn();
    view.UndoMove(record);
    return turned;
}

void ExpectMovesAsTheRules(CTavroView& view, const std::string& where) {
    const Sides sides = SidesOf(view);
    const Bitboard moves = engine::LegalMoves(sides.own, sides.opp);
    for (int col = 0; col < 8; ++col) {
        for (int row = 0; row < 8; ++row) {
            const int index = BoardIndex(col, row);
            const bool legal = view.CanPlace(col, row) != 0;
            ASSERT_EQ((moves >> index) & 1, legal ? 1u : 0u) << where << ", square " << index;
            if (view.m_board[index] != EMPTY)
                continue;
            const Bitboard expected = legal ? TurnedByTheRules(view, col, row) : 0;
            ASSERT_EQ(engine::Flips(index, sides.own, sides.opp), expected)
                << where << ", square " << index;
        }
    }
}

TEST(MoveGeneration, MatchesTheRulesOnGamesAndStrewnBoards) {
    std::mt19937 rng(31);
    for (int i = 0; i < 1500; ++i) {
        GameFixture game;
        if (i % 2 == 0)
            PlayRandomly(game.view, rng, static_cast<int>(rng() % 61));
        else
            StrewStones(game.view, rng);
        ExpectMovesAsTheRules(game.view, "board " + std::to_string(i));
    }
}

TEST(MoveGeneration, RunsDoNotWrapFromOneColumnIntoTheNext) {
    // In the column-major bit order row 8 of one column sits next to row 1
    // of the next; every run below would close only across that seam.
    struct Case {
        const char* name;
        std::string board;
    };
    const std::string emptyRows(6 * 8, '-');
    const Case cases[] = {
        {"down from A7 over A8 to B1", "-X------" + emptyRows + "O-------"},
        {"up from B2 over B1 to A8", "-O------" + emptyRows + "X-------"},
        {"down-right from A7 over B8 to D1", "---X----" + emptyRows + "-O------"},
        {"up-right from A2 over B1 to B8", "-O------" + emptyRows + "-X------"},
        {"down-left from B7 over A8 to A1", "X-------" + emptyRows + "O-------"},
    };
    for (const Case& c : cases) {
        GameFixture game;
        LoadPosition(game.view, c.board, 0);
        ExpectMovesAsTheRules(game.view, c.name);
    }
}

TEST(Evaluation, TermsMatchTheGamesScores) {
    for (int index = 0; index < 64; ++index)
        EXPECT_EQ(engine::kSquareWeight[index], g_squareWeight[index]) << index;
    std::mt19937 rng(5);
    for (int i = 0; i < 500; ++i) {
        GameFixture game;
        PlayRandomly(game.view, rng, static_cast<int>(rng() % 61));
        const Sides sides = SidesOf(game.view);
        const int whiteSign = game.view.m_turn == 1 ? 1 : -1;
        EXPECT_EQ(whiteSign * engine::WeightBalance(sides.own, sides.opp),
                  game.view.PositionScore());
        EXPECT_EQ(whiteSign * engine::MaterialScore(sides.own, sides.opp),
                  game.view.MaterialScore());
        game.view.m_humanWhite = 1 - game.view.m_turn; // the computer is to move
        EXPECT_EQ(engine::PositionalScore(sides.own, sides.opp),
                  whiteSign * game.view.PositionScore() + game.view.MobilityScore());
    }
}

TEST(TranspositionTable, ClearForgetsEveryEntry) {
    engine::TranspositionTable table(4);
    engine::TtEntry& entry = table.Slot(1, 2);
    entry.own = 1;
    entry.opp = 2;
    entry.generation = table.Generation();
    EXPECT_TRUE(table.Holds(entry, 1, 2));
    EXPECT_FALSE(table.Holds(entry, 2, 1));
    table.Clear();
    EXPECT_FALSE(table.Holds(table.Slot(1, 2), 1, 2));
}

TEST(Searcher, AllocatesNothingWhileSearching) {
    engine::Searcher searcher;
    std::mt19937 rng(8);
    GameFixture game;
    PlayRandomly(game.view, rng, 20);
    const engine::Position position = engine::PositionFromCells(
        game.view.m_board, game.view.m_turn, game.view.m_turn, game.view.m_moveCount);
    const long before = g_allocations;
    const engine::Choice choice = searcher.BestMove(position, 6);
    const int value = searcher.Value(position, 5, true, false);
    EXPECT_EQ(g_allocations, before);
    EXPECT_NE(choice.square, engine::kNoMove);
    EXPECT_GT(searcher.Nodes(), 0u);
    static_cast<void>(value);
}

TEST(Searcher, DepthsBeyondTheLongestLineChangeNothing) {
    // Near the end every line finishes within twice the empty squares plus
    // one ply; a far greater depth must give the same answers, and a
    // negative one counts as 0.
    std::mt19937 rng(12);
    engine::Searcher searcher;
    for (int i = 0; i < 40; ++i) {
        GameFixture game;
        PlayRandomly(game.view, rng, 54 + static_cast<int>(rng() % 4));
        const engine::Position position = engine::PositionFromCells(
            game.view.m_board, game.view.m_turn, game.view.m_turn, game.view.m_moveCount);
        const int enough = 2 * game.view.CountStones(EMPTY) + 1;
        const engine::Choice choice = searcher.BestMove(position, enough);
        EXPECT_EQ(searcher.BestMove(position, 1000).square, choice.square) << i;
        EXPECT_EQ(searcher.BestMove(position, 1000).value, choice.value) << i;
        EXPECT_EQ(searcher.Value(position, 300, true, true),
                  searcher.Value(position, enough, true, true))
            << i;
    }
    GameFixture game;
    const engine::Position start = engine::PositionFromCells(game.view.m_board, 0, 0, 0);
    EXPECT_EQ(searcher.Value(start, -3, true, true), searcher.Value(start, 0, true, true));
}

TEST(Searcher, NoMoveWithoutLegalMovesOrDepth) {
    engine::Position position;
    position.black = engine::SquareBit(0) | engine::SquareBit(1);
    EXPECT_EQ(engine::Searcher().BestMove(position, 4).square, engine::kNoMove);
    GameFixture game;
    const engine::Position start = engine::PositionFromCells(game.view.m_board, 0, 0, 0);
    EXPECT_EQ(engine::Searcher().BestMove(start, 0).square, engine::kNoMove);
    EXPECT_EQ(engine::Searcher().BestMove(start, 1).square, engine::BitIndex(5, 4));
}

} // namespace

// The rules as the board view applies them: legal squares, flips in their
// recorded order, taking moves back, counting.
#include "tests/support/Positions.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace {

const char* const kStart = "---------------------------OX------XO---------------------------";

std::vector<int> LegalList(const CTavroView& view) {
    int codes[64];
    const int count = LegalMoves(view, codes);
    return {codes, codes + count};
}

std::vector<int> Flipped(const FlipRecord& record) {
    std::vector<int> codes;
    for (int i = 0; i < 30 && record.flipped[i] != -1; ++i)
        codes.push_back(record.flipped[i]);
    return codes;
}

TEST(Construction, GameStateStartsAsDesigned) {
    GameFixture game;
    const CTavroView& v = game.view;
    EXPECT_EQ(v.m_board[BoardIndex(3, 3)], WHITE);
    EXPECT_EQ(v.m_board[BoardIndex(4, 4)], WHITE);
    EXPECT_EQ(v.m_board[BoardIndex(4, 3)], BLACK);
    EXPECT_EQ(v.m_board[BoardIndex(3, 4)], BLACK);
    EXPECT_EQ(v.CountStones(EMPTY), 60);
    EXPECT_EQ(v.m_cursorCol, 3);
    EXPECT_EQ(v.m_cursorRow, 3);
    EXPECT_EQ(v.m_volume, 2);
    EXPECT_EQ(v.m_coordClips, 2);
    EXPECT_EQ(v.m_moveCount, 0);
    EXPECT_EQ(v.m_level, 5);
    EXPECT_EQ(v.m_turn, 0);
    EXPECT_EQ(v.m_playing, 0);
    EXPECT_EQ(v.m_inputReady, 0);
    EXPECT_EQ(v.m_cursorFollow, 1);
    EXPECT_EQ(v.m_guideToEdge, 0);
}

TEST(Construction, WritesTheFramesMirrorFlags) {
    CMainFrame frame;
    frame.m_gameActive = 1; // stale values the view must overwrite
    frame.m_followChecked = 0;
    frame.m_stoneOnlyChecked = 1;
    frame.m_toEdgeChecked = 1;
    CTavroView view;
    EXPECT_EQ(frame.m_volumeUpEnabled, 1);
    EXPECT_EQ(frame.m_volumeDownEnabled, 1);
    EXPECT_EQ(frame.m_gameActive, 0);
    EXPECT_EQ(frame.m_followChecked, 1);
    EXPECT_EQ(frame.m_stoneOnlyChecked, 0);
    EXPECT_EQ(frame.m_toEdgeChecked, 0);
}

TEST(Construction, FieldsAreThirtyTwoBitInDeclaredOrder) {
    static_assert(sizeof(CTavroView::m_board) == 64 * 4);
    static_assert(sizeof(CTavroView::m_guideToEdge) == 4);
    GameFixture game;
    const CTavroView& v = game.view;
    const std::int32_t* fields[] = {
        &v.m_cursorCol,  &v.m_cursorRow,    &v.m_volume,     &v.m_coordClips, &v.m_moveCount,
        &v.m_level,      &v.m_rootDepth,    &v.m_turn,       &v.m_humanWhite, &v.m_playing,
        &v.m_inputReady, &v.m_cursorFollow, &v.m_guideToEdge};
    EXPECT_EQ(fields[0], v.m_board + 64);
    for (std::size_t i = 1; i < std::size(fields); ++i)
        EXPECT_EQ(fields[i], fields[i - 1] + 1) << "field " << i;
}

TEST(LegalSquares, InitialPositionForEachSide) {
    GameFixture game;
    // Black: (3,2) D3, (2,3) C4, (5,4) F5, (4,5) E6, in column-major order.
    EXPECT_EQ(LegalList(game.view), (std::vector<int>{SquareCode(2, 3), SquareCode(3, 2),
                                                      SquareCode(4, 5), SquareCode(5, 4)}));
    game.view.m_turn = 1;
    EXPECT_EQ(LegalList(game.view), (std::vector<int>{SquareCode(2, 4), SquareCode(3, 5),
                                                      SquareCode(4, 2), SquareCode(5, 3)}));
}

TEST(LegalSquares, RefusalsAndEdges) {
    struct Case {
        const char* name;
        std::string board;
        int turn;
        int col, row;
        int canPlace;
    };
    const Case cases[] = {
        {"beside the board", kStart, 0, 8, 3, 0},
        {"below the board", kStart, 0, 3, 8, 0},
        {"negative column", kStart, 0, -1, 3, 0},
        {"occupied, though lines from it flank", Rows("XOO-----"), 0, 0, 0, 0},
        {"run reaching the edge unclosed", Rows("-OOOOOOO"), 0, 0, 0, 0},
        {"own stone directly beside", Rows("-X------"), 0, 0, 0, 0},
        {"run closed by an empty square", Rows("-OO-X---"), 0, 0, 0, 0},
        {"run closed along the top edge", Rows("-OOOOOOX"), 0, 0, 0, 1},
        {"run closed diagonally into the far corner",
         "--------"
         "-O------"
         "--O-----"
         "---O----"
         "----O---"
         "-----O--"
         "------O-"
         "-------X",
         0, 0, 0, 1},
        {"white closes a black run", Rows("-XO"), 1, 0, 0, 1},
    };
    for (const Case& c : cases) {
        GameFixture game;
        LoadPosition(game.view, c.board, c.turn);
        EXPECT_EQ(game.view.CanPlace(c.col, c.row), c.canPlace) << c.name;
    }
}

TEST(Flipping, BlackOnC4InTheInitialPosition) {
    GameFixture game;
    FlipRecord record;
    game.view.InitFlipRecord(record, 2, 3);
    game.view.FlipAll(record);
    game.view.m_board[BoardIndex(2, 3)] = BLACK;
    EXPECT_EQ(record.col, 2);
    EXPECT_EQ(record.row, 3);
    EXPECT_EQ(record.count, 1);
    EXPECT_EQ(record.flipped[0], 27);
    for (int i = 1; i < 30; ++i)
        EXPECT_EQ(record.flipped[i], -1) << i;
    EXPECT_EQ(game.view.CountStones(BLACK), 4);
    EXPECT_EQ(game.view.CountStones(WHITE), 1);
}

// A black stone on D4 closes runs in all eight directions, of different
// lengths, so the record shows the direction order and nearest-first.
TEST(Flipping, RunsRecordedInDirectionOrderNearestFirst) {
    const char* const star = "X--X--X-"
                             "-O-O-O--"
                             "--OOO---"
                             "XOO-OOOX"
                             "--OOO---"
                             "-O-O-O--"
                             "X--O--X-"
                             "---X----";
    GameFixture game;
    LoadPosition(game.view, star, 0);
    FlipRecord record;
    game.view.InitFlipRecord(record, 3, 3);
    game.view.FlipAll(record);
    const std::vector<int> expected = {
        SquareCode(4, 3), SquareCode(5, 3), SquareCode(6, 3), // right
        SquareCode(3, 4), SquareCode(3, 5), SquareCode(3, 6), // down
        SquareCode(2, 3), SquareCode(1, 3),                   // left
        SquareCode(3, 2), SquareCode(3, 1),                   // up
        SquareCode(4, 4), SquareCode(5, 5),                   // down-right
        SquareCode(2, 2), SquareCode(1, 1),                   // up-left
        SquareCode(4, 2), SquareCode(5, 1),                   // up-right
        SquareCode(2, 4), SquareCode(1, 5),                   // down-left
    };
    EXPECT_EQ(Flipped(record), expected);
    EXPECT_EQ(record.count, 18);
    EXPECT_EQ(record.flipped[18], -1);
}

TEST(Flipping, PlaceStoneCountsTheMoveAndPassesTheTurn) {
    GameFixture game;
    EXPECT_EQ(game.view.PlaceStone(5, 4), 1);
    EXPECT_EQ(game.view.m_moveCount, 1);
    EXPECT_EQ(game.view.m_turn, 1);
    EXPECT_EQ(game.view.m_board[BoardIndex(5, 4)], BLACK);
    EXPECT_EQ(game.view.m_board[BoardIndex(4, 4)], BLACK);

    const BoardSnapshot before = Snapshot(game.view);
    EXPECT_EQ(game.view.PlaceStone(0, 0), 0) << "refused: flanks nothing";
    EXPECT_EQ(game.view.PlaceStone(5, 4), 0) << "refused: occupied";
    EXPECT_EQ(Snapshot(game.view), before);
    EXPECT_EQ(game.view.m_moveCount, 1);
}

TEST(Undo, RestoresEveryCellAndTheTurnAlongRandomGames) {
    std::mt19937 rng(20261211);
    for (int game_no = 0; game_no < 200; ++game_no) {
        GameFixture game;
        PlayRandomly(game.view, rng, static_cast<int>(rng() % 50));
        int codes[64];
        const int count = LegalMoves(game.view, codes);
        for (int i = 0; i < count; ++i) {
            const BoardSnapshot before = Snapshot(game.view);
            const int moveCount = game.view.m_moveCount;
            FlipRecord record;
            game.view.MakeMove(record, codes[i] % 8, codes[i] / 8);
            ASSERT_GE(record.count, 1);
            ASSERT_LE(record.count, 19);
            ASSERT_EQ(record.flipped[record.count], -1);
            game.view.UndoMove(record);
            ASSERT_EQ(Snapshot(game.view), before);
            ASSERT_EQ(game.view.m_moveCount, moveCount);
        }
    }
}

TEST(Counting, StonesOfEachColour) {
    GameFixture game;
    EXPECT_EQ(game.view.CountStones(BLACK), 2);
    EXPECT_EQ(game.view.CountStones(WHITE), 2);
    EXPECT_EQ(game.view.CountStones(EMPTY), 60);
}

} // namespace

// A game as the player lives it: starting as black or as white, placing
// stones by key and by click, the computer's replies and passes, the end of
// the game with its result, the cursor keys and Escape. Each case states
// the transcript of what is heard and seen. At volume 2 the clips are:
// black 237, white 238, rows 1..8 239..246, columns A..H 247..254, and the
// error clip 200.
#include "framework/VirtualKeys.h"
#include "res/CommandIds.h"
#include "tests/support/PlayedGame.h"
#include "tests/support/Positions.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Entries = std::vector<std::string>;

const char* const kQuitQuestion = "ゲーム中ですが終了しますか？";

// The human, black, plays B2; the computer replies F8, the human has no
// move, the computer plays A1, and then the human can move again.
const char* const kHumanMustPass =
    "-XXXXXXX--OOOOXXXXOOOOXOXOXOOXXOOOOOOOXOXOOOOOXOXOOXXXXOOOOOX-XO";
// The human, black, plays F4; the computer then has no move.
const char* const kComputerMustPass =
    "XXXXXOOXXXXXOXXXXXXXOOXOXXOOX-XOXOOOOXOOXXXOOOXOXOOOOOO----O--O-";

void ExpectHumanToMove(const PlayedGame& game) {
    EXPECT_EQ(game.view.m_playing, 1);
    EXPECT_EQ(game.view.m_inputReady, 1);
    EXPECT_EQ(game.view.m_turn, game.view.m_humanWhite);
    EXPECT_EQ(game.frame.m_gameActive, 1);
}

void ExpectStartPosition(const CTavroView& view) {
    EXPECT_EQ(view.CountStones(EMPTY), 60);
    EXPECT_EQ(view.m_board[BoardIndex(3, 3)], WHITE);
    EXPECT_EQ(view.m_board[BoardIndex(4, 4)], WHITE);
    EXPECT_EQ(view.m_board[BoardIndex(4, 3)], BLACK);
    EXPECT_EQ(view.m_board[BoardIndex(3, 4)], BLACK);
}

void PutCursor(PlayedGame& game, int col, int row) {
    game.view.m_cursorCol = col;
    game.view.m_cursorRow = row;
}

TEST(NewGame, AsBlackAnnouncesTheWhiteStoneUnderTheCursor) {
    PlayedGame game;
    game.Command(ID_GAME_BLACK_FIRST);
    EXPECT_EQ(game.Take(), Expand({"redraw", "clips 238 250 242"}));
    ExpectHumanToMove(game);
    EXPECT_EQ(game.view.m_humanWhite, 0);
    EXPECT_EQ(game.view.m_moveCount, 0);
    ExpectStartPosition(game.view);
}

TEST(NewGame, AsWhiteTheComputerOpensOnF5AtEveryLevel) {
    for (int level : {2, 5, 8}) {
        PlayedGame game;
        game.view.m_level = level;
        game.Command(ID_GAME_WHITE_SECOND);
        // No wait cursor during this first search.
        EXPECT_EQ(game.Take(), Expand({"redraw", "redraw", "clips 237 252 243"}))
            << "level " << level;
        ExpectHumanToMove(game);
        EXPECT_EQ(game.view.m_board[BoardIndex(5, 4)], BLACK);
        EXPECT_EQ(game.view.m_moveCount, 1);
        EXPECT_EQ(game.view.m_cursorCol, 5);
        EXPECT_EQ(game.view.m_cursorRow, 4);
    }
}

TEST(NewGame, AsWhiteWithoutCursorFollowAnnouncesD4) {
    PlayedGame game;
    game.Command(ID_SETTINGS_CURSOR_FOLLOW);
    game.Command(ID_GAME_WHITE_SECOND);
    EXPECT_EQ(game.Take(), Expand({"redraw", "redraw", "clips 238 250 242"}));
}

TEST(NewGame, RestartsAtOnceDuringAGameWithoutAQuestion) {
    PlayedGame game;
    game.Command(ID_GAME_WHITE_SECOND);
    game.Command(ID_GAME_BLACK_FIRST);
    PutCursor(game, 5, 4);
    game.Key(VK_RETURN);
    game.Take();
    game.Command(ID_GAME_BLACK_FIRST);
    EXPECT_EQ(game.Take(), Expand({"redraw", "clips 238 250 242"}));
    EXPECT_EQ(game.view.m_moveCount, 0);
    ExpectStartPosition(game.view);
    ExpectHumanToMove(game);
}

TEST(CursorFollow, TogglesItsMenuFlagSilentlyInEveryState) {
    PlayedGame game;
    game.Command(ID_SETTINGS_CURSOR_FOLLOW);
    EXPECT_EQ(game.view.m_cursorFollow, 0);
    EXPECT_EQ(game.frame.m_followChecked, 0);
    game.Command(ID_GAME_BLACK_FIRST);
    game.Take();
    game.Command(ID_SETTINGS_CURSOR_FOLLOW);
    EXPECT_EQ(game.view.m_cursorFollow, 1);
    EXPECT_EQ(game.frame.m_followChecked, 1);
    EXPECT_TRUE(game.Take().empty());
}

struct ReplyCase {
    int cursorFollow;
    Entries heard;
    int cursorCol;
    int cursorRow;
};

TEST(HumanMove, TheComputerRepliesAndTheCursorFollowsOnlyWhenAsked) {
    const ReplyCase cases[] = {
        // Black F5; white replies F6, which is announced.
        {1, Expand({"wait-cursor on", "redraw", "redraw", "clips 238 252 244", "wait-cursor off"}),
         5, 5},
        // The cursor stays on the human's F5.
        {0, Expand({"wait-cursor on", "redraw", "redraw", "clips 237 252 243", "wait-cursor off"}),
         5, 4},
    };
    for (const ReplyCase& c : cases) {
        PlayedGame game;
        game.view.m_cursorFollow = c.cursorFollow;
        game.Command(ID_GAME_BLACK_FIRST);
        game.Key('F');
        game.Key('5');
        game.Take();
        game.Key(VK_RETURN);
        EXPECT_EQ(game.Take(), c.heard) << "cursor-follow " << c.cursorFollow;
        EXPECT_EQ(game.view.m_cursorCol, c.cursorCol);
        EXPECT_EQ(game.view.m_cursorRow, c.cursorRow);
        EXPECT_EQ(game.view.m_board[BoardIndex(5, 5)], WHITE);
        EXPECT_EQ(game.view.m_moveCount, 2);
        ExpectHumanToMove(game);
    }
}

TEST(HumanMove, AClickPlacesOnTheSquareUnderThePointer) {
    PlayedGame game;
    game.Command(ID_GAME_BLACK_FIRST);
    game.Take();
    game.Click(120, 185); // C4; white replies C3
    EXPECT_EQ(game.Take(), Expand({"wait-cursor on", "redraw", "redraw", "clips 238 249 241",
                                   "wait-cursor off"}));
    EXPECT_EQ(game.view.m_board[BoardIndex(2, 3)], BLACK);
    ExpectHumanToMove(game);
}

TEST(HumanMove, TheComputerMovesAgainWhileTheHumanMustPass) {
    PlayedGame game;
    game.ContinueFrom(kHumanMustPass);
    PutCursor(game, 1, 1);
    game.Key(VK_RETURN);
    // A redraw after each of the three stones, one announcement at the end:
    // the computer's last move, white on A1.
    EXPECT_EQ(game.Take(), Expand({"wait-cursor on", "redraw", "redraw", "redraw",
                                   "clips 238 247 239", "wait-cursor off"}));
    EXPECT_EQ(game.view.m_board[BoardIndex(5, 7)], WHITE);
    EXPECT_EQ(game.view.m_board[BoardIndex(0, 0)], WHITE);
    EXPECT_EQ(game.view.m_moveCount, 59);
    EXPECT_EQ(game.view.m_rootDepth, 12); // past 48 stones, whatever the level
    ExpectHumanToMove(game);
}

TEST(HumanMove, TheComputerPassesAndTheHumanMovesAgain) {
    PlayedGame game;
    game.ContinueFrom(kComputerMustPass);
    const int movesBefore = game.view.m_moveCount;
    PutCursor(game, 5, 3);
    game.Key(VK_RETURN);
    EXPECT_EQ(game.Take(),
              Expand({"wait-cursor on", "redraw", "clips 237 252 242", "wait-cursor off"}));
    EXPECT_EQ(game.view.m_moveCount, movesBefore + 1);
    ExpectHumanToMove(game);
}

TEST(HumanMove, AStalledGameRefusesEveryPlacementAndGoesOn) {
    PlayedGame game;
    game.ContinueFrom(Rows("XO")); // black takes the last white stone
    PutCursor(game, 2, 0);
    game.Key(VK_RETURN);
    EXPECT_EQ(game.Take(),
              Expand({"wait-cursor on", "redraw", "clips 237 249 239", "wait-cursor off"}));
    for (int col = 0; col < 8; ++col) {
        game.Click(col * 50 + 25, 75);
        EXPECT_EQ(game.Take(), Expand({"wait-cursor on", "clip 200", "wait-cursor off"}));
    }
    game.Key(VK_DOWN);
    EXPECT_EQ(game.Take(),
              Expand({"wait-cursor on", "redraw", "clips 249 240", "wait-cursor off"}));
    EXPECT_EQ(game.view.m_moveCount, 1);
    ExpectHumanToMove(game);
}

struct ResultCase {
    const char* board;
    bool humanWhite;
    const char* text;
};

// One empty square, A1: the human's stone there turns B1 and fills the board.
TEST(GameEnd, TheHumanFillingTheLastSquareGetsTheResultAndNothingMore) {
    const ResultCase cases[] = {
        {"-OXXXXXXXXXXXXXXXXXXXXXXXXXXXXXOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOO", false,
         "あなたの負けです！残念でした！"}, // 31
        {"-OXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOO", false,
         "ひきわけです！"}, // 32
        {"-OXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOO", false,
         "あなたの勝ちです！おめでとうございます！"}, // 33
        {"-XOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXX", true,
         "あなたの勝ちです！おめでとうございます！"}, // 33 white stones
    };
    for (const ResultCase& c : cases) {
        PlayedGame game;
        game.ContinueFrom(c.board, c.humanWhite);
        PutCursor(game, 0, 0);
        game.Key(VK_RETURN);
        EXPECT_EQ(game.Take(), Expand({"wait-cursor on", "redraw", "message " + std::string(c.text),
                                       "wait-cursor off"}));
        ASSERT_EQ(game.host.Boxes().size(), 1u);
        EXPECT_EQ(game.host.Boxes()[0].caption, "Tavro");
        EXPECT_EQ(game.host.Boxes()[0].type, MB_OK);
        EXPECT_EQ(game.view.m_playing, 0);
        EXPECT_EQ(game.view.m_inputReady, 0);
        EXPECT_EQ(game.frame.m_gameActive, 0);
        EXPECT_EQ(game.view.m_moveCount, 60);
    }
}

TEST(GameEnd, TheComputerFillingTheLastSquareEndsTheGameAfterItsMove) {
    // The human plays A1, the computer H8, turning G8: 31 black stones.
    PlayedGame game;
    game.ContinueFrom("-OXXXXXXXXXXXXXXXXXXXXXXXXXXXXXOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOX-");
    PutCursor(game, 0, 0);
    game.Key(VK_RETURN);
    EXPECT_EQ(game.Take(), Expand({"wait-cursor on", "redraw", "redraw",
                                   "message あなたの負けです！残念でした！", "wait-cursor off"}));
    EXPECT_EQ(game.view.m_board[BoardIndex(7, 7)], WHITE);
    EXPECT_EQ(game.view.m_playing, 0);
}

TEST(GameEnd, AfterTheResultOnlyEscapeActsAndClosesWithoutAQuestion) {
    PlayedGame game;
    game.ContinueFrom("-OXXXXXXXXXXXXXXXXXXXXXXXXXXXXXXOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOO");
    PutCursor(game, 0, 0);
    game.Key(VK_RETURN);
    game.Take();
    for (UINT key : {VK_RETURN, VK_SPACE, VK_LEFT, UINT('A'), VK_F5})
        game.Key(key);
    game.Click(25, 25);
    EXPECT_TRUE(game.Take().empty());
    game.Key(VK_ESCAPE);
    EXPECT_EQ(game.Take(), Entries{"close posted"});
    // A new game starts as usual.
    game.Command(ID_GAME_BLACK_FIRST);
    EXPECT_EQ(game.Take(), Expand({"redraw", "clips 238 250 242"}));
    ExpectHumanToMove(game);
}

struct CursorCase {
    int col;
    int row;
    UINT key;
    int toCol;
    int toRow;
    const char* clips; // of the square reached, on the start position
};

TEST(Keys, CursorKeysMoveRedrawAndAnnounceAndStopAtTheEdges) {
    const CursorCase cases[] = {
        {3, 3, VK_LEFT, 2, 3, "clips 249 242"},
        {3, 3, VK_UP, 3, 2, "clips 250 241"},
        {3, 3, VK_RIGHT, 4, 3, "clips 237 251 242"},
        {3, 3, VK_DOWN, 3, 4, "clips 237 250 243"},
        {0, 3, VK_LEFT, 0, 3, "clips 247 242"},
        {3, 0, VK_UP, 3, 0, "clips 250 239"},
        {7, 3, VK_RIGHT, 7, 3, "clips 254 242"},
        {3, 7, VK_DOWN, 3, 7, "clips 250 246"},
        {3, 3, VK_PRIOR, 3, 0, "clips 250 239"},
        {3, 3, VK_NEXT, 3, 7, "clips 250 246"},
        {3, 3, VK_HOME, 0, 3, "clips 247 242"},
        {3, 3, VK_END, 7, 3, "clips 254 242"},
        {6, 2, '1', 6, 0, "clips 253 239"},
        {6, 2, '8', 6, 7, "clips 253 246"},
        {0, 0, '5', 0, 4, "clips 247 243"},
        {0, 4, 'E', 4, 4, "clips 238 251 243"},
        {6, 2, 'A', 0, 2, "clips 247 241"},
        {6, 2, 'H', 7, 2, "clips 254 241"},
        {3, 3, VK_F5, 2, 2, "clips 249 241"},
        {3, 3, VK_F6, 2, 4, "clips 249 243"},
        {3, 3, VK_F7, 4, 4, "clips 238 251 243"},
        {3, 3, VK_F8, 4, 2, "clips 251 241"},
        // A diagonal step off the board leaves both coordinates alone.
        {7, 3, VK_F8, 7, 3, "clips 254 242"},
        {3, 0, VK_F8, 3, 0, "clips 250 239"},
        {0, 5, VK_F5, 0, 5, "clips 247 244"},
        {2, 7, VK_F6, 2, 7, "clips 249 246"},
        {7, 7, VK_F7, 7, 7, "clips 254 246"},
    };
    for (const CursorCase& c : cases) {
        PlayedGame game;
        game.Command(ID_GAME_BLACK_FIRST);
        PutCursor(game, c.col, c.row);
        game.Take();
        game.Key(c.key);
        EXPECT_EQ(game.Take(), Expand({"wait-cursor on", "redraw", c.clips, "wait-cursor off"}))
            << "key 0x" << std::hex << c.key << " from " << std::dec << c.col << "," << c.row;
        EXPECT_EQ(game.view.m_cursorCol, c.toCol);
        EXPECT_EQ(game.view.m_cursorRow, c.toRow);
        ExpectHumanToMove(game);
    }
}

TEST(Keys, SpaceAnnouncesWithoutRedrawing) {
    PlayedGame game;
    game.Command(ID_GAME_BLACK_FIRST);
    game.Take();
    game.Key(VK_SPACE);
    EXPECT_EQ(game.Take(), Expand({"wait-cursor on", "clips 238 250 242", "wait-cursor off"}));
}

TEST(Keys, KeysWithoutAFunctionAreSilentAndTheNextKeyWorks) {
    PlayedGame game;
    game.Command(ID_GAME_BLACK_FIRST);
    game.Take();
    for (UINT key : {UINT('I'), UINT('Z'), UINT('9'), UINT('0'), VK_F2, VK_NUMPAD0 + 1, VK_TAB}) {
        game.Key(key);
        EXPECT_EQ(game.Take(), Expand({"wait-cursor on", "wait-cursor off"})) << key;
        EXPECT_EQ(game.view.m_cursorCol, 3);
        EXPECT_EQ(game.view.m_cursorRow, 3);
    }
    game.Key(VK_UP);
    EXPECT_EQ(game.Take(),
              Expand({"wait-cursor on", "redraw", "clips 250 241", "wait-cursor off"}));
}

TEST(Keys, ARefusedEnterPlaysOnlyTheErrorClip) {
    for (const auto& [col, row] : {std::pair{3, 3}, std::pair{0, 0}}) { // occupied; flanks nothing
        PlayedGame game;
        game.Command(ID_GAME_BLACK_FIRST);
        PutCursor(game, col, row);
        game.Take();
        const BoardSnapshot before = Snapshot(game.view);
        game.Key(VK_RETURN);
        EXPECT_EQ(game.Take(), Expand({"wait-cursor on", "clip 200", "wait-cursor off"}));
        EXPECT_EQ(Snapshot(game.view), before);
        EXPECT_EQ(game.view.m_cursorCol, col);
        EXPECT_EQ(game.view.m_cursorRow, row);
        ExpectHumanToMove(game);
    }
}

TEST(Clicks, ARefusedClickPlaysOnlyTheErrorClipAndLeavesTheCursor) {
    const CPoint refused[] = {{175, 175}, {10, 10},  {400, 10},  {10, 400},
                              {399, 399}, {-1, 175}, {175, -30}, {5000, 5000}};
    for (const CPoint& point : refused) {
        PlayedGame game;
        game.Command(ID_GAME_BLACK_FIRST);
        game.Take();
        const BoardSnapshot before = Snapshot(game.view);
        game.Click(point.x, point.y);
        EXPECT_EQ(game.Take(), Expand({"wait-cursor on", "clip 200", "wait-cursor off"}))
            << point.x << "," << point.y;
        EXPECT_EQ(Snapshot(game.view), before);
        EXPECT_EQ(game.view.m_cursorCol, 3);
        EXPECT_EQ(game.view.m_cursorRow, 3);
        ExpectHumanToMove(game);
    }
}

TEST(Escape, DuringAGameAsksAndNoLeavesEverythingAsItWas) {
    PlayedGame game;
    game.Command(ID_GAME_BLACK_FIRST);
    game.Take();
    game.host.AnswerNext(false);
    game.Key(VK_ESCAPE);
    EXPECT_EQ(game.Take(), (Entries{"beep", std::string("message ") + kQuitQuestion, "answer no"}));
    EXPECT_EQ(game.host.Boxes().back().type, MB_YESNO | MB_ICONQUESTION);
    ExpectHumanToMove(game);
    game.Key(VK_SPACE);
    EXPECT_EQ(game.Take(), Expand({"wait-cursor on", "clips 238 250 242", "wait-cursor off"}));
}

TEST(Escape, DuringAGameYesPostsTheClose) {
    PlayedGame game;
    game.Command(ID_GAME_BLACK_FIRST);
    game.Take();
    game.host.AnswerNext(true);
    game.Key(VK_ESCAPE);
    EXPECT_EQ(game.Take(), (Entries{"beep", std::string("message ") + kQuitQuestion, "answer yes",
                                    "close posted"}));
}

TEST(Escape, BeforeTheFirstGameClosesAtOnce) {
    PlayedGame game;
    game.Key(VK_ESCAPE);
    EXPECT_EQ(game.Take(), Entries{"close posted"});
}

TEST(OutsideAGame, NothingAtAllHappens) {
    PlayedGame game;
    const BoardSnapshot before = Snapshot(game.view);
    for (UINT key : {VK_RETURN, VK_SPACE, VK_LEFT, VK_UP, VK_RIGHT, VK_DOWN, VK_PRIOR, VK_NEXT,
                     VK_HOME, VK_END, UINT('A'), UINT('H'), UINT('1'), UINT('8'), VK_F5, VK_F6,
                     VK_F7, VK_F8, UINT('I')})
        game.Key(key);
    game.Click(120, 185);
    game.Click(500, 500);
    for (UINT command = ID_GUIDE_UP; command <= ID_GUIDE_TO_EDGE; ++command)
        game.Command(command);
    EXPECT_TRUE(game.Take().empty());
    EXPECT_EQ(Snapshot(game.view), before);
    EXPECT_EQ(game.view.m_cursorCol, 3);
    EXPECT_EQ(game.view.m_cursorRow, 3);
    EXPECT_EQ(game.view.m_guideToEdge, 0);
    EXPECT_EQ(game.frame.m_toEdgeChecked, 0);
    EXPECT_EQ(game.view.m_inputReady, 0);
}

} // namespace

// The line guide: what it speaks from the cursor towards the edge in each
// mode, where it refuses, and that it changes nothing. At volume 2 the clips
// are: black 237, white 238, rows 1..8 239..246, columns A..H 247..254, and
// the error clip 200.
#include "res/CommandIds.h"
#include "tests/support/PlayedGame.h"
#include "tests/support/Positions.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Entries = std::vector<std::string>;

// A game as black just started: the start position, the cursor on D4.
struct GuideGame : PlayedGame {
    GuideGame() {
        Command(ID_GAME_BLACK_FIRST);
        Take();
    }
};

// What one guide command is heard as, and that it left the game alone.
Entries Guide(PlayedGame& game, UINT command) {
    const BoardSnapshot before = Snapshot(game.view);
    const int col = game.view.m_cursorCol;
    const int row = game.view.m_cursorRow;
    game.Command(command);
    EXPECT_EQ(Snapshot(game.view), before);
    EXPECT_EQ(game.view.m_cursorCol, col);
    EXPECT_EQ(game.view.m_cursorRow, row);
    EXPECT_EQ(game.view.m_inputReady, 1);
    return game.Take();
}

Entries Spoken(std::string_view clips) {
    if (clips.empty())
        return Expand({"wait-cursor on", "wait-cursor off"});
    return Expand({"wait-cursor on", "clips " + std::string(clips), "wait-cursor off"});
}

struct LineCase {
    int coordClips;
    int toEdge;
    UINT command;
    const char* clips;
};

TEST(LineGuide, SpeaksTheStartPositionFromD4InEveryMode) {
    const LineCase cases[] = {
        {2, 0, ID_GUIDE_RIGHT, "237 251 242"},
        {2, 0, ID_GUIDE_DOWN, "237 250 243"},
        {2, 0, ID_GUIDE_DOWN_RIGHT, "238 251 243"},
        {2, 0, ID_GUIDE_UP, ""},
        {2, 0, ID_GUIDE_UP_RIGHT, ""},
        {2, 0, ID_GUIDE_LEFT, ""},
        {2, 0, ID_GUIDE_UP_LEFT, ""},
        {2, 0, ID_GUIDE_DOWN_LEFT, ""},
        {2, 1, ID_GUIDE_RIGHT, "237 251 242 252 242 253 242 254 242"},
        {2, 1, ID_GUIDE_LEFT, "249 242 248 242 247 242"},
        {2, 1, ID_GUIDE_UP, "250 241 250 240 250 239"},
        {2, 1, ID_GUIDE_DOWN_RIGHT, "238 251 243 252 244 253 245 254 246"},
        {0, 0, ID_GUIDE_RIGHT, "237"},
        {0, 0, ID_GUIDE_DOWN_RIGHT, "238"},
        {0, 0, ID_GUIDE_LEFT, ""},
        // Stone-only drops the coordinates of stones, never of empty squares.
        {0, 1, ID_GUIDE_RIGHT, "237 252 242 253 242 254 242"},
        {0, 1, ID_GUIDE_UP_LEFT, "249 241 248 240 247 239"},
    };
    for (const LineCase& c : cases) {
        GuideGame game;
        game.view.m_coordClips = c.coordClips;
        if (c.toEdge)
            game.Command(ID_GUIDE_TO_EDGE);
        EXPECT_EQ(Guide(game, c.command), Spoken(c.clips))
            << "command " << c.command << ", coordinates " << c.coordClips << ", to the edge "
            << c.toEdge;
    }
}

TEST(LineGuide, EmptySquaresBetweenStonesAreSpokenAndTheCursorsOwnNever) {
    GuideGame game;
    LoadPosition(game.view, Rows("X-O-X---"), 0);
    game.view.m_cursorCol = 0;
    game.view.m_cursorRow = 0;
    // B1 empty, white C1, D1 empty, black E1; F1..H1 dropped.
    EXPECT_EQ(Guide(game, ID_GUIDE_RIGHT), Spoken("248 239 238 249 239 250 239 237 251 239"));
    game.view.m_coordClips = 0;
    EXPECT_EQ(Guide(game, ID_GUIDE_RIGHT), Spoken("248 239 238 250 239 237"));
}

TEST(LineGuide, FromACornerAlongItsDiagonalSpeaksSevenSquares) {
    GuideGame game;
    game.view.m_cursorCol = 0;
    game.view.m_cursorRow = 0;
    game.Command(ID_GUIDE_TO_EDGE);
    EXPECT_EQ(Guide(game, ID_GUIDE_DOWN_RIGHT),
              Spoken("248 240 249 241 238 250 242 238 251 243 252 244 253 245 254 246"));
}

struct EdgeCase {
    int col;
    int row;
    UINT command;
    bool refused;
};

TEST(LineGuide, RefusesOnlyWhenTheFirstSquareIsOffTheBoard) {
    const EdgeCase cases[] = {
        {3, 0, ID_GUIDE_UP, true},         {3, 0, ID_GUIDE_UP_RIGHT, true},
        {3, 0, ID_GUIDE_UP_LEFT, true},    {3, 0, ID_GUIDE_LEFT, false},
        {3, 0, ID_GUIDE_DOWN, false},      {7, 0, ID_GUIDE_RIGHT, true},
        {7, 0, ID_GUIDE_UP_RIGHT, true},   {7, 0, ID_GUIDE_UP, true},
        {7, 0, ID_GUIDE_UP_LEFT, true},    {7, 0, ID_GUIDE_DOWN_RIGHT, true},
        {7, 0, ID_GUIDE_DOWN, false},      {7, 0, ID_GUIDE_LEFT, false},
        {7, 0, ID_GUIDE_DOWN_LEFT, false}, {0, 7, ID_GUIDE_DOWN_LEFT, true},
        {0, 7, ID_GUIDE_LEFT, true},       {0, 7, ID_GUIDE_DOWN, true},
        {0, 7, ID_GUIDE_UP_RIGHT, false},  {5, 7, ID_GUIDE_DOWN_RIGHT, true},
    };
    for (const EdgeCase& c : cases) {
        GuideGame game;
        game.view.m_cursorCol = c.col;
        game.view.m_cursorRow = c.row;
        game.Command(ID_GUIDE_TO_EDGE); // so an accepted guide is never silent
        const Entries heard = Guide(game, c.command);
        if (c.refused) {
            EXPECT_EQ(heard, Entries{"clip 200"}) << c.col << "," << c.row << " " << c.command;
        } else {
            ASSERT_FALSE(heard.empty());
            EXPECT_EQ(heard.front(), "wait-cursor on") << c.col << "," << c.row << " " << c.command;
            EXPECT_GE(heard.size(), 4u);
        }
    }
}

TEST(LineGuide, ToTheEdgeTogglesWithItsMenuFlagAndHoldsAcrossGames) {
    GuideGame game;
    game.Command(ID_GUIDE_TO_EDGE);
    EXPECT_EQ(game.view.m_guideToEdge, 1);
    EXPECT_EQ(game.frame.m_toEdgeChecked, 1);
    game.Command(ID_GAME_WHITE_SECOND);
    EXPECT_EQ(game.view.m_guideToEdge, 1);
    game.Take();
    game.Command(ID_GUIDE_TO_EDGE);
    EXPECT_EQ(game.view.m_guideToEdge, 0);
    EXPECT_EQ(game.frame.m_toEdgeChecked, 0);
    EXPECT_TRUE(game.Take().empty());
}

} // namespace

// The level commands with the window title that names the level, and the
// how-to-play page opened in the browser.
#include "framework/DataFiles.h"
#include "res/BuildConfig.h"
#include "res/CommandIds.h"
#include "tests/support/PlayedGame.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace {

using Entries = std::vector<std::string>;

TEST(Levels, EachCommandSetsTheDepthAndTheTitleAndNothingElse) {
    struct Case {
        UINT command;
        int depth;
        const char* title;
    };
    const Case cases[] = {
        {ID_LEVEL_STRONG, 8, "タヴロ - レベル：強い"},
        {ID_LEVEL_STRONG, 8, "タヴロ - レベル：強い"}, // the same level again: the same title
        {ID_LEVEL_WEAK, 2, "タヴロ - レベル：弱い"},
        {ID_LEVEL_NORMAL, 5, "タヴロ - レベル：普通"},
    };
    PlayedGame game;
    for (const bool during : {false, true}) {
        if (during)
            game.Command(ID_GAME_BLACK_FIRST);
        game.Take();
        for (const Case& c : cases) {
            game.Command(c.command);
            EXPECT_EQ(game.view.m_level, c.depth);
            EXPECT_EQ(game.Take(), Entries{std::string("title ") + c.title});
            EXPECT_EQ(game.frame.GetWindowText(), c.title);
        }
        EXPECT_EQ(game.view.m_playing, during ? 1 : 0);
        EXPECT_EQ(game.MenuMarks(), Entries{}); // no level carries a check mark
    }
}

TEST(Levels, TheTitleKnowsOnlyTheThreeDepths) {
    PlayedGame game;
    for (const int depth : {0, 3, 12, -5})
        CTavroView::SetLevelTitle(depth);
    EXPECT_EQ(game.Take(), Entries{});
    CTavroView::SetLevelTitle(8);
    EXPECT_EQ(game.Take(), Entries{"title タヴロ - レベル：強い"});
}

// The page as this build's tests find it: the copy in the build tree.
std::string BuildTreePageUrl() {
    const std::filesystem::path page =
        std::filesystem::path(g_buildTreeDataDir) / "help/how-to-play.html";
    EXPECT_TRUE(std::filesystem::is_regular_file(page)) << page;
    return FileUrl(page);
}

TEST(HowToPlay, OpensTheInstalledPageInTheBrowser) {
    PlayedGame game;
    game.WindowKey(VK_F1);
    EXPECT_EQ(game.Take(), Entries{"url " + BuildTreePageUrl()});
}

TEST(HowToPlay, ABrowserThatDoesNotStartIsSaidAndTheGameGoesOn) {
    PlayedGame game;
    game.Command(ID_GAME_BLACK_FIRST);
    game.host.SetBrowserStarts(false);
    game.Take();
    game.Command(ID_HELP_HOW_TO_PLAY);
    EXPECT_EQ(game.Take(),
              (Entries{"url " + BuildTreePageUrl(), "message ブラウザ起動に失敗しました。"}));
    ASSERT_EQ(game.host.Boxes().size(), 1u);
    EXPECT_EQ(game.host.Boxes()[0].caption, "Tavro");
    EXPECT_EQ(game.host.Boxes()[0].type, MB_OK | MB_ICONEXCLAMATION);
    EXPECT_EQ(game.view.m_playing, 1);
    EXPECT_EQ(game.view.m_inputReady, 1);
}

} // namespace

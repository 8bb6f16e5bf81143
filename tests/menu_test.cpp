// The menu bar: its items found by command and by position, the table it is
// made from, the states the main frame gives it from the board view's six
// mirrors when a menu is highlighted or closed, and the accelerators that a
// grayed item swallows. At volume 2 the clips are: black 237, white 238,
// rows 1..8 239..246, columns A..H 247..254; at volume 3 they are 18 higher;
// the error clip is 200.
#include "framework/Menu.h"
#include "framework/VirtualKeys.h"
#include "res/Accelerators.h"
#include "res/CommandIds.h"
#include "res/Menus.h"
#include "tests/support/PlayedGame.h"

#include <gtest/gtest.h>

#include <cctype>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace {

using Marks = std::vector<std::string>;

TEST(MenuModel, FindsItemsByCommandInNestedPopUpsAndByPositionInTheirOwnMenu) {
    const std::unique_ptr<CMenu> bar = CMenu::Load(g_mainMenu);
    CMenu* voice = bar->GetSubMenu(1);
    ASSERT_NE(voice, nullptr);
    struct Case {
        const CMenu* menu;
        UINT item;
        UINT flags;
        UINT state;
    };
    const Case cases[] = {
        {bar.get(), ID_GUIDE_TO_EDGE, MF_BYCOMMAND, MF_ENABLED}, // two pop-ups down
        {bar.get(), 1, MF_BYPOSITION, MF_POPUP},
        {voice, 0, MF_BYPOSITION, MF_POPUP},
        {voice, 2, MF_BYPOSITION, MF_SEPARATOR},
        {voice, 3, MF_BYPOSITION, MF_ENABLED},
        {voice, 4, MF_BYPOSITION, kNoMenuItem},
        {voice, ID_GAME_BLACK_FIRST, MF_BYCOMMAND, kNoMenuItem}, // in another pop-up
        {bar.get(), 12345, MF_BYCOMMAND, kNoMenuItem},
        {bar.get(), 0, MF_BYCOMMAND, kNoMenuItem}, // separators have no command
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.menu->GetMenuState(c.item, c.flags), c.state)
            << "item " << c.item << " flags " << c.flags;

    EXPECT_EQ(bar->GetSubMenu(0)->GetMenuItemID(0), UINT{ID_GAME_BLACK_FIRST});
    EXPECT_EQ(bar->GetSubMenu(0)->GetMenuItemID(2), 0u);
    EXPECT_EQ(voice->GetMenuItemID(1), kNoMenuItem);
    EXPECT_EQ(voice->GetMenuItemID(9), kNoMenuItem);
    EXPECT_EQ(voice->GetSubMenu(3), nullptr);
    EXPECT_EQ(bar->GetSubMenu(-1), nullptr);
}

TEST(MenuModel, EnableAndCheckAnswerThePreviousStateAndTouchOnlyTheirBits) {
    const std::unique_ptr<CMenu> bar = CMenu::Load(g_mainMenu);
    EXPECT_EQ(bar->CheckMenuItem(ID_GUIDE_TO_EDGE, MF_CHECKED), MF_UNCHECKED);
    EXPECT_EQ(bar->EnableMenuItem(ID_GUIDE_TO_EDGE, MF_GRAYED), MF_ENABLED);
    EXPECT_EQ(bar->GetMenuState(ID_GUIDE_TO_EDGE, MF_BYCOMMAND), MF_GRAYED | MF_CHECKED);
    EXPECT_EQ(bar->EnableMenuItem(ID_GUIDE_TO_EDGE, MF_DISABLED), MF_GRAYED);
    EXPECT_EQ(bar->EnableMenuItem(ID_GUIDE_TO_EDGE, MF_ENABLED), MF_DISABLED);
    EXPECT_EQ(bar->CheckMenuItem(ID_GUIDE_TO_EDGE, MF_UNCHECKED), MF_CHECKED);
    EXPECT_EQ(bar->GetMenuState(ID_GUIDE_TO_EDGE, MF_BYCOMMAND), MF_ENABLED);
    EXPECT_EQ(bar->EnableMenuItem(4, MF_BYPOSITION | MF_GRAYED), kNoMenuItem);
    EXPECT_EQ(bar->CheckMenuItem(777, MF_CHECKED), kNoMenuItem);
    EXPECT_EQ(MenuMarks(*bar), Marks{});
}

// Every command item of a menu, nested pop-ups included.
void CollectCommands(const CMenu& menu, std::vector<const CMenu::Item*>& items) {
    for (int position = 0; position < menu.GetMenuItemCount(); ++position) {
        const CMenu::Item& item = menu.ItemAt(position);
        if (item.popup)
            CollectCommands(*item.popup, items);
        else if (item.kind != MenuTemplateItem::Separator)
            items.push_back(&item);
    }
}

TEST(MenuTable, EveryItemHasAHandlerAndEveryAcceleratorAnItem) {
    PlayedGame game;
    std::vector<const CMenu::Item*> items;
    CollectCommands(*game.frame.GetMenu(), items);
    std::set<UINT> ids;
    for (const CMenu::Item* item : items) {
        EXPECT_TRUE(ids.insert(item->id).second) << "twice in the menus: " << item->id;
        // About belongs to the program's application, tested with it.
        if (item->id != ID_APP_ABOUT) {
            EXPECT_TRUE(game.frame.HasCommandHandler(item->id)) << item->text;
        }
    }
    for (const ACCEL& entry : g_mainAccelerators)
        EXPECT_TRUE(ids.count(entry.cmd)) << "no item for the accelerator of " << entry.cmd;
}

// The key and modifiers that a shortcut text such as "Ctrl+F8" or
// "Ctrl+↑" names; key 0 when the text names none.
struct Shortcut {
    UINT key = 0;
    KeyModifiers held = 0;
};

Shortcut ParseShortcut(std::string text) {
    const std::map<std::string, UINT> namedKeys = {
        {"↑", VK_UP},  {"↓", VK_DOWN}, {"←", VK_LEFT}, {"→", VK_RIGHT},
        {"F1", VK_F1}, {"F3", VK_F3},  {"F4", VK_F4},  {"F5", VK_F5},
        {"F6", VK_F6}, {"F7", VK_F7},  {"F8", VK_F8},
    };
    Shortcut shortcut;
    if (const auto mnemonic = text.find("(&"); mnemonic != std::string::npos)
        text.erase(mnemonic);
    if (text.rfind("Ctrl+", 0) == 0) {
        shortcut.held = FCONTROL;
        text.erase(0, 5);
    }
    if (text.size() == 1 && std::isupper(static_cast<unsigned char>(text[0])))
        shortcut.key = static_cast<UINT>(text[0]);
    else if (namedKeys.count(text))
        shortcut.key = namedKeys.at(text);
    return shortcut;
}

void CheckShortcutsAndMnemonics(const CMenu& menu, const std::string& where) {
    std::set<char> mnemonics;
    for (int position = 0; position < menu.GetMenuItemCount(); ++position) {
        const CMenu::Item& item = menu.ItemAt(position);
        const std::string name = where + "/" + item.text;
        if (const auto mark = item.text.find('&'); mark != std::string::npos) {
            const char letter = static_cast<char>(std::toupper(item.text[mark + 1]));
            EXPECT_TRUE(mnemonics.insert(letter).second) << "mnemonic taken twice: " << name;
        }
        if (item.popup) {
            CheckShortcutsAndMnemonics(*item.popup, name);
            continue;
        }
        if (item.kind == MenuTemplateItem::Separator)
            continue;
        const auto tab = item.text.find('\t');
        if (tab == std::string::npos) {
            for (const ACCEL& entry : g_mainAccelerators)
                EXPECT_NE(entry.cmd, item.id) << "an accelerator the text does not name: " << name;
            continue;
        }
        const Shortcut shortcut = ParseShortcut(item.text.substr(tab + 1));
        ASSERT_NE(shortcut.key, 0u) << "unreadable shortcut: " << name;
        EXPECT_EQ(MatchAccelerator(g_mainAccelerators, shortcut.key, shortcut.held), item.id)
            << name;
    }
}

TEST(MenuTable, ShortcutTextsNameTheAcceleratorsAndMnemonicsDifferWithinEachMenu) {
    const std::unique_ptr<CMenu> bar = CMenu::Load(g_mainMenu);
    CheckShortcutsAndMnemonics(*bar, "");
}

// The six mirrors, in their declaration order.
struct Mirrors {
    int gameActive, follow, stoneOnly, volumeUp, volumeDown, toEdge;
};

void SetMirrors(CMainFrame& frame, const Mirrors& m) {
    frame.m_gameActive = m.gameActive;
    frame.m_followChecked = m.follow;
    frame.m_stoneOnlyChecked = m.stoneOnly;
    frame.m_volumeUpEnabled = m.volumeUp;
    frame.m_volumeDownEnabled = m.volumeDown;
    frame.m_toEdgeChecked = m.toEdge;
}

TEST(MenuSelect, BeforeAnyRefreshEveryItemIsEnabledAndUnchecked) {
    PlayedGame game;
    EXPECT_EQ(game.frame.m_followChecked, 1);
    EXPECT_EQ(game.MenuMarks(), Marks{});
}

TEST(MenuSelect, EachItemValueRefreshesItsPopUpFromTheMirrors) {
    struct Case {
        UINT item;
        Mirrors mirrors;
        Marks marks;
        bool drawn;
    };
    const Case cases[] = {
        // The Game pop-up: both start items, grayed during a game.
        {0, {0, 1, 1, 0, 0, 1}, {}, true},
        {0, {1, 0, 0, 1, 1, 0}, {"32771 grayed", "32772 grayed"}, true},
        // The Voice pop-up. Outside a game: Volume and Line guide grayed,
        // the volume items left alone whatever their mirrors say.
        {1, {0, 0, 1, 0, 0, 1}, {"1.0 grayed", "1.1 grayed", "529 checked", "503 checked"}, true},
        {1, {0, 1, 0, 1, 1, 0}, {"1.0 grayed", "1.1 grayed"}, true},
        // During a game: the volume items from their mirrors.
        {1, {1, 0, 0, 0, 1, 0}, {"500 grayed"}, true},
        {1, {1, 0, 1, 1, 0, 1}, {"501 grayed", "529 checked", "503 checked"}, true},
        {1, {1, 1, 0, 1, 1, 0}, {}, true},
        // The Settings pop-up: Level grayed during a game; cursor-follow's mark.
        {2, {0, 1, 0, 0, 0, 0}, {"502 checked"}, true},
        {2, {1, 0, 1, 0, 0, 1}, {"2.0 grayed"}, true},
        // The Help pop-up, any other position and every command: nothing at all.
        {3, {1, 1, 1, 0, 0, 1}, {}, false},
        {4, {1, 1, 1, 0, 0, 1}, {}, false},
        {0xFFFF, {1, 1, 1, 0, 0, 1}, {}, false},
    };
    for (const Case& c : cases) {
        PlayedGame game;
        SetMirrors(game.frame, c.mirrors);
        game.MenuSelect(c.item);
        EXPECT_EQ(game.MenuMarks(), c.marks) << "item " << c.item;
        EXPECT_EQ(game.Take(), c.drawn ? Marks{"menu bar drawn"} : Marks{}) << "item " << c.item;
    }
    for (const UINT command :
         {500, 501, 502, 503, 507, 512, 515, 518, 521, 528, 529, 32771, 32772, 57664, 57665}) {
        PlayedGame game;
        SetMirrors(game.frame, {1, 1, 1, 0, 0, 1});
        game.MenuSelect(command);
        EXPECT_EQ(game.MenuMarks(), Marks{}) << "command " << command;
        EXPECT_EQ(game.Take(), Marks{}) << "command " << command;
    }
}

// What a refresh decides, item by item: true for grayed or checked.
std::map<std::string, bool> Decided(UINT item, const Mirrors& m) {
    switch (item) {
    case 0:
        return {{"32771 grayed", m.gameActive}, {"32772 grayed", m.gameActive}};
    case 1: {
        std::map<std::string, bool> decided = {{"1.0 grayed", !m.gameActive},
                                               {"1.1 grayed", !m.gameActive},
                                               {"529 checked", m.toEdge},
                                               {"503 checked", m.stoneOnly}};
        if (m.gameActive) {
            decided["500 grayed"] = !m.volumeUp;
            decided["501 grayed"] = !m.volumeDown;
        }
        return decided;
    }
    case 2:
        return {{"2.0 grayed", m.gameActive}, {"502 checked", m.follow}};
    default:
        return {};
    }
}

// Every mark a refresh could leave.
const char* const kAllMarks[] = {"32771 grayed", "32772 grayed", "1.0 grayed",  "500 grayed",
                                 "501 grayed",   "1.1 grayed",   "529 checked", "503 checked",
                                 "2.0 grayed",   "502 checked"};

// Puts the marks on the menu bar.
void Mark(CMenu& bar, const std::set<std::string>& marks) {
    const auto on = [&marks](const char* mark) { return marks.count(mark) > 0; };
    bar.GetSubMenu(0)->EnableMenuItem(ID_GAME_BLACK_FIRST, on("32771 grayed") ? MF_GRAYED : 0);
    bar.GetSubMenu(0)->EnableMenuItem(ID_GAME_WHITE_SECOND, on("32772 grayed") ? MF_GRAYED : 0);
    bar.GetSubMenu(1)->EnableMenuItem(0, MF_BYPOSITION | (on("1.0 grayed") ? MF_GRAYED : 0));
    bar.GetSubMenu(1)->EnableMenuItem(1, MF_BYPOSITION | (on("1.1 grayed") ? MF_GRAYED : 0));
    bar.EnableMenuItem(ID_VOICE_VOLUME_UP, on("500 grayed") ? MF_GRAYED : 0);
    bar.EnableMenuItem(ID_VOICE_VOLUME_DOWN, on("501 grayed") ? MF_GRAYED : 0);
    bar.CheckMenuItem(ID_GUIDE_TO_EDGE, on("529 checked") ? MF_CHECKED : 0);
    bar.CheckMenuItem(ID_VOICE_STONE_ONLY, on("503 checked") ? MF_CHECKED : 0);
    bar.GetSubMenu(2)->EnableMenuItem(0, MF_BYPOSITION | (on("2.0 grayed") ? MF_GRAYED : 0));
    bar.CheckMenuItem(ID_SETTINGS_CURSOR_FOLLOW, on("502 checked") ? MF_CHECKED : 0);
}

// For the three refreshing values, all 64 combinations of the mirrors, from
// a clean menu and from one with every mark on: the items a refresh decides
// follow their mirrors, and every other item keeps what it had.
TEST(MenuSelect, EveryMirrorCombinationDecidesItsItemsAndLeavesTheRest) {
    PlayedGame game;
    CMenu& bar = *game.frame.GetMenu();
    for (UINT item = 0; item <= 2; ++item) {
        for (int bits = 0; bits < 64; ++bits) {
            const Mirrors m{bits & 1,      bits >> 1 & 1, bits >> 2 & 1,
                            bits >> 3 & 1, bits >> 4 & 1, bits >> 5 & 1};
            for (const bool allMarked : {false, true}) {
                std::set<std::string> before;
                if (allMarked)
                    before.insert(std::begin(kAllMarks), std::end(kAllMarks));
                Mark(bar, before);
                SetMirrors(game.frame, m);
                game.MenuSelect(item);
                std::set<std::string> expected = before;
                for (const auto& [mark, on] : Decided(item, m)) {
                    if (on)
                        expected.insert(mark);
                    else
                        expected.erase(mark);
                }
                const Marks marks = game.MenuMarks();
                EXPECT_EQ(std::set<std::string>(marks.begin(), marks.end()), expected)
                    << "item " << item << " mirrors " << bits << (allMarked ? " marked" : "");
            }
        }
    }
}

TEST(MenuQuirks, CtrlBRestartsDuringAGameUntilARefreshGraysItThenTheKeyIsSwallowed) {
    PlayedGame game;
    game.MenuSelect(0); // the menu from which nothing was chosen closes
    game.WindowKey('B', FCONTROL);
    ASSERT_EQ(game.view.m_playing, 1);
    game.Key('C');
    game.Key('4');
    game.Key(VK_RETURN);
    ASSERT_GT(game.view.m_moveCount, 0);

    game.Take();
    game.WindowKey('B', FCONTROL); // no refresh since the game began: a new game
    EXPECT_EQ(game.view.m_moveCount, 0);
    EXPECT_EQ(game.Take(), Expand({"redraw", "clips 238 250 242"}));

    game.Key('C');
    game.Key('4');
    game.Key(VK_RETURN);
    const int moves = game.view.m_moveCount;
    game.MenuSelect(0); // any menu closing refreshes the Game pop-up
    EXPECT_EQ(game.MenuMarks(), (Marks{"32771 grayed", "32772 grayed"}));
    game.Take();
    for (const UINT key : {UINT{'B'}, UINT{'W'}})
        game.WindowKey(key, FCONTROL);
    // Swallowed: no new game, and no key B (column B) for the cursor either.
    EXPECT_EQ(game.view.m_moveCount, moves);
    EXPECT_EQ(game.Take(), Marks{});
}

TEST(MenuQuirks, AtTheTopVolumeCtrlUIsRefusedAloudUntilTheVoiceMenuGraysItThenSilent) {
    PlayedGame game;
    game.Command(ID_GAME_BLACK_FIRST);
    game.WindowKey('U', FCONTROL);
    game.WindowKey('U', FCONTROL);
    ASSERT_EQ(game.view.m_volume, 4);
    EXPECT_EQ(game.frame.m_volumeUpEnabled, 0);
    game.Take();
    game.WindowKey('U', FCONTROL);
    EXPECT_EQ(game.Take(), Marks{"clip 200"});

    game.MenuSelect(1);
    EXPECT_EQ(game.MenuMarks(), Marks{"500 grayed"});
    game.Take();
    game.WindowKey('U', FCONTROL);
    EXPECT_EQ(game.Take(), Marks{});
    game.WindowKey('D', FCONTROL); // its neighbour still works
    EXPECT_EQ(game.view.m_volume, 3);
    EXPECT_EQ(game.Take(), Expand({"clips 256 268 260"}));
}

TEST(MenuQuirks, GrayedVoicePopUpsLeaveTheirAcceleratorsWorkingAndStoneOnlyIsNeverGrayed) {
    PlayedGame game;
    game.MenuSelect(1); // outside a game
    EXPECT_EQ(game.MenuMarks(), (Marks{"1.0 grayed", "1.1 grayed"}));
    game.Take();
    game.WindowKey('U', FCONTROL); // sent, and refused by the command itself
    EXPECT_EQ(game.Take(), Marks{"clip 200"});
    game.WindowKey(VK_F4);
    EXPECT_EQ(game.view.m_coordClips, 0);
    game.MenuSelect(1);
    EXPECT_EQ(game.MenuMarks(), (Marks{"1.0 grayed", "1.1 grayed", "503 checked"}));
}

TEST(MenuQuirks, CheckMarksFollowTheirModesOnlyAtTheNextRefresh) {
    PlayedGame game;
    game.Command(ID_GAME_BLACK_FIRST);
    game.WindowKey(VK_F3);
    game.WindowKey(VK_F4);
    game.WindowKey('E', FCONTROL);
    EXPECT_EQ(game.MenuMarks(), Marks{});
    game.MenuSelect(1);
    game.MenuSelect(2);
    EXPECT_EQ(game.MenuMarks(), (Marks{"529 checked", "503 checked", "2.0 grayed"}));
    game.WindowKey(VK_F3);
    game.MenuSelect(2);
    EXPECT_EQ(game.MenuMarks(), (Marks{"529 checked", "503 checked", "2.0 grayed", "502 checked"}));
}

// A view that handles only the line guide up.
class GuideUpView : public CView {
public:
    bool OnCmdMsg(UINT id) override { return id == ID_GUIDE_UP; }
    bool HasCommandHandler(UINT id) const override { return id == ID_GUIDE_UP; }
    void OnDraw(CDC*) override {}
};

TEST(AutomaticMenuEnabling, EnablesHandledItemsAndGraysTheRestUnlessSwitchedOff) {
    Transcript transcript;
    RecordingHost host(transcript);
    CWinApp app;
    GuideUpView view;
    CFrameWnd automatic;
    CMainFrame mainFrame;
    for (CFrameWnd* frame : {&automatic, static_cast<CFrameWnd*>(&mainFrame)}) {
        frame->SetActiveView(&view);
        frame->SetMenu(CMenu::Load(g_mainMenu));
        CMenu* lineGuide = frame->GetMenu()->GetSubMenu(1)->GetSubMenu(1);
        lineGuide->EnableMenuItem(ID_GUIDE_UP, MF_GRAYED);
        frame->OnInitMenuPopup(lineGuide, 1, false);
    }
    const Marks automaticMarks = MenuMarks(*automatic.GetMenu());
    EXPECT_EQ(automaticMarks, (Marks{"522 grayed", "523 grayed", "524 grayed", "525 grayed",
                                     "526 grayed", "527 grayed", "528 grayed", "529 grayed"}));
    EXPECT_EQ(MenuMarks(*mainFrame.GetMenu()), Marks{"521 grayed"});
}

} // namespace

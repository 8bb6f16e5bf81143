// A long run of random input into the board view: keys, clicks inside and
// outside the board, commands, accelerators, menu selections and new games,
// with the game's invariants checked after every event. Built and run under AddressSanitizer and
// UndefinedBehaviorSanitizer as well (the sanitize preset).
#include "framework/VirtualKeys.h"
#include "res/CommandIds.h"
#include "tests/support/PlayedGame.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>

namespace {

constexpr int kEvents = 100000;
// Chances per 100,000 events. Most games are left early for a new one; some
// are played to the full board, where the computer searches to the end,
// which is what takes the time.
constexpr int kNewGameChance = 20;
constexpr int kAimedChance = 500;

const UINT kKeys[] = {
    VK_RETURN, VK_RETURN, VK_RETURN, VK_SPACE, VK_PRIOR, VK_NEXT, VK_END,   VK_HOME,
    VK_LEFT,   VK_UP,     VK_RIGHT,  VK_DOWN,  '1',      '2',     '3',      '4',
    '5',       '6',       '7',       '8',      'A',      'B',     'C',      'D',
    'E',       'F',       'G',       'H',      VK_F5,    VK_F6,   VK_F7,    VK_F8,
    'I',       'Z',       '9',       '0',      VK_F2,    VK_TAB,  VK_SHIFT, VK_NUMPAD0 + 3,
};

const UINT kCommands[] = {
    ID_GUIDE_UP,
    ID_GUIDE_UP_RIGHT,
    ID_GUIDE_RIGHT,
    ID_GUIDE_DOWN_RIGHT,
    ID_GUIDE_DOWN,
    ID_GUIDE_DOWN_LEFT,
    ID_GUIDE_LEFT,
    ID_GUIDE_UP_LEFT,
    ID_GUIDE_TO_EDGE,
    ID_VOICE_VOLUME_UP,
    ID_VOICE_VOLUME_DOWN,
    ID_VOICE_STONE_ONLY,
    ID_SETTINGS_CURSOR_FOLLOW,
    ID_HELP_HOW_TO_PLAY,
    ID_APP_ABOUT,
    ID_LEVEL_WEAK, // the other levels would make the run too slow
    12345,
};

// Keys with modifiers, as the accelerator table sees them first.
struct HeldKey {
    UINT key;
    KeyModifiers held;
};
const HeldKey kHeldKeys[] = {
    {'B', FCONTROL},
    {'W', FCONTROL},
    {'U', FCONTROL},
    {'D', FCONTROL},
    {'E', FCONTROL},
    {VK_UP, FCONTROL},
    {VK_F7, FSHIFT},
    {VK_LEFT, FSHIFT},
    {VK_F4, 0},
    {VK_F3, 0},
    {VK_F1, 0},
    {'B', FSHIFT},
    {VK_UP, FCONTROL | FSHIFT},
};

// What the menus report: titles, nested entries, command items, closing.
const UINT kMenuItems[] = {0, 1, 2, 3, 4, 500, 501, 503, 521, 529, 32771, 57665};

// What the player could do next, drawn at random.
class RandomPlayer {
public:
    explicit RandomPlayer(unsigned seed) : m_rng(seed) {}

    std::string Act(PlayedGame& game) {
        const int roll = Uniform(0, 99999);
        if (roll < kNewGameChance) {
            game.Command(ID_GAME_BLACK_FIRST);
            return "new game as black";
        }
        if (roll < 2 * kNewGameChance) {
            game.Command(ID_GAME_WHITE_SECOND);
            return "new game as white";
        }
        if (roll < 500) {
            const bool yes = Uniform(0, 1) == 1;
            game.host.AnswerNext(yes);
            game.Key(VK_ESCAPE);
            return yes ? "escape, yes" : "escape, no";
        }
        if (roll < 500 + kAimedChance) {
            // A click on a square the human may take, so that games get on.
            const CPoint square = AimedClick(game.view);
            game.Click(square.x, square.y);
            return "aimed click " + std::to_string(square.x) + " " + std::to_string(square.y);
        }
        if (roll < 45000) {
            const UINT key = kKeys[Uniform(0, std::size(kKeys) - 1)];
            game.Key(key);
            return "key " + std::to_string(key);
        }
        if (roll < 60000) {
            const HeldKey& held = kHeldKeys[Uniform(0, std::size(kHeldKeys) - 1)];
            game.WindowKey(held.key, held.held);
            return "key " + std::to_string(held.key) + " held " + std::to_string(held.held);
        }
        if (roll < 65000) {
            const UINT item = kMenuItems[Uniform(0, std::size(kMenuItems) - 1)];
            game.MenuSelect(item);
            return "menu " + std::to_string(item);
        }
        if (roll < 75000) {
            const int x = Uniform(-60, 460);
            const int y = Uniform(-60, 460);
            game.Click(x, y);
            return "click " + std::to_string(x) + " " + std::to_string(y);
        }
        const UINT command = kCommands[Uniform(0, std::size(kCommands) - 1)];
        game.Command(command);
        return "command " + std::to_string(command);
    }

private:
    // The middle of a random legal square for the side to move, or of a
    // random square when there is none.
    CPoint AimedClick(const CTavroView& view) {
        int legal[64];
        int count = 0;
        for (int code = 0; code < 64; ++code) {
            if (view.CanPlace(code % 8, code / 8))
                legal[count++] = code;
        }
        const int code = count > 0 ? legal[Uniform(0, count - 1)] : Uniform(0, 63);
        return CPoint{(code % 8) * 50 + 25, (code / 8) * 50 + 25};
    }

    int Uniform(int low, int high) { return std::uniform_int_distribution<int>(low, high)(m_rng); }
    int Uniform(int low, std::size_t high) { return Uniform(low, static_cast<int>(high)); }

    std::mt19937 m_rng;
};

// The game's invariants; an empty string when they all hold.
std::string BrokenInvariant(const PlayedGame& game) {
    const CTavroView& v = game.view;
    if (64 - v.CountStones(EMPTY) != 4 + v.m_moveCount)
        return "stones on the board differ from 4 + m_moveCount";
    if (v.m_moveCount < 0 || v.m_moveCount > 60)
        return "m_moveCount out of range";
    if (!v.InBounds(v.m_cursorCol, v.m_cursorRow))
        return "cursor off the board";
    if (v.m_playing != game.frame.m_gameActive)
        return "the frame's game flag disagrees with m_playing";
    if (v.m_playing == 1 && v.m_inputReady != 1)
        return "input not ready between events of a game in progress";
    if (v.m_playing == 1 && v.m_turn != v.m_humanWhite)
        return "not the human's turn between events of a game in progress";
    if (v.m_playing == 0 && v.m_inputReady != 0)
        return "input ready without a game";
    const auto& entries = game.transcript.Entries();
    const auto on = std::count(entries.begin(), entries.end(), "wait-cursor on");
    const auto off = std::count(entries.begin(), entries.end(), "wait-cursor off");
    if (on != off)
        return "the wait cursor was left on";
    return {};
}

TEST(Soak, RandomInputKeepsTheGameConsistent) {
    PlayedGame game;
    RandomPlayer player(20240611);
    int gamesEnded = 0;
    for (int event = 0; event < kEvents; ++event) {
        const int wasPlaying = game.view.m_playing;
        const std::string action = player.Act(game);
        const std::string broken = BrokenInvariant(game);
        ASSERT_TRUE(broken.empty()) << "after event " << event << " (" << action << "): " << broken;
        if (wasPlaying && !game.view.m_playing) {
            ASSERT_EQ(game.view.m_moveCount, 60) << "a game ended before the board was full";
            ++gamesEnded;
        }
        game.transcript.Clear();
    }
    EXPECT_GT(gamesEnded, 0); // the run reached the end of a game
}

} // namespace

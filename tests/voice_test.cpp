// What the player hears: the square announcement, the error clip, the volume
// commands and the stone-only mode, as transcripts of clip ids.
#include "app/MainFrame.h"
#include "framework/Resources.h"
#include "tests/support/RecordingSound.h"
#include "view/TavroView.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

namespace {

class Voice : public testing::Test {
protected:
    Voice() {
        view.m_playing = 1;
        // Mirror values the view never writes, to show which ones it sets.
        frame.m_volumeUpEnabled = 7;
        frame.m_volumeDownEnabled = 7;
        frame.m_stoneOnlyChecked = 7;
        transcript.Clear();
    }
    ~Voice() override { SetWaveResources({}); }

    // Puts the cursor on (col, row) holding `stone`.
    void CursorOn(int col, int row, Stone stone) {
        view.m_cursorCol = col;
        view.m_cursorRow = row;
        view.m_board[BoardIndex(col, row)] = stone;
    }

    // Runs a handler and gives the clips it played.
    template <typename Action>
    std::string Heard(Action action) {
        transcript.Clear();
        action();
        return transcript.Clips();
    }

    CMainFrame frame;
    CTavroView view;
    Transcript transcript;
    RecordingSound sound{transcript};
};

TEST_F(Voice, ClipTablesFollowTheSetLayout) {
    std::set<int> ids;
    for (int level = 0; level < VOLUME_LEVELS; ++level) {
        const int first = 201 + 18 * level;
        EXPECT_EQ(g_blackClip[level], first) << "level " << level;
        EXPECT_EQ(g_whiteClip[level], first + 1) << "level " << level;
        ids.insert({g_blackClip[level], g_whiteClip[level]});
        for (int i = 0; i < 8; ++i) {
            EXPECT_EQ(g_rowClip[level][i], first + 2 + i) << "level " << level << " row " << i;
            EXPECT_EQ(g_colClip[level][i], first + 10 + i) << "level " << level << " col " << i;
            ids.insert({g_rowClip[level][i], g_colClip[level][i]});
        }
    }
    EXPECT_EQ(ids.size(), 90u);
    EXPECT_EQ(*ids.begin(), 201);
    EXPECT_EQ(*ids.rbegin(), 290);
    EXPECT_EQ(ERROR_CLIP, 200);
}

TEST_F(Voice, SpeakSquareSaysColourThenColumnThenRow) {
    struct Case {
        int volume;
        int count;
        Stone stone;
        int col;
        int row;
        const char* heard;
    };
    const Case cases[] = {
        {2, 2, WHITE, 4, 3, "238 251 242"}, // white, E, 4
        {2, 2, BLACK, 4, 3, "237 251 242"}, // black, E, 4
        {2, 2, EMPTY, 3, 4, "250 243"},     // D, 5
        {0, 2, BLACK, 0, 0, "201 211 203"}, // black, A, 1 at the quietest
        {0, 2, WHITE, 7, 7, "202 218 210"}, // white, H, 8
        {4, 2, BLACK, 7, 0, "273 290 275"}, // black, H, 1 at the loudest
        {4, 2, EMPTY, 0, 7, "283 282"},     // A, 8
        {1, 2, WHITE, 2, 5, "220 231 226"}, // white, C, 6
        {3, 2, BLACK, 5, 6, "255 270 263"}, // black, F, 7
        {2, 0, BLACK, 4, 3, "237"},         // stone only
        {2, 0, WHITE, 4, 3, "238"},         {2, 0, EMPTY, 4, 3, ""},
        {2, 1, WHITE, 1, 3, "238 248"}, // colour and column
        {2, 1, EMPTY, 1, 3, "248"},         {2, -1, BLACK, 4, 3, ""},
        {2, -5, EMPTY, 4, 3, ""},
    };
    for (const Case& c : cases) {
        view.m_volume = c.volume;
        EXPECT_EQ(Heard([&] { view.SpeakSquare(c.count, c.stone, c.col, c.row); }), c.heard)
            << "volume " << c.volume << " count " << c.count << " stone " << c.stone << " at ("
            << c.col << "," << c.row << ")";
    }
}

TEST_F(Voice, ErrorClipIsTheSameAtEveryLevel) {
    for (int level = 0; level < VOLUME_LEVELS; ++level) {
        view.m_volume = level;
        EXPECT_EQ(Heard([&] { view.PlayErrorClip(); }), "200");
    }
}

// A change of level is confirmed by announcing the cursor square with the new
// level's clips, and the menu's raise and lower items follow the level.
TEST_F(Voice, VolumeCommandsStepThroughTheLevels) {
    CursorOn(4, 3, BLACK);
    struct Step {
        void (CTavroView::*command)();
        int volume;
        const char* heard;
        int upEnabled;
        int downEnabled;
    };
    const Step steps[] = {
        {&CTavroView::OnVoiceVolumeUp, 3, "255 269 260", 1, 1},
        {&CTavroView::OnVoiceVolumeUp, 4, "273 287 278", 0, 1},
        {&CTavroView::OnVoiceVolumeDown, 3, "255 269 260", 1, 1},
        {&CTavroView::OnVoiceVolumeDown, 2, "237 251 242", 1, 1},
        {&CTavroView::OnVoiceVolumeDown, 1, "219 233 224", 1, 1},
        {&CTavroView::OnVoiceVolumeDown, 0, "201 215 206", 1, 0},
        {&CTavroView::OnVoiceVolumeUp, 1, "219 233 224", 1, 1},
    };
    for (const Step& step : steps) {
        EXPECT_EQ(Heard([&] { (view.*step.command)(); }), step.heard) << "to level " << step.volume;
        EXPECT_EQ(view.m_volume, step.volume);
        EXPECT_EQ(frame.m_volumeUpEnabled, step.upEnabled) << "at level " << step.volume;
        EXPECT_EQ(frame.m_volumeDownEnabled, step.downEnabled) << "at level " << step.volume;
    }
}

// At its limit, or with no game in progress, a volume command is refused
// with the error clip alone: the level, the mirrors and the rest stay.
TEST_F(Voice, VolumeCommandsRefuseAtTheirLimitsAndOutsideAGame) {
    CursorOn(4, 3, WHITE);
    struct Case {
        void (CTavroView::*command)();
        int volume;
        int playing;
    };
    const Case cases[] = {
        {&CTavroView::OnVoiceVolumeUp, 4, 1}, {&CTavroView::OnVoiceVolumeDown, 0, 1},
        {&CTavroView::OnVoiceVolumeUp, 2, 0}, {&CTavroView::OnVoiceVolumeDown, 2, 0},
        {&CTavroView::OnVoiceVolumeUp, 0, 0}, {&CTavroView::OnVoiceVolumeDown, 4, 0},
        {&CTavroView::OnVoiceVolumeUp, 4, 0}, {&CTavroView::OnVoiceVolumeDown, 0, 0},
    };
    for (const Case& c : cases) {
        view.m_volume = c.volume;
        view.m_playing = c.playing;
        view.m_inputReady = 1;
        EXPECT_EQ(Heard([&] { (view.*c.command)(); }), "200")
            << "level " << c.volume << " playing " << c.playing;
        EXPECT_EQ(view.m_volume, c.volume);
        EXPECT_EQ(view.m_coordClips, 2);
        EXPECT_EQ(view.m_inputReady, 1);
        EXPECT_EQ(frame.m_volumeUpEnabled, 7) << "mirrors untouched";
        EXPECT_EQ(frame.m_volumeDownEnabled, 7) << "mirrors untouched";
    }
}

TEST_F(Voice, StoneOnlyModeTogglesAtAnyTimeAndSpeaksNothing) {
    CursorOn(2, 5, WHITE);
    for (const int playing : {0, 1}) {
        view.m_playing = playing;
        EXPECT_EQ(Heard([&] { view.OnVoiceStoneOnly(); }), "");
        EXPECT_EQ(view.m_coordClips, 0);
        EXPECT_EQ(frame.m_stoneOnlyChecked, 1);
        EXPECT_EQ(Heard([&] { view.AnnounceCursorSquare(); }), "238");

        EXPECT_EQ(Heard([&] { view.OnVoiceStoneOnly(); }), "");
        EXPECT_EQ(view.m_coordClips, 2);
        EXPECT_EQ(frame.m_stoneOnlyChecked, 0);
        EXPECT_EQ(Heard([&] { view.AnnounceCursorSquare(); }), "238 249 244");
    }
}

TEST_F(Voice, VolumeChangeOnAnEmptySquareInStoneOnlyModeIsSilent) {
    CursorOn(0, 0, EMPTY);
    view.OnVoiceStoneOnly();
    EXPECT_EQ(Heard([&] { view.OnVoiceVolumeUp(); }), "");
    EXPECT_EQ(view.m_volume, 3);
    EXPECT_EQ(Heard([&] { view.OnVoiceVolumeDown(); }), "");
    EXPECT_EQ(view.m_volume, 2);
}

// The program's clips with some of them taken out, as a damaged resource
// module would be.
std::vector<WaveResource> ResourcesWithout(std::set<int> missing) {
    std::vector<WaveResource> kept;
    for (const WaveResource& resource : WaveResources()) {
        if (!missing.contains(resource.id))
            kept.push_back(resource);
    }
    return kept;
}

TEST_F(Voice, MissingClipIsSkippedAndTheRestGoesOn) {
    struct Case {
        std::set<int> missing;
        const char* heard;
    };
    const Case cases[] = {
        {{238}, "251 242"},
        {{251}, "238 242"},
        {{242}, "238 251"},
        {{238, 251, 242}, ""},
    };
    for (const Case& c : cases) {
        const std::vector<WaveResource> resources = ResourcesWithout(c.missing);
        SetWaveResources(resources);
        EXPECT_EQ(Heard([&] { view.SpeakSquare(2, WHITE, 4, 3); }), c.heard);
        SetWaveResources({});
    }
}

TEST_F(Voice, MissingErrorClipMakesARefusalSilent) {
    const std::vector<WaveResource> resources = ResourcesWithout({200});
    SetWaveResources(resources);
    view.m_volume = 4;
    EXPECT_EQ(Heard([&] { view.OnVoiceVolumeUp(); }), "");
    EXPECT_EQ(view.m_volume, 4);
    EXPECT_EQ(Heard([&] { view.PlayErrorClip(); }), "");
}

TEST(VoiceWithoutFrame, CommandsWorkWithNoMainFrame) {
    ASSERT_EQ(g_mainFrame, nullptr);
    Transcript transcript;
    RecordingSound sound(transcript);
    CTavroView view;
    view.m_playing = 1;
    view.OnVoiceVolumeUp();
    view.OnVoiceStoneOnly();
    view.OnVoiceVolumeDown();
    view.OnVoiceStoneOnly();
    EXPECT_EQ(view.m_volume, 2);
    EXPECT_EQ(view.m_coordClips, 2);
    EXPECT_EQ(transcript.Clips(), "256 268 260 238"); // white D4, then in stone-only mode
}

TEST(VoiceWithoutOutput, SilentWhenNoSoundOutputIsSet) {
    ASSERT_EQ(CurrentSoundOutput(), nullptr);
    CTavroView view;
    view.SpeakSquare(2, BLACK, 4, 3);
    view.PlayErrorClip();
}

TEST(RecordingHost, NamesEachClipByItsResourceId) {
    Transcript transcript;
    {
        RecordingSound sound(transcript);
        EXPECT_EQ(CurrentSoundOutput(), &sound);
        PlayWaveSync(*FindWaveResource(290));
        const std::vector<std::uint8_t> copy(FindWaveResource(200)->begin(),
                                             FindWaveResource(200)->end());
        PlayWaveSync(copy);
        PlayWaveSync(*FindWaveResource(200));
    }
    EXPECT_EQ(CurrentSoundOutput(), nullptr);
    EXPECT_EQ(transcript.Clips(), "290 ? 200");
}

} // namespace

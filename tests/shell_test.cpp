// The program's start-up and end on the recording host: the document, frame
// and view made in their order, the window described and placed, the title,
// a file named on the command line, the About box, and the profile settings
// read at start-up and written at the end.
#include "app/MainFrame.h"
#include "app/TavroApp.h"
#include "framework/Document.h"
#include "res/CommandIds.h"
#include "res/Dialogs.h"
#include "tests/support/RecordingHost.h"
#include "view/TavroView.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <unistd.h>

namespace {

namespace fs = std::filesystem;
using Entries = std::vector<std::string>;

constexpr char kProfile[] =
    "アプリケーション ウィザードで生成されたローカル アプリケーション/Tavro";

// The program on the recording host: the host's desktop is 800 x 560 with
// borders of 3, a title bar of 20 and a menu bar of 19 pixels.
struct Shell : ::testing::Test {
    Transcript transcript;
    RecordingHost host{transcript};
    CTavroApp app;

    CMainFrame* Frame() const { return static_cast<CMainFrame*>(app.GetDocTemplate()->Frame()); }
    CTavroView* View() const { return static_cast<CTavroView*>(app.GetDocTemplate()->View()); }
    std::string& Setting(const std::string& key) { return host.Profiles()[{kProfile, key}]; }
    bool HasSetting(const std::string& key) { return host.Profiles().count({kProfile, key}) > 0; }
    bool Start(const std::string& file = {}) {
        CCommandLineInfo info;
        if (!file.empty()) {
            info.m_nShellCommand = CCommandLineInfo::FileOpen;
            info.m_strFileName = file;
        }
        app.SetCommandLine(info);
        return app.InitInstance();
    }
};

TEST_F(Shell, StartsWithACentredFixedWindowTitledWithTheNormalLevel) {
    ASSERT_TRUE(Start());
    EXPECT_EQ(transcript.Entries(),
              (Entries{"window 197 57 406 445", "title Tavro", "title Tavro - 無題", "window shown",
                       "title タヴロ - レベル：普通"}));
    ASSERT_EQ(host.CreatedFrames().size(), 1u);
    EXPECT_EQ(host.CreatedFrames()[0].style, 0x00CA8000u); // no maximise box, no sizing border
    EXPECT_EQ(host.CreatedFrames()[0].dwExStyle & WS_EX_CLIENTEDGE, 0u);
    EXPECT_EQ(AfxGetMainWnd(), Frame());
    EXPECT_EQ(g_mainFrame, Frame());
    EXPECT_FALSE(Frame()->m_bAutoMenuEnable);
    EXPECT_EQ(app.GetDocTemplate()->Document()->GetTitle(), "無題");
}

TEST_F(Shell, TheViewWritesTheMirrorsThroughTheFrameMadeBeforeIt) {
    ASSERT_TRUE(Start());
    const CMainFrame& frame = *Frame();
    EXPECT_EQ(frame.m_gameActive, 0);
    EXPECT_EQ(frame.m_followChecked, 1);
    EXPECT_EQ(frame.m_stoneOnlyChecked, 0);
    EXPECT_EQ(frame.m_volumeUpEnabled, 1);
    EXPECT_EQ(frame.m_volumeDownEnabled, 1);
    EXPECT_EQ(frame.m_toEdgeChecked, 0);
    EXPECT_EQ(View()->m_level, 5);
    EXPECT_EQ(View()->m_playing, 0);
}

TEST_F(Shell, AWindowIsCentredInAWorkAreaThatDoesNotStartAtTheOrigin) {
    host.SetMetrics({1, 30, 25});              // a window of 402 x 457
    host.SetWorkArea(CRect{64, 32, 465, 472}); // 1 too narrow, 17 too low
    ASSERT_TRUE(Start());
    EXPECT_EQ(transcript.Entries()[0], "window 64 24 402 457");
}

TEST_F(Shell, WithoutAWorkAreaTheWindowSystemPlacesTheWindow) {
    host.SetWorkArea(std::nullopt);
    ASSERT_TRUE(Start());
    EXPECT_EQ(host.CreatedFrames()[0].x, CW_USEDEFAULT);
    EXPECT_EQ(host.CreatedFrames()[0].y, CW_USEDEFAULT);
    EXPECT_EQ(host.CreatedFrames()[0].cx, 406);
}

TEST_F(Shell, AboutShowsItsDialogFromAnyState) {
    ASSERT_TRUE(Start());
    Frame()->OnCmdMsg(ID_GAME_BLACK_FIRST);
    transcript.Clear();
    EXPECT_TRUE(Frame()->HasCommandHandler(ID_APP_ABOUT));
    Frame()->OnCmdMsg(ID_APP_ABOUT);
    EXPECT_EQ(transcript.Entries(), Entries{"dialog ﾊﾞｰｼﾞｮﾝ情報"});
    ASSERT_EQ(host.Dialogs().size(), 1u);
    EXPECT_EQ(host.Dialogs()[0], &g_aboutBox);
    EXPECT_EQ(View()->m_playing, 1);
}

TEST_F(Shell, ExitClosesAtOnceEvenDuringAGame) {
    ASSERT_TRUE(Start());
    Frame()->OnCmdMsg(ID_GAME_BLACK_FIRST);
    transcript.Clear();
    Frame()->OnCmdMsg(ID_APP_EXIT);
    EXPECT_EQ(transcript.Entries(), Entries{"close posted"});
}

// A fresh folder for one test, removed afterwards.
struct TemporaryFolder {
    fs::path path;
    TemporaryFolder() {
        char pattern[] = "/tmp/tavro-shell-XXXXXX";
        path = ::mkdtemp(pattern);
    }
    ~TemporaryFolder() { fs::remove_all(path); }
};

TEST_F(Shell, AFileNamedOnTheCommandLineIsTheDocumentAndJoinsTheRecentFiles) {
    TemporaryFolder folder;
    const fs::path file = folder.path / "対局.tavro";
    std::ofstream(file) << "whatever is in it";
    Setting("Recent File List/File1") = "/older/one";
    Setting("Recent File List/File2") = file.string();
    Setting("Recent File List/File3") = "/older/three";
    Setting("Recent File List/File4") = "/older/four";
    ASSERT_TRUE(Start(file.string()));
    EXPECT_EQ(transcript.Entries(),
              (Entries{"window 197 57 406 445", "title Tavro", "title Tavro - 対局.tavro",
                       "window shown", "title タヴロ - レベル：普通"}));
    EXPECT_EQ(View()->m_playing, 0);
    EXPECT_EQ(
        app.RecentFileList()->Entries(),
        (std::vector<std::string>{file.string(), "/older/one", "/older/three", "/older/four"}));
    EXPECT_EQ(app.ExitInstance(), 0);
    EXPECT_EQ(Setting("Recent File List/File1"), file.string());
    EXPECT_EQ(Setting("Recent File List/File2"), "/older/one");
    EXPECT_EQ(Setting("Recent File List/File4"), "/older/four");
}

TEST_F(Shell, AFileThatCannotBeOpenedEndsTheStartWithOneMessageAndNoWindow) {
    TemporaryFolder folder;
    struct Case {
        fs::path path;
        int error;
    };
    for (const Case& c : {Case{folder.path / "missing.tavro", ENOENT}, Case{folder.path, EISDIR}}) {
        transcript.Clear();
        testing::internal::CaptureStderr();
        EXPECT_FALSE(Start(c.path.string()));
        EXPECT_EQ(testing::internal::GetCapturedStderr(),
                  FileOpenFailureLine(c.path.string(), c.error) + "\n");
        EXPECT_EQ(transcript.Entries(),
                  (Entries{"window 197 57 406 445", "title Tavro",
                           "message " + FileOpenFailureText(c.path.string(), c.error),
                           "window destroyed"}));
        EXPECT_EQ(AfxGetMainWnd(), nullptr);
        EXPECT_EQ(app.GetDocTemplate()->Frame(), nullptr);
        EXPECT_TRUE(app.RecentFileList()->Entries().empty());
    }
}

TEST_F(Shell, OnlyTheFrameworksSettingsAreKeptNothingOfTheGame) {
    Setting("Settings/PreviewPages") = "3";
    ASSERT_TRUE(Start());
    EXPECT_EQ(app.m_nNumPreviewPages, 3);
    for (const UINT command : {ID_LEVEL_STRONG, ID_GAME_BLACK_FIRST, ID_VOICE_VOLUME_UP,
                               ID_SETTINGS_CURSOR_FOLLOW, ID_VOICE_STONE_ONLY, ID_GUIDE_TO_EDGE})
        Frame()->OnCmdMsg(command);
    app.ExitInstance();
    std::vector<std::string> keys;
    for (const auto& [key, value] : host.Profiles())
        keys.push_back(key.first + " " + key.second + "=" + value);
    EXPECT_EQ(keys, std::vector<std::string>{std::string(kProfile) + " Settings/PreviewPages=3"});
}

TEST_F(Shell, SettingsThatMakeNoSenseAreIgnoredAndUnsavedSettingsAreSaid) {
    Setting("Settings/PreviewPages") = "three";
    Setting("Recent File List/File1") = "";
    ASSERT_TRUE(Start());
    EXPECT_EQ(app.m_nNumPreviewPages, 0);
    EXPECT_TRUE(app.RecentFileList()->Entries().empty());
    host.SetProfileWritable(false);
    app.SetRegistryKey("アプリケーション ウィザードで生成されたローカル アプリケーション");
    testing::internal::CaptureStderr();
    EXPECT_EQ(app.ExitInstance(), 0);
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              std::string(program_invocation_short_name) +
                  ": the settings were not saved: the settings are read-only\n");
}

} // namespace

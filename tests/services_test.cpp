// The framework's services for the shell: where a window goes on the
// desktop, dialog units, the command line, the program's data files and
// their addresses, the recent-file list, and files opened as the document.
#include "framework/App.h"
#include "framework/CommandLine.h"
#include "framework/DataFiles.h"
#include "framework/Dialog.h"
#include "framework/Document.h"
#include "framework/WindowPlacement.h"
#include "tests/support/RecordingHost.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <sys/stat.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

TEST(WindowPlacement, CentresInTheWorkAreaHalvingTowardZero) {
    struct Case {
        CRect work;
        int width, height;
        CPoint origin;
    };
    const Case cases[] = {
        {{0, 0, 800, 560}, 406, 445, {197, 57}},
        {{0, 0, 800, 600}, 400, 419, {200, 90}},
        {{48, 0, 1024, 768}, 406, 445, {333, 161}},   // a panel on the left
        {{0, 27, 1920, 1080}, 406, 445, {757, 331}},  // a panel on top
        {{-1280, 0, 0, 1024}, 406, 445, {-843, 289}}, // a screen left of the first
        {{0, 0, 401, 440}, 406, 445, {-2, -2}},       // too small: -5 / 2 is -2
        {{0, 0, 400, 400}, 407, 409, {-3, -4}},
        {{100, 50, 495, 490}, 406, 445, {95, 48}}, // -11 / 2 is -5 from an offset start
        {{0, 0, 406, 445}, 406, 445, {0, 0}},
    };
    for (const Case& c : cases) {
        const CPoint origin = CenterInWorkArea(c.work, c.width, c.height);
        EXPECT_EQ(origin.x, c.origin.x) << c.work.left << "," << c.work.top;
        EXPECT_EQ(origin.y, c.origin.y) << c.work.left << "," << c.work.top;
    }
}

TEST(DialogUnits, FollowTheFontsAverageWidthAndHeightRoundedToThePixel) {
    EXPECT_EQ(DialogAverageCharWidth(312), 6); // 12 a letter
    EXPECT_EQ(DialogAverageCharWidth(325), 6); // 12.5: halves first, then rounds
    EXPECT_EQ(DialogAverageCharWidth(338), 7);
    struct Case {
        CRect units;
        int baseX, baseY;
        CRect pixels;
    };
    const Case cases[] = {
        {{0, 0, 235, 83}, 6, 13, {0, 0, 353, 135}}, // 352.5 and 134.875 rounded
        {{47, 16, 166, 24}, 6, 13, {71, 26, 249, 39}},
        {{178, 7, 228, 21}, 7, 16, {312, 14, 399, 42}},
        {{-1, -1, 1, 1}, 6, 4, {-2, -1, 2, 1}}, // halves away from zero both ways
    };
    for (const Case& c : cases)
        EXPECT_EQ(MapDialogRect(c.units, c.baseX, c.baseY), c.pixels) << c.units.left;
}

constexpr ToolkitOption kToolkit[] = {{"platform", true}, {"reverse", false}, {"style", true}};

TEST(CommandLineReading, AnswersHelpAndVersionOpensOneFileAndRefusesTheRest) {
    struct Case {
        std::vector<std::string> arguments;
        CommandLine::Action action;
        const char* file; // nullptr: a new document
        const char* problem;
    };
    const Case cases[] = {
        {{}, CommandLine::Run, nullptr, ""},
        {{"game.tavro"}, CommandLine::Run, "game.tavro", ""},
        {{"--help"}, CommandLine::ShowHelp, nullptr, ""},
        {{"-h"}, CommandLine::ShowHelp, nullptr, ""},
        {{"a", "--version"}, CommandLine::ShowVersion, nullptr, ""},
        {{"--bogus", "--help"}, CommandLine::ShowHelp, nullptr, ""},
        {{"--bogus"}, CommandLine::Refuse, nullptr, "unknown option '--bogus'"},
        {{"-x", "a"}, CommandLine::Refuse, nullptr, "unknown option '-x'"},
        {{"-platform", "offscreen", "a"}, CommandLine::Run, "a", ""},
        {{"--platform", "xcb"}, CommandLine::Run, nullptr, ""},
        {{"-style=fusion", "a"}, CommandLine::Run, "a", ""},
        {{"-reverse", "a"}, CommandLine::Run, "a", ""},
        {{"a", "-platform"}, CommandLine::Refuse, nullptr, "the option '-platform' needs a value"},
        {{"a", "b"},
         CommandLine::Refuse,
         nullptr,
         "only one file can be opened, but both 'a' and 'b' are named"},
        {{"--", "--help"}, CommandLine::Run, "--help", ""},
        {{"-"}, CommandLine::Run, "-", ""},
        {{"--", "a", "b"},
         CommandLine::Refuse,
         nullptr,
         "only one file can be opened, but both 'a' and 'b' are named"},
    };
    for (const Case& c : cases) {
        std::string shown;
        for (const std::string& argument : c.arguments)
            shown += " " + argument;
        const CommandLine read = ReadCommandLine(c.arguments, kToolkit);
        EXPECT_EQ(read.action, c.action) << shown;
        EXPECT_EQ(read.problem, c.problem) << shown;
        if (c.action != CommandLine::Run)
            continue;
        EXPECT_EQ(read.info.m_nShellCommand,
                  c.file != nullptr ? CCommandLineInfo::FileOpen : CCommandLineInfo::FileNew)
            << shown;
        EXPECT_EQ(read.info.m_strFileName, c.file != nullptr ? c.file : "") << shown;
    }
}

const DataFileSearch kSearch{"", "/src/tavro/build/release", "/src/tavro/build/release/share/tavro",
                             "../share/tavro", "/usr/local/share/tavro"};

TEST(DataFiles, AreLookedForInTheBuildTreeThenBesideTheProgramThenWhereInstalled) {
    struct Case {
        const char* programDir;
        std::vector<fs::path> candidates;
    };
    const Case cases[] = {
        {"/src/tavro/build/release/app",
         {"/src/tavro/build/release/share/tavro/help/p.html",
          "/src/tavro/build/release/share/tavro/help/p.html",
          "/usr/local/share/tavro/help/p.html"}},
        {"/src/tavro/build/release/tests/",
         {"/src/tavro/build/release/share/tavro/help/p.html",
          "/src/tavro/build/release/share/tavro/help/p.html",
          "/usr/local/share/tavro/help/p.html"}},
        {"/usr/bin", {"/usr/share/tavro/help/p.html", "/usr/local/share/tavro/help/p.html"}},
        {"/opt/games/bin",
         {"/opt/games/share/tavro/help/p.html", "/usr/local/share/tavro/help/p.html"}},
        // A neighbour of the build tree is not inside it.
        {"/src/tavro/build/release-old/app",
         {"/src/tavro/build/release-old/share/tavro/help/p.html",
          "/usr/local/share/tavro/help/p.html"}},
        {"", {"/usr/local/share/tavro/help/p.html"}}, // where the program is is unknown
    };
    for (const Case& c : cases) {
        DataFileSearch search = kSearch;
        search.programDir = c.programDir;
        EXPECT_EQ(DataFileCandidates(search, "help/p.html"), c.candidates) << c.programDir;
    }
}

// A fresh folder for one test, removed afterwards.
struct TemporaryFolder {
    fs::path path;
    TemporaryFolder() {
        char pattern[] = "/tmp/tavro-test-XXXXXX";
        path = ::mkdtemp(pattern);
    }
    ~TemporaryFolder() { fs::remove_all(path); }
    fs::path Write(const fs::path& relative, const std::string& text = "x") const {
        fs::create_directories((path / relative).parent_path());
        std::ofstream(path / relative) << text;
        return path / relative;
    }
};

TEST(DataFiles, TheFirstRegularFileFoundWins) {
    TemporaryFolder root;
    DataFileSearch search{root.path / "prefix/bin", root.path / "build", root.path / "build/share",
                          "../share/tavro", root.path / "usr/share/tavro"};
    EXPECT_EQ(FindDataFile(search, "help/p.html"), std::nullopt);
    const fs::path installed = root.Write("usr/share/tavro/help/p.html");
    EXPECT_EQ(FindDataFile(search, "help/p.html"), installed);
    fs::create_directories(root.path / "prefix/share/tavro/help/p.html"); // a folder: no page
    EXPECT_EQ(FindDataFile(search, "help/p.html"), installed);
    fs::remove(root.path / "prefix/share/tavro/help/p.html");
    const fs::path beside = root.Write("prefix/share/tavro/help/p.html");
    EXPECT_EQ(FindDataFile(search, "help/p.html"), beside);
}

TEST(DataFiles, FileUrlsEncodeEverythingButUnreservedCharactersAndSlashes) {
    EXPECT_EQ(FileUrl("/usr/share/tavro/help/how-to-play.html"),
              "file:///usr/share/tavro/help/how-to-play.html");
    EXPECT_EQ(FileUrl("/home/a b/遊び方~_.html"),
              "file:///home/a%20b/%E9%81%8A%E3%81%B3%E6%96%B9~_.html");
    EXPECT_EQ(FileUrl("/x/100%#?.html"), "file:///x/100%25%23%3F.html");
}

struct RecentFiles : ::testing::Test {
    Transcript transcript;
    RecordingHost host{transcript};
    std::unique_ptr<ProfileStore> profile = host.OpenProfile("Org", "App");
    std::string Value(const char* entry) {
        const auto value = profile->Read("Recent File List", entry);
        return value ? *value : "(none)";
    }
};

TEST_F(RecentFiles, TheRecentFileListPutsTheLatestFirstOnceAndKeepsFour) {
    CRecentFileList list(4);
    for (const char* path : {"/a", "/b", "/c", "/b", "/d", "/e"})
        list.Add(path);
    EXPECT_EQ(list.Entries(), (std::vector<std::string>{"/e", "/d", "/b", "/c"}));
    list.Add("/e/../c");
    EXPECT_EQ(list.Entries(), (std::vector<std::string>{"/c", "/e", "/d", "/b"}));
    list.Add("relative.txt");
    EXPECT_EQ(list.Entries()[0], (fs::current_path() / "relative.txt").string());
    list.Add("");
    EXPECT_EQ(list.Entries().size(), 4u);
}

TEST_F(RecentFiles, TheRecentFileListReadsWhatItCanAndWritesOnlyItsEntries) {
    profile->Write("Recent File List", "File1", "/one");
    profile->Write("Recent File List", "File2", "");
    profile->Write("Recent File List", "File3", "/one");
    profile->Write("Recent File List", "File4", "/four");
    profile->Write("Recent File List", "File5", "/five, beyond the list");
    CRecentFileList list(4);
    list.ReadList(*profile);
    EXPECT_EQ(list.Entries(), (std::vector<std::string>{"/one", "/four"}));

    list.WriteList(*profile);
    EXPECT_EQ(Value("File1"), "/one");
    EXPECT_EQ(Value("File2"), "/four");
    EXPECT_EQ(Value("File3"), "(none)");
    EXPECT_EQ(Value("File4"), "(none)");
    EXPECT_EQ(Value("File5"), "/five, beyond the list");
}

TEST(FileOpenFailure, SaysWhyInJapaneseAndOnStderrInEnglish) {
    struct Case {
        int error;
        const char* reason;
    };
    const Case cases[] = {
        {ENOENT, "ファイルが見つかりません。"},
        {EISDIR, "フォルダーは開けません。"},
        {EACCES, "ファイルを読む権限がありません。"},
        {EIO, std::strerror(EIO)},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FileOpenFailureText("/x/y.tavro", c.error),
                  std::string("「/x/y.tavro」を開けませんでした。\n") + c.reason);
        EXPECT_EQ(FileOpenFailureLine("/x/y.tavro", c.error),
                  std::string(program_invocation_short_name) +
                      ": cannot open '/x/y.tavro': " + std::strerror(c.error));
    }
}

TEST(DocumentOpening, AFileThatOpensIsAcceptedUnreadAndOneThatDoesNotIsReported) {
    Transcript transcript;
    RecordingHost host(transcript);
    CWinApp app;
    TemporaryFolder root;
    const fs::path file = root.Write("game.tavro", "not a game at all");
    ASSERT_EQ(::mkfifo((root.path / "pipe").c_str(), 0600), 0);
    CDocument document;
    EXPECT_TRUE(document.OnOpenDocument(file));
    EXPECT_TRUE(document.OnOpenDocument(root.path / "pipe")); // nothing waits for a writer
    EXPECT_EQ(transcript.Entries(), std::vector<std::string>{});

    testing::internal::CaptureStderr();
    EXPECT_FALSE(document.OnOpenDocument(root.path / "missing"));
    EXPECT_FALSE(document.OnOpenDocument(root.path));
    const std::string stderrText = testing::internal::GetCapturedStderr();
    ASSERT_EQ(host.Boxes().size(), 2u);
    EXPECT_EQ(host.Boxes()[0].caption, "Tavro");
    EXPECT_EQ(host.Boxes()[0].type, MB_OK | MB_ICONEXCLAMATION);
    EXPECT_EQ(host.Boxes()[0].text, FileOpenFailureText((root.path / "missing").string(), ENOENT));
    EXPECT_EQ(host.Boxes()[1].text, FileOpenFailureText(root.path.string(), EISDIR));
    EXPECT_EQ(stderrText, FileOpenFailureLine((root.path / "missing").string(), ENOENT) + "\n" +
                              FileOpenFailureLine(root.path.string(), EISDIR) + "\n");

    document.SetPathName((root.path / "game.tavro").string());
    EXPECT_EQ(document.GetTitle(), "game.tavro");
}

} // namespace

// tavro-cli clips and say: the clips as files a player can open, and the
// sound check, on SDL's dummy driver (no sound card needed).
#include "cli/Commands.h"
#include "framework/Resources.h"
#include "tests/support/CliRun.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

namespace {

namespace fs = std::filesystem;

// A fresh, empty directory for one test, removed afterwards.
class ScratchDir {
public:
    explicit ScratchDir(const std::string& name)
        : m_path(fs::path(testing::TempDir()) / ("tavro_" + name)) {
        fs::remove_all(m_path);
        fs::create_directories(m_path);
    }
    ~ScratchDir() { fs::remove_all(m_path); }
    const fs::path& Path() const { return m_path; }

private:
    fs::path m_path;
};

// Sets the SDL audio driver for the commands run while it lives.
class AudioDriver {
public:
    explicit AudioDriver(const char* name) { setenv("SDL_AUDIODRIVER", name, 1); }
    ~AudioDriver() { unsetenv("SDL_AUDIODRIVER"); }
};

TEST(CliClips, ExportWritesEveryResourceAsItIs) {
    const ScratchDir dir("clips_export");
    const CliRun run = RunWith({"clips", "export", dir.Path().string()});
    ASSERT_EQ(run.status, EXIT_OK) << run.err;
    EXPECT_EQ(run.err, "");
    EXPECT_NE(run.out.find("91 clips"), std::string::npos) << run.out;

    EXPECT_EQ(std::distance(fs::directory_iterator(dir.Path()), fs::directory_iterator()), 91);
    for (int id = 200; id <= 290; ++id) {
        std::ifstream file(dir.Path() / (std::to_string(id) + ".wav"), std::ios::binary);
        const std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(file)),
                                              std::istreambuf_iterator<char>());
        EXPECT_TRUE(std::ranges::equal(bytes, *FindWaveResource(id))) << id << ".wav";
    }
}

TEST(CliClips, BadArgumentsAndUnwritableDirectories) {
    const ScratchDir dir("clips_errors");
    const std::string file = (dir.Path() / "file").string();
    std::ofstream(file) << "not a directory";
    struct Case {
        std::vector<std::string> args;
        int status;
        const char* mentions;
    };
    const Case cases[] = {
        {{"clips"}, EXIT_USAGE, "export DIR"},
        {{"clips", "export"}, EXIT_USAGE, "export DIR"},
        {{"clips", "import", dir.Path().string()}, EXIT_USAGE, "export DIR"},
        {{"clips", "export", (dir.Path() / "missing").string()}, EXIT_USAGE, "not a directory"},
        {{"clips", "export", file}, EXIT_USAGE, "not a directory"},
        {{"clips", "export", "/proc"}, EXIT_FAILED, "cannot write '/proc/200.wav'"},
    };
    for (const Case& c : cases) {
        const CliRun run = RunWith(c.args);
        EXPECT_EQ(run.status, c.status) << c.args.back();
        EXPECT_EQ(run.out, "") << c.args.back();
        EXPECT_NE(run.err.find(c.mentions), std::string::npos) << run.err;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
    }
}

TEST(CliSay, PlaysTheAnnouncementAndNamesItsClips) {
    const AudioDriver dummy("dummy");
    struct Case {
        std::vector<std::string> args;
        const char* clips;
    };
    const Case cases[] = {
        {{"say", "E4", "black"}, "237 251 242"},
        {{"say", "d5"}, "250 243"},
        {{"say", "--volume", "4", "h8", "WHITE"}, "274 290 282"},
        {{"say", "error"}, "200"},
    };
    for (const Case& c : cases) {
        const CliRun run = RunWith(c.args);
        EXPECT_EQ(run.status, EXIT_OK) << run.err;
        EXPECT_EQ(run.out, std::string("clips: ") + c.clips + "\naudio device: dummy\n");
        EXPECT_EQ(run.err, "");
    }
}

TEST(CliSay, SaysWhenThereIsNoAudioDevice) {
    const AudioDriver none("no-such-driver");
    const CliRun run = RunWith({"say", "E4", "white"});
    EXPECT_EQ(run.status, EXIT_FAILED);
    EXPECT_EQ(run.out.rfind("clips: 238 251 242\naudio device: none (", 0), 0u) << run.out;
    EXPECT_NE(run.out.find("nothing was heard"), std::string::npos) << run.out;
}

TEST(CliSay, BadArgumentsSayWhatIsAccepted) {
    const std::vector<std::string> cases[] = {
        {"say"},
        {"say", "Z9"},
        {"say", "E9"},
        {"say", "E4", "purple"},
        {"say", "E4", "black", "white"},
        {"say", "black", "E4"},
        {"say", "error", "E4"},
        {"say", "error", "black"},
        {"say", "E4", "--volume", "5"},
        {"say", "E4", "--volume"},
    };
    for (const std::vector<std::string>& args : cases) {
        const CliRun run = RunWith(args);
        EXPECT_EQ(run.status, EXIT_USAGE) << args.back();
        EXPECT_EQ(run.out, "") << args.back();
        EXPECT_NE(run.err.find("expected"), std::string::npos) << run.err;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
    }
}

} // namespace

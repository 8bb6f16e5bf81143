// tavro-cli as a player or a script uses it: answers on stdout, one clear
// line on stderr and status 2 for bad input.
#include "cli/Commands.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

const char* const kStart = "---------------------------OX------XO---------------------------";

struct CliRun {
    int status;
    std::string out;
    std::string err;
};

CliRun RunWith(std::vector<std::string> args) {
    std::ostringstream out, err;
    const int status = RunCli(args, out, err);
    return {status, out.str(), err.str()};
}

TEST(CliMove, AnswersSquareAndCode) {
    struct Case {
        std::vector<std::string> args;
        const char* answer;
    };
    const Case cases[] = {
        {{"move", kStart, "X", "5"}, "F5 37\n"},
        {{"move", "---------------------------O*------*O---------------------------", "X", "1"},
         "F5 37\n"},
        {{"move", "...........................OX......XO...........................", "O", "2"},
         "F4 29\n"},
        {{"move", "XO--------------------------------------------------------------", "X", "12"},
         "C1 2\n"},
        {{"move", "XXXXXXXXXXXXXXXX------------------------------------------------", "O", "4"},
         "pass -1\n"},
    };
    for (const Case& c : cases) {
        const CliRun run = RunWith(c.args);
        EXPECT_EQ(run.status, EXIT_OK) << c.args[1];
        EXPECT_EQ(run.out, c.answer) << c.args[1];
        EXPECT_EQ(run.err, "");
    }
}

TEST(CliErrors, OneLineSayingWhatIsAccepted) {
    const std::string shortBoard(63, '-');
    std::string badChar = kStart;
    badChar[10] = 'x'; // C2
    struct Case {
        std::vector<std::string> args;
        const char* mentions;
    };
    const Case cases[] = {
        {{}, "expected one of"},
        {{"play"}, "unknown command 'play'"},
        {{"move", kStart, "X"}, "3 arguments"},
        {{"move", shortBoard, "X", "5"}, "63 characters"},
        {{"move", badChar, "X", "5"}, "('x', square C2)"},
        {{"move", kStart, "B", "5"}, "expected X (black) or O (white)"},
        {{"move", kStart, "X", "0"}, "from 1 to 12"},
        {{"move", kStart, "X", "13"}, "from 1 to 12"},
        {{"move", kStart, "X", "5x"}, "from 1 to 12"},
        {{"perft"}, "1 argument"},
        {{"perft", "0"}, "from 1 to 60"},
        {{"perft", "-3"}, "from 1 to 60"},
    };
    for (const Case& c : cases) {
        const CliRun run = RunWith(c.args);
        EXPECT_EQ(run.status, EXIT_USAGE) << run.err;
        EXPECT_EQ(run.out, "");
        EXPECT_NE(run.err.find(c.mentions), std::string::npos) << run.err;
        EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << "one line: " << run.err;
    }
}

TEST(CliHelp, ListsTheCommands) {
    const CliRun run = RunWith({"--help"});
    EXPECT_EQ(run.status, EXIT_OK);
    EXPECT_NE(run.out.find("move BOARD SIDE DEPTH"), std::string::npos);
    EXPECT_NE(run.out.find("perft DEPTH"), std::string::npos);
}

TEST(CliPerft, OneLinePerDepth) {
    const CliRun run = RunWith({"perft", "4"});
    EXPECT_EQ(run.status, EXIT_OK);
    EXPECT_EQ(run.out, "1 4\n2 12\n3 56\n4 244\n");
}

} // namespace

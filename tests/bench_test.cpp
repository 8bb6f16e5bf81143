// The bench suite as committed: what it holds, and the engine's node
// signature over it, pinned so any change in how the engine searches shows.
#include "bench/Suite.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <stdexcept>
#include <string>
#include <utility>

namespace {

// Nodes the engine visits over the suite. A change here means the search
// visits other positions: check the differential set, then update.
constexpr std::uint64_t kSignature = 3491360;

TEST(BenchSuite, HoldsEachLevelAtEachStageAndTwelveEmptiesAtDepthTwelve) {
    std::map<std::pair<int, std::string>, int> counts;
    for (const SuitePosition& position : BenchSuite()) {
        ++counts[{position.depth, position.stage}];
        const int empties =
            static_cast<int>(std::count(std::begin(position.cells), std::end(position.cells), 0));
        EXPECT_EQ(position.moveCount, 60 - empties);
        if (position.depth == 12) {
            EXPECT_EQ(empties, 12);
        }
    }
    for (const int depth : {2, 5, 8})
        for (const char* stage : {"opening", "middle", "late"})
            EXPECT_GE((counts[{depth, stage}]), 5) << depth << " " << stage;
    EXPECT_GE((counts[{12, "end"}]), 5);
    EXPECT_EQ(SuiteDepths(), (std::vector<int>{2, 5, 8, 12}));
}

TEST(BenchSuite, MalformedLinesAreNamed) {
    const std::string board(64, '-');
    EXPECT_EQ(ParseSuite("# comment\n\n8 middle X " + board + "\n").size(), 1u);
    for (const std::string& text :
         {std::string("8 middle X\n"), "8 middle B " + board + "\n", "x middle X " + board + "\n",
          "8 middle X " + board.substr(1) + "\n"}) {
        try {
            ParseSuite("# first\n" + text);
            ADD_FAILURE() << "accepted: " << text;
        } catch (const std::invalid_argument& error) {
            EXPECT_NE(std::string(error.what()).find("suite line 2"), std::string::npos)
                << error.what();
        }
    }
}

TEST(BenchSuite, NodeSignatureIsPinned) {
    EXPECT_EQ(SuiteNodeSignature(), kSignature);
}

} // namespace

// Move generation checked against the published leaf counts of reversi.
#include "cli/Perft.h"
#include "tests/support/Positions.h"

#include <gtest/gtest.h>

namespace {

TEST(Perft, MatchesPublishedCountsToDepth8) {
    const std::uint64_t published[] = {4, 12, 56, 244, 1396, 8200, 55092, 390216};
    for (int depth = 1; depth <= 8; ++depth) {
        GameFixture game;
        EXPECT_EQ(Perft(game.view, depth), published[depth - 1]) << "depth " << depth;
        EXPECT_EQ(Snapshot(game.view), Snapshot(GameFixture{}.view));
    }
}

} // namespace

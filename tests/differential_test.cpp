// The game's search, answered by the engine, against the literal search it
// replaced: the same move on every position of a large, fixed set, and the
// same score below the root. The default run checks a sample of a few
// thousand positions; the full set (over 20,000) runs in shards, each
// selected with TAVRO_DIFFERENTIAL_SHARD=K/N (ctest -L full).
#include "tests/oracle/LiteralSearch.h"
#include "tests/support/Positions.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <iostream>
#include <map>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace {

constexpr int kNotRoot = 99;

// A position with everything the search reads.
struct State {
    std::array<std::int32_t, 64> board;
    int turn;
    int moveCount;
};

// One question for both searches.
struct Case {
    const char* family;
    State state;
    int humanWhite;
    int depth;
    bool scores; // also compare scores below the root
};

State StateOf(const CTavroView& view) {
    State state{};
    std::copy(std::begin(view.m_board), std::end(view.m_board), state.board.begin());
    state.turn = view.m_turn;
    state.moveCount = view.m_moveCount;
    return state;
}

void Load(CTavroView& view, const State& state) {
    std::copy(state.board.begin(), state.board.end(), std::begin(view.m_board));
    view.m_turn = state.turn;
    view.m_moveCount = state.moveCount;
}

int Empties(const State& state) {
    return static_cast<int>(std::count(state.board.begin(), state.board.end(), EMPTY));
}

bool CanMove(CTavroView& view) {
    int codes[64];
    return LegalMoves(view, codes) > 0;
}

// How a game picks its moves: at random, or with one colour taking the
// move that leaves the other the fewest stones, which ends many games with a
// colour wiped out.
enum class Policy { Random, BlackCrushes, WhiteCrushes };

int PickMove(CTavroView& view, const int* codes, int count, Policy policy, std::mt19937& rng) {
    const bool crushing = (policy == Policy::BlackCrushes && view.m_turn == 0) ||
                          (policy == Policy::WhiteCrushes && view.m_turn == 1);
    if (!crushing || rng() % 10 == 0)
        return codes[std::uniform_int_distribution<int>(0, count - 1)(rng)];
    int best = codes[0];
    int fewest = 65;
    for (int i = 0; i < count; ++i) {
        FlipRecord record;
        view.MakeMove(record, codes[i] % 8, codes[i] / 8);
        const int left = view.CountStones(view.Mover());
        view.UndoMove(record);
        if (left < fewest) {
            fewest = left;
            best = codes[i];
        }
    }
    return best;
}

// Every position of one game to its end, passes included: a position whose
// side to move must pass is followed by the same board with the turn passed.
std::vector<State> PlayGame(std::mt19937& rng, Policy policy) {
    GameFixture game;
    CTavroView& view = game.view;
    std::vector<State> states;
    bool lastWasPass = false;
    for (;;) {
        states.push_back(StateOf(view));
        int codes[64];
        const int count = LegalMoves(view, codes);
        if (count == 0) {
            if (lastWasPass) {
                states.pop_back(); // the same board as the position before it
                return states;
            }
            view.ToggleTurn();
            lastWasPass = true;
            continue;
        }
        const int code = PickMove(view, codes, count, policy, rng);
        view.PlaceStone(code % 8, code / 8);
        lastWasPass = false;
    }
}

// Builds the set, family by family; `full` picks the full sizes and depths.
class SetBuilder {
public:
    explicit SetBuilder(bool full) : full_(full) {}

    std::vector<Case> Build() {
        RandomStages(Size(13500, 2000));
        DeepRandomStages(Size(800, 16));
        Thresholds(Size(1500, 200));
        FewEmpties(Size(2000, 300));
        Passes(Size(1500, 400));
        Stalemates(Size(600, 150));
        WipeOuts(Size(600, 200));
        return std::move(cases_);
    }

private:
    int Size(int full, int sample) const { return full_ ? full : sample; }

    void Add(const char* family, const State& state, int depth, bool scores) {
        cases_.push_back({family, state, 1 - state.turn, depth, scores});
    }

    std::vector<State> Game(Policy policy = Policy::Random) { return PlayGame(rng_, policy); }

    const State& AnyOf(const std::vector<State>& states) {
        return states[std::uniform_int_distribution<std::size_t>(0, states.size() - 1)(rng_)];
    }

    // Positions from every stage of random games, depths 1 to 6 (to 5 in
    // the sample).
    void RandomStages(int count) {
        for (int i = 0; i < count; ++i)
            Add("random play, depths 1-6", AnyOf(Game()), 1 + i % (full_ ? 6 : 5), i % 8 == 0);
    }

    // Depths 7 and 8; the sample keeps to the opening and the end, where the
    // literal search is quick.
    void DeepRandomStages(int count) {
        for (int i = 0; i < count;) {
            const State& state = AnyOf(Game());
            if (!full_ && state.moveCount > 8 && Empties(state) > 14)
                continue;
            Add("random play, depths 7-8", state, 7 + i % 2, false);
            ++i;
        }
    }

    // 47, 48 and 49 stones placed, where the score formula changes: boards
    // that have them, and later boards that claim them. Depths 1 to 12.
    void Thresholds(int count) {
        for (int i = 0; i < count;) {
            const std::vector<State> game = Game();
            const int target = 47 + i % 3;
            auto found = std::find_if(game.begin(), game.end(),
                                      [&](const State& s) { return s.moveCount == target; });
            if (found == game.end())
                continue;
            State state = i % 2 == 0 ? *found : AnyOf(game);
            if (Empties(state) > 20)
                continue;
            state.moveCount = target;
            // The literal search is too slow beyond depth 8 with many empties.
            const int deepest = Empties(state) > 13 ? 8 : (full_ ? 12 : 9);
            const int depth = 1 + (i / 3) % deepest;
            Add("47, 48 or 49 placed", state, depth, i % 4 == 0);
            ++i;
        }
    }

    // Few empty squares, depths 9 to 12.
    void FewEmpties(int count) {
        for (int i = 0; i < count;) {
            const std::vector<State> game = Game();
            const int empties = 1 + static_cast<int>(rng_() % (full_ ? 12 : 9));
            auto found = std::find_if(game.begin(), game.end(),
                                      [&](const State& s) { return Empties(s) <= empties; });
            if (found == game.end())
                continue;
            Add("few empties, depths 9-12", *found, 9 + i % 4, i % 8 == 0);
            ++i;
        }
    }

    // A side that must pass, and the positions up to three plies before it,
    // whose searches meet the pass inside. Random games pass near their end,
    // lopsided ones earlier.
    void Passes(int count) {
        const Policy policies[] = {Policy::Random, Policy::BlackCrushes, Policy::WhiteCrushes};
        for (int i = 0; i < count;) {
            const std::vector<State> states = Game(policies[i % 3]);
            for (std::size_t k = 1; k + 1 < states.size() && i < count; ++k) {
                if (states[k].board != states[k + 1].board)
                    continue;
                const std::size_t back = std::min<std::size_t>(k, rng_() % 4);
                Add("a side must pass", states[k - back], 1 + i % 8, true);
                ++i;
            }
        }
    }

    // Games over (a full board, or neither side able to move), and up to
    // four plies before.
    void Stalemates(int count) {
        for (int i = 0; i < count; ++i) {
            const std::vector<State> states = Game();
            const std::size_t back = std::min<std::size_t>(states.size() - 1, rng_() % 5);
            Add("neither side can move", states[states.size() - 1 - back], 1 + i % 12, true);
        }
    }

    // A colour wiped out, and up to three plies before.
    void WipeOuts(int count) {
        GameFixture game;
        for (int i = 0; i < count;) {
            const std::vector<State> states =
                Game(i % 2 == 0 ? Policy::BlackCrushes : Policy::WhiteCrushes);
            Load(game.view, states.back());
            if (game.view.CountStones(BLACK) != 0 && game.view.CountStones(WHITE) != 0)
                continue;
            const std::size_t back = std::min<std::size_t>(states.size() - 1, rng_() % 4);
            Add("a colour has no stones", states[states.size() - 1 - back], 1 + i % (full_ ? 8 : 5),
                true);
            ++i;
        }
    }

    bool full_;
    std::mt19937 rng_{20260317};
    std::vector<Case> cases_;
};

std::string Describe(const Case& c) {
    std::ostringstream text;
    text << c.family << ": board ";
    for (int code = 0; code < 64; ++code) {
        const std::int32_t cell = c.state.board[BoardIndex(code % 8, code / 8)];
        text << (cell == BLACK ? 'X' : cell == WHITE ? 'O' : '-');
    }
    text << ", " << (c.state.turn == 0 ? "X" : "O") << " to move, " << c.state.moveCount
         << " placed, human " << (c.humanWhite ? "white" : "black") << ", depth " << c.depth;
    return text.str();
}

// What one case found: the disagreements, if any.
std::vector<std::string> Compare(const Case& c) {
    std::vector<std::string> faults;
    GameFixture game;
    CTavroView& view = game.view;
    Load(view, c.state);
    view.m_humanWhite = c.humanWhite;

    view.m_rootDepth = c.depth;
    const int engine = view.Search(1, c.depth, 1, SCORE_MIN, SCORE_MAX);
    const int literal = LiteralSearch{view}.Move(c.depth);
    if (engine != literal) {
        faults.push_back(Describe(c) + ": move " + std::to_string(engine) + ", literal " +
                         std::to_string(literal));
    }
    if (!c.scores)
        return faults;
    view.m_rootDepth = kNotRoot;
    const bool canMove = CanMove(view);
    for (const int maximising : {0, 1}) {
        for (const int passAllowed : {1, 0}) {
            if (passAllowed == 0 && canMove)
                continue;
            const int score = view.Search(maximising, c.depth, passAllowed, SCORE_MIN, SCORE_MAX);
            const int expected =
                LiteralSearch{view}.Search(maximising, c.depth, passAllowed, SCORE_MIN, SCORE_MAX);
            if (score != expected) {
                faults.push_back(Describe(c) + ": maximising " + std::to_string(maximising) +
                                 ", pass allowed " + std::to_string(passAllowed) + ": score " +
                                 std::to_string(score) + ", literal " + std::to_string(expected));
            }
        }
    }
    return faults;
}

// The shard a case belongs to: its index scrambled, so that depths that
// follow the index in a family spread over all shards alike.
int ShardOf(std::size_t index, int shards) {
    std::uint64_t x = index + 0x9E3779B97F4A7C15ULL;
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ULL;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBULL;
    return static_cast<int>((x ^ (x >> 31)) % static_cast<std::uint64_t>(shards));
}

// Checks every case of shard `shard` of `shards`, and prints how many
// positions of each family were compared.
void CheckSet(bool full, int shard, int shards) {
    const std::vector<Case> cases = SetBuilder(full).Build();
    std::map<std::string, int> compared;
    std::vector<std::string> faults;
    int moves = 0;
    for (std::size_t i = 0; i < cases.size(); ++i) {
        if (ShardOf(i, shards) != shard)
            continue;
        for (std::string& fault : Compare(cases[i]))
            faults.push_back(std::move(fault));
        ++compared[cases[i].family];
        ++moves;
    }
    for (const auto& [family, count] : compared)
        std::cout << "  " << count << " positions: " << family << "\n";
    std::cout << "  " << moves << " positions of " << cases.size() << " in this run, "
              << faults.size() << " disagreements\n";
    for (std::size_t i = 0; i < std::min<std::size_t>(faults.size(), 20); ++i)
        ADD_FAILURE() << faults[i];
    EXPECT_TRUE(faults.empty());
}

TEST(Differential, SampleAgreesWithTheLiteralSearch) {
    CheckSet(false, 0, 1);
}

TEST(Differential, FullSetShardAgreesWithTheLiteralSearch) {
    const char* spec = std::getenv("TAVRO_DIFFERENTIAL_SHARD");
    if (spec == nullptr)
        GTEST_SKIP() << "the full set runs with TAVRO_DIFFERENTIAL_SHARD=K/N (ctest -L full)";
    int shard = 0;
    int shards = 0;
    char slash = 0;
    std::istringstream(spec) >> shard >> slash >> shards;
    ASSERT_TRUE(slash == '/' && shards > 0 && shard >= 0 && shard < shards)
        << "TAVRO_DIFFERENTIAL_SHARD is '" << spec << "'; expected K/N with 0 <= K < N";
    CheckSet(true, shard, shards);
}

} // namespace

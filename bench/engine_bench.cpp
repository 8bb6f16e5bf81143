// Google Benchmark over the bench suite: for each depth, one iteration
// searches every position of that depth once, with the engine or with the
// literal search. Counters give the time of one move and nodes per second.
// The literal searches run once each (a depth-8 pass takes minutes); select
// with --benchmark_filter=Engine to time the engine alone.
#include "app/MainFrame.h"
#include "bench/Suite.h"
#include "engine/Search.h"
#include "tests/oracle/LiteralSearch.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

std::vector<const SuitePosition*> AtDepth(int depth) {
    std::vector<const SuitePosition*> positions;
    for (const SuitePosition& position : BenchSuite())
        if (position.depth == depth)
            positions.push_back(&position);
    return positions;
}

void Report(benchmark::State& state, std::size_t positions, std::uint64_t nodes) {
    const double moves = static_cast<double>(positions * state.iterations());
    state.counters["move"] =
        benchmark::Counter(moves, benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
    state.counters["nodes/s"] =
        benchmark::Counter(static_cast<double>(nodes), benchmark::Counter::kIsRate);
    state.counters["positions"] = static_cast<double>(positions);
}

void Engine(benchmark::State& state, int depth) {
    const std::vector<const SuitePosition*> positions = AtDepth(depth);
    engine::Searcher searcher;
    std::uint64_t nodes = 0;
    for (auto _ : state) {
        for (const SuitePosition* position : positions) {
            const engine::Choice choice =
                searcher.BestMove(engine::PositionFromCells(position->cells, position->turn,
                                                            position->turn, position->moveCount),
                                  depth);
            benchmark::DoNotOptimize(choice);
            nodes += searcher.Nodes();
        }
    }
    Report(state, positions.size(), nodes);
}

void Literal(benchmark::State& state, int depth) {
    const std::vector<const SuitePosition*> positions = AtDepth(depth);
    CMainFrame frame;
    CTavroView view;
    std::uint64_t nodes = 0;
    for (auto _ : state) {
        for (const SuitePosition* position : positions) {
            std::copy(std::begin(position->cells), std::end(position->cells),
                      std::begin(view.m_board));
            view.m_turn = position->turn;
            view.m_humanWhite = 1 - position->turn;
            view.m_moveCount = position->moveCount;
            LiteralSearch search{view};
            benchmark::DoNotOptimize(search.Move(depth));
            nodes += search.nodes;
        }
    }
    Report(state, positions.size(), nodes);
}

} // namespace

int main(int argc, char** argv) {
    for (const int depth : SuiteDepths()) {
        benchmark::RegisterBenchmark(("Engine/depth:" + std::to_string(depth)).c_str(), Engine,
                                     depth)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("Literal/depth:" + std::to_string(depth)).c_str(), Literal,
                                     depth)
            ->Unit(benchmark::kMillisecond)
            ->Iterations(1);
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

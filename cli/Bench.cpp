// tavro-cli bench: the engine and the literal search timed on the same
// positions in the same run, with the figures a player feels: the time of one
// move, its median and its worst.
#include "cli/Bench.h"

#include "app/MainFrame.h"
#include "bench/Suite.h"
#include "engine/Search.h"
#include "tests/oracle/LiteralSearch.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <optional>

namespace {

constexpr int kExitDisagreement = 1;
constexpr int kExitUsage = 2;

struct BenchOptions {
    bool literal = true;
    std::optional<int> depth;
    int repeat = 5;
};

// What one depth's positions measured, for one search.
struct Timing {
    std::vector<double> seconds; // one move per position
    std::uint64_t nodes = 0;

    double Total() const {
        double total = 0;
        for (const double s : seconds)
            total += s;
        return total;
    }
    double Median() const {
        std::vector<double> sorted = seconds;
        std::sort(sorted.begin(), sorted.end());
        const std::size_t n = sorted.size();
        return n == 0 ? 0 : n % 2 == 1 ? sorted[n / 2] : (sorted[n / 2 - 1] + sorted[n / 2]) / 2;
    }
    double Max() const {
        return seconds.empty() ? 0 : *std::max_element(seconds.begin(), seconds.end());
    }
    double NodesPerSecond() const { return Total() > 0 ? static_cast<double>(nodes) / Total() : 0; }
};

double SecondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// The engine's square code for a position, timed as the median of `repeat`
// searches (each starts afresh, as every move of a game does).
int TimeEngine(engine::Searcher& searcher, const SuitePosition& position, int repeat,
               Timing& timing) {
    const engine::Position asked =
        engine::PositionFromCells(position.cells, position.turn, position.turn, position.moveCount);
    std::vector<double> runs;
    engine::Choice choice;
    for (int i = 0; i < repeat; ++i) {
        const auto start = std::chrono::steady_clock::now();
        choice = searcher.BestMove(asked, position.depth);
        runs.push_back(SecondsSince(start));
    }
    std::sort(runs.begin(), runs.end());
    timing.seconds.push_back(runs[runs.size() / 2]);
    timing.nodes += searcher.Nodes();
    return choice.square == engine::kNoMove ? NO_MOVE
                                            : SquareCode(choice.square / 8, choice.square % 8);
}

int TimeLiteral(const SuitePosition& position, Timing& timing) {
    CMainFrame frame;
    CTavroView view;
    std::copy(std::begin(position.cells), std::end(position.cells), std::begin(view.m_board));
    view.m_turn = position.turn;
    view.m_humanWhite = 1 - position.turn;
    view.m_moveCount = position.moveCount;
    LiteralSearch search{view};
    const auto start = std::chrono::steady_clock::now();
    const int answer = search.Move(position.depth);
    timing.seconds.push_back(SecondsSince(start));
    timing.nodes += search.nodes;
    return answer;
}

std::string Format(const char* format, double value) {
    char text[32];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

std::string Milliseconds(double seconds) {
    return Format("%9.3f ms", seconds * 1000);
}

std::string MegaNodes(double perSecond) {
    return Format("%7.2f M/s", perSecond / 1e6);
}

std::optional<BenchOptions> ParseOptions(const std::vector<std::string>& args, std::ostream& err) {
    BenchOptions options;
    auto number = [&](std::size_t& i, const char* what, int low, int high) -> std::optional<int> {
        if (i + 1 < args.size()) {
            const std::string& text = args[++i];
            char* end = nullptr;
            const long value = std::strtol(text.c_str(), &end, 10);
            if (!text.empty() && *end == '\0' && value >= low && value <= high)
                return static_cast<int>(value);
        }
        err << "tavro-cli: bench: " << what << " needs a whole number from " << low << " to "
            << high << "\n";
        return std::nullopt;
    };
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--engine-only") {
            options.literal = false;
        } else if (args[i] == "--depth") {
            options.depth = number(i, "--depth", 1, 12);
            if (!options.depth)
                return std::nullopt;
        } else if (args[i] == "--repeat") {
            const std::optional<int> repeat = number(i, "--repeat", 1, 1000);
            if (!repeat)
                return std::nullopt;
            options.repeat = *repeat;
        } else {
            err << "tavro-cli: bench: option '" << args[i]
                << "' is not allowed; expected --engine-only, --depth D or --repeat N\n";
            return std::nullopt;
        }
    }
    return options;
}

} // namespace

int BenchCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    const std::optional<BenchOptions> options = ParseOptions(args, err);
    if (!options)
        return kExitUsage;

    out << "Bench suite: " << BenchSuite().size() << " positions; engine time of one move is the "
        << "median of " << options->repeat << " runs"
        << (options->literal ? "" : "; literal search skipped") << ".\n";
    out << "depth  positions      engine median         max       nodes/s";
    if (options->literal)
        out << "     literal median         max       nodes/s     ratio";
    out << "\n" << std::flush;

    engine::Searcher searcher;
    std::uint64_t signature = 0;
    int disagreements = 0;
    for (const int depth : SuiteDepths()) {
        if (options->depth && *options->depth != depth)
            continue;
        Timing engineTiming;
        Timing literalTiming;
        for (const SuitePosition& position : BenchSuite()) {
            if (position.depth != depth)
                continue;
            const int answer = TimeEngine(searcher, position, options->repeat, engineTiming);
            if (options->literal && TimeLiteral(position, literalTiming) != answer)
                ++disagreements;
        }
        signature += engineTiming.nodes;
        out << Format("%5.0f", depth)
            << Format("%11.0f", static_cast<double>(engineTiming.seconds.size())) << "  "
            << Milliseconds(engineTiming.Median()) << " " << Milliseconds(engineTiming.Max()) << " "
            << MegaNodes(engineTiming.NodesPerSecond());
        if (options->literal) {
            out << "  " << Milliseconds(literalTiming.Median()) << " "
                << Milliseconds(literalTiming.Max()) << " "
                << MegaNodes(literalTiming.NodesPerSecond())
                << Format("%9.0fx", literalTiming.Total() / engineTiming.Total());
        }
        out << "\n" << std::flush;
    }
    out << (options->depth ? "node count at this depth: " : "node signature: ") << signature
        << "\n";
    if (disagreements > 0) {
        err << "tavro-cli: bench: the engine and the literal search disagreed on " << disagreements
            << " positions\n";
        return kExitDisagreement;
    }
    return 0;
}

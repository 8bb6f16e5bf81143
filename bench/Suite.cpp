#include "bench/Suite.h"

#include "bench/SuiteText.h"
#include "cli/Position.h"
#include "engine/Search.h"

#include <algorithm>
#include <set>
#include <sstream>
#include <stdexcept>

std::vector<SuitePosition> ParseSuite(const std::string& text) {
    std::vector<SuitePosition> suite;
    std::istringstream lines(text);
    std::string line;
    for (int number = 1; std::getline(lines, line); ++number) {
        if (line.empty() || line[0] == '#')
            continue;
        std::istringstream fields(line);
        SuitePosition position{};
        std::string side;
        std::string board;
        fields >> position.depth >> position.stage >> side >> board;
        const ParsedPosition parsed = ParsePosition(board);
        const std::optional<int> turn = ParseSide(side);
        if (!fields || !parsed.position || !turn || position.depth < 1) {
            throw std::invalid_argument("suite line " + std::to_string(number) +
                                        ": expected DEPTH STAGE SIDE BOARD, got '" + line + "'" +
                                        (parsed.position ? "" : ": " + parsed.error));
        }
        std::copy(std::begin(parsed.position->cells), std::end(parsed.position->cells),
                  std::begin(position.cells));
        position.turn = *turn;
        position.moveCount = parsed.position->stones - 4;
        suite.push_back(position);
    }
    return suite;
}

const std::vector<SuitePosition>& BenchSuite() {
    static const std::vector<SuitePosition> suite = ParseSuite(kSuiteText);
    return suite;
}

std::vector<int> SuiteDepths() {
    std::set<int> depths;
    for (const SuitePosition& position : BenchSuite())
        depths.insert(position.depth);
    return {depths.begin(), depths.end()};
}

std::uint64_t SuiteNodeSignature() {
    engine::Searcher searcher;
    std::uint64_t nodes = 0;
    for (const SuitePosition& position : BenchSuite()) {
        searcher.BestMove(engine::PositionFromCells(position.cells, position.turn, position.turn,
                                                    position.moveCount),
                          position.depth);
        nodes += searcher.Nodes();
    }
    return nodes;
}

// Writes a bench suite to stdout: the engine plays itself at levels 2, 5
// and 8, each game opened by a few random moves, and from every game one
// position of the opening, the middle game and the late middle game is kept
// for its level's depth, and the position with 12 empty squares for depth
// 12, until each level has PER_STAGE distinct positions of each.
// Usage: tavro_make_suite [PER_STAGE [SEED]] > bench/suite.txt
#include "app/MainFrame.h"
#include "view/TavroView.h"

#include <cstdlib>
#include <iostream>
#include <map>
#include <random>
#include <set>
#include <string>
#include <vector>

namespace {

struct Kept {
    int depth;
    std::string stage;
    std::string line;
};

std::string Line(const CTavroView& view, int depth, const std::string& stage) {
    std::string board;
    for (int code = 0; code < 64; ++code) {
        const int cell = view.m_board[BoardIndex(code % 8, code / 8)];
        board += cell == BLACK ? 'X' : cell == WHITE ? 'O' : '-';
    }
    return std::to_string(depth) + " " + stage + " " + (view.m_turn == 0 ? "X" : "O") + " " + board;
}

bool CanMove(const CTavroView& view) {
    for (int col = 0; col < 8; ++col)
        for (int row = 0; row < 8; ++row)
            if (view.CanPlace(col, row))
                return true;
    return false;
}

// The stage a position with `placed` stones placed belongs to, if any.
const char* StageOf(int placed) {
    if (placed >= 6 && placed <= 12)
        return "opening";
    if (placed >= 20 && placed <= 30)
        return "middle";
    if (placed >= 36 && placed <= 46)
        return "late";
    return nullptr;
}

// One self-play game at `level`; appends the kept positions.
void PlayGame(int level, std::mt19937& rng, std::vector<Kept>& kept) {
    CMainFrame frame;
    CTavroView view;
    std::vector<std::pair<std::string, std::string>> candidates; // stage, line
    std::string end;
    const int randomMoves = 2 + static_cast<int>(rng() % 5);
    bool lastWasPass = false;
    for (int ply = 0;; ++ply) {
        if (!CanMove(view)) {
            if (lastWasPass)
                break;
            view.ToggleTurn();
            lastWasPass = true;
            continue;
        }
        lastWasPass = false;
        if (const char* stage = StageOf(view.m_moveCount))
            candidates.emplace_back(stage, Line(view, level, stage));
        if (view.m_moveCount == 48 && end.empty())
            end = Line(view, 12, "end");
        int code;
        if (ply < randomMoves) {
            std::vector<int> moves;
            for (int col = 0; col < 8; ++col)
                for (int row = 0; row < 8; ++row)
                    if (view.CanPlace(col, row))
                        moves.push_back(SquareCode(col, row));
            code = moves[rng() % moves.size()];
        } else {
            view.m_humanWhite = 1 - view.m_turn;
            view.m_rootDepth = view.m_moveCount < 48 ? level : 12;
            code = view.Search(1, view.m_rootDepth, 1, SCORE_MIN, SCORE_MAX);
        }
        view.PlaceStone(code % 8, code / 8);
    }
    for (const char* stage : {"opening", "middle", "late"}) {
        std::vector<std::string> lines;
        for (const auto& [candidateStage, line] : candidates)
            if (candidateStage == stage)
                lines.push_back(line);
        if (!lines.empty())
            kept.push_back({level, stage, lines[rng() % lines.size()]});
    }
    if (!end.empty())
        kept.push_back({12, "end", end});
}

} // namespace

int main(int argc, char** argv) {
    const int perStage = argc > 1 ? std::atoi(argv[1]) : 8;
    const unsigned seed = argc > 2 ? static_cast<unsigned>(std::atoi(argv[2])) : 1u;
    std::mt19937 rng(seed);
    std::vector<Kept> kept;
    std::set<std::string> seen;
    for (const int level : {2, 5, 8}) {
        std::map<std::string, int> counts;
        for (int game = 0; game < 100 * perStage; ++game) {
            std::vector<Kept> found;
            PlayGame(level, rng, found);
            for (const Kept& k : found) {
                if (counts[k.stage] < perStage &&
                    seen.insert(k.line.substr(k.line.find(' '))).second) {
                    ++counts[k.stage];
                    kept.push_back(k);
                }
            }
            if (counts["opening"] == perStage && counts["middle"] == perStage &&
                counts["late"] == perStage && counts["end"] == perStage)
                break;
        }
    }
    std::cout << "# Tavro bench suite: DEPTH STAGE SIDE BOARD; the side to move is the\n"
                 "# computer; BOARD lists A1 B1 ... H8 row by row (X black, O white).\n"
                 "# Made by tavro_make_suite "
              << perStage << " " << seed << " from the engine's self-play.\n";
    for (const int depth : {2, 5, 8, 12})
        for (const char* stage : {"opening", "middle", "late", "end"})
            for (const Kept& k : kept)
                if (k.depth == depth && k.stage == stage)
                    std::cout << k.line << "\n";
    return 0;
}

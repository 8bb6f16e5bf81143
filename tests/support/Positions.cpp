#include "tests/support/Positions.h"

#include "cli/Position.h"

#include <algorithm>
#include <stdexcept>
#include <string>

void LoadPosition(CTavroView& view, std::string_view text, int turn) {
    const ParsedPosition parsed = ParsePosition(text);
    if (!parsed.position)
        throw std::invalid_argument(parsed.error);
    std::copy(std::begin(parsed.position->cells), std::end(parsed.position->cells),
              std::begin(view.m_board));
    view.m_turn = turn;
    view.m_moveCount = std::max(0, parsed.position->stones - 4);
}

std::string Rows(std::string_view leading) {
    std::string text(leading);
    if (text.size() < 64)
        text.resize(64, '-');
    return text;
}

int LegalMoves(const CTavroView& view, int (&codes)[64]) {
    int count = 0;
    for (int col = 0; col < 8; ++col)
        for (int row = 0; row < 8; ++row)
            if (view.CanPlace(col, row))
                codes[count++] = SquareCode(col, row);
    return count;
}

int PlayRandomly(CTavroView& view, std::mt19937& rng, int plies) {
    int played = 0;
    bool lastWasPass = false;
    while (played < plies) {
        int codes[64];
        const int count = LegalMoves(view, codes);
        if (count == 0) {
            if (lastWasPass) {
                view.ToggleTurn(); // undo the first pass: neither side can move
                return played - 1;
            }
            view.ToggleTurn();
            lastWasPass = true;
        } else {
            const int code = codes[std::uniform_int_distribution<int>(0, count - 1)(rng)];
            view.PlaceStone(code % 8, code / 8);
            lastWasPass = false;
        }
        ++played;
    }
    return played;
}

BoardSnapshot Snapshot(const CTavroView& view) {
    BoardSnapshot snapshot{};
    std::copy(std::begin(view.m_board), std::end(view.m_board), std::begin(snapshot.board));
    snapshot.turn = view.m_turn;
    return snapshot;
}

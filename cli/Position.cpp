#include "cli/Position.h"

#include <string>

namespace {

std::optional<Stone> CellFromChar(char c) {
    switch (c) {
    case 'X':
    case '*':
        return BLACK;
    case 'O':
        return WHITE;
    case '-':
    case '.':
        return EMPTY;
    default:
        return std::nullopt;
    }
}

const char* const kAccepted = "expected 64 characters A1 B1 ... H1, A2 ... H8 (row by row), each "
                              "X or * for black, O for white, - or . for empty";

} // namespace

ParsedPosition ParsePosition(std::string_view text) {
    if (text.size() != 64)
        return {std::nullopt,
                "board has " + std::to_string(text.size()) + " characters; " + kAccepted};
    PositionText position{};
    for (int code = 0; code < 64; ++code) {
        const int col = code % 8;
        const int row = code / 8;
        const std::optional<Stone> cell = CellFromChar(text[code]);
        if (!cell) {
            return {std::nullopt, "board character " + std::to_string(code + 1) + " ('" +
                                      std::string(1, text[code]) + "', square " +
                                      SquareName(col, row) + ") is not allowed; " + kAccepted};
        }
        position.cells[BoardIndex(col, row)] = *cell;
        position.stones += *cell != EMPTY ? 1 : 0;
    }
    return {position, {}};
}

std::optional<int> ParseSide(std::string_view text) {
    if (text == "X")
        return 0;
    if (text == "O")
        return 1;
    return std::nullopt;
}

std::string SquareName(int col, int row) {
    return std::string{static_cast<char>('A' + col), static_cast<char>('1' + row)};
}

// The rules of reversi as the game applies them: legal squares, flipping,
// taking a move back, counting. Flat loops over the one board, no allocation.
#include "view/TavroView.h"

int CTavroView::InBounds(int col, int row) const {
    return col >= 0 && col <= 7 && row >= 0 && row <= 7;
}

// True when a mover's stone on (col,row) would close a run of opposing stones
// in direction (dcol,drow). The cell (col,row) itself is not looked at.
int CTavroView::CanFlipLine(int col, int row, int dcol, int drow) const {
    const Stone mover = Mover();
    int c = col + dcol;
    int r = row + drow;
    if (!InBounds(c, r))
        return 0;
    const Stone first = m_board[BoardIndex(c, r)];
    if (first == EMPTY || first == mover)
        return 0;
    c += dcol;
    r += drow;
    while (InBounds(c, r)) {
        const Stone cell = m_board[BoardIndex(c, r)];
        if (cell == EMPTY)
            return 0;
        if (cell == mover)
            return 1;
        c += dcol;
        r += drow;
    }
    return 0;
}

int CTavroView::CanPlace(int col, int row) const {
    if (!InBounds(col, row))
        return 0;
    if (m_board[BoardIndex(col, row)] != EMPTY)
        return 0;
    for (const Direction& d : g_directions) {
        if (CanFlipLine(col, row, d.dcol, d.drow))
            return 1;
    }
    return 0;
}

void CTavroView::InitFlipRecord(FlipRecord& record, int col, int row) const {
    record.col = col;
    record.row = row;
    record.count = 0;
    for (std::int32_t& entry : record.flipped)
        entry = -1;
}

// Turns every run the mover closes from the record's square, direction by
// direction in the fixed order; runs before the placed stone is set.
void CTavroView::FlipAll(FlipRecord& record) {
    for (const Direction& d : g_directions) {
        if (CanFlipLine(record.col, record.row, d.dcol, d.drow))
            FlipLine(record, d.dcol, d.drow);
    }
}

// Only called once CanFlipLine has found the mover's stone closing the run,
// so the walk stops on the board and within the record's capacity.
void CTavroView::FlipLine(FlipRecord& record, int dcol, int drow) {
    const Stone mover = Mover();
    int c = record.col + dcol;
    int r = record.row + drow;
    while (m_board[BoardIndex(c, r)] != mover) {
        m_board[BoardIndex(c, r)] = mover;
        record.flipped[record.count] = SquareCode(c, r);
        ++record.count;
        c += dcol;
        r += drow;
    }
    record.flipped[record.count] = -1;
}

// Takes back the move the record was made by, with the board as it left it.
void CTavroView::UndoMove(FlipRecord record) {
    for (int i = 0; i < 30 && record.flipped[i] != -1; ++i) {
        const int code = record.flipped[i];
        m_board[BoardIndex(code % 8, code / 8)] *= -1;
    }
    m_board[BoardIndex(record.col, record.row)] = EMPTY;
    ToggleTurn();
}

int CTavroView::CountStones(Stone colour) const {
    int count = 0;
    for (const Stone cell : m_board)
        count += cell == colour ? 1 : 0;
    return count;
}

void CTavroView::MakeMove(FlipRecord& record, int col, int row) {
    InitFlipRecord(record, col, row);
    FlipAll(record);
    m_board[BoardIndex(col, row)] = Mover();
    ToggleTurn();
}

int CTavroView::PlaceStone(int col, int row) {
    if (!CanPlace(col, row))
        return 0;
    FlipRecord record;
    MakeMove(record, col, row);
    ++m_moveCount;
    return 1;
}

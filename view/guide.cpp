// The line guide: what lies from the cursor towards the edge in one of the
// eight directions, spoken square by square without moving the cursor.
#include "view/TavroView.h"

#include "app/MainFrame.h"

namespace {

// A line entry with no square to speak.
constexpr std::int32_t NO_CELL = 9;

// Drops the empty squares beyond the farthest stone; a line without stones
// keeps nothing.
void TrimEmptyTail(std::int32_t (&line)[8]) {
    for (int k = 7; k >= 0; --k) {
        if (line[k] == NO_CELL)
            continue;
        if (line[k] != EMPTY)
            return;
        line[k] = NO_CELL;
    }
}

} // namespace

void CTavroView::SpeakLine(int dcol, int drow) {
    if (!m_playing)
        return;
    const int col = m_cursorCol;
    const int row = m_cursorRow;
    if (!InBounds(col + dcol, row + drow)) {
        PlayErrorClip();
        return;
    }
    m_inputReady = 0;
    BeginWaitCursor();

    std::int32_t line[8];
    for (std::int32_t& entry : line)
        entry = NO_CELL;
    for (int k = 0; k < 8 && InBounds(col + k * dcol, row + k * drow); ++k)
        line[k] = m_board[BoardIndex(col + k * dcol, row + k * drow)];
    if (!m_guideToEdge)
        TrimEmptyTail(line);

    // The cursor's own square, entry 0, is never spoken.
    for (int k = 1; k < 8 && line[k] != NO_CELL; ++k) {
        const int count = line[k] != EMPTY ? m_coordClips : 2;
        SpeakSquare(count, line[k], col + k * dcol, row + k * drow);
    }

    EndWaitCursor();
    m_inputReady = 1;
}

void CTavroView::OnGuideToEdge() {
    if (!m_playing)
        return;
    m_guideToEdge = m_guideToEdge == 0 ? 1 : 0;
    SetFrameFlag(&CMainFrame::m_toEdgeChecked, m_guideToEdge);
}

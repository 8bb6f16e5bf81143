// The keyboard and the mouse on the board: cursor keys that move the cursor
// and speak the square reached, Enter and clicks that place a stone, and
// Escape that quits.
#include "view/TavroView.h"

#include "framework/App.h"
#include "framework/VirtualKeys.h"

namespace {

constexpr int kPitch = 50; // pixels from one square to the next
constexpr char kQuitQuestion[] = "ゲーム中ですが終了しますか？";

// What a cursor key does: set the column and/or the row (kKeep leaves it),
// or step by (dcol, drow) when the square reached is on the board.
constexpr int kKeep = -1;
struct CursorKey {
    UINT key;
    int col;
    int row;
    int dcol;
    int drow;
};

constexpr CursorKey kCursorKeys[] = {
    // Page Up, Page Down, End, Home: the first or last row or column.
    {VK_PRIOR, kKeep, 0, 0, 0},
    {VK_NEXT, kKeep, 7, 0, 0},
    {VK_END, 7, kKeep, 0, 0},
    {VK_HOME, 0, kKeep, 0, 0},
    // The arrows: one square.
    {VK_LEFT, kKeep, kKeep, -1, 0},
    {VK_UP, kKeep, kKeep, 0, -1},
    {VK_RIGHT, kKeep, kKeep, 1, 0},
    {VK_DOWN, kKeep, kKeep, 0, 1},
    // The top-row digits: rows 1..8.
    {'1', kKeep, 0, 0, 0},
    {'2', kKeep, 1, 0, 0},
    {'3', kKeep, 2, 0, 0},
    {'4', kKeep, 3, 0, 0},
    {'5', kKeep, 4, 0, 0},
    {'6', kKeep, 5, 0, 0},
    {'7', kKeep, 6, 0, 0},
    {'8', kKeep, 7, 0, 0},
    // The letters: columns A..H.
    {'A', 0, kKeep, 0, 0},
    {'B', 1, kKeep, 0, 0},
    {'C', 2, kKeep, 0, 0},
    {'D', 3, kKeep, 0, 0},
    {'E', 4, kKeep, 0, 0},
    {'F', 5, kKeep, 0, 0},
    {'G', 6, kKeep, 0, 0},
    {'H', 7, kKeep, 0, 0},
    // F5..F8: one square diagonally, up-left, down-left, down-right, up-right.
    {VK_F5, kKeep, kKeep, -1, -1},
    {VK_F6, kKeep, kKeep, -1, 1},
    {VK_F7, kKeep, kKeep, 1, 1},
    {VK_F8, kKeep, kKeep, 1, -1},
};

const CursorKey* FindCursorKey(UINT key) {
    for (const CursorKey& entry : kCursorKeys) {
        if (entry.key == key)
            return &entry;
    }
    return nullptr;
}

// The square a click coordinate falls on; negative coordinates lie off the
// board rather than on its first square.
int SquareAt(int pixel) {
    return pixel >= 0 ? pixel / kPitch : -1;
}

} // namespace

void CTavroView::OnKeyDown(UINT nChar, UINT, UINT) {
    if (nChar == VK_ESCAPE) {
        OnEscape();
        return;
    }
    if (!m_playing || !m_inputReady)
        return;
    m_inputReady = 0;
    BeginWaitCursor();
    ActOnKey(nChar);
    if (m_playing)
        m_inputReady = 1;
    EndWaitCursor();
    Default();
}

// Escape quits; during a game only after the player has said yes.
void CTavroView::OnEscape() {
    if (m_playing) {
        MessageBeep(0);
        if (AfxMessageBox(kQuitQuestion, MB_YESNO) != IDYES)
            return;
    }
    if (CWnd* mainWindow = AfxGetMainWnd())
        mainWindow->PostMessage(WM_CLOSE, 0, 0);
}

void CTavroView::ActOnKey(UINT key) {
    if (key == VK_RETURN) {
        PlaceAndAnnounce(m_cursorCol, m_cursorRow);
        return;
    }
    if (key == VK_SPACE) {
        AnnounceCursorSquare();
        return;
    }
    const CursorKey* cursorKey = FindCursorKey(key);
    if (cursorKey == nullptr)
        return;
    if (cursorKey->col != kKeep)
        m_cursorCol = cursorKey->col;
    if (cursorKey->row != kKeep)
        m_cursorRow = cursorKey->row;
    const int col = m_cursorCol + cursorKey->dcol;
    const int row = m_cursorRow + cursorKey->drow;
    if (InBounds(col, row)) {
        m_cursorCol = col;
        m_cursorRow = row;
    }
    Redraw();
    AnnounceCursorSquare();
}

// The human's move on (col, row) with the computer's reply, then the square
// under the cursor; a refused square gets the error clip alone.
void CTavroView::PlaceAndAnnounce(int col, int row) {
    if (!PlayHumanMove(col, row)) {
        PlayErrorClip();
        return;
    }
    if (m_playing)
        AnnounceCursorSquare();
}

void CTavroView::OnLButtonDown(UINT, CPoint point) {
    if (!m_playing || !m_inputReady)
        return;
    m_inputReady = 0;
    BeginWaitCursor();
    PlaceAndAnnounce(SquareAt(point.x), SquareAt(point.y));
    EndWaitCursor();
    if (m_playing)
        m_inputReady = 1;
    Default();
}

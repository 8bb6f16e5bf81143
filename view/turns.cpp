// The order of play: starting a game as black or as white, the human's
// placement and the computer's reply with its passes, and the end of the
// game with its result.
#include "view/TavroView.h"

#include "app/MainFrame.h"

namespace {

constexpr int kFullBoard = 60;    // stones placed when no square is left
constexpr int kEndgameMoves = 48; // from here the computer searches to the end
constexpr int kEndgameDepth = 12;
constexpr int kDrawStones = 32; // the human's stones on the full board for a draw

constexpr char kWinText[] = "あなたの勝ちです！おめでとうございます！";
constexpr char kLossText[] = "あなたの負けです！残念でした！";
constexpr char kDrawText[] = "ひきわけです！";

} // namespace

void CTavroView::Redraw() {
    CDC* dc = GetDC();
    DrawBoard(dc);
    ReleaseDC(dc);
}

// Both new-game commands start this way, in every state and without asking:
// a game in progress is dropped.
void CTavroView::StartGame(int humanWhite) {
    m_playing = 1;
    m_humanWhite = humanWhite;
    SetFrameFlag(&CMainFrame::m_gameActive, 1);
    SetInitialPosition();
    m_cursorCol = 3;
    m_cursorRow = 3;
    m_turn = 0;
    m_moveCount = 0;
    Redraw();
}

void CTavroView::OnGameBlackFirst() {
    StartGame(0);
    AnnounceCursorSquare();
    m_inputReady = 1;
}

void CTavroView::OnGameWhiteSecond() {
    StartGame(1);
    ComputerMove();
    AnnounceCursorSquare();
    m_inputReady = 1;
}

void CTavroView::OnSettingsCursorFollow() {
    m_cursorFollow = m_cursorFollow == 0 ? 1 : 0;
    SetFrameFlag(&CMainFrame::m_followChecked, m_cursorFollow);
}

bool CTavroView::PlayHumanMove(int col, int row) {
    if (!PlaceStone(col, row))
        return false;
    m_cursorCol = col;
    m_cursorRow = row;
    Redraw();
    CheckGameOver();
    if (m_playing)
        ComputerMove();
    if (m_playing)
        CheckGameOver();
    return true;
}

// The computer moves, and moves again for as long as the human has no
// reply. Each round places a stone, so the rounds end by the full board at
// the latest. A computer without a move passes silently.
void CTavroView::ComputerMove() {
    for (;;) {
        m_rootDepth = m_moveCount < kEndgameMoves ? m_level : kEndgameDepth;
        const int answer = Search(1, m_rootDepth, 1, SCORE_MIN, SCORE_MAX);
        if (answer < 0 || answer > 63) {
            ToggleTurn();
            return;
        }
        const int col = answer % 8;
        const int row = answer / 8;
        FlipRecord record;
        MakeMove(record, col, row);
        if (m_cursorFollow) {
            m_cursorCol = col;
            m_cursorRow = row;
        }
        ++m_moveCount;
        Redraw();
        if (m_moveCount == kFullBoard || SideToMoveCanPlace())
            return;
        ToggleTurn(); // the human has to pass, without being told
    }
}

bool CTavroView::SideToMoveCanPlace() const {
    for (int col = 0; col < 8; ++col) {
        for (int row = 0; row < 8; ++row) {
            if (CanPlace(col, row))
                return true;
        }
    }
    return false;
}

void CTavroView::CheckGameOver() {
    if (m_moveCount != kFullBoard)
        return;
    const int humanStones = CountStones(m_humanWhite ? WHITE : BLACK);
    const char* result = humanStones > kDrawStones   ? kWinText
                         : humanStones < kDrawStones ? kLossText
                                                     : kDrawText;
    MessageBox(result);
    m_playing = 0;
    m_inputReady = 0;
    SetFrameFlag(&CMainFrame::m_gameActive, 0);
}

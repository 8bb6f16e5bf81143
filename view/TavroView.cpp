// The board view's construction: the initial game state and the frame's
// menu mirrors that follow from it.
#include "view/TavroView.h"

#include "app/MainFrame.h"

CTavroView::CTavroView()
    : m_board{}, m_cursorCol(3), m_cursorRow(3), m_volume(2), m_coordClips(2), m_moveCount(0),
      m_level(5), m_rootDepth(0), m_turn(0), m_humanWhite(0), m_playing(0), m_inputReady(0),
      m_cursorFollow(1), m_guideToEdge(0) {
    SetInitialPosition();
    if (g_mainFrame != nullptr) {
        g_mainFrame->m_volumeUpEnabled = 1;
        g_mainFrame->m_volumeDownEnabled = 1;
        g_mainFrame->m_gameActive = 0;
        g_mainFrame->m_toEdgeChecked = m_guideToEdge;
        g_mainFrame->m_followChecked = m_cursorFollow;
        g_mainFrame->m_stoneOnlyChecked = m_coordClips == 0 ? 1 : 0;
    }
}

void CTavroView::SetInitialPosition() {
    for (Stone& cell : m_board)
        cell = EMPTY;
    m_board[BoardIndex(4, 4)] = WHITE;
    m_board[BoardIndex(3, 3)] = WHITE;
    m_board[BoardIndex(4, 3)] = BLACK;
    m_board[BoardIndex(3, 4)] = BLACK;
}

void CTavroView::SetFrameFlag(std::int32_t CMainFrame::*flag, std::int32_t value) {
    if (g_mainFrame != nullptr)
        g_mainFrame->*flag = value;
}

#pragma once

#include "framework/FrameWnd.h"

#include <cstdint>

// The main frame. It holds the six mirror flags that decide how the menu
// items are enabled and checked; the board view writes them whenever the
// state they mirror changes, and the frame applies them to the menu bar when
// a menu is selected. Each flag holds 0 or 1.
class CMainFrame : public CFrameWnd {
public:
    CMainFrame();
    ~CMainFrame() override;

    std::int32_t m_gameActive = 0;        // a game is in progress
    std::int32_t m_followChecked = 0;     // cursor-follow is on
    std::int32_t m_stoneOnlyChecked = 0;  // squares are spoken by stone only
    std::int32_t m_volumeUpEnabled = 0;   // the voice can get louder
    std::int32_t m_volumeDownEnabled = 0; // the voice can get quieter
    std::int32_t m_toEdgeChecked = 0;     // the line guide speaks up to the edge
};

// The one main frame, set by its constructor before the board view is made.
extern CMainFrame* g_mainFrame;

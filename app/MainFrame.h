#pragma once

#include "framework/FrameWnd.h"

#include <cstdint>

// The main frame: a window of fixed size, centred on the desktop, with the
// menu bar and the accelerators. It holds the six mirror flags that decide
// how the menu items are enabled and checked; the board view writes them
// whenever the state they mirror changes, and the frame applies them to the
// menu bar when a menu is selected. Each flag holds 0 or 1.
class CMainFrame : public CFrameWnd {
public:
    // Makes itself the frame that g_mainFrame names, and switches automatic
    // menu enabling off: the menu states are the mirrors' alone.
    CMainFrame();
    ~CMainFrame() override;

    // A window with a caption, the window menu and a minimise box, that can
    // be neither maximised nor resized, whose client area is 400 x 400
    // pixels under a one-line menu bar, centred in the work area.
    bool PreCreateWindow(CREATESTRUCT& cs) override;

    // Passed on unchanged: it touches no menu state.
    void OnInitMenu(CMenu* menu) override;
    // Applies the mirrors to the menu bar for the item highlighted: 0 the
    // Game pop-up, 1 the Voice pop-up, 2 the Settings pop-up, anything else
    // nothing. Only the item value counts; the flags and the menu do not.
    void OnMenuSelect(UINT itemId, UINT flags, CMenu* menu) override;

    std::int32_t m_gameActive = 0;        // a game is in progress
    std::int32_t m_followChecked = 0;     // cursor-follow is on
    std::int32_t m_stoneOnlyChecked = 0;  // squares are spoken by stone only
    std::int32_t m_volumeUpEnabled = 0;   // the voice can get louder
    std::int32_t m_volumeDownEnabled = 0; // the voice can get quieter
    std::int32_t m_toEdgeChecked = 0;     // the line guide speaks up to the edge

private:
    void RefreshGameMenu(CMenu& bar);
    void RefreshVoiceMenu(CMenu& bar);
    void RefreshSettingsMenu(CMenu& bar);
};

// The one main frame, set by its constructor before the board view is made.
extern CMainFrame* g_mainFrame;

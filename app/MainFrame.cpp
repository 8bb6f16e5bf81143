#include "app/MainFrame.h"

#include "framework/App.h"
#include "framework/WindowPlacement.h"
#include "res/CommandIds.h"

CMainFrame* g_mainFrame = nullptr;

namespace {

// The client area holds the board: eight squares of 50 pixels each way.
constexpr int kClientSize = 400;

// The positions of the menu bar's pop-ups, and of the entries inside them
// that open nested pop-ups.
constexpr UINT kGameMenu = 0;
constexpr UINT kVoiceMenu = 1;
constexpr UINT kSettingsMenu = 2;
constexpr UINT kVolumeEntry = 0;
constexpr UINT kLineGuideEntry = 1;
constexpr UINT kLevelEntry = 0;

UINT EnabledIf(std::int32_t flag) {
    return flag == 1 ? MF_ENABLED : MF_GRAYED;
}

UINT CheckedIf(std::int32_t flag) {
    return flag == 1 ? MF_CHECKED : MF_UNCHECKED;
}

} // namespace

CMainFrame::CMainFrame() {
    g_mainFrame = this;
    m_bAutoMenuEnable = false;
}

CMainFrame::~CMainFrame() {
    if (g_mainFrame == this)
        g_mainFrame = nullptr;
}

bool CMainFrame::PreCreateWindow(CREATESTRUCT& cs) {
    if (!CFrameWnd::PreCreateWindow(cs))
        return false;
    cs.dwExStyle &= ~WS_EX_CLIENTEDGE;
    cs.style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | FWS_ADDTOTITLE;

    // Without a work area to go by, the window is centred on an empty one
    // at the origin, which leaves the window system's own place for it.
    CRect work;
    const bool knowWorkArea = GetWorkArea(work);
    CRect rect{0, 0, kClientSize, kClientSize};
    AdjustWindowRectEx(rect, cs.style, true, cs.dwExStyle);
    cs.cx = rect.Width();
    cs.cy = rect.Height();
    if (knowWorkArea) {
        const CPoint origin = CenterInWorkArea(work, cs.cx, cs.cy);
        cs.x = origin.x;
        cs.y = origin.y;
    }
    return true;
}

void CMainFrame::OnInitMenu(CMenu* menu) {
    CFrameWnd::OnInitMenu(menu);
}

void CMainFrame::OnMenuSelect(UINT itemId, UINT, CMenu*) {
    CWnd* mainWindow = AfxGetMainWnd();
    CMenu* bar = mainWindow != nullptr ? mainWindow->GetMenu() : nullptr;
    if (bar == nullptr)
        return;
    switch (itemId) {
    case kGameMenu:
        RefreshGameMenu(*bar);
        break;
    case kVoiceMenu:
        RefreshVoiceMenu(*bar);
        break;
    case kSettingsMenu:
        RefreshSettingsMenu(*bar);
        break;
    default:
        return; // the Help pop-up and every command item: nothing, no redraw
    }
    mainWindow->DrawMenuBar();
}

void CMainFrame::RefreshGameMenu(CMenu& bar) {
    CMenu* game = bar.GetSubMenu(kGameMenu);
    if (game == nullptr)
        return;
    const UINT startItems = m_gameActive == 1 ? MF_GRAYED : MF_ENABLED;
    game->EnableMenuItem(ID_GAME_BLACK_FIRST, MF_BYCOMMAND | startItems);
    game->EnableMenuItem(ID_GAME_WHITE_SECOND, MF_BYCOMMAND | startItems);
}

// Outside a game the Volume and Line-guide pop-ups are grayed, while their
// items keep their states (so their accelerators still send the commands,
// which refuse outside a game). The stone-only item is never grayed.
void CMainFrame::RefreshVoiceMenu(CMenu& bar) {
    CMenu* voice = bar.GetSubMenu(kVoiceMenu);
    if (voice == nullptr)
        return;
    if (m_gameActive == 0) {
        voice->EnableMenuItem(kVolumeEntry, MF_BYPOSITION | MF_GRAYED);
        voice->EnableMenuItem(kLineGuideEntry, MF_BYPOSITION | MF_GRAYED);
    } else {
        voice->EnableMenuItem(kVolumeEntry, MF_BYPOSITION | MF_ENABLED);
        voice->EnableMenuItem(kLineGuideEntry, MF_BYPOSITION | MF_ENABLED);
        voice->EnableMenuItem(ID_VOICE_VOLUME_UP, MF_BYCOMMAND | EnabledIf(m_volumeUpEnabled));
        voice->EnableMenuItem(ID_VOICE_VOLUME_DOWN, MF_BYCOMMAND | EnabledIf(m_volumeDownEnabled));
    }
    voice->CheckMenuItem(ID_GUIDE_TO_EDGE, MF_BYCOMMAND | CheckedIf(m_toEdgeChecked));
    voice->CheckMenuItem(ID_VOICE_STONE_ONLY, MF_BYCOMMAND | CheckedIf(m_stoneOnlyChecked));
}

// The level can be changed only between games.
void CMainFrame::RefreshSettingsMenu(CMenu& bar) {
    CMenu* settings = bar.GetSubMenu(kSettingsMenu);
    if (settings == nullptr)
        return;
    const UINT level = m_gameActive == 1 ? MF_GRAYED : MF_ENABLED;
    settings->EnableMenuItem(kLevelEntry, MF_BYPOSITION | level);
    settings->CheckMenuItem(ID_SETTINGS_CURSOR_FOLLOW, MF_BYCOMMAND | CheckedIf(m_followChecked));
}

#include "framework/FrameWnd.h"

#include "framework/App.h"
#include "framework/Document.h"
#include "framework/Resources.h"
#include "framework/WindowSystem.h"

UINT MatchAccelerator(std::span<const ACCEL> table, UINT key, KeyModifiers held) {
    constexpr std::uint8_t modifierFlags = FSHIFT | FCONTROL | FALT;
    for (const ACCEL& entry : table) {
        if (entry.key == key && (entry.fVirt & modifierFlags) == (held & modifierFlags))
            return entry.cmd;
    }
    return 0;
}

bool CFrameWnd::LoadFrame(int resourceId) {
    if (const auto menu = FindMenuResource(resourceId))
        m_menu = CMenu::Load(*menu);
    if (const auto accelerators = FindAcceleratorResource(resourceId))
        m_accelerators = *accelerators;
    m_iconId = FindIconResource(resourceId) != nullptr ? resourceId : 0;
    const std::string_view strings = LoadStringResource(resourceId);
    m_baseTitle = strings.substr(0, strings.find('\n'));

    CREATESTRUCT cs;
    if (!PreCreateWindow(cs))
        return false;
    m_style = cs.style;
    if (!CurrentWindowSystem().CreateFrame(*this, cs))
        return false;
    SetWindowText(m_baseTitle);
    return true;
}

bool CFrameWnd::PreCreateWindow(CREATESTRUCT& cs) {
    cs.style = WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE;
    cs.dwExStyle = WS_EX_CLIENTEDGE;
    return true;
}

void CFrameWnd::DestroyWindow() {
    CurrentWindowSystem().DestroyFrame(*this);
}

void CFrameWnd::OnUpdateFrameTitle(const CDocument* document) {
    if ((m_style & FWS_ADDTOTITLE) == 0 || document == nullptr) {
        SetWindowText(m_baseTitle);
        return;
    }
    const std::string& name = document->GetTitle();
    SetWindowText((m_style & FWS_PREFIXTITLE) != 0 ? name + " - " + m_baseTitle
                                                   : m_baseTitle + " - " + name);
}

bool CFrameWnd::TranslateAccelerator(UINT key, KeyModifiers held) {
    const UINT command = MatchAccelerator(m_accelerators, key, held);
    if (command == 0)
        return false;
    if (m_menu != nullptr && m_menu->GetMenuState(command, MF_BYCOMMAND) != kNoMenuItem) {
        OnInitMenu(m_menu.get());
        // Only the item's own state counts, not that of the pop-up holding it.
        if (IsMenuStateUnavailable(m_menu->GetMenuState(command, MF_BYCOMMAND)))
            return true;
    }
    OnCmdMsg(command);
    return true;
}

bool CFrameWnd::OnCmdMsg(UINT id) {
    if (m_activeView != nullptr && m_activeView->OnCmdMsg(id))
        return true;
    CWinApp* app = AfxGetApp();
    return app != nullptr && app->OnCmdMsg(id);
}

bool CFrameWnd::HasCommandHandler(UINT id) const {
    if (m_activeView != nullptr && m_activeView->HasCommandHandler(id))
        return true;
    const CWinApp* app = AfxGetApp();
    return app != nullptr && app->HasCommandHandler(id);
}

void CFrameWnd::OnInitMenu(CMenu*) {}

void CFrameWnd::OnInitMenuPopup(CMenu* popup, UINT, bool sysMenu) {
    if (!m_bAutoMenuEnable || sysMenu || popup == nullptr)
        return;
    for (int position = 0; position < popup->GetMenuItemCount(); ++position) {
        const UINT id = popup->GetMenuItemID(position);
        if (id == 0 || id == kNoMenuItem)
            continue; // separators and nested pop-ups
        popup->EnableMenuItem(static_cast<UINT>(position),
                              MF_BYPOSITION | (HasCommandHandler(id) ? MF_ENABLED : MF_GRAYED));
    }
}

void CFrameWnd::OnMenuSelect(UINT, UINT, CMenu*) {}

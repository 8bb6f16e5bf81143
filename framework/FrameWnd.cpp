#include "framework/FrameWnd.h"

#include "framework/App.h"
#include "framework/WindowSystem.h"

UINT MatchAccelerator(std::span<const ACCEL> table, UINT key, KeyModifiers held) {
    constexpr std::uint8_t modifierFlags = FSHIFT | FCONTROL | FALT;
    for (const ACCEL& entry : table) {
        if (entry.key == key && (entry.fVirt & modifierFlags) == (held & modifierFlags))
            return entry.cmd;
    }
    return 0;
}

bool CFrameWnd::Create() {
    return CurrentWindowSystem().CreateFrame(*this);
}

bool CFrameWnd::TranslateAccelerator(UINT key, KeyModifiers held) {
    const UINT command = MatchAccelerator(m_accelerators, key, held);
    if (command == 0)
        return false;
    OnCmdMsg(command);
    return true;
}

bool CFrameWnd::OnCmdMsg(UINT id) {
    if (m_activeView != nullptr && m_activeView->OnCmdMsg(id))
        return true;
    CWinApp* app = AfxGetApp();
    return app != nullptr && app->OnCmdMsg(id);
}

#include "framework/Wnd.h"

#include "framework/App.h"
#include "framework/WindowSystem.h"

#include <algorithm>

namespace {
int g_waitCursorCount = 0;
}

bool CCmdTarget::OnCmdMsg(UINT) {
    return false;
}

bool CCmdTarget::HasCommandHandler(UINT) const {
    return false;
}

void CCmdTarget::BeginWaitCursor() {
    if (g_waitCursorCount++ == 0)
        CurrentWindowSystem().ShowWaitCursor(true);
}

void CCmdTarget::EndWaitCursor() {
    if (g_waitCursorCount == 0)
        return;
    if (--g_waitCursorCount == 0)
        CurrentWindowSystem().ShowWaitCursor(false);
}

CDC* CWnd::GetDC() {
    m_dcs.push_back(CurrentWindowSystem().GetDC(*this));
    return m_dcs.back().get();
}

int CWnd::ReleaseDC(CDC* dc) {
    const auto held =
        std::find_if(m_dcs.begin(), m_dcs.end(),
                     [dc](const std::unique_ptr<CDC>& own) { return own.get() == dc; });
    if (held == m_dcs.end())
        return 0;
    std::unique_ptr<CDC> released = std::move(*held);
    m_dcs.erase(held);
    CurrentWindowSystem().ReleaseDC(*this, std::move(released));
    return 1;
}

int CWnd::MessageBox(std::string_view text, const char* caption, UINT type) {
    const std::string_view shownCaption = caption != nullptr ? caption : AfxGetAppName();
    return CurrentWindowSystem().MessageBox(this, text, shownCaption, type);
}

bool CWnd::PostMessage(UINT message, std::uintptr_t, std::intptr_t) {
    if (message != WM_CLOSE)
        return false;
    CurrentWindowSystem().PostClose(*this);
    return true;
}

void CWnd::ShowWindow() {
    CurrentWindowSystem().ShowWindow(*this);
}

void CWnd::SetWindowText(std::string_view text) {
    m_text = text;
    CurrentWindowSystem().SetWindowText(*this, text);
}

void CWnd::DrawMenuBar() {
    CurrentWindowSystem().DrawMenuBar(*this);
}

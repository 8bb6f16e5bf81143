#pragma once

#include "framework/Gdi.h"
#include "framework/MessageBox.h"
#include "framework/Types.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class CMenu;

// The close request that PostMessage carries; the only message posted.
inline constexpr UINT WM_CLOSE = 0x0010;

// Base of everything that receives commands: views, frames, the application.
class CCmdTarget {
public:
    CCmdTarget() = default;
    CCmdTarget(const CCmdTarget&) = delete;
    CCmdTarget& operator=(const CCmdTarget&) = delete;
    virtual ~CCmdTarget() = default;

    // Runs the handler of command `id` if this target has one; returns true
    // when it did.
    virtual bool OnCmdMsg(UINT id);
    // True when OnCmdMsg would find a handler for `id`; nothing runs.
    virtual bool HasCommandHandler(UINT id) const;

    // Show the wait cursor from Begin to the matching End. Calls nest: the
    // cursor goes back when every Begin has had its End.
    void BeginWaitCursor();
    void EndWaitCursor();
};

// A window: something the window system shows, draws and sends input to.
class CWnd : public CCmdTarget {
public:
    // A device context drawing straight onto the client area; give it back
    // with ReleaseDC, which puts the drawing on the screen.
    CDC* GetDC();
    int ReleaseDC(CDC* dc);

    // A message box owned by this window; with no caption the application's
    // name is used. No icon is added.
    int MessageBox(std::string_view text, const char* caption = nullptr, UINT type = MB_OK);

    // Posts WM_CLOSE: the window closes after the running handler returns.
    // Other messages are not posted and return false.
    bool PostMessage(UINT message, std::uintptr_t wParam = 0, std::intptr_t lParam = 0);

    // Shows the window once it has been made.
    void ShowWindow();

    void SetWindowText(std::string_view text);
    const std::string& GetWindowText() const { return m_text; }

    // The window's menu bar, or nullptr when it has none.
    virtual CMenu* GetMenu() const { return nullptr; }
    // Shows the menu bar as the menu now holds it.
    void DrawMenuBar();

    // Passes the message being handled on to the default handling, which for
    // keys and clicks on a view is to do nothing more.
    void Default() {}

private:
    std::vector<std::unique_ptr<CDC>> m_dcs; // handed out by GetDC, not yet released
    std::string m_text;
};

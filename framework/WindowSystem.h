#pragma once

#include "framework/Gdi.h"
#include "framework/Profile.h"
#include "framework/Types.h"
#include "framework/WindowStyles.h"
#include "res/Dialogs.h"

#include <memory>
#include <string_view>

class CFrameWnd;
class CWnd;

// What the framework asks of the desktop: a window backend (Qt in the
// program, a recording host in tests) implements it. Every call comes from
// the one window thread.
class WindowSystem {
public:
    virtual ~WindowSystem() = default;

    // Makes the window of `frame` as `cs` describes it (styles, place and
    // outer size), with the frame's menu bar and its active view inside;
    // false when it cannot be made. The window stays hidden until
    // ShowWindow. DestroyFrame takes it away again.
    virtual bool CreateFrame(CFrameWnd& frame, const CREATESTRUCT& cs) = 0;
    virtual void DestroyFrame(CFrameWnd& frame) = 0;
    virtual void ShowWindow(CWnd& window) = 0;

    // A device context that draws straight onto the window's client area.
    // What is drawn is on the screen once the context is released.
    virtual std::unique_ptr<CDC> GetDC(CWnd& window) = 0;
    virtual void ReleaseDC(CWnd& window, std::unique_ptr<CDC> dc) = 0;

    // Shows a modal message box (styles and answers of MessageBox.h) and
    // returns the button chosen.
    virtual int MessageBox(CWnd* owner, std::string_view text, std::string_view caption,
                           UINT type) = 0;
    virtual void MessageBeep(UINT type) = 0;

    // The wait cursor over the program's windows, on or off.
    virtual void ShowWaitCursor(bool on) = 0;

    // Asks the window to close once the handler now running has returned.
    virtual void PostClose(CWnd& window) = 0;

    virtual void SetWindowText(CWnd& window, std::string_view text) = 0;

    // The free desktop of the screen where windows open; false when it
    // cannot be told.
    virtual bool GetWorkArea(CRect& work) = 0;
    // Grows a client rectangle into the outer rectangle of a window with
    // these styles and, when `menu` is true, a one-line menu bar.
    virtual void AdjustWindowRectEx(CRect& rect, DWORD style, bool menu, DWORD exStyle) = 0;
    // Shows the window's menu bar as its menu (CWnd::GetMenu) now holds it.
    virtual void DrawMenuBar(CWnd& window) = 0;

    // Runs a dialog modally (owned by `owner` when given) and returns the
    // answer of the button that ended it, or -1 when it cannot be shown.
    virtual int RunModalDialog(const DialogTemplate& dialog, CWnd* owner) = 0;

    // Opens `url` in the user's browser, without waiting for it; false when
    // no browser could be started.
    virtual bool OpenUrl(std::string_view url) = 0;

    // The profile settings of an application, kept under the organisation's
    // and the application's names; nullptr when there is nowhere to keep them.
    virtual std::unique_ptr<ProfileStore> OpenProfile(std::string_view organisation,
                                                      std::string_view application) = 0;
};

// The window system in use. Until one is set, a silent stand-in answers:
// it makes no windows, draws nowhere, answers OK boxes with IDOK and Yes/No
// boxes with IDNO, closes nothing, shows no dialog, starts no browser and
// keeps no settings.
WindowSystem& CurrentWindowSystem();
void SetWindowSystem(WindowSystem* system);

// A device context whose drawing goes nowhere, for windows not on a screen.
std::unique_ptr<CDC> MakeDiscardingDC();

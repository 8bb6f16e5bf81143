#pragma once

#include "framework/Gdi.h"
#include "framework/Types.h"

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

    // Makes the window of `frame`, with its active view inside; false when
    // it cannot be made. The window stays hidden until ShowWindow.
    virtual bool CreateFrame(CFrameWnd& frame) = 0;
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
};

// The window system in use. Until one is set, a silent stand-in answers:
// it makes no windows, draws nowhere, answers OK boxes with IDOK and Yes/No boxes with IDNO,
// and closes nothing.
WindowSystem& CurrentWindowSystem();
void SetWindowSystem(WindowSystem* system);

// A device context whose drawing goes nowhere, for windows not on a screen.
std::unique_ptr<CDC> MakeDiscardingDC();

#pragma once

#include "framework/Wnd.h"

#include <string_view>

// The application: the one object that starts the program and takes the
// commands no window handles. Only one exists at a time.
class CWinApp : public CCmdTarget {
public:
    CWinApp();
    ~CWinApp() override;

    // Creates the program's windows; false ends the program at once.
    virtual bool InitInstance() { return true; }

    // The application's commands: Exit closes the main window.
    bool OnCmdMsg(UINT id) override;
    void OnAppExit();

    CWnd* m_pMainWnd = nullptr; // the main window, once it exists
};

// The one application object, or nullptr.
CWinApp* AfxGetApp();
// The application's main window, or nullptr before it exists.
CWnd* AfxGetMainWnd();
// The application's name, the caption of message boxes: "Tavro".
std::string_view AfxGetAppName();

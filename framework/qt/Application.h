#pragma once

#include "framework/CommandLine.h"

#include <span>

class CWinApp;

// The options that Qt takes from the command line for itself.
std::span<const ToolkitOption> QtToolkitOptions();

// Runs the program on Qt: opens the display, sets up the window system,
// the Japanese texts of Qt's own dialogs and the wait hook of sound
// playback, calls app.InitInstance and runs the event loop until the main
// window has closed, then app.ExitInstance. Returns the exit status: 1 when
// InitInstance fails. Without a display it says so in one line on stderr and
// returns 1.
int RunApplication(int argc, char** argv, CWinApp& app);

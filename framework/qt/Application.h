#pragma once

class CWinApp;

// Runs the program on Qt: opens the display, sets up the window system,
// the Japanese texts of Qt's own dialogs and the wait hook of sound
// playback, calls app.InitInstance and runs the event loop until the main
// window has closed. Returns the exit status. Without a display it says so
// in one line on stderr and returns 1.
int RunApplication(int argc, char** argv, CWinApp& app);

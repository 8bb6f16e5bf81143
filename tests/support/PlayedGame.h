#pragma once

#include "app/MainFrame.h"
#include "app/TavroDoc.h"
#include "framework/App.h"
#include "tests/support/RecordingHost.h"
#include "tests/support/RecordingSound.h"
#include "tests/support/Transcript.h"
#include "view/TavroView.h"

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

// The board view as the program runs it (application, main frame with its
// menu bar and accelerators, document, view), with everything the player
// would hear and see recorded in one transcript, which starts empty. The computer plays at the weak
// level unless a test says otherwise, so that games stay quick.
struct PlayedGame {
    Transcript transcript;
    RecordingHost host{transcript};
    RecordingSound sound{transcript};
    CWinApp app;
    CMainFrame frame;
    CTavroDoc document;
    CTavroView view;

    PlayedGame();

    void Key(UINT virtualKey) { view.OnKeyDown(virtualKey, 1, 0); }
    void Click(int x, int y) { view.OnLButtonDown(0, CPoint{x, y}); }
    // A command as a menu item or an accelerator sends it, through the frame.
    void Command(UINT id) { frame.OnCmdMsg(id); }
    // A key pressed on the window: the accelerators first, then the view.
    void WindowKey(UINT virtualKey, KeyModifiers held = 0) {
        if (!frame.TranslateAccelerator(virtualKey, held))
            Key(virtualKey);
    }
    // The menus highlighted or closed, as the window reports it.
    void MenuSelect(UINT item) { frame.OnMenuSelect(item, 0, frame.GetMenu()); }
    // The states of the menu bar's items that differ from the start.
    std::vector<std::string> MenuMarks() const { return ::MenuMarks(*frame.GetMenu()); }

    // A game in progress from `board` (as LoadPosition reads it), the human
    // to move and ready for input, the cursor on D4.
    void ContinueFrom(std::string_view board, bool humanWhite = false);

    // The transcript so far, which is then cleared.
    std::vector<std::string> Take();
};

// A transcript written compactly: an entry "clips 237 251 242" stands for
// the three entries "clip 237", "clip 251", "clip 242".
std::vector<std::string> Expand(std::initializer_list<std::string_view> entries);

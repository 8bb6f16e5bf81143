#include "tests/support/PlayedGame.h"

#include "res/ResourceIds.h"
#include "tests/support/Positions.h"

#include <sstream>

PlayedGame::PlayedGame() {
    view.AttachDocument(&document);
    frame.SetActiveView(&view);
    frame.LoadFrame(IDR_MAINFRAME);
    app.m_pMainWnd = &frame;
    view.m_level = 2;
    transcript.Clear(); // the window's making is no part of the game
}

void PlayedGame::ContinueFrom(std::string_view board, bool humanWhite) {
    LoadPosition(view, board, humanWhite ? 1 : 0);
    view.m_humanWhite = humanWhite ? 1 : 0;
    view.m_playing = 1;
    view.m_inputReady = 1;
    view.m_cursorCol = 3;
    view.m_cursorRow = 3;
    frame.m_gameActive = 1;
}

std::vector<std::string> PlayedGame::Take() {
    std::vector<std::string> entries = transcript.Entries();
    transcript.Clear();
    return entries;
}

std::vector<std::string> Expand(std::initializer_list<std::string_view> entries) {
    std::vector<std::string> expanded;
    for (std::string_view entry : entries) {
        if (entry.rfind("clips ", 0) != 0) {
            expanded.emplace_back(entry);
            continue;
        }
        std::istringstream ids{std::string(entry.substr(6))};
        for (std::string id; ids >> id;)
            expanded.push_back("clip " + id);
    }
    return expanded;
}

// The Settings menu's levels, with the window title that names the level,
// and the Help menu's how-to-play page.
#include "view/TavroView.h"

#include "framework/App.h"
#include "framework/DataFiles.h"

#include <cerrno>
#include <cstdio>
#include <string>

namespace {

struct Level {
    int depth;
    const char* name;
};
constexpr Level kLevels[] = {{2, "弱い"}, {5, "普通"}, {8, "強い"}};

constexpr char kTitlePrefix[] = "タヴロ - レベル：";
constexpr char kHowToPlayPage[] = "help/how-to-play.html";
constexpr char kBrowserFailed[] = "ブラウザ起動に失敗しました。";

} // namespace

void CTavroView::OnLevelWeak() {
    m_level = 2;
    SetLevelTitle(2);
}

void CTavroView::OnLevelNormal() {
    m_level = 5;
    SetLevelTitle(5);
}

void CTavroView::OnLevelStrong() {
    m_level = 8;
    SetLevelTitle(8);
}

void CTavroView::SetLevelTitle(int depth) {
    CWnd* mainWindow = AfxGetMainWnd();
    if (mainWindow == nullptr)
        return;
    for (const Level& level : kLevels) {
        if (level.depth != depth)
            continue;
        std::string title = kTitlePrefix;
        title += level.name;
        mainWindow->SetWindowText(title);
    }
}

// A page that is not installed cannot be shown either: the player hears of
// it as of a browser that did not start, and stderr says where it was
// looked for.
void CTavroView::OnHelpHowToPlay() {
    const DataFileSearch search = ProgramDataFileSearch();
    if (const auto page = FindDataFile(search, kHowToPlayPage)) {
        if (OpenUrl(FileUrl(*page)))
            return;
    } else {
        std::string places;
        for (const auto& candidate : DataFileCandidates(search, kHowToPlayPage)) {
            places += ' ';
            places += candidate.string();
        }
        std::fprintf(stderr, "%s: the how-to-play page is not installed; looked at%s\n",
                     program_invocation_short_name, places.c_str());
    }
    AfxMessageBox(kBrowserFailed, MB_OK);
}

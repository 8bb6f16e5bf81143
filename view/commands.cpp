// The board view's commands: which member handles each command id that the
// menus and the accelerators send.
#include "view/TavroView.h"

#include "framework/CommandMap.h"
#include "res/CommandIds.h"

namespace {

const CommandEntry<CTavroView> kCommands[] = {
    {ID_GAME_BLACK_FIRST, &CTavroView::OnGameBlackFirst},
    {ID_GAME_WHITE_SECOND, &CTavroView::OnGameWhiteSecond},
    {ID_SETTINGS_CURSOR_FOLLOW, &CTavroView::OnSettingsCursorFollow},
    {ID_GUIDE_TO_EDGE, &CTavroView::OnGuideToEdge},
    {ID_VOICE_VOLUME_UP, &CTavroView::OnVoiceVolumeUp},
    {ID_VOICE_VOLUME_DOWN, &CTavroView::OnVoiceVolumeDown},
    {ID_VOICE_STONE_ONLY, &CTavroView::OnVoiceStoneOnly},
    {ID_LEVEL_WEAK, &CTavroView::OnLevelWeak},
    {ID_LEVEL_NORMAL, &CTavroView::OnLevelNormal},
    {ID_LEVEL_STRONG, &CTavroView::OnLevelStrong},
    {ID_HELP_HOW_TO_PLAY, &CTavroView::OnHelpHowToPlay},
};

// The eight line-guide commands and the step each one speaks along.
struct GuideCommand {
    UINT id;
    int dcol;
    int drow;
};
constexpr GuideCommand kGuideCommands[] = {
    {ID_GUIDE_UP, 0, -1},        {ID_GUIDE_UP_RIGHT, 1, -1}, {ID_GUIDE_RIGHT, 1, 0},
    {ID_GUIDE_DOWN_RIGHT, 1, 1}, {ID_GUIDE_DOWN, 0, 1},      {ID_GUIDE_DOWN_LEFT, -1, 1},
    {ID_GUIDE_LEFT, -1, 0},      {ID_GUIDE_UP_LEFT, -1, -1},
};

const GuideCommand* FindGuideCommand(UINT id) {
    for (const GuideCommand& guide : kGuideCommands) {
        if (guide.id == id)
            return &guide;
    }
    return nullptr;
}

} // namespace

bool CTavroView::OnCmdMsg(UINT id) {
    if (const GuideCommand* guide = FindGuideCommand(id)) {
        SpeakLine(guide->dcol, guide->drow);
        return true;
    }
    return DispatchCommand<CTavroView>(*this, kCommands, id);
}

bool CTavroView::HasCommandHandler(UINT id) const {
    return FindGuideCommand(id) != nullptr || FindCommand<CTavroView>(kCommands, id) != nullptr;
}

#pragma once

#include "res/CommandIds.h"

#include <cstdint>
#include <span>

// One entry of a menu template: a command item, a command item that shows a
// check mark when it is checked, a separator, or an entry that opens a nested
// pop-up. Texts are UTF-8; "\t" puts the rest of a text into the shortcut
// column and "&" marks the mnemonic letter. A template holds no state: every
// item starts enabled and unchecked.
struct MenuTemplateItem {
    enum Kind : std::uint8_t { Command, CheckCommand, Separator, Popup };
    Kind kind;
    const char* text;
    unsigned id;                               // Command and CheckCommand only
    std::span<const MenuTemplateItem> entries; // Popup only
};

constexpr MenuTemplateItem MenuCommand(const char* text, unsigned id) {
    return {MenuTemplateItem::Command, text, id, {}};
}
constexpr MenuTemplateItem MenuCheckCommand(const char* text, unsigned id) {
    return {MenuTemplateItem::CheckCommand, text, id, {}};
}
constexpr MenuTemplateItem MenuSeparator() {
    return {MenuTemplateItem::Separator, "", 0, {}};
}
constexpr MenuTemplateItem MenuPopup(const char* text, std::span<const MenuTemplateItem> entries) {
    return {MenuTemplateItem::Popup, text, 0, entries};
}

// The main window's menu bar (resource IDR_MAINFRAME). Positions count
// separators: in the Voice menu, Volume is 0, Line guide 1 and the
// stone-only item 3; in the Settings menu, Level is 0.
namespace menu_bar {

inline constexpr MenuTemplateItem kGame[] = {
    MenuCommand("黒先手で開始\tCtrl+B(&B)", ID_GAME_BLACK_FIRST),
    MenuCommand("白後手で開始\tCtrl+W(&W)", ID_GAME_WHITE_SECOND),
    MenuSeparator(),
    MenuCommand("終了(&X)", ID_APP_EXIT),
};

inline constexpr MenuTemplateItem kVolume[] = {
    MenuCommand("上げる\tCtrl+U(&U)", ID_VOICE_VOLUME_UP),
    MenuCommand("下げる\tCtrl+D(&D)", ID_VOICE_VOLUME_DOWN),
};

// The texts name the Ctrl combinations; Shift works as well.
inline constexpr MenuTemplateItem kLineGuide[] = {
    MenuCommand("上\tCtrl+↑", ID_GUIDE_UP),
    MenuCommand("右斜め上\tCtrl+F8", ID_GUIDE_UP_RIGHT),
    MenuCommand("右\tCtrl+→", ID_GUIDE_RIGHT),
    MenuCommand("右斜め下\tCtrl+F7", ID_GUIDE_DOWN_RIGHT),
    MenuCommand("下\tCtrl+↓", ID_GUIDE_DOWN),
    MenuCommand("左斜め下\tCtrl+F6", ID_GUIDE_DOWN_LEFT),
    MenuCommand("左\tCtrl+←", ID_GUIDE_LEFT),
    MenuCommand("左斜め上\tCtrl+F5", ID_GUIDE_UP_LEFT),
    MenuSeparator(),
    MenuCheckCommand("最後までガイド\tCtrl+E(&E)", ID_GUIDE_TO_EDGE),
};

inline constexpr MenuTemplateItem kVoice[] = {
    MenuPopup("音量(&P)", kVolume),
    MenuPopup("ラインガイド(&L)", kLineGuide),
    MenuSeparator(),
    MenuCheckCommand("石情報のみガイド\tF4", ID_VOICE_STONE_ONLY),
};

// No level carries a check mark: the window title names the level.
inline constexpr MenuTemplateItem kLevel[] = {
    MenuCommand("強い", ID_LEVEL_STRONG),
    MenuCommand("普通", ID_LEVEL_NORMAL),
    MenuCommand("弱い", ID_LEVEL_WEAK),
};

inline constexpr MenuTemplateItem kSettings[] = {
    MenuPopup("レベル(&L)", kLevel),
    MenuSeparator(),
    MenuCheckCommand("カーソル移動を許可\tF3", ID_SETTINGS_CURSOR_FOLLOW),
};

inline constexpr MenuTemplateItem kHelp[] = {
    MenuCommand("バージョン情報(&A)...", ID_APP_ABOUT),
    MenuCommand("遊び方\tF1", ID_HELP_HOW_TO_PLAY),
};

} // namespace menu_bar

inline constexpr MenuTemplateItem g_mainMenu[] = {
    MenuPopup("ゲーム(&G)", menu_bar::kGame),
    MenuPopup("音声(&V)", menu_bar::kVoice),
    MenuPopup("設定(&S)", menu_bar::kSettings),
    MenuPopup("ヘルプ(&H)", menu_bar::kHelp),
};

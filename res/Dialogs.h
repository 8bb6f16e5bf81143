#pragma once

#include <cstdint>
#include <span>

// Dialog templates: a dialog's caption, font and size, and its controls,
// all placed in dialog units (a quarter of the font's average character
// width across, an eighth of its height down).
struct DialogControlTemplate {
    enum Kind : std::uint8_t {
        Icon,          // shows icon resource `iconId` at its own size
        Text,          // a line of static text; "&" marks a mnemonic unless noPrefix
        DefaultButton, // a push button chosen by Enter
    };
    Kind kind;
    const char* text;
    int id; // -1 for static controls
    int iconId;
    int x, y, cx, cy;
    bool noPrefix;
};

struct DialogTemplate {
    const char* caption;
    const char* fontFace;
    int pointSize;
    int cx, cy;
    std::span<const DialogControlTemplate> controls;
};

// The answers of dialog buttons.
inline constexpr int kDialogOk = 1;

// The About box (IDD_ABOUTBOX): the icon, the version, and where to reach
// the project. Its font is the proportional Japanese Gothic that Debian
// ships in fonts-ipafont-gothic; another Japanese font stands in without it.
namespace about_box {

inline constexpr char kVersionText[] = "タヴロ ～ Version 1.13 ～";
inline constexpr char kMailText[] = "メール：tavro@tavro.github.io";
inline constexpr char kWebText[] = "ＵＲＬ：https://tavro.github.io/";

inline constexpr DialogControlTemplate kControls[] = {
    {DialogControlTemplate::Icon, "", -1, 128, 11, 17, 20, 21, false},
    {DialogControlTemplate::Text, kVersionText, -1, 0, 47, 16, 119, 8, true},
    {DialogControlTemplate::Text, kMailText, -1, 0, 47, 29, 119, 8, false},
    {DialogControlTemplate::Text, kWebText, -1, 0, 47, 45, 143, 8, false},
    {DialogControlTemplate::DefaultButton, "OK", kDialogOk, 0, 178, 7, 50, 14, false},
};

} // namespace about_box

inline constexpr DialogTemplate g_aboutBox = {
    "ﾊﾞｰｼﾞｮﾝ情報", "IPAPGothic", 9, 235, 83, about_box::kControls,
};

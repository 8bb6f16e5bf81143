#pragma once

#include "framework/VirtualKeys.h"
#include "res/CommandIds.h"

#include <cstdint>

// One entry of an accelerator table: a key, the modifiers that must be held
// with it (exactly those), and the command it sends.
struct ACCEL {
    std::uint8_t fVirt; // FVIRTKEY plus the modifier flags; 0x80 marks the last entry
    std::uint16_t key;  // virtual-key code
    std::uint16_t cmd;  // command id
};

inline constexpr std::uint8_t FVIRTKEY = 0x01;
inline constexpr std::uint8_t FNOINVERT = 0x02;
inline constexpr std::uint8_t FSHIFT = 0x04;
inline constexpr std::uint8_t FCONTROL = 0x08;
inline constexpr std::uint8_t FALT = 0x10;
inline constexpr std::uint8_t FLASTENTRY = 0x80;

// The main window's accelerators: new games, volume, the line guide on Ctrl
// or Shift with the cursor keys, and the F-key settings.
inline constexpr ACCEL g_mainAccelerators[24] = {
    {FVIRTKEY | FCONTROL, 'B', ID_GAME_BLACK_FIRST},
    {FVIRTKEY | FCONTROL, 'W', ID_GAME_WHITE_SECOND},
    {FVIRTKEY | FCONTROL, 'U', ID_VOICE_VOLUME_UP},
    {FVIRTKEY | FCONTROL, 'D', ID_VOICE_VOLUME_DOWN},
    {FVIRTKEY | FCONTROL, 'E', ID_GUIDE_TO_EDGE},
    {FVIRTKEY | FCONTROL, VK_UP, ID_GUIDE_UP},
    {FVIRTKEY | FCONTROL, VK_F8, ID_GUIDE_UP_RIGHT},
    {FVIRTKEY | FCONTROL, VK_RIGHT, ID_GUIDE_RIGHT},
    {FVIRTKEY | FCONTROL, VK_F7, ID_GUIDE_DOWN_RIGHT},
    {FVIRTKEY | FCONTROL, VK_DOWN, ID_GUIDE_DOWN},
    {FVIRTKEY | FCONTROL, VK_F6, ID_GUIDE_DOWN_LEFT},
    {FVIRTKEY | FCONTROL, VK_LEFT, ID_GUIDE_LEFT},
    {FVIRTKEY | FCONTROL, VK_F5, ID_GUIDE_UP_LEFT},
    {FVIRTKEY | FSHIFT, VK_UP, ID_GUIDE_UP},
    {FVIRTKEY | FSHIFT, VK_F8, ID_GUIDE_UP_RIGHT},
    {FVIRTKEY | FSHIFT, VK_RIGHT, ID_GUIDE_RIGHT},
    {FVIRTKEY | FSHIFT, VK_F7, ID_GUIDE_DOWN_RIGHT},
    {FVIRTKEY | FSHIFT, VK_DOWN, ID_GUIDE_DOWN},
    {FVIRTKEY | FSHIFT, VK_F6, ID_GUIDE_DOWN_LEFT},
    {FVIRTKEY | FSHIFT, VK_LEFT, ID_GUIDE_LEFT},
    {FVIRTKEY | FSHIFT, VK_F5, ID_GUIDE_UP_LEFT},
    {FVIRTKEY, VK_F1, ID_HELP_HOW_TO_PLAY},
    {FVIRTKEY, VK_F3, ID_SETTINGS_CURSOR_FOLLOW},
    {FVIRTKEY | FLASTENTRY, VK_F4, ID_VOICE_STONE_ONLY},
};

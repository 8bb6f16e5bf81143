#pragma once

// Ids of the program's resources other than commands and wave clips.
inline constexpr int IDR_MAINFRAME = 128; // the main window's menu, accelerators, icon and title
inline constexpr int IDD_ABOUTBOX = 100;  // the About box

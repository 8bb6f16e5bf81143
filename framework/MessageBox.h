#pragma once

#include "framework/Types.h"

#include <string_view>

// Message-box styles and answers, and the beep, with their Windows values.
inline constexpr UINT MB_OK = 0x00000000;
inline constexpr UINT MB_OKCANCEL = 0x00000001;
inline constexpr UINT MB_YESNO = 0x00000004;
inline constexpr UINT MB_TYPEMASK = 0x0000000F;
inline constexpr UINT MB_ICONERROR = 0x00000010;
inline constexpr UINT MB_ICONQUESTION = 0x00000020;
inline constexpr UINT MB_ICONEXCLAMATION = 0x00000030;
inline constexpr UINT MB_ICONINFORMATION = 0x00000040;
inline constexpr UINT MB_ICONMASK = 0x000000F0;

inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;
inline constexpr int IDYES = 6;
inline constexpr int IDNO = 7;

// Shows a message box owned by the main window, with the application's name
// as caption. With no icon in `type`, OK boxes get the exclamation icon and
// Yes/No boxes the question icon. Returns the button chosen.
int AfxMessageBox(std::string_view text, UINT type = MB_OK);

// Plays the desktop's alert sound; `type` names the kind of alert (0: the
// default one).
void MessageBeep(UINT type);

#pragma once

// The application's name: the caption of its message boxes.
inline constexpr char g_applicationName[] = "Tavro";

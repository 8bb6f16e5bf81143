#pragma once

// The application's name: the caption of its message boxes.
inline constexpr char g_applicationName[] = "Tavro";

// The main window's document strings (IDR_MAINFRAME), fields separated by
// line feeds: the window's base title, the document's name (empty: the
// framework's default), the new-document type, the file filter and its
// extension (none), and the document type's id and name (not registered).
inline constexpr char g_mainFrameDocStrings[] =
    "Tavro\n\nTavro\n\n\nTavro.Document\nTavro.Document";

// The name of a new document whose template gives none: "untitled".
inline constexpr char g_untitledDocumentName[] = "無題";

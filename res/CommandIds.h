#pragma once

// Every command of the program, by id. Menu items and accelerators send
// them; the board view handles all but About, Exit and the document
// commands, which go to the application.
enum CommandId : int {
    ID_GAME_BLACK_FIRST = 32771,  // new game, the human plays black and moves first
    ID_GAME_WHITE_SECOND = 32772, // new game, the human plays white and moves second
    ID_APP_EXIT = 57665,
    ID_VOICE_VOLUME_UP = 500,
    ID_VOICE_VOLUME_DOWN = 501,
    ID_GUIDE_UP = 521,
    ID_GUIDE_UP_RIGHT = 522,
    ID_GUIDE_RIGHT = 523,
    ID_GUIDE_DOWN_RIGHT = 524,
    ID_GUIDE_DOWN = 525,
    ID_GUIDE_DOWN_LEFT = 526,
    ID_GUIDE_LEFT = 527,
    ID_GUIDE_UP_LEFT = 528,
    ID_GUIDE_TO_EDGE = 529,
    ID_VOICE_STONE_ONLY = 503,
    ID_LEVEL_STRONG = 518,
    ID_LEVEL_NORMAL = 515,
    ID_LEVEL_WEAK = 512,
    ID_SETTINGS_CURSOR_FOLLOW = 502,
    ID_APP_ABOUT = 57664,
    ID_HELP_HOW_TO_PLAY = 507,
    ID_FILE_NEW = 57600,
    ID_FILE_OPEN = 57601,
};

#pragma once

#include "framework/View.h"

#include <cstdint>

class CMainFrame;

// A cell of the board, and a colour: 1 black, -1 white, 0 empty.
using Stone = std::int32_t;
inline constexpr Stone BLACK = 1;
inline constexpr Stone WHITE = -1;
inline constexpr Stone EMPTY = 0;

// Square codes name one square by a single integer, row-major: col + row*8.
// The board array itself is column-major: m_board[col*8 + row].
constexpr std::int32_t SquareCode(int col, int row) {
    return col + row * 8;
}
constexpr int BoardIndex(int col, int row) {
    return col * 8 + row;
}

// The eight directions, always examined in this order: right, down, left, up,
// down-right, up-left, up-right, down-left. drow = +1 points down the screen.
struct Direction {
    int dcol;
    int drow;
};
inline constexpr Direction g_directions[8] = {
    {+1, 0}, {0, +1}, {-1, 0}, {0, -1}, {+1, +1}, {-1, -1}, {+1, -1}, {-1, +1},
};

// The record of one move, by which it is taken back: the placed square, the
// number of stones turned, and the square codes of the turned stones in the
// order they were turned, ended by -1 (every entry past the last is -1).
// No move turns more than 19 stones, so 30 entries always leave room.
struct FlipRecord {
    std::int32_t col;
    std::int32_t row;
    std::int32_t count;
    std::int32_t flipped[30];
};
static_assert(sizeof(FlipRecord) == 33 * sizeof(std::int32_t));

// The search's answer when the computer has no legal move: outside 0..63.
inline constexpr std::int32_t NO_MOVE = -1;

// Search window bounds; every evaluation lies well inside them.
inline constexpr std::int32_t SCORE_MIN = -9999;
inline constexpr std::int32_t SCORE_MAX = 9999;

// The board view owns the whole game: its state, its rules, the computer
// player, its drawing, turns, input and line guide.
class CTavroView : public CView {
public:
    CTavroView();

    // --- Game state. Each field is a signed 32-bit integer; flags are 0 or 1.
    std::int32_t m_board[64];    // the board, m_board[col*8 + row]
    std::int32_t m_cursorCol;    // column of the board cursor, 0..7
    std::int32_t m_cursorRow;    // row of the board cursor, 0..7
    std::int32_t m_volume;       // voice volume level 0..4
    std::int32_t m_coordClips;   // coordinate clips after the stone clip: 2, or 0 (stone only)
    std::int32_t m_moveCount;    // stones placed this game, the four starting ones not counted
    std::int32_t m_level;        // search depth of the chosen level: 2, 5 or 8
    std::int32_t m_rootDepth;    // depth the current root search started at
    std::int32_t m_turn;         // side to move: 0 black, 1 white
    std::int32_t m_humanWhite;   // 0: the human plays black; 1: white
    std::int32_t m_playing;      // a game is in progress
    std::int32_t m_inputReady;   // keys and clicks on the board are accepted
    std::int32_t m_cursorFollow; // the cursor jumps to the computer's move
    std::int32_t m_guideToEdge;  // the line guide speaks up to the board edge

    // --- Board and move rules (rules.cpp). The side to move is always m_turn.
    int InBounds(int col, int row) const;
    int CanFlipLine(int col, int row, int dcol, int drow) const;
    int CanPlace(int col, int row) const;
    void InitFlipRecord(FlipRecord& record, int col, int row) const;
    void FlipAll(FlipRecord& record);
    void FlipLine(FlipRecord& record, int dcol, int drow);
    void UndoMove(FlipRecord record);
    int CountStones(Stone colour) const;
    int PlaceStone(int col, int row);

    // The colour of the side to move: 1 when m_turn is 0, -1 when it is 1.
    Stone Mover() const { return m_turn == 0 ? BLACK : WHITE; }
    // Sets the initial position: D4 and E5 white, E4 and D5 black.
    void SetInitialPosition();
    // A move as the search makes it: record, flips, the placed stone, the turn.
    void MakeMove(FlipRecord& record, int col, int row);
    void ToggleTurn() { m_turn = m_turn == 0 ? 1 : 0; }

    // --- Evaluation (evaluation.cpp), from the computer's point of view.
    int PositionScore() const;
    int MaterialScore() const;
    int MobilityScore() const;
    int Evaluate() const;

    // --- Search (search.cpp), answered by the engine. At the root (depth ==
    // m_rootDepth) the answer is the square code of the chosen move, or
    // NO_MOVE; elsewhere the node's exact minimax score. Leaves m_board and
    // m_turn untouched.
    int Search(int maximising, int depth, int passAllowed, int alpha, int beta);

    // --- Voice (voice.cpp): the square announcement, the error clip and the
    // voice menu's volume and stone-only commands.
    // Speaks a square: the stone's colour (nothing for an empty square), then,
    // for count 1 and 2, the column letter, then for count 2 the row number,
    // with the clips of the current volume level. Nothing for a negative
    // count. Returns after the last clip has ended; a clip that cannot be
    // found is skipped.
    void SpeakSquare(int count, Stone stone, int col, int row);
    // The answer to every refused action; silent if the clip is missing.
    void PlayErrorClip();
    // Speaks the square under the cursor.
    void AnnounceCursorSquare();
    void OnVoiceVolumeUp();   // ID_VOICE_VOLUME_UP
    void OnVoiceVolumeDown(); // ID_VOICE_VOLUME_DOWN
    void OnVoiceStoneOnly();  // ID_VOICE_STONE_ONLY
    // --- End of voice.

    // --- Board drawing (drawing.cpp). DrawBoard paints the whole board into
    // `dc`; OnDraw is the paint path and draws only with a document attached.
    void DrawBoard(CDC* dc);
    void OnDraw(CDC* dc) override;

    // --- Turn sequence and game end (turns.cpp).
    void OnGameBlackFirst();
    void OnGameWhiteSecond();
    void OnSettingsCursorFollow();
    // The human's stone on (col, row), the computer's reply and the end of
    // the game; false, with nothing changed, when the square is refused.
    bool PlayHumanMove(int col, int row);
    void ComputerMove();
    void CheckGameOver();
    // Paints the whole board at once, through a device context of the view.
    void Redraw();

    // --- Keyboard and mouse (input.cpp).
    void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) override;
    void OnLButtonDown(UINT nFlags, CPoint point) override;

    // --- Line guide (guide.cpp). SpeakLine speaks from the cursor along
    // (dcol, drow), each -1, 0 or +1 and not both 0.
    void SpeakLine(int dcol, int drow);
    void OnGuideToEdge();

    // --- Commands (commands.cpp): the view handles every command of the
    // program but About and Exit.
    bool OnCmdMsg(UINT id) override;
    bool HasCommandHandler(UINT id) const override;

    // --- End of drawing, turns, input, line guide and commands.

    // --- Levels and help (menus.cpp): the Settings menu's levels with the
    // window title that names the level, and the how-to-play page.
    // Each level command sets m_level and the title; it speaks nothing and
    // looks at nothing else, in or out of a game.
    void OnLevelWeak();   // ID_LEVEL_WEAK: depth 2
    void OnLevelNormal(); // ID_LEVEL_NORMAL: depth 5
    void OnLevelStrong(); // ID_LEVEL_STRONG: depth 8
    // Sets the main window's title to "タヴロ - レベル：" and the name of the
    // level of `depth` (2 弱い, 5 普通, 8 強い); any other depth leaves it.
    static void SetLevelTitle(int depth);
    // ID_HELP_HOW_TO_PLAY: opens the installed how-to-play page in the
    // browser, or says that the browser could not be started.
    void OnHelpHowToPlay();
    // --- End of levels and help.

private:
    // --- Turn sequence and input helpers (turns.cpp, input.cpp).
    void StartGame(int humanWhite);
    bool SideToMoveCanPlace() const;
    void OnEscape();
    void ActOnKey(UINT key);
    void PlaceAndAnnounce(int col, int row);
    // Writes one of the main frame's menu flags, when there is a frame.
    static void SetFrameFlag(std::int32_t CMainFrame::*flag, std::int32_t value);
};

// Positional weights, indexed like the board.
extern const std::int32_t g_squareWeight[64];

// --- Voice clips (voice.cpp): wave resource ids by volume level 0..4.
inline constexpr int VOLUME_LEVELS = 5;
inline constexpr std::uint16_t ERROR_CLIP = 200; // the refusal, the same at every level
extern const std::uint16_t g_blackClip[VOLUME_LEVELS];
extern const std::uint16_t g_whiteClip[VOLUME_LEVELS];
extern const std::uint16_t g_colClip[VOLUME_LEVELS][8]; // by level, then column A..H
extern const std::uint16_t g_rowClip[VOLUME_LEVELS][8]; // by level, then row 1..8

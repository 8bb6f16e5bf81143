// The voice of the game: the clip tables, the announcement of a square, the
// error clip, and the voice menu's volume and stone-only commands.
#include "view/TavroView.h"

#include "app/MainFrame.h"
#include "framework/Resources.h"
#include "framework/Sound.h"

// Each volume level v has its own set of 18 clips from id 201 + 18v: black,
// white, rows 1..8, columns A..H.
const std::uint16_t g_blackClip[VOLUME_LEVELS] = {201, 219, 237, 255, 273};
const std::uint16_t g_whiteClip[VOLUME_LEVELS] = {202, 220, 238, 256, 274};
const std::uint16_t g_rowClip[VOLUME_LEVELS][8] = {
    {203, 204, 205, 206, 207, 208, 209, 210}, {221, 222, 223, 224, 225, 226, 227, 228},
    {239, 240, 241, 242, 243, 244, 245, 246}, {257, 258, 259, 260, 261, 262, 263, 264},
    {275, 276, 277, 278, 279, 280, 281, 282},
};
const std::uint16_t g_colClip[VOLUME_LEVELS][8] = {
    {211, 212, 213, 214, 215, 216, 217, 218}, {229, 230, 231, 232, 233, 234, 235, 236},
    {247, 248, 249, 250, 251, 252, 253, 254}, {265, 266, 267, 268, 269, 270, 271, 272},
    {283, 284, 285, 286, 287, 288, 289, 290},
};

namespace {

constexpr int kMaxVolume = VOLUME_LEVELS - 1;
constexpr int kStoneOnly = 0;   // m_coordClips in the stone-only mode
constexpr int kCoordinates = 2; // m_coordClips normally

bool OnBoard(int index) {
    return index >= 0 && index < 8;
}

// Plays wave resource `id` to its end; a clip that is not there is skipped.
void PlayClip(int id) {
    if (const std::optional<WaveImage> image = FindWaveResource(id))
        PlayWaveSync(*image);
}

// The volume mirrors follow the level: raising is possible below the top,
// lowering above the bottom.
void MirrorVolume(int volume) {
    if (g_mainFrame == nullptr)
        return;
    g_mainFrame->m_volumeUpEnabled = volume < kMaxVolume ? 1 : 0;
    g_mainFrame->m_volumeDownEnabled = volume > 0 ? 1 : 0;
}

} // namespace

void CTavroView::SpeakSquare(int count, Stone stone, int col, int row) {
    const int level = m_volume;
    if (level < 0 || level > kMaxVolume)
        return;
    if (count >= 0 && stone != EMPTY)
        PlayClip(stone == BLACK ? g_blackClip[level] : g_whiteClip[level]);
    if (count >= 1 && OnBoard(col))
        PlayClip(g_colClip[level][col]);
    if (count >= 2 && OnBoard(row))
        PlayClip(g_rowClip[level][row]);
}

void CTavroView::PlayErrorClip() {
    PlayClip(ERROR_CLIP);
}

void CTavroView::AnnounceCursorSquare() {
    if (!OnBoard(m_cursorCol) || !OnBoard(m_cursorRow))
        return;
    SpeakSquare(m_coordClips, m_board[BoardIndex(m_cursorCol, m_cursorRow)], m_cursorCol,
                m_cursorRow);
}

void CTavroView::OnVoiceVolumeUp() {
    if (m_volume >= kMaxVolume || m_playing == 0) {
        PlayErrorClip();
        return;
    }
    ++m_volume;
    AnnounceCursorSquare();
    MirrorVolume(m_volume);
}

void CTavroView::OnVoiceVolumeDown() {
    if (m_volume <= 0 || m_playing == 0) {
        PlayErrorClip();
        return;
    }
    --m_volume;
    AnnounceCursorSquare();
    MirrorVolume(m_volume);
}

void CTavroView::OnVoiceStoneOnly() {
    m_coordClips = m_coordClips == kStoneOnly ? kCoordinates : kStoneOnly;
    if (g_mainFrame != nullptr)
        g_mainFrame->m_stoneOnlyChecked = m_coordClips == kStoneOnly ? 1 : 0;
}

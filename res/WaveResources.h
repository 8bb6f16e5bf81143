#pragma once

#include <cstdint>
#include <span>

// One wave resource built into the program: its id and its complete RIFF
// WAVE image.
struct WaveResource {
    int id;
    std::span<const std::uint8_t> image;
};

// The voice clips, ids 200..290 in order: the error clip, then the five
// volume sets of 18 clips each (black, white, rows 1..8, columns A..H), set
// v being the recordings made v + 1 times louder. Generated at build time
// from res/voice/ by tools/embed_waves.
inline constexpr int kFirstWaveResource = 200;
inline constexpr int kWaveResourceCount = 91;
extern const WaveResource g_waveResources[kWaveResourceCount];

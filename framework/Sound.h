#pragma once

#include <cstdint>
#include <functional>
#include <span>

// A complete RIFF WAVE image held in memory, such as a wave resource.
using WaveImage = std::span<const std::uint8_t>;

// Where the program's sound goes: the audio device in the program, a
// transcript in tests.
class SoundOutput {
public:
    virtual ~SoundOutput() = default;
    // Plays the image to its end before returning. A malformed image is
    // skipped; a play never hangs.
    virtual void PlaySync(WaveImage image) = 0;
};

// The output in use; until one is set the program is silent.
SoundOutput* CurrentSoundOutput();
void SetSoundOutput(SoundOutput* output);

// While a play waits for its clip to end, the output calls the wait hook
// every few milliseconds, so the window backend can process paint and
// window-manager events (never keys or clicks) and the window stays alive.
using PlaybackWaitHook = std::function<void()>;
void SetPlaybackWaitHook(PlaybackWaitHook hook);
void RunPlaybackWaitHook();

// Plays the image through the current output, to its end; without an output
// it returns at once.
void PlayWaveSync(WaveImage image);

#include "framework/Sound.h"

#include <utility>

namespace {
SoundOutput* g_soundOutput = nullptr;
PlaybackWaitHook g_waitHook;
} // namespace

SoundOutput* CurrentSoundOutput() {
    return g_soundOutput;
}

void SetSoundOutput(SoundOutput* output) {
    g_soundOutput = output;
}

void SetPlaybackWaitHook(PlaybackWaitHook hook) {
    g_waitHook = std::move(hook);
}

void RunPlaybackWaitHook() {
    if (g_waitHook)
        g_waitHook();
}

void PlayWaveSync(WaveImage image) {
    if (g_soundOutput != nullptr)
        g_soundOutput->PlaySync(image);
}

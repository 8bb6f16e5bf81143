#pragma once

#include "framework/Sound.h"

#include <cstdint>
#include <memory>
#include <string>

// The program's sound on SDL2 audio. It opens the default output device once
// and keeps it open, so the clips of one announcement follow each other
// without a gap, and plays each WAVE image synchronously: PlaySync returns
// when the clip has been heard to its end, never before the clip's length has
// passed, and by its deadline even if the device stalls (the rest of the clip
// is then dropped). While it waits it runs the playback wait hook every few
// milliseconds. An image that is not PCM WAVE is skipped. Clips in another
// format than the device's (the 22050 Hz error clip) are converted on the
// way; the others play straight from their memory. Without an audio device
// every play returns at once, in silence.
class SdlSoundOutput final : public SoundOutput {
public:
    // Opens the device. Without one the game goes on silently; the reason is
    // said once on stderr unless `reportMissingDevice` is false.
    explicit SdlSoundOutput(bool reportMissingDevice = true);
    SdlSoundOutput(const SdlSoundOutput&) = delete;
    SdlSoundOutput& operator=(const SdlSoundOutput&) = delete;
    ~SdlSoundOutput() override;

    void PlaySync(WaveImage image) override;

    bool HasDevice() const;
    // The SDL audio driver in use ("pulseaudio", "alsa", "disk", ...), or
    // empty without a device.
    std::string DriverName() const;
    // Why there is no device; empty when there is one.
    std::string Problem() const;
    // The SDL audio device id (0 without a device), for tests that stall it.
    std::uint32_t DeviceId() const;

private:
    struct Device;
    std::unique_ptr<Device> m_device;
};

#include "framework/sdl/SdlSound.h"

#include "framework/Wave.h"

#include <SDL2/SDL.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <iostream>
#include <mutex>
#include <optional>
#include <span>
#include <string_view>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
using Seconds = std::chrono::duration<double>;

// The device's format: the voice clips' own, so they play without conversion.
constexpr int kDeviceRate = 44100;
constexpr int kDeviceChannels = 2;
// 10 ms per buffer: short enough that a clip follows the previous one within
// a buffer or two, long enough not to starve on a busy desktop. It is also a
// whole number of milliseconds, which keeps SDL's disk driver in real time.
constexpr int kBufferFrames = kDeviceRate / 100;
constexpr int kFrameBytes = kDeviceChannels * 2;
// How often a waiting play wakes up to run the wait hook.
constexpr auto kPollInterval = std::chrono::milliseconds(2);
// How long past its expected end a play waits for a stalled device.
constexpr auto kStallGrace = std::chrono::milliseconds(250);

// Drivers that take a buffer as played the moment they are handed it; real
// devices play a buffer about one buffer after they ask for it.
bool PlaysOnHandOver(std::string_view driver) {
    return driver == "disk" || driver == "dummy";
}

} // namespace

// The open device and the clip it is playing. The audio thread and the
// playing thread share the fields below the mutex.
struct SdlSoundOutput::Device {
    SDL_AudioDeviceID id = 0;
    bool subsystemStarted = false;
    std::string driver;
    std::string problem;
    std::int64_t latencyFrames = 0;      // from hand-over to being heard
    bool playing = false;                // a play is waiting (guards re-entry from the wait hook)
    std::vector<std::uint8_t> converted; // the current clip in the device's format, if it needed it

    std::mutex mutex;
    std::span<const std::uint8_t> pending; // bytes of the clip not yet handed over
    std::int64_t clipEndFrame = -1;        // stream frame just past the clip, once handed over
    std::int64_t framesHandedOver = 0;     // frames given to the device so far
    std::int64_t bufferStartFrame = 0;     // first frame of the latest buffer
    Clock::time_point bufferTime;          // when the latest buffer was handed over

    static void SDLCALL Fill(void* user, Uint8* stream, int length);
    // Frames of the stream heard by `now`, estimated from the latest buffer.
    std::int64_t HeardFrames(Clock::time_point now) const;
    // When the current clip will have been heard, once it is all handed over.
    std::optional<Clock::time_point> ClipHeardAt() const;
    std::span<const std::uint8_t> InDeviceFormat(const PcmWave& wave);
};

void SDLCALL SdlSoundOutput::Device::Fill(void* user, Uint8* stream, int length) {
    Device& device = *static_cast<Device*>(user);
    const std::lock_guard lock(device.mutex);
    device.bufferTime = Clock::now();
    device.bufferStartFrame = device.framesHandedOver;
    const std::size_t bytes = std::min(static_cast<std::size_t>(length), device.pending.size());
    if (bytes > 0)
        std::memcpy(stream, device.pending.data(), bytes);
    std::memset(stream + bytes, 0, static_cast<std::size_t>(length) - bytes);
    if (bytes > 0) {
        device.pending = device.pending.subspan(bytes);
        if (device.pending.empty())
            device.clipEndFrame =
                device.framesHandedOver + static_cast<std::int64_t>(bytes / kFrameBytes);
    }
    device.framesHandedOver += length / kFrameBytes;
}

std::int64_t SdlSoundOutput::Device::HeardFrames(Clock::time_point now) const {
    const double since = Seconds(now - bufferTime).count();
    // A buffer plays in real time, but never past its end: when the device
    // stalls, what is heard stops where the latest buffer ends.
    const auto played = std::min(bufferStartFrame + static_cast<std::int64_t>(since * kDeviceRate),
                                 framesHandedOver);
    return played - latencyFrames;
}

std::optional<Clock::time_point> SdlSoundOutput::Device::ClipHeardAt() const {
    if (clipEndFrame < 0)
        return std::nullopt;
    const auto frames = clipEndFrame + latencyFrames - bufferStartFrame;
    return bufferTime + std::chrono::duration_cast<Clock::duration>(
                            Seconds(static_cast<double>(frames) / kDeviceRate));
}

std::span<const std::uint8_t> SdlSoundOutput::Device::InDeviceFormat(const PcmWave& wave) {
    const PcmFormat deviceFormat{kDeviceChannels, kDeviceRate, 16};
    if (wave.format == deviceFormat && SDL_BYTEORDER == SDL_LIL_ENDIAN)
        return wave.samples;
    // Converted in one piece: SDL's streaming resampler would lose the last
    // few milliseconds of the clip.
    const SDL_AudioFormat from = wave.format.bitsPerSample == 8 ? AUDIO_U8 : AUDIO_S16LSB;
    SDL_AudioCVT conversion;
    if (SDL_BuildAudioCVT(&conversion, from, static_cast<Uint8>(wave.format.channels),
                          wave.format.sampleRate, AUDIO_S16SYS, kDeviceChannels, kDeviceRate) < 0) {
        converted.clear();
        return {};
    }
    converted.resize(wave.samples.size() * static_cast<std::size_t>(conversion.len_mult));
    std::memcpy(converted.data(), wave.samples.data(), wave.samples.size());
    conversion.buf = converted.data();
    conversion.len = static_cast<int>(wave.samples.size());
    const bool done = SDL_ConvertAudio(&conversion) == 0;
    converted.resize(
        done ? static_cast<std::size_t>(conversion.len_cvt - conversion.len_cvt % kFrameBytes) : 0);
    return converted;
}

SdlSoundOutput::SdlSoundOutput(bool reportMissingDevice) : m_device(std::make_unique<Device>()) {
    Device& device = *m_device;
    // SDL would otherwise catch SIGINT and SIGTERM for an event loop that
    // nothing runs, and the program could no longer be stopped by them.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        device.problem = SDL_GetError();
    } else {
        device.subsystemStarted = true;
        SDL_AudioSpec wanted{};
        wanted.freq = kDeviceRate;
        wanted.format = AUDIO_S16SYS;
        wanted.channels = kDeviceChannels;
        wanted.samples = kBufferFrames;
        wanted.callback = &Device::Fill;
        wanted.userdata = &device;
        SDL_AudioSpec obtained{};
        // No changes allowed: SDL converts to the hardware's format itself.
        device.id = SDL_OpenAudioDevice(nullptr, 0, &wanted, &obtained, 0);
        if (device.id == 0) {
            device.problem = SDL_GetError();
        } else {
            const char* driver = SDL_GetCurrentAudioDriver();
            device.driver = driver != nullptr ? driver : "";
            device.latencyFrames = PlaysOnHandOver(device.driver) ? 0 : obtained.samples;
            device.bufferTime = Clock::now();
            SDL_PauseAudioDevice(device.id, 0);
        }
    }
    if (device.id == 0 && reportMissingDevice)
        std::cerr << "tavro: no audio device (" << device.problem
                  << "); the game goes on without sound\n";
}

SdlSoundOutput::~SdlSoundOutput() {
    if (m_device->id != 0)
        SDL_CloseAudioDevice(m_device->id);
    if (m_device->subsystemStarted)
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

bool SdlSoundOutput::HasDevice() const {
    return m_device->id != 0;
}

std::string SdlSoundOutput::DriverName() const {
    return m_device->driver;
}

std::string SdlSoundOutput::Problem() const {
    return m_device->problem;
}

std::uint32_t SdlSoundOutput::DeviceId() const {
    return m_device->id;
}

void SdlSoundOutput::PlaySync(WaveImage image) {
    Device& device = *m_device;
    if (device.id == 0 || device.playing)
        return;
    const std::optional<PcmWave> wave = ParsePcmWave(image);
    if (!wave)
        return;
    const std::span<const std::uint8_t> bytes = device.InDeviceFormat(*wave);
    if (bytes.empty())
        return;

    device.playing = true;
    const auto start = Clock::now();
    const auto length = std::chrono::duration_cast<Clock::duration>(
        Seconds(static_cast<double>(bytes.size() / kFrameBytes) / kDeviceRate));
    const auto latency = std::chrono::duration_cast<Clock::duration>(
        Seconds(static_cast<double>(device.latencyFrames + kBufferFrames) / kDeviceRate));
    const auto deadline = start + length + latency + kStallGrace;
    {
        const std::lock_guard lock(device.mutex);
        device.pending = bytes;
        device.clipEndFrame = -1;
    }
    for (;;) {
        const auto now = Clock::now();
        std::optional<Clock::time_point> heardAt;
        {
            const std::lock_guard lock(device.mutex);
            if (device.clipEndFrame >= 0 && device.HeardFrames(now) >= device.clipEndFrame &&
                now - start >= length)
                break;
            if (now >= deadline) {
                device.pending = {};
                break;
            }
            heardAt = device.ClipHeardAt();
        }
        RunPlaybackWaitHook();
        // Wake up at the poll interval, or sooner when the clip ends sooner.
        auto wakeUp = std::min(Clock::now() + kPollInterval, deadline);
        if (heardAt && std::max(*heardAt, start + length) > now)
            wakeUp = std::min(wakeUp, std::max(*heardAt, start + length));
        std::this_thread::sleep_until(wakeUp);
    }
    device.playing = false;
}

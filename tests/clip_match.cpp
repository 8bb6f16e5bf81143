// tavro_clip_match: finds voice clips, whole and in order, in what a sound
// device was given to play.
//
//   tavro_clip_match CAPTURE CLIPDIR ID...
//
// CAPTURE is the raw stream of the game's sound device as SDL's disk driver
// writes it: 44100 Hz, two channels, signed 16-bit little-endian samples.
// CLIPDIR holds the clips as `tavro-cli clips export` writes them
// (CLIPDIR/200.wav ... CLIPDIR/290.wav). Each clip is brought into the
// device's format the way SDL brings it there, and must then appear sample
// for sample in the capture, after the clip before it. Between the clips and
// after the last one the capture must be silent: a clip too many, a clip cut
// short or a crackle all fail. Gaps of silence are allowed and reported.
//
// Prints one line per clip found; on failure a line saying what was heard
// where instead. Exit status 0 when all clips were found, 1 when not, 2 for
// bad arguments or unreadable files.
#include "framework/Wave.h"

#include <SDL2/SDL.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iostream>
#include <iterator>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace {

constexpr int kRate = 44100;
constexpr int kChannels = 2;

// Sound as interleaved frames of the device's format.
using Samples = std::vector<std::int16_t>;

// One clip in the device's format, and where its first audible frame lies.
struct Clip {
    Samples samples;
    std::size_t frames = 0;
    std::size_t firstAudibleFrame = 0;
};

std::optional<std::vector<std::uint8_t>> ReadFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return std::nullopt;
    return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(file), {});
}

Samples FromLittleEndian(const std::uint8_t* bytes, std::size_t count) {
    Samples samples(count);
    for (std::size_t i = 0; i < count; ++i)
        samples[i] = static_cast<std::int16_t>(bytes[2 * i] | (bytes[2 * i + 1] << 8));
    return samples;
}

bool Audible(const Samples& samples, std::size_t frame) {
    for (int channel = 0; channel < kChannels; ++channel) {
        if (samples[frame * kChannels + channel] != 0)
            return true;
    }
    return false;
}

// The first audible frame at or after `from`, or `frames` when none is.
std::size_t NextAudible(const Samples& samples, std::size_t from, std::size_t frames) {
    while (from < frames && !Audible(samples, from))
        ++from;
    return from;
}

// The clip in the device's format: as it is when it is already in it,
// otherwise converted in one piece by SDL, as the game's sound output does.
std::optional<Samples> InDeviceFormat(const PcmWave& wave) {
    const SDL_AudioFormat from = wave.format.bitsPerSample == 8 ? AUDIO_U8 : AUDIO_S16LSB;
    SDL_AudioCVT conversion;
    const int needed =
        SDL_BuildAudioCVT(&conversion, from, static_cast<Uint8>(wave.format.channels),
                          wave.format.sampleRate, AUDIO_S16LSB, kChannels, kRate);
    if (needed < 0)
        return std::nullopt;
    std::vector<std::uint8_t> bytes(wave.samples.begin(), wave.samples.end());
    if (needed > 0) {
        bytes.resize(wave.samples.size() * static_cast<std::size_t>(conversion.len_mult));
        conversion.buf = bytes.data();
        conversion.len = static_cast<int>(wave.samples.size());
        if (SDL_ConvertAudio(&conversion) != 0)
            return std::nullopt;
        const int frameBytes = kChannels * 2;
        bytes.resize(
            static_cast<std::size_t>(conversion.len_cvt - conversion.len_cvt % frameBytes));
    }
    return FromLittleEndian(bytes.data(), bytes.size() / 2);
}

std::optional<Clip> LoadClip(const std::string& directory, int id) {
    const auto image = ReadFile(directory + "/" + std::to_string(id) + ".wav");
    if (!image)
        return std::nullopt;
    const auto wave = ParsePcmWave(*image);
    if (!wave)
        return std::nullopt;
    auto samples = InDeviceFormat(*wave);
    if (!samples)
        return std::nullopt;
    Clip clip;
    clip.frames = samples->size() / kChannels;
    clip.samples = std::move(*samples);
    clip.firstAudibleFrame = NextAudible(clip.samples, 0, clip.frames);
    return clip;
}

// Whether `clip` lies in the capture from frame `start` on, sample for sample.
bool PlaysAt(const Samples& capture, std::size_t start, const Clip& clip) {
    if (start * kChannels + clip.samples.size() > capture.size())
        return false;
    return std::memcmp(capture.data() + start * kChannels, clip.samples.data(),
                       clip.samples.size() * sizeof(std::int16_t)) == 0;
}

// Where a clip whose first audible frame is heard at `audible` starts, if it
// can start there without overlapping what came before `notBefore`.
std::optional<std::size_t> StartFor(const Clip& clip, std::size_t audible, std::size_t notBefore) {
    if (clip.firstAudibleFrame > audible || audible - clip.firstAudibleFrame < notBefore)
        return std::nullopt;
    return audible - clip.firstAudibleFrame;
}

// Which of the clips sounds from the audible frame `audible` on, in words.
std::string WhatSounds(const Samples& capture, std::size_t audible, std::size_t notBefore,
                       const std::map<int, Clip>& clips) {
    for (const auto& [id, clip] : clips) {
        const auto start = StartFor(clip, audible, notBefore);
        if (start && PlaysAt(capture, *start, clip))
            return "clip " + std::to_string(id);
    }
    return "a sound that is none of the clips";
}

std::string Seconds(std::size_t frames) {
    char text[32];
    std::snprintf(text, sizeof text, "%.3f s", static_cast<double>(frames) / kRate);
    return text;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::cerr << "usage: tavro_clip_match CAPTURE CLIPDIR ID...\n";
        return 2;
    }
    const auto bytes = ReadFile(argv[1]);
    if (!bytes) {
        std::cerr << "tavro_clip_match: cannot read " << argv[1] << "\n";
        return 2;
    }
    const Samples capture = FromLittleEndian(bytes->data(), bytes->size() / 2);
    const std::size_t captureFrames = capture.size() / kChannels;

    // Every clip the directory holds, to name what was heard instead.
    std::map<int, Clip> clips;
    for (int id = 200; id <= 290; ++id) {
        if (auto clip = LoadClip(argv[2], id))
            clips.emplace(id, std::move(*clip));
    }
    std::vector<int> expected;
    for (int i = 3; i < argc; ++i) {
        const int id = std::atoi(argv[i]);
        if (clips.count(id) == 0) {
            std::cerr << "tavro_clip_match: no readable clip " << argv[i] << " in " << argv[2]
                      << "\n";
            return 2;
        }
        expected.push_back(id);
    }

    std::size_t position = 0;
    for (const int id : expected) {
        const Clip& clip = clips.at(id);
        const std::size_t audible = NextAudible(capture, position, captureFrames);
        if (audible == captureFrames) {
            std::cout << "clip " << id << " never sounds: silence from " << Seconds(position)
                      << " to the end\n";
            return 1;
        }
        const auto start = StartFor(clip, audible, position);
        if (!start || !PlaysAt(capture, *start, clip)) {
            std::cout << "at " << Seconds(audible) << " clip " << id << " should sound, but "
                      << WhatSounds(capture, audible, position, clips) << " does\n";
            return 1;
        }
        std::cout << "clip " << id << " at " << Seconds(*start) << ", after "
                  << Seconds(*start - position) << " of silence\n";
        position = *start + clip.frames;
    }
    const std::size_t after = NextAudible(capture, position, captureFrames);
    if (after != captureFrames) {
        std::cout << "at " << Seconds(after) << " " << WhatSounds(capture, after, position, clips)
                  << " sounds after the last clip expected\n";
        return 1;
    }
    std::cout << "all " << expected.size() << " clips heard in order, then silence to "
              << Seconds(captureFrames) << "\n";
    return 0;
}

#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

// The layout of uncompressed PCM samples: interleaved frames of `channels`
// little-endian samples of `bitsPerSample` bits each (8 unsigned, 16 signed).
struct PcmFormat {
    int channels = 0;
    int sampleRate = 0;
    int bitsPerSample = 0;

    int FrameBytes() const { return channels * bitsPerSample / 8; }
    bool operator==(const PcmFormat&) const = default;
};

// A RIFF WAVE image taken apart: its format and its sample bytes, a whole
// number of frames, pointing into the image (nothing is copied).
struct PcmWave {
    PcmFormat format;
    std::span<const std::uint8_t> samples;

    std::size_t Frames() const { return samples.size() / format.FrameBytes(); }
    double Seconds() const { return static_cast<double>(Frames()) / format.sampleRate; }
};

// Reads a RIFF WAVE image of uncompressed PCM: 1 or 2 channels of 8 or 16
// bits at 1000 to 384000 Hz. Gives nothing for anything else: a truncated or
// garbled header, another format tag, inconsistent format fields, a fmt or
// data chunk reaching past the image (or past the RIFF size), no data chunk,
// or a data chunk before the fmt chunk. Chunks it does not know are skipped.
std::optional<PcmWave> ParsePcmWave(std::span<const std::uint8_t> image);

// A complete RIFF WAVE image with the canonical 44-byte header and the given
// sample bytes, which must be a whole number of frames of `format`.
std::vector<std::uint8_t> MakePcmWave(const PcmFormat& format,
                                      std::span<const std::uint8_t> samples);

#include "framework/Wave.h"

#include <array>
#include <cstring>
#include <string_view>

namespace {

constexpr std::uint16_t kFormatPcm = 1;
constexpr std::uint16_t kFormatExtensible = 0xFFFE;

std::uint16_t Read16(const std::uint8_t* bytes) {
    return static_cast<std::uint16_t>(bytes[0] | bytes[1] << 8);
}

std::uint32_t Read32(const std::uint8_t* bytes) {
    return static_cast<std::uint32_t>(bytes[0]) | static_cast<std::uint32_t>(bytes[1]) << 8 |
           static_cast<std::uint32_t>(bytes[2]) << 16 | static_cast<std::uint32_t>(bytes[3]) << 24;
}

bool HasTag(const std::uint8_t* bytes, std::string_view tag) {
    return std::memcmp(bytes, tag.data(), 4) == 0;
}

// Writes little-endian fields one after another into a buffer sized for them.
class FieldWriter {
public:
    explicit FieldWriter(std::uint8_t* at) : m_at(at) {}
    void Tag(std::string_view tag) { Bytes(tag.data(), 4); }
    void U16(std::uint32_t value) { Bytes(LittleEndian(value).data(), 2); }
    void U32(std::uint32_t value) { Bytes(LittleEndian(value).data(), 4); }
    void Bytes(const void* bytes, std::size_t count) {
        std::memcpy(m_at, bytes, count);
        m_at += count;
    }

private:
    static std::array<char, 4> LittleEndian(std::uint32_t value) {
        return {static_cast<char>(value), static_cast<char>(value >> 8),
                static_cast<char>(value >> 16), static_cast<char>(value >> 24)};
    }
    std::uint8_t* m_at;
};

// The format of a fmt chunk's body, if it describes PCM this program plays.
std::optional<PcmFormat> ReadFormat(std::span<const std::uint8_t> body) {
    if (body.size() < 16)
        return std::nullopt;
    std::uint16_t tag = Read16(&body[0]);
    // The extensible form names its real format in the first two bytes of
    // its sub-format GUID.
    if (tag == kFormatExtensible && body.size() >= 26)
        tag = Read16(&body[24]);
    if (tag != kFormatPcm)
        return std::nullopt;
    const PcmFormat format{Read16(&body[2]), static_cast<int>(Read32(&body[4])), Read16(&body[14])};
    const std::uint32_t byteRate = Read32(&body[8]);
    const std::uint16_t blockAlign = Read16(&body[12]);
    const bool plausible = (format.channels == 1 || format.channels == 2) &&
                           (format.bitsPerSample == 8 || format.bitsPerSample == 16) &&
                           format.sampleRate >= 1000 && format.sampleRate <= 384000 &&
                           blockAlign == format.FrameBytes() &&
                           byteRate == static_cast<std::uint32_t>(format.sampleRate) * blockAlign;
    return plausible ? std::optional(format) : std::nullopt;
}

} // namespace

std::optional<PcmWave> ParsePcmWave(std::span<const std::uint8_t> image) {
    if (image.size() < 12 || !HasTag(&image[0], "RIFF") || !HasTag(&image[8], "WAVE"))
        return std::nullopt;
    const std::uint64_t riffEnd = 8 + static_cast<std::uint64_t>(Read32(&image[4]));
    if (riffEnd > image.size())
        return std::nullopt;

    std::optional<PcmFormat> format;
    std::uint64_t at = 12;
    while (at + 8 <= riffEnd) {
        const std::uint8_t* header = &image[at];
        const std::uint64_t size = Read32(header + 4);
        const std::uint64_t bodyAt = at + 8;
        if (bodyAt + size > riffEnd)
            return std::nullopt;
        const std::span<const std::uint8_t> body = image.subspan(bodyAt, size);
        if (HasTag(header, "fmt ")) {
            format = ReadFormat(body);
            if (!format)
                return std::nullopt;
        } else if (HasTag(header, "data")) {
            if (!format)
                return std::nullopt;
            const std::size_t whole = body.size() - body.size() % format->FrameBytes();
            return PcmWave{*format, body.first(whole)};
        }
        at = bodyAt + size + size % 2; // chunks are padded to an even size
    }
    return std::nullopt;
}

std::vector<std::uint8_t> MakePcmWave(const PcmFormat& format,
                                      std::span<const std::uint8_t> samples) {
    constexpr std::size_t kHeaderBytes = 44;
    std::vector<std::uint8_t> image(kHeaderBytes + samples.size());
    const auto dataBytes = static_cast<std::uint32_t>(samples.size());
    const auto frameBytes = static_cast<std::uint32_t>(format.FrameBytes());
    FieldWriter out(image.data());
    out.Tag("RIFF");
    out.U32(kHeaderBytes - 8 + dataBytes);
    out.Tag("WAVE");
    out.Tag("fmt ");
    out.U32(16);
    out.U16(kFormatPcm);
    out.U16(static_cast<std::uint32_t>(format.channels));
    out.U32(static_cast<std::uint32_t>(format.sampleRate));
    out.U32(static_cast<std::uint32_t>(format.sampleRate) * frameBytes);
    out.U16(frameBytes);
    out.U16(static_cast<std::uint32_t>(format.bitsPerSample));
    out.Tag("data");
    out.U32(dataBytes);
    if (!samples.empty())
        out.Bytes(samples.data(), samples.size());
    return image;
}

// Reading RIFF WAVE images: whatever is not sound PCM is refused, never
// played as noise.
#include "framework/Wave.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>

namespace {

using Bytes = std::vector<std::uint8_t>;

const PcmFormat kStereo16{2, 44100, 16};

// Two frames of 16-bit stereo: 1, -1, 256, -256.
const Bytes kSamples = {0x01, 0x00, 0xff, 0xff, 0x00, 0x01, 0x00, 0xff};

void Poke16(Bytes& image, std::size_t at, std::uint16_t value) {
    image[at] = static_cast<std::uint8_t>(value);
    image[at + 1] = static_cast<std::uint8_t>(value >> 8);
}

void Poke32(Bytes& image, std::size_t at, std::uint32_t value) {
    Poke16(image, at, value & 0xffff);
    Poke16(image, at + 2, value >> 16);
}

void PokeTag(Bytes& image, std::size_t at, const char* tag) {
    std::memcpy(&image[at], tag, 4);
}

const Bytes kGood = MakePcmWave(kStereo16, kSamples);
Bytes Good() {
    return kGood;
}

// A chunk with its header, padded to an even size.
Bytes Chunk(const char* tag, const Bytes& body) {
    Bytes chunk(8 + body.size() + body.size() % 2);
    PokeTag(chunk, 0, tag);
    Poke32(chunk, 4, static_cast<std::uint32_t>(body.size()));
    std::copy(body.begin(), body.end(), chunk.begin() + 8);
    return chunk;
}

// A RIFF WAVE image made of the given chunks.
Bytes Riff(std::initializer_list<Bytes> chunks) {
    Bytes image(12);
    PokeTag(image, 0, "RIFF");
    PokeTag(image, 8, "WAVE");
    for (const Bytes& chunk : chunks)
        image.insert(image.end(), chunk.begin(), chunk.end());
    Poke32(image, 4, static_cast<std::uint32_t>(image.size() - 8));
    return image;
}

// The fmt chunk of the canonical image, and its data chunk.
Bytes FmtChunk() {
    return Bytes(kGood.begin() + 12, kGood.begin() + 36);
}
Bytes DataChunk() {
    return Chunk("data", kSamples);
}

// The extensible fmt body naming `subFormat` in its GUID.
Bytes ExtensibleFmt(std::uint16_t subFormat) {
    Bytes body(kGood.begin() + 20, kGood.begin() + 36);
    Poke16(body, 0, 0xFFFE);
    body.resize(40, 0);
    Poke16(body, 16, 22);
    Poke16(body, 24, subFormat);
    return Chunk("fmt ", body);
}

TEST(Wave, CanonicalImageReadsBack) {
    const Bytes image = Good();
    ASSERT_EQ(image.size(), 44u + kSamples.size());
    const std::optional<PcmWave> wave = ParsePcmWave(image);
    ASSERT_TRUE(wave);
    EXPECT_EQ(wave->format, kStereo16);
    EXPECT_EQ(wave->Frames(), 2u);
    EXPECT_EQ(wave->samples.data(), image.data() + 44) << "the samples point into the image";
    EXPECT_EQ(Bytes(wave->samples.begin(), wave->samples.end()), kSamples);
}

// Images as other writers make them: extra chunks (odd-sized, with their pad
// byte), the extensible format header, a trailing partial frame.
TEST(Wave, ReadsTheFormsOtherWritersUse) {
    Bytes partial = kSamples;
    partial.push_back(0x7f);
    struct Case {
        const char* what;
        Bytes image;
        std::size_t frames;
    };
    const Case cases[] = {
        {"LIST chunk before fmt", Riff({Chunk("LIST", {1, 2, 3}), FmtChunk(), DataChunk()}), 2},
        {"odd chunk between fmt and data", Riff({FmtChunk(), Chunk("fact", {9}), DataChunk()}), 2},
        {"chunk after data", Riff({FmtChunk(), DataChunk(), Chunk("id3 ", {1, 2})}), 2},
        {"extensible PCM", Riff({ExtensibleFmt(1), DataChunk()}), 2},
        {"partial frame dropped", Riff({FmtChunk(), Chunk("data", partial)}), 2},
        {"no samples", Riff({FmtChunk(), Chunk("data", {})}), 0},
    };
    for (const Case& c : cases) {
        const std::optional<PcmWave> wave = ParsePcmWave(c.image);
        ASSERT_TRUE(wave) << c.what;
        EXPECT_EQ(wave->format, kStereo16) << c.what;
        EXPECT_EQ(wave->Frames(), c.frames) << c.what;
        EXPECT_EQ(wave->samples.size(), c.frames * 4) << c.what;
    }
}

TEST(Wave, RefusesMalformedImages) {
    struct Case {
        const char* what;
        Bytes image;
    };
    std::vector<Case> cases;
    const auto add = [&cases](const char* what, Bytes image) {
        cases.push_back({what, std::move(image)});
    };
    const auto changed = [](std::size_t at, std::uint32_t value, int width) {
        Bytes image = Good();
        if (width == 2)
            Poke16(image, at, static_cast<std::uint16_t>(value));
        else
            Poke32(image, at, value);
        return image;
    };
    add("empty", {});
    for (const std::size_t size : {4u, 11u, 12u, 20u, 36u, 43u})
        add("truncated header", Bytes(kGood.begin(), kGood.begin() + size));
    add("cut inside the data", Bytes(kGood.begin(), kGood.end() - 1));
    {
        Bytes garbage(64);
        for (std::size_t i = 0; i < garbage.size(); ++i)
            garbage[i] = static_cast<std::uint8_t>(i * 37 + 11);
        add("garbage", garbage);
    }
    {
        Bytes image = Good();
        PokeTag(image, 0, "RIFX");
        add("big-endian RIFX", image);
        image = Good();
        PokeTag(image, 8, "AVI ");
        add("not WAVE", image);
    }
    add("RIFF size past the image", changed(4, 36 + 8 + 2, 4));
    add("data chunk larger than the image", changed(40, 1000, 4));
    add("data chunk of 4 GB", changed(40, 0xffffffff, 4));
    add("fmt chunk past the image", changed(16, 5000, 4));
    add("fmt chunk too short", Riff({Chunk("fmt ", Bytes(14, 0)), DataChunk()}));
    add("float samples", changed(20, 3, 2));
    add("ADPCM", changed(20, 2, 2));
    add("mu-law", changed(20, 7, 2));
    add("extensible float", Riff({ExtensibleFmt(3), DataChunk()}));
    add("no channels", changed(22, 0, 2));
    add("six channels", changed(22, 6, 2));
    add("no sample rate", changed(24, 0, 4));
    add("byte rate wrong", changed(28, 1234, 4));
    add("block align wrong", changed(32, 2, 2));
    add("24-bit samples", changed(34, 24, 2));
    add("no data chunk", Riff({FmtChunk()}));
    add("data before fmt", Riff({DataChunk(), FmtChunk()}));
    add("no fmt chunk", Riff({DataChunk()}));
    for (const Case& c : cases)
        EXPECT_FALSE(ParsePcmWave(c.image)) << c.what;
}

} // namespace

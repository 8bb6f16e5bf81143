// The 91 wave resources: their ids, formats, lengths and loudness, as the
// player hears them at every volume level.
#include "framework/Resources.h"
#include "framework/Wave.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

constexpr int kErrorClip = 200;
constexpr int kSetSize = 18;
constexpr int kLevels = 5;
// Set 0 peaks near one fifth of full scale (within 1.5 dB: words that sound
// loud are turned down a little so all sound alike), and no higher than a
// fifth, so that five times louder never clips.
constexpr int kLoudestPeak = 32767 / 5;
constexpr int kQuietestPeak = kLoudestPeak * 84 / 100;
// Sound at the cut edges of a word: the first and last few milliseconds are
// not silence.
constexpr double kEdgeSeconds = 0.005;
constexpr int kEdgeLevel = 100;

std::string Name(int id) {
    return "clip " + std::to_string(id);
}

// The samples of a resource, interleaved.
std::vector<int> Samples(const PcmWave& wave) {
    std::vector<int> samples;
    for (std::size_t at = 0; at + 1 < wave.samples.size(); at += 2)
        samples.push_back(static_cast<std::int16_t>(wave.samples[at] | wave.samples[at + 1] << 8));
    return samples;
}

int Peak(const std::vector<int>& samples, std::size_t from, std::size_t to) {
    int peak = 0;
    for (std::size_t at = from; at < to; ++at)
        peak = std::max(peak, std::abs(samples[at]));
    return peak;
}

PcmWave Wave(int id) {
    const std::optional<WaveImage> image = FindWaveResource(id);
    if (!image)
        ADD_FAILURE() << Name(id) << " is missing";
    const std::optional<PcmWave> wave = image ? ParsePcmWave(*image) : std::nullopt;
    if (image && !wave)
        ADD_FAILURE() << Name(id) << " is not a PCM WAVE image";
    return wave.value_or(PcmWave{{2, 44100, 16}, {}});
}

TEST(WaveResources, EveryIdFrom200To290AndNoOther) {
    for (int id = 190; id <= 300; ++id)
        EXPECT_EQ(FindWaveResource(id).has_value(), id >= 200 && id <= 290) << Name(id);
    EXPECT_FALSE(FindWaveResource(-200));
    EXPECT_FALSE(FindWaveResource(0));
}

TEST(WaveResources, FoundInPlaceEveryTime) {
    for (int id = 200; id <= 290; ++id) {
        const WaveImage first = *FindWaveResource(id);
        const WaveImage again = *FindWaveResource(id);
        EXPECT_EQ(first.data(), again.data()) << Name(id);
        EXPECT_EQ(WaveResourceId(first), id);
    }
    const std::vector<std::uint8_t> copy(FindWaveResource(237)->begin(),
                                         FindWaveResource(237)->end());
    EXPECT_FALSE(WaveResourceId(copy)) << "a copy is not the resource";
}

TEST(WaveResources, ErrorClipIs22050HzStereoForNearlyOneSecond) {
    const PcmWave error = Wave(kErrorClip);
    EXPECT_EQ(error.format, (PcmFormat{2, 22050, 16}));
    EXPECT_NEAR(error.Seconds(), 0.92, 1.0 / 22050);
    const std::vector<int> samples = Samples(error);
    const int peak = Peak(samples, 0, samples.size());
    EXPECT_GT(peak, 32767 / 10) << "clearly audible";
    EXPECT_LT(peak, 32767) << "not clipped";
}

TEST(WaveResources, VoiceClipsAreTightEvenAndQuietEnoughToScale) {
    for (int id = 201; id <= 218; ++id) {
        const PcmWave wave = Wave(id);
        EXPECT_EQ(wave.format, (PcmFormat{2, 44100, 16})) << Name(id);
        EXPECT_GE(wave.Seconds(), 0.30) << Name(id);
        EXPECT_LE(wave.Seconds(), 0.47) << Name(id);

        const std::vector<int> samples = Samples(wave);
        for (std::size_t frame = 0; frame + 1 < samples.size(); frame += 2)
            ASSERT_EQ(samples[frame], samples[frame + 1]) << Name(id) << " frame " << frame / 2;
        const int peak = Peak(samples, 0, samples.size());
        EXPECT_GE(peak, kQuietestPeak) << Name(id);
        EXPECT_LE(peak, kLoudestPeak) << Name(id);

        const auto edge = static_cast<std::size_t>(kEdgeSeconds * 44100) * 2;
        EXPECT_GE(Peak(samples, 0, edge), kEdgeLevel) << Name(id) << " starts with silence";
        EXPECT_GE(Peak(samples, samples.size() - edge, samples.size()), kEdgeLevel)
            << Name(id) << " ends with silence";
    }
}

TEST(WaveResources, EveryWordOfASetIsItsOwnRecording) {
    for (int first = 201; first <= 218; ++first) {
        for (int second = first + 1; second <= 218; ++second)
            EXPECT_FALSE(std::ranges::equal(*FindWaveResource(first), *FindWaveResource(second)))
                << Name(first) << " and " << Name(second);
    }
}

// Set v is set 0 with every sample v + 1 times as large, to within the
// rounding of the gain: the same words, the same lengths, louder and never
// clipped.
TEST(WaveResources, LouderSetsAreTheQuietestScaled) {
    constexpr int kTolerance = 50;
    for (int offset = 0; offset < kSetSize; ++offset) {
        const int baseId = 201 + offset;
        const std::vector<int> base = Samples(Wave(baseId));
        for (int level = 1; level < kLevels; ++level) {
            const int id = baseId + kSetSize * level;
            const PcmWave wave = Wave(id);
            EXPECT_EQ(wave.format, (PcmFormat{2, 44100, 16})) << Name(id);
            const std::vector<int> louder = Samples(wave);
            ASSERT_EQ(louder.size(), base.size()) << Name(id);
            int worst = 0;
            for (std::size_t at = 0; at < base.size(); ++at)
                worst = std::max(worst, std::abs(louder[at] - base[at] * (level + 1)));
            EXPECT_LE(worst, kTolerance) << Name(id) << " against " << Name(baseId);
            EXPECT_LT(Peak(louder, 0, louder.size()), 32767) << Name(id) << " clips";
        }
    }
}

} // namespace

// kvhost process writes, sample for sample, what the overdrive's plain arithmetic gives.
#include "KvhostRunner.h"
#include "ReferenceOverdrive.h"
#include "WavBytes.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <random>

namespace {
constexpr int kFrames = 3000;
const ReferenceOverdrive kSettings{0.37f, 0.61f, 0.8f};

// Runs the input through kvhost at kSettings (named three ways) and reads what it wrote.
WavContents processedByKvhost(const std::string& name, const WavContents& input, const char* block)
{
    const std::string folder = scratchFolder(name);
    writeFile(folder + "/in.wav", wavBytes(input));
    const KvhostResult result = runKvhost({"process", folder + "/in.wav", folder + "/out.wav", "--param", "gain=0.37",
                                           "--param", "Amount=0.61", "--param", "2=0.8", "--block", block});
    EXPECT_EQ(result.exitStatus, 0) << result.errors;
    return readCanonicalWav(folder + "/out.wav");
}

std::int16_t expected16(float sample)
{
    const double scaled = std::nearbyint(static_cast<double>(kSettings.sample(sample)) * 32768.0);
    return static_cast<std::int16_t>(std::fmax(-32768.0, std::fmin(32767.0, scaled)));
}
} // namespace

TEST(KvhostProcess, FloatStereoMatchesTheReferenceBitForBit)
{
    std::mt19937 random(7);
    std::uniform_real_distribution<float> signal(-1.5f, 1.5f);
    std::vector<float> samples(kFrames * 2);
    for (float& sample : samples)
        sample = signal(random);

    const WavContents output = processedByKvhost("float", floatWav(samples, 2), "333");
    EXPECT_EQ(output.formatTag, 3);
    EXPECT_EQ(output.channels, 2);
    const std::vector<float> shaped = floatSamples(output);
    ASSERT_EQ(shaped.size(), samples.size());
    for (std::size_t i = 0; i < samples.size(); ++i) {
        const float expected = kSettings.sample(samples[i]);
        ASSERT_EQ(std::memcmp(&shaped[i], &expected, sizeof(float)), 0) << "sample " << i << ": " << shaped[i] << " vs " << expected;
    }
}

TEST(KvhostProcess, Int16MonoMatchesTheReferenceQuantisedToInt16)
{
    std::mt19937 random(8);
    std::uniform_int_distribution<int> signal(-32768, 32767);
    std::vector<std::int16_t> samples(kFrames);
    for (std::int16_t& sample : samples)
        sample = static_cast<std::int16_t>(signal(random));

    const WavContents output = processedByKvhost("int16", int16Wav(samples, 1), "64");
    EXPECT_EQ(output.formatTag, 1);
    EXPECT_EQ(output.channels, 1);
    const std::vector<std::int16_t> shaped = int16Samples(output);
    ASSERT_EQ(shaped.size(), samples.size());
    for (std::size_t i = 0; i < samples.size(); ++i)
        ASSERT_EQ(shaped[i], expected16(static_cast<float>(samples[i] / 32768.0))) << "sample " << i;
}

TEST(KvhostProcess, ProgramIsAppliedBeforeParameters)
{
    const std::string folder = scratchFolder("program");
    writeFile(folder + "/in.wav", wavBytes(floatWav({0.3f, -0.3f, 0.9f, -1.2f}, 1)));
    const KvhostResult result = runKvhost({"process", folder + "/in.wav", folder + "/out.wav", "--program", "5",
                                           "--param", "Gain=0", "--param", "Amount=0"});
    ASSERT_EQ(result.exitStatus, 0) << result.errors;
    EXPECT_EQ(floatSamples(readCanonicalWav(folder + "/out.wav")), (std::vector<float>{0.3f, -0.3f, 0.5f, -1.0f}));
}

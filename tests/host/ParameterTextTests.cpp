// Number-to-text helpers: exact texts, truncation, and never a byte past text[maxLen].
#include "RecordingEffect.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <string>

namespace {
constexpr char kCanary = '#';

class ParameterText : public ::testing::Test {
protected:
    // Runs a helper into a canary-filled buffer and checks it kept to maxLen + 1 bytes.
    template <typename Helper>
    std::string run(Helper helper, int32 maxLen)
    {
        char buffer[64];
        std::memset(buffer, kCanary, sizeof(buffer));
        helper(buffer, maxLen);
        EXPECT_EQ(buffer[maxLen], '\0');
        EXPECT_EQ(buffer[maxLen + 1], kCanary) << "wrote past text[maxLen]";
        return buffer;
    }
    std::string float2string(float value, int32 maxLen)
    {
        return run([&](char* text, int32 length) { effect.float2string(value, text, length); }, maxLen);
    }
    std::string int2string(int32 value, int32 maxLen)
    {
        return run([&](char* text, int32 length) { effect.int2string(value, text, length); }, maxLen);
    }
    std::string dB2string(float value, int32 maxLen)
    {
        return run([&](char* text, int32 length) { effect.dB2string(value, text, length); }, maxLen);
    }

    RecordingEffect effect{false};
};
} // namespace

TEST_F(ParameterText, FloatTextsHaveEightPositionsAndTruncate)
{
    EXPECT_EQ(float2string(0.0f, 20), "0.000000");
    EXPECT_EQ(float2string(0.0f, 5), "0.000");
    EXPECT_EQ(float2string(0.0f, 2), "0.");
    EXPECT_EQ(float2string(1.0f, 20), "1.000000");
    EXPECT_EQ(float2string(1.0f, 2), "1.");
    EXPECT_EQ(float2string(-1.0f, 20), "-1.00000");
    EXPECT_EQ(float2string(-1.0f, 5), "-1.00");
    EXPECT_EQ(float2string(-1.0f, 2), "-1");
    EXPECT_EQ(float2string(12.25f, 20), "12.25000");
    EXPECT_EQ(float2string(12.25f, 2), "12");
    EXPECT_EQ(float2string(0.5f, 20), "0.500000");
    EXPECT_EQ(float2string(123456.78f, 20), "123456.7");
    EXPECT_EQ(float2string(-6.0206f, 20), "-6.02059");
    EXPECT_EQ(float2string(0.06f, 8), "0.059999");
    EXPECT_EQ(float2string(99.0f, 2), "99");
    EXPECT_EQ(float2string(49.5f, 2), "49");
    EXPECT_EQ(float2string(9.9f, 2), "9.");
}

TEST_F(ParameterText, FloatTextsOutOfRange)
{
    EXPECT_EQ(float2string(100000000.0f, 20), "Huge!");
    EXPECT_EQ(float2string(100000000.0f, 5), "Huge!");
    EXPECT_EQ(float2string(100000000.0f, 2), "Hu");
    EXPECT_EQ(float2string(-10000000.0f, 20), "Huge!");
    EXPECT_EQ(float2string(std::numeric_limits<float>::infinity(), 20), "Huge!");
    EXPECT_EQ(float2string(-std::numeric_limits<float>::infinity(), 20), "Huge!");
    EXPECT_EQ(float2string(std::nanf(""), 20), "NaN");
    // Integer parts too long for eight positions keep every digit rather than losing the first.
    EXPECT_EQ(float2string(12345678.0f, 20), "12345678.");
    EXPECT_EQ(float2string(-1234567.0f, 20), "-1234567.");
}

TEST_F(ParameterText, IntegerTexts)
{
    EXPECT_EQ(int2string(0, 20), "0");
    EXPECT_EQ(int2string(7, 20), "7");
    EXPECT_EQ(int2string(-42, 20), "-42");
    EXPECT_EQ(int2string(1000, 20), "1000");
    EXPECT_EQ(int2string(99999999, 20), "99999999");
    EXPECT_EQ(int2string(100000000, 20), "Huge!");
    EXPECT_EQ(int2string(123456, 3), "123");
    EXPECT_EQ(int2string(-999999999, 20), "-999999999");
    EXPECT_EQ(int2string(std::numeric_limits<int32>::min(), 20), "Huge!");
}

TEST_F(ParameterText, DecibelTexts)
{
    EXPECT_EQ(dB2string(1.0f, 5), "0.000");
    EXPECT_EQ(dB2string(1000.0f, 5), "60.00");
    EXPECT_EQ(dB2string(0.5f, 5), "-6.02");
    EXPECT_EQ(dB2string(0.0f, 5), "-oo");
    EXPECT_EQ(dB2string(-3.0f, 5), "-oo");
    EXPECT_EQ(dB2string(1.0f, 0), "");
}

TEST_F(ParameterText, FrequencyAndTimeTextsUseTheSampleRate)
{
    effect.setSampleRate(44100.0f);
    EXPECT_EQ(run([&](char* text, int32 length) { effect.Hz2string(0.0f, text, length); }, 8), "0.000000");
    EXPECT_EQ(run([&](char* text, int32 length) { effect.Hz2string(100.0f, text, length); }, 8), "441.0000");
    EXPECT_EQ(run([&](char* text, int32 length) { effect.ms2string(44100.0f, text, length); }, 8), "1000.000");
    effect.setSampleRate(0.0f);
    EXPECT_EQ(run([&](char* text, int32 length) { effect.ms2string(1.0f, text, length); }, 8), "Huge!");
}

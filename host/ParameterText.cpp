// Number-to-text helpers for parameter displays. Texts are at most maxLen characters; digits
// are truncated, never rounded, so a display never shows more than the value holds.
#include "AudioEffect.h"
#include "BoundedText.h"

#include <cmath>
#include <cstdint>

namespace {
constexpr const char* kHugeText = "Huge!";
constexpr const char* kMinusInfinityText = "-oo";
constexpr const char* kNotANumberText = "NaN";
constexpr int32 kPositions = 8;
constexpr double kLargestPositive = 99999999.0;
constexpr double kLargestNegativeMagnitude = 9999999.0;
constexpr std::int64_t kLargestInteger = 99999999;
// Nine digits fit the divisor steps; below this the leading digit would not be a digit.
constexpr std::int64_t kSmallestInteger = -999999999;

char digitOf(double value)
{
    return static_cast<char>('0' + static_cast<int>(std::fmod(value, 10.0)));
}
} // namespace

void AudioEffect::dB2string(float value, char* text, int32 maxLen)
{
    if (value <= 0.0f)
        boundedCopy(text, kMinusInfinityText, maxLen);
    else
        float2string(static_cast<float>(20.0 * std::log10(static_cast<double>(value))), text, maxLen);
}

void AudioEffect::Hz2string(float samples, char* text, int32 maxLen)
{
    const float rate = getSampleRate();
    if (samples == 0.0f)
        float2string(0.0f, text, maxLen);
    else
        float2string(rate / samples, text, maxLen);
}

void AudioEffect::ms2string(float samples, char* text, int32 maxLen)
{
    float2string(static_cast<float>(static_cast<double>(samples) * 1000.0 / static_cast<double>(getSampleRate())), text,
                 maxLen);
}

void AudioEffect::float2string(float value, char* text, int32 maxLen)
{
    double v = value;
    if (std::isnan(v)) {
        boundedCopy(text, kNotANumberText, maxLen);
        return;
    }

    int32 c = 0;
    const bool negative = v < 0.0;
    if (negative) {
        v = -v;
        c = 1;
    }
    if (v > (negative ? kLargestNegativeMagnitude : kLargestPositive)) {
        boundedCopy(text, kHugeText, maxLen);
        return;
    }

    // Integer part, right to left, behind its decimal point. Integer parts too long for the eight
    // positions keep all their digits (the caller's maxLen still bounds the text).
    char integerText[kPositions + 4];
    char* start = integerText + sizeof(integerText) - 1;
    *start = '\0';
    *--start = '.';
    ++c;
    double integ = std::floor(v);
    do {
        *--start = digitOf(integ);
        integ /= 10.0;
        ++c;
    } while (integ >= 1.0);
    if (negative)
        *--start = '-';
    boundedCopy(text, start, maxLen);

    if (c >= kPositions)
        return;

    // Fraction, last digit first.
    const int32 fractionDigits = kPositions - c;
    char fractionText[kPositions + 1];
    fractionText[fractionDigits] = '\0';
    double m = std::fmod(v, 1.0) * std::pow(10.0, fractionDigits);
    for (int32 position = fractionDigits - 1; position >= 0; --position) {
        if (m <= 0.0) {
            fractionText[position] = '0';
        } else {
            fractionText[position] = digitOf(m);
            m /= 10.0;
        }
    }
    boundedAppend(text, fractionText, maxLen);
}

void AudioEffect::int2string(int32 value, char* text, int32 maxLen)
{
    std::int64_t remaining = value;
    if (remaining > kLargestInteger || remaining < kSmallestInteger) {
        boundedCopy(text, kHugeText, maxLen);
        return;
    }
    if (remaining < 0) {
        boundedCopy(text, "-", maxLen);
        remaining = -remaining;
    } else {
        boundedCopy(text, "", maxLen);
    }

    bool wroteDigit = false;
    for (std::int64_t divisor = 100000000; divisor >= 1; divisor /= 10) {
        const std::int64_t digit = remaining / divisor;
        remaining -= digit * divisor;
        if (wroteDigit || digit != 0) {
            const char digitText[2] = {static_cast<char>('0' + digit), '\0'};
            boundedAppend(text, digitText, maxLen);
            wroteDigit = true;
        }
    }
    if (!wroteDigit)
        boundedAppend(text, "0", maxLen);
}

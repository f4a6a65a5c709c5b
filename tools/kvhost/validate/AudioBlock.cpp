#include "AudioBlock.h"

#include <cmath>
#include <algorithm>
#include <cstring>
#include <limits>

namespace {
constexpr int32 kGuardFrames = 16;
// A quiet NaN with a payload no arithmetic produces, compared bit for bit.
constexpr std::uint32_t kGuardBits = 0x7FC0DEADu;

float guardValue()
{
    float value;
    std::memcpy(&value, &kGuardBits, sizeof value);
    return value;
}

bool isGuard(float value)
{
    std::uint32_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    return bits == kGuardBits;
}

bool isSubnormal(float value)
{
    return value != 0.0f && std::fabs(value) < std::numeric_limits<float>::min();
}
} // namespace

AudioBlock::AudioBlock(int32 channels, int32 frames)
    : frameCount(frames),
      storage(static_cast<std::size_t>(channels), std::vector<float>(static_cast<std::size_t>(frames + 2 * kGuardFrames), guardValue())),
      channelPointers(static_cast<std::size_t>(channels))
{
    pointAtStorage();
    for (float* samples : channelPointers)
        std::fill(samples, samples + frames, 0.0f);
}

AudioBlock::AudioBlock(const AudioBlock& other)
    : frameCount(other.frameCount), storage(other.storage), channelPointers(other.channelPointers.size())
{
    pointAtStorage();
}

void AudioBlock::pointAtStorage()
{
    for (std::size_t c = 0; c < storage.size(); ++c)
        channelPointers[c] = storage[c].data() + kGuardFrames;
}

std::string AudioBlock::guardFault() const
{
    for (std::size_t c = 0; c < storage.size(); ++c)
        for (std::size_t i = 0; i < storage[c].size(); ++i) {
            const bool before = i < static_cast<std::size_t>(kGuardFrames);
            const bool after = i >= static_cast<std::size_t>(kGuardFrames + frameCount);
            if ((before || after) && !isGuard(storage[c][i]))
                return "channel " + std::to_string(c) + " written " + (before ? "before the first" : "past the last")
                       + " of " + std::to_string(frameCount) + " frames";
        }
    return {};
}

std::string AudioBlock::sampleFault(bool subnormalsAllowed) const
{
    for (int32 c = 0; c < channels(); ++c)
        for (int32 i = 0; i < frameCount; ++i) {
            const float value = channel(c)[i];
            const std::string where = " in channel " + std::to_string(c) + " frame " + std::to_string(i);
            if (std::isnan(value))
                return "NaN" + where;
            if (std::isinf(value))
                return "infinity" + where;
            if (!subnormalsAllowed && isSubnormal(value))
                return "subnormal" + where;
        }
    return {};
}

bool AudioBlock::hasSubnormals() const
{
    for (int32 c = 0; c < channels(); ++c)
        for (int32 i = 0; i < frameCount; ++i)
            if (isSubnormal(channel(c)[i]))
                return true;
    return false;
}

bool AudioBlock::sameSamples(const AudioBlock& other) const
{
    for (int32 c = 0; c < channels(); ++c)
        if (std::memcmp(channel(c), other.channel(c), sizeof(float) * static_cast<std::size_t>(frameCount)) != 0)
            return false;
    return true;
}

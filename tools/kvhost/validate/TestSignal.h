// The signals processing checks feed: seeded noise, silence, a sine sweep, and noise scaled
// down into the subnormal range.
#pragma once

#include "AudioBlock.h"

#include <cstdint>

enum class SignalKind { noise, silence, sweep, subnormalNoise };

const char* signalName(SignalKind kind);
// Fills the block's frames; position is the frame index of its first frame in the stream.
void fillSignal(AudioBlock& block, SignalKind kind, std::int64_t position, float sampleRate, std::uint32_t seed);

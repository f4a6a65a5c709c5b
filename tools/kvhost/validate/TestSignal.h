// The signals processing checks feed: seeded noise, silence and a sine sweep.
#pragma once

#include "AudioBlock.h"

#include <cstdint>

enum class SignalKind { noise, silence, sweep };

const char* signalName(SignalKind kind);
// Fills the block's frames; position is the frame index of its first frame in the stream.
void fillSignal(AudioBlock& block, SignalKind kind, std::int64_t position, float sampleRate, std::uint32_t seed);

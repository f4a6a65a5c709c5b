// Processes one block through an effect and says what was wrong with it: writes outside the
// frames, non-finite output, input changed by a plug-in that was not processing in place.
#pragma once

#include "AudioBlock.h"
#include "Subject.h"

#include <string>

struct BlockVerdict {
    std::string fault;
    bool subnormals = false;
};

// A pair of guarded blocks sized for the effect's channels.
struct EffectBuffers {
    EffectBuffers(const Instance& instance, int32 frames);
    AudioBlock inputs;
    AudioBlock outputs;
};

BlockVerdict processAndJudge(const Instance& instance, EffectBuffers& buffers);
// Above this level a subnormal output sample is a failure rather than a warning.
constexpr int kSubnormalWarningLevel = 5;

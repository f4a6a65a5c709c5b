// Processing of whole blocks with vector instructions: the waveshaper's curve, clamp and the
// output level for many samples at once, bit for bit what kestrovanel::forSample and a float
// multiplication give one sample at a time.
#pragma once

#include "HostTypes.h"

// The change count is checked once per group of this many frames, so a parameter change made
// during a block takes effect within at most this many samples.
constexpr int32 kSettingsGroupFrames = 16;
constexpr int32 kShaperChannels = 2;

struct ShaperSettings {
    double gain;
    double shapeFactor;
    // upperInputBound(shapeFactor), or NaN: lets the shaper cap its input instead of clamping
    // its output.
    double inputBound;
};

struct GroupSettings {
    ShaperSettings channel[kShaperChannels];
    double output;
};

// Gives the settings in force now through a virtual call, for sources other than the effect's
// own (EffectSettings); called from the audio thread while others may change them. changeCount
// answers a number that differs from its last answer once the settings have changed, and is
// asked before read, so the kernel reads and rebuilds only after a change.
class GroupSettingsSource {
public:
    virtual uint32 changeCount() const = 0;
    virtual GroupSettings read() const = 0;

protected:
    ~GroupSettingsSource() = default;
};

struct StereoBuffers {
    const float* inputs[kShaperChannels];
    float* outputs[kShaperChannels];
    int32 channels;
};

class EffectSettings;

using BlockShaperProc = void (*)(const StereoBuffers& buffers, int32 frames, const EffectSettings& settings);
using SourceBlockShaperProc = void (*)(const StereoBuffers& buffers, int32 frames, const GroupSettingsSource& settings);

// The widest variant this processor and operating system can run.
BlockShaperProc widestBlockShaper();

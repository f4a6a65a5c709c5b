// Planar channel buffers for one processing call, each with guard frames on both sides, so the
// check sees a write outside the frames it gave.
#pragma once

#include "../../../host/HostTypes.h"

#include <string>
#include <vector>

class AudioBlock {
public:
    AudioBlock(int32 channels, int32 frames);
    // A copy points at its own samples.
    AudioBlock(const AudioBlock& other);
    AudioBlock& operator=(const AudioBlock&) = delete;

    float** pointers() { return channelPointers.data(); }
    float* channel(int32 c) { return channelPointers[static_cast<std::size_t>(c)]; }
    const float* channel(int32 c) const { return channelPointers[static_cast<std::size_t>(c)]; }
    int32 channels() const { return static_cast<int32>(channelPointers.size()); }
    int32 frames() const { return frameCount; }

    // Empty when every guard frame is as it was; otherwise which channel and side was touched.
    std::string guardFault() const;
    // Empty when every sample is finite and (unless allowed) normal or zero.
    std::string sampleFault(bool subnormalsAllowed) const;
    bool hasSubnormals() const;
    bool sameSamples(const AudioBlock& other) const;

private:
    void pointAtStorage();

    int32 frameCount;
    std::vector<std::vector<float>> storage;
    std::vector<float*> channelPointers;
};

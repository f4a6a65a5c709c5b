// A minimal effect linked straight into the tests, for the base-class behaviour a host cannot
// reach through the record: text helpers, requests and arrangement utilities.
#pragma once

#include "AudioEffectX.h"

#include <vector>

struct RecordedRequest {
    int32 opcode;
    int32 index;
    intptr value;
    void* ptr;
    float opt;
};

class RecordingEffect : public AudioEffectX {
public:
    explicit RecordingEffect(bool withHost = true) : AudioEffectX(withHost ? callback : nullptr, 1, 2) { current = this; }
    ~RecordingEffect() override { current = nullptr; }

    void processReplacing(float** /*inputs*/, float** /*outputs*/, int32 /*sampleFrames*/) override {}
    void setParameter(int32 index, float value) override
    {
        parameterCalls.push_back({-1, index, 0, nullptr, value});
        requestsWhenSet = requests.size();
    }

    static intptr callback(AEffect* /*effect*/, int32 opcode, int32 index, intptr value, void* ptr, float opt)
    {
        current->requests.push_back({opcode, index, value, ptr, opt});
        return current->nextAnswer;
    }

    intptr nextAnswer = 0;
    std::vector<RecordedRequest> requests;
    std::vector<RecordedRequest> parameterCalls;
    std::size_t requestsWhenSet = 0;

private:
    static inline RecordingEffect* current = nullptr;
};

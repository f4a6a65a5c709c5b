// Construction, parameters, identity and processing of the effect.
#include "KestrovanelVst.h"

#include "EffectSettings.h"
#include "kestrovanelGui.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {
constexpr int32 kUniqueId = fourCharacterId('k', 'v', 'n', 'l');
constexpr int32 kVendorVersion = KV_VENDOR_VERSION;
constexpr int32 kDisplayDecibelLength = 5;
constexpr int32 kDisplayPercentLength = 2;
constexpr double kGainDecades = 3.0;
constexpr double kMaximumPercent = 99.0;

const char* const kParameterNames[kNumParams] = {"Gain", "Amount", "Output"};
const char* const kParameterLabels[kNumParams] = {"dB", "%", "dB"};

bool isParameter(int32 index)
{
    return index >= 0 && index < kNumParams;
}

// Hosts send values from 0 to 1; anything else (NaN included) would make the curve divide by
// zero or go negative, so it is brought into that range.
float normalised(float value)
{
    if (!(value >= 0.0f))
        return 0.0f;
    return value > 1.0f ? 1.0f : value;
}
} // namespace

AudioEffect* createEffectInstance(audioMasterCallback audioMaster)
{
    return new KestrovanelVst(audioMaster);
}

KestrovanelVst::KestrovanelVst(audioMasterCallback hostCallback) : KestrovanelVst(hostCallback, widestBlockShaper()) {}

KestrovanelVst::KestrovanelVst(audioMasterCallback hostCallback, BlockShaperProc shaper)
    : AudioEffectX(hostCallback, kNumPrograms, kNumParams),
      programs(new kestrovanelProgram[kNumPrograms]),
      gainParam(0.0f),
      amountParam(0.0f),
      outputParam(0.0f),
      leftShaper(new kestrovanel),
      rightShaper(new kestrovanel),
      gainLinear(0.0f),
      amountPercent(0.0f),
      settingsChanges(0),
      processingSettings(*leftShaper, *rightShaper, outputParam, settingsChanges),
      blockShaper(shaper)
{
    // The base deletes its editor.
    setEditor(new kestrovanelGui(this));
    curProgram = 0;
    setParameter(kGain, programs[0].gain);
    setParameter(kAmount, programs[0].amount);
    setParameter(kOutput, programs[0].output);

    cEffect.numInputs = 2;
    cEffect.numOutputs = 2;
    cEffect.uniqueID = kUniqueId;
    AudioEffectX::resume();
}

KestrovanelVst::~KestrovanelVst() = default;

// [SECTION] Parameters

void KestrovanelVst::setParameter(int32 index, float value)
{
    switch (index) {
    case kGain:
        SetGain(value);
        break;
    case kAmount:
        SetAmount(value);
        break;
    case kOutput:
        value = normalised(value);
        currentProgram().output = value;
        outputParam.store(value, std::memory_order_relaxed);
        settingsChanged();
        break;
    default:
        break;
    }
}

void KestrovanelVst::SetGain(float value)
{
    value = normalised(value);
    gainParam.store(value, std::memory_order_relaxed);
    currentProgram().gain = value;
    const float linear = static_cast<float>(std::pow(10.0, static_cast<double>(value) * kGainDecades));
    gainLinear.store(linear, std::memory_order_relaxed);
    leftShaper->SetGain(linear);
    rightShaper->SetGain(linear);
    settingsChanged();
}

void KestrovanelVst::SetAmount(float value)
{
    value = normalised(value);
    amountParam.store(value, std::memory_order_relaxed);
    currentProgram().amount = value;
    const float percent = static_cast<float>(static_cast<double>(value) * kMaximumPercent);
    amountPercent.store(percent, std::memory_order_relaxed);
    leftShaper->SetAmount(percent / 100.0);
    rightShaper->SetAmount(percent / 100.0);
    settingsChanged();
}

float KestrovanelVst::getParameter(int32 index)
{
    switch (index) {
    case kGain:
        return gainParam.load(std::memory_order_relaxed);
    case kAmount:
        return amountParam.load(std::memory_order_relaxed);
    case kOutput:
        return outputParam.load(std::memory_order_relaxed);
    default:
        return 0.0f;
    }
}

void KestrovanelVst::getParameterName(int32 index, char* text)
{
    if (isParameter(index))
        std::strcpy(text, kParameterNames[index]);
}

void KestrovanelVst::getParameterLabel(int32 index, char* label)
{
    if (isParameter(index))
        std::strcpy(label, kParameterLabels[index]);
}

void KestrovanelVst::getParameterDisplay(int32 index, char* text)
{
    switch (index) {
    case kGain:
        dB2string(gainLinear.load(std::memory_order_relaxed), text, kDisplayDecibelLength);
        break;
    case kAmount: {
        const float percent = amountPercent.load(std::memory_order_relaxed);
        float2string(percent, text, kDisplayPercentLength);
        // Below ten percent the two positions show "9."; only an exact zero reads as a number.
        if (percent == 0.0f)
            std::strcpy(text, "0");
        break;
    }
    case kOutput:
        dB2string(outputParam.load(std::memory_order_relaxed), text, kDisplayDecibelLength);
        break;
    default:
        break;
    }
}

// [SECTION] Identity

bool KestrovanelVst::getEffectName(char* name)
{
    std::strcpy(name, "Kestrovanel");
    return true;
}

bool KestrovanelVst::getProductString(char* text)
{
    std::strcpy(text, "Kestrovanel");
    return true;
}

bool KestrovanelVst::getVendorString(char* text)
{
    std::strcpy(text, "Halbergmoor");
    return true;
}

int32 KestrovanelVst::getVendorVersion()
{
    return kVendorVersion;
}

int32 KestrovanelVst::getPlugCategory()
{
    return kPlugCategEffect;
}

// [SECTION] Processing

void KestrovanelVst::processReplacing(float** inputs, float** outputs, int32 sampleFrames)
{
    if (sampleFrames <= 0 || inputs == nullptr || outputs == nullptr || inputs[0] == nullptr || outputs[0] == nullptr)
        return;
    // A second output without a second input is a silent channel, and silence shapes to silence.
    if (outputs[1] != nullptr && inputs[1] == nullptr)
        std::fill_n(outputs[1], sampleFrames, 0.0f);
    const bool stereo = outputs[1] != nullptr && inputs[1] != nullptr;
    const StereoBuffers buffers{{inputs[0], stereo ? inputs[1] : nullptr}, {outputs[0], stereo ? outputs[1] : nullptr},
                                stereo ? 2 : 1};
    blockShaper(buffers, sampleFrames, processingSettings);
}

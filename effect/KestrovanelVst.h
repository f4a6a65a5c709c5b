// The effect the host sees: a stereo overdrive with Gain, Amount and Output, six programs and
// two waveshapers, one per channel.
#pragma once

#include "AudioEffectX.h"
#include "BlockShaper.h"
#include "EffectSettings.h"
#include "KestrovanelProgram.h"
#include "Waveshaper.h"

#include <atomic>
#include <memory>

enum KestrovanelParameter : int32 { kGain = 0, kAmount, kOutput, kNumParams };

constexpr int32 kNumPrograms = 6;

class KestrovanelVst : public AudioEffectX {
public:
    explicit KestrovanelVst(audioMasterCallback hostCallback);
    // With a given vector width instead of the widest, for the benchmark's comparisons.
    KestrovanelVst(audioMasterCallback hostCallback, BlockShaperProc shaper);
    ~KestrovanelVst() override;

    void processReplacing(float** inputs, float** outputs, int32 sampleFrames) override;
    void setParameter(int32 index, float value) override;
    float getParameter(int32 index) override;
    void setProgram(int32 program) override;
    void setProgramName(char* name) override;
    void getProgramName(char* name) override;
    void getParameterLabel(int32 index, char* label) override;
    void getParameterDisplay(int32 index, char* text) override;
    void getParameterName(int32 index, char* text) override;
    bool getProgramNameIndexed(int32 category, int32 index, char* text) override;
    bool getEffectName(char* name) override;
    bool getVendorString(char* text) override;
    bool getProductString(char* text) override;
    int32 getVendorVersion() override;
    int32 getPlugCategory() override;

    void SetGain(float value);
    void SetAmount(float value);

private:
    kestrovanelProgram& currentProgram() { return programs[curProgram]; }
    void settingsChanged() { settingsChanges.fetch_add(1, std::memory_order_release); }

    std::unique_ptr<kestrovanelProgram[]> programs;
    // Set from the host's user-interface or automation thread while the audio thread reads them.
    std::atomic<float> gainParam;
    std::atomic<float> amountParam;
    std::atomic<float> outputParam;
    std::unique_ptr<kestrovanel> leftShaper;
    std::unique_ptr<kestrovanel> rightShaper;
    std::atomic<float> gainLinear;
    std::atomic<float> amountPercent;
    // Bumped after every write of a setting processing reads, so the block shaper can tell in one
    // load whether anything changed since its last group.
    std::atomic<uint32> settingsChanges;
    const EffectSettings processingSettings;
    const BlockShaperProc blockShaper;
};

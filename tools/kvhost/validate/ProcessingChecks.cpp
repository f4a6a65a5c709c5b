// Level 3: processing at the usual rates and block sizes, in place, under automation and
// across suspend, resume and sample-rate changes.
#include "Checks.h"

#include "BlockJudge.h"
#include "TestSignal.h"

#include <algorithm>
#include <random>

namespace {
constexpr float kSampleRates[] = {44100.0f, 48000.0f, 96000.0f};
constexpr int32 kBlockSizes[] = {1, 32, 64, 256, 512, 1024};
constexpr int32 kAnnouncedBlockSize = 1024;
constexpr int32 kOversizedBlock = 2048;
constexpr int kOversizedBlockLevel = 8;
constexpr int32 kFramesPerCase = 2048;
constexpr int32 kAutomationSubBlock = 32;
constexpr int32 kAutomationBlocks = 200;
constexpr SignalKind kSignals[] = {SignalKind::noise, SignalKind::silence, SignalKind::sweep};

std::string describe(float rate, int32 block, SignalKind signal)
{
    return std::to_string(static_cast<int>(rate)) + " Hz, blocks of " + std::to_string(block) + ", "
           + signalName(signal);
}

// Streams the signal through the effect in blocks; returns the first fault.
std::string streamSignal(const Instance& instance, float rate, int32 block, SignalKind signal, int32 frames,
                         const CheckContext& context, bool& subnormals)
{
    EffectBuffers buffers(instance, block);
    for (int32 start = 0; start < frames; start += block) {
        fillSignal(buffers.inputs, signal, start, rate, context.seed);
        const BlockVerdict verdict = processAndJudge(instance, buffers);
        subnormals = subnormals || verdict.subnormals;
        if (!verdict.fault.empty())
            return at(describe(rate, block, signal), verdict.fault);
    }
    return {};
}

CheckResult judgeSubnormals(bool subnormals, const CheckContext& context, std::string note = {})
{
    if (!subnormals)
        return CheckResult::passed(std::move(note));
    if (context.level > kSubnormalWarningLevel)
        return CheckResult::failed("subnormal output samples");
    return CheckResult::passed("warning: subnormal output samples" + (note.empty() ? "" : "; " + note));
}
} // namespace

CheckResult checkProcessSignals(const CheckContext& context)
{
    const auto instance = context.subject.create();
    bool subnormals = false;
    for (const float rate : kSampleRates) {
        instance->resume(rate, kAnnouncedBlockSize);
        for (const int32 block : kBlockSizes)
            for (const SignalKind signal : kSignals)
                if (std::string fault = streamSignal(*instance, rate, block, signal, kFramesPerCase, context, subnormals);
                    !fault.empty())
                    return CheckResult::failed(fault);
        instance->suspend();
    }
    std::string note;
    if (context.level >= kOversizedBlockLevel) {
        instance->resume(kSampleRates[0], kAnnouncedBlockSize);
        bool ignored = false;
        const std::string fault =
            streamSignal(*instance, kSampleRates[0], kOversizedBlock, SignalKind::noise, kOversizedBlock, context, ignored);
        if (!fault.empty())
            note = "warning: a block larger than announced: " + fault;
        instance->suspend();
    }
    return judgeSubnormals(subnormals, context, note);
}

CheckResult checkProcessInPlace(const CheckContext& context)
{
    const int32 frames = 512;
    auto separate = context.subject.create();
    auto again = context.subject.create();
    auto inPlace = context.subject.create();
    if (separate->effect().numInputs != separate->effect().numOutputs)
        return CheckResult::skipped("inputs and outputs differ in number");
    if ((separate->effect().flags & effFlagsCanReplacing) == 0)
        return CheckResult::skipped("the plug-in only accumulates into its outputs");
    for (const auto* instance : {separate.get(), again.get(), inPlace.get()})
        instance->resume(kSampleRates[0], frames);
    EffectBuffers first(*separate, frames);
    EffectBuffers second(*again, frames);
    fillSignal(first.inputs, SignalKind::noise, 0, kSampleRates[0], context.seed);
    fillSignal(second.inputs, SignalKind::noise, 0, kSampleRates[0], context.seed);
    AudioBlock shared = first.inputs;
    separate->processBlock(first.inputs.pointers(), first.outputs.pointers(), frames);
    again->processBlock(second.inputs.pointers(), second.outputs.pointers(), frames);
    if (!first.outputs.sameSamples(second.outputs))
        return CheckResult::skipped("two instances give different output for the same input");
    inPlace->processBlock(shared.pointers(), shared.pointers(), frames);
    if (!shared.sameSamples(first.outputs))
        return CheckResult::failed("processing in place gives other output than separate buffers");
    return CheckResult::passed();
}

CheckResult checkAutomationSubBlocks(const CheckContext& context)
{
    const auto instance = context.subject.create();
    std::mt19937 random(context.seed);
    std::uniform_real_distribution<float> value(0.0f, 1.0f);
    instance->resume(kSampleRates[0], kAnnouncedBlockSize);
    EffectBuffers buffers(*instance, kAutomationSubBlock);
    bool subnormals = false;
    for (int32 block = 0; block < kAutomationBlocks; ++block) {
        for (int32 p = 0; p < instance->effect().numParams; ++p)
            if (random() % 2 == 0)
                instance->setParameter(p, value(random));
        fillSignal(buffers.inputs, SignalKind::noise, block * kAutomationSubBlock, kSampleRates[0], context.seed);
        const BlockVerdict verdict = processAndJudge(*instance, buffers);
        subnormals = subnormals || verdict.subnormals;
        if (!verdict.fault.empty())
            return CheckResult::failed(at("sub-block " + std::to_string(block), verdict.fault));
    }
    return judgeSubnormals(subnormals, context);
}

CheckResult checkSuspendResume(const CheckContext& context)
{
    const auto instance = context.subject.create();
    bool subnormals = false;
    // Each rate twice, resumed without reopening, so a change back is covered too.
    for (int round = 0; round < 2; ++round)
        for (const float rate : kSampleRates) {
            instance->resume(rate, kAnnouncedBlockSize);
            if (std::string fault = streamSignal(*instance, rate, 256, SignalKind::sweep, 1024, context, subnormals);
                !fault.empty())
                return CheckResult::failed("after resuming at " + fault);
            instance->suspend();
        }
    return judgeSubnormals(subnormals, context);
}

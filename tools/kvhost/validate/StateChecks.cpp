// Levels 8 to 10: allocation while processing, display texts under another locale, and the
// floating-point and process-wide state left as found.
#include "Checks.h"

#include "AllocationCounter.h"
#include "BlockJudge.h"
#include "ProcessState.h"
#include "TestSignal.h"

#include <clocale>
#include <functional>
#include <vector>

namespace {
constexpr float kSampleRate = 44100.0f;
constexpr int32 kBlockFrames = 256;
constexpr int32 kBlocks = 50;
constexpr std::size_t kDisplayBytes = 256;
const char* const kCommaLocales[] = {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "fr_FR.utf8", "de_DE", "German_Germany.1252"};

std::vector<std::string> displays(const Instance& instance)
{
    std::vector<std::string> texts;
    for (int32 p = 0; p < instance.effect().numParams; ++p)
        for (const float value : {0.0f, 0.37f, 1.0f}) {
            instance.setParameter(p, value);
            std::string fault;
            texts.push_back(readText(instance, effGetParamDisplay, p, kDisplayBytes, fault));
        }
    return texts;
}

// The calls a host makes in a session, each one a step the state is compared across.
std::vector<std::pair<std::string, std::function<void()>>> sessionSteps(const Instance& instance, EffectBuffers& buffers)
{
    return {
        {"effSetSampleRate", [&] { instance.dispatch(effSetSampleRate, 0, 0, nullptr, kSampleRate); }},
        {"effSetBlockSize", [&] { instance.dispatch(effSetBlockSize, 0, kBlockFrames); }},
        {"effMainsChanged on", [&] { instance.dispatch(effMainsChanged, 0, 1); }},
        {"effStartProcess", [&] { instance.dispatch(effStartProcess); }},
        {"setParameter", [&] { if (instance.effect().numParams > 0) instance.setParameter(0, 0.7f); }},
        {"effGetParamDisplay", [&] { std::string fault; readText(instance, effGetParamDisplay, 0, kDisplayBytes, fault); }},
        {"effSetProgram", [&] { instance.dispatch(effSetProgram, 0, 0); }},
        {"processing", [&] { instance.processBlock(buffers.inputs.pointers(), buffers.outputs.pointers(), kBlockFrames); }},
        {"effStopProcess", [&] { instance.dispatch(effStopProcess); }},
        {"effMainsChanged off", [&] { instance.dispatch(effMainsChanged, 0, 0); }},
    };
}
} // namespace

CheckResult checkProcessAllocation(const CheckContext& context)
{
    if (!allocationsObservable())
        return CheckResult::skipped("the plug-in's allocator cannot be observed on this platform");
    const auto instance = context.subject.create();
    instance->resume(kSampleRate, kBlockFrames);
    EffectBuffers buffers(*instance, kBlockFrames);
    // The first blocks may set up lazily; a host tolerates that, not allocation in every block.
    processAndJudge(*instance, buffers);
    long allocations = 0;
    for (int32 block = 0; block < kBlocks; ++block) {
        fillSignal(buffers.inputs, SignalKind::noise, block * kBlockFrames, kSampleRate, context.seed);
        const AllocationWatch watch;
        instance->processBlock(buffers.inputs.pointers(), buffers.outputs.pointers(), kBlockFrames);
        allocations += watch.count();
    }
    instance->suspend();
    if (allocations > 0)
        return CheckResult::failed(std::to_string(allocations) + " heap allocation(s) in " + std::to_string(kBlocks)
                                   + " calls of processReplacing");
    return CheckResult::passed();
}

CheckResult checkLocaleDisplays(const CheckContext& context)
{
    const auto instance = context.subject.create();
    const std::vector<std::string> plain = displays(*instance);
    const char* chosen = nullptr;
    for (const char* name : kCommaLocales)
        if (std::setlocale(LC_ALL, name) != nullptr) {
            chosen = name;
            break;
        }
    if (chosen == nullptr)
        return CheckResult::skipped("no locale with a decimal comma is installed");
    const std::vector<std::string> localised = displays(*instance);
    std::setlocale(LC_ALL, "C");
    for (std::size_t i = 0; i < plain.size(); ++i)
        if (plain[i] != localised[i])
            return CheckResult::passed(std::string("report: under ") + chosen + " a display reads \"" + localised[i]
                                       + "\" instead of \"" + plain[i] + "\"");
    return CheckResult::passed(std::string("displays unchanged under ") + chosen);
}

CheckResult checkFloatingPointState(const CheckContext& context)
{
    const FloatingPointControl found = currentFloatingPointControl();
    const auto instance = context.subject.create();
    if (!(currentFloatingPointControl() == found))
        return CheckResult::failed("creating the effect changed " + describe(found) + " to "
                                   + describe(currentFloatingPointControl()));
    EffectBuffers buffers(*instance, kBlockFrames);
    for (const auto& [name, step] : sessionSteps(*instance, buffers)) {
        step();
        const FloatingPointControl after = currentFloatingPointControl();
        if (!(after == found))
            return CheckResult::failed(name + " changed " + describe(found) + " to " + describe(after));
    }
    return CheckResult::passed();
}

CheckResult checkProcessWideState(const CheckContext& context)
{
    const std::string found = processWideState();
    {
        const auto instance = context.subject.create();
        EffectBuffers buffers(*instance, kBlockFrames);
        for (const auto& [name, step] : sessionSteps(*instance, buffers)) {
            step();
            if (processWideState() != found)
                return CheckResult::failed(name + " changed the process-wide state from \"" + found + "\" to \""
                                           + processWideState() + "\"");
        }
    }
    if (processWideState() != found)
        return CheckResult::failed("closing the effect changed the process-wide state");
    return CheckResult::passed();
}

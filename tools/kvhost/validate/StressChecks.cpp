// Levels 6 and 7: parameter fuzz, parameters and programs changed while another thread
// processes, and the library unloaded and loaded again.
#include "Checks.h"

#include "BlockJudge.h"
#include "GuardedText.h"
#include "TestSignal.h"

#include <atomic>
#include <cmath>
#include <limits>
#include <random>
#include <thread>

namespace {
constexpr std::size_t kDisplayBytes = 256;
constexpr int32 kConcurrentBlocks = 500;
constexpr int32 kConcurrentBlockFrames = 32;
constexpr float kSampleRate = 44100.0f;
constexpr int kFuzzRounds = 20;

// Processes 500 blocks of 32 frames while another thread keeps calling change(random).
template <typename Change>
CheckResult processWhileChanging(const CheckContext& context, Change change)
{
    const auto instance = context.subject.create();
    instance->resume(kSampleRate, kConcurrentBlockFrames);
    std::atomic<bool> done{false};
    std::thread changer([&] {
        std::mt19937 random(context.seed);
        while (!done.load())
            change(*instance, random);
    });
    EffectBuffers buffers(*instance, kConcurrentBlockFrames);
    std::string fault;
    for (int32 block = 0; block < kConcurrentBlocks && fault.empty(); ++block) {
        fillSignal(buffers.inputs, SignalKind::noise, block * kConcurrentBlockFrames, kSampleRate, context.seed);
        fault = processAndJudge(*instance, buffers).fault;
    }
    done = true;
    changer.join();
    instance->suspend();
    return fault.empty() ? CheckResult::passed() : CheckResult::failed(fault);
}
} // namespace

CheckResult checkParameterFuzz(const CheckContext& context)
{
    const auto instance = context.subject.create();
    const float odd[] = {0.0f, 1.0f, -1.0f, 2.0f, 1e30f, -1e30f, -0.0f, std::numeric_limits<float>::denorm_min(),
                         std::numeric_limits<float>::quiet_NaN(), std::numeric_limits<float>::infinity(),
                         -std::numeric_limits<float>::infinity()};
    std::mt19937 random(context.seed);
    for (int32 p = 0; p < instance->effect().numParams; ++p)
        for (int round = 0; round < kFuzzRounds; ++round) {
            const float value = round < static_cast<int>(std::size(odd)) ? odd[round]
                                                                          : std::uniform_real_distribution<float>(0.0f, 1.0f)(random);
            instance->setParameter(p, value);
            instance->getParameter(p);
            std::string fault;
            readText(*instance, effGetParamDisplay, p, kDisplayBytes, fault);
            if (!fault.empty())
                return CheckResult::failed(at("parameter " + std::to_string(p) + " display after " + std::to_string(value), fault));
        }
    // Back in range, the effect must sound again.
    for (int32 p = 0; p < instance->effect().numParams; ++p)
        instance->setParameter(p, 0.5f);
    instance->resume(kSampleRate, 256);
    EffectBuffers buffers(*instance, 256);
    fillSignal(buffers.inputs, SignalKind::noise, 0, kSampleRate, context.seed);
    const std::string fault = processAndJudge(*instance, buffers).fault;
    instance->suspend();
    return fault.empty() ? CheckResult::passed() : CheckResult::failed("after the fuzz, back at 0.5: " + fault);
}

CheckResult checkConcurrentParameters(const CheckContext& context)
{
    return processWhileChanging(context, [](const Instance& instance, std::mt19937& random) {
        const int32 parameters = instance.effect().numParams;
        if (parameters > 0)
            instance.setParameter(static_cast<int32>(random() % static_cast<std::uint32_t>(parameters)),
                                  std::uniform_real_distribution<float>(0.0f, 1.0f)(random));
        std::this_thread::yield();
    });
}

CheckResult checkProgramSwitchWhileProcessing(const CheckContext& context)
{
    return processWhileChanging(context, [](const Instance& instance, std::mt19937& random) {
        const int32 programs = instance.effect().numPrograms;
        if (programs > 0)
            instance.dispatch(effSetProgram, 0, static_cast<intptr>(random() % static_cast<std::uint32_t>(programs)));
        std::this_thread::yield();
    });
}

CheckResult checkLibraryReload(const CheckContext& context)
{
    // The subject keeps its own handle, so a second load and unload show how the library
    // copes with its load count going up and down with effects made from each.
    for (int round = 0; round < 2; ++round) {
        const Subject again(context.subject.path());
        if (!again.unusable().empty())
            return CheckResult::failed("loaded again: " + again.unusable());
        const auto instance = again.create();
        instance->resume(kSampleRate, 256);
        EffectBuffers buffers(*instance, 256);
        fillSignal(buffers.inputs, SignalKind::noise, 0, kSampleRate, context.seed);
        const std::string fault = processAndJudge(*instance, buffers).fault;
        instance->suspend();
        if (!fault.empty())
            return CheckResult::failed("loaded again: " + fault);
    }
    return CheckResult::passed();
}

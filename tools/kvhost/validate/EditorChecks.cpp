// Levels 4 to 7: the editor opened and closed, idled, opened while audio runs, opened twice
// and left open at effClose.
#include "Checks.h"

#include "BlockJudge.h"
#include "EditorHost.h"
#include "TestSignal.h"

#include <atomic>
#include <chrono>
#include <random>
#include <thread>

namespace {
constexpr int kIdleRatesHz[] = {15, 25, 60};
constexpr auto kIdlePeriodPerRate = std::chrono::milliseconds(250);
constexpr auto kParameterSetInterval = std::chrono::milliseconds(10);
constexpr int kParameterSets = 100;
constexpr int kStrictParameterSets = 1000;
constexpr float kSampleRate = 44100.0f;
constexpr int32 kBlockFrames = 32;

using Clock = std::chrono::steady_clock;

// A fresh effect and a host window, or why the editor checks cannot run.
struct EditorSubject {
    std::unique_ptr<Instance> instance;
    std::unique_ptr<EditorHost> host;
    std::string unavailable;
};

EditorSubject editorSubject(const CheckContext& context)
{
    EditorSubject subject{context.subject.create(), nullptr, {}};
    if ((subject.instance->effect().flags & effFlagsHasEditor) == 0)
        subject.unavailable = "the plug-in has no editor";
    else
        subject.host = makeEditorHost(subject.unavailable);
    return subject;
}

// The rectangle as the plug-in reports it; empty text when it reported a usable one.
std::string rectangleFault(const Instance& instance, const char* when)
{
    ERect* rectangle = nullptr;
    instance.dispatch(effEditGetRect, 0, 0, &rectangle);
    if (rectangle == nullptr)
        return std::string("effEditGetRect ") + when + " gave no rectangle";
    if (rectangle->right <= rectangle->left || rectangle->bottom <= rectangle->top)
        return std::string("effEditGetRect ") + when + " gave an empty rectangle";
    return {};
}

void idleFor(const Instance& instance, EditorHost& host, int rateHz, Clock::duration period)
{
    const auto interval = std::chrono::microseconds(1000000 / rateHz);
    for (const auto end = Clock::now() + period; Clock::now() < end;) {
        host.pumpMessages();
        instance.dispatch(effEditIdle);
        std::this_thread::sleep_for(interval);
    }
}

double millisecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

} // namespace

CheckResult checkEditorOpenClose(const CheckContext& context)
{
    EditorSubject subject = editorSubject(context);
    if (!subject.unavailable.empty())
        return CheckResult::skipped(subject.unavailable);
    const Instance& instance = *subject.instance;
    if (std::string fault = rectangleFault(instance, "before effEditOpen"); !fault.empty())
        return CheckResult::failed(fault);
    std::string timings;
    for (const char* round : {"cold", "warm"}) {
        const auto start = Clock::now();
        if (instance.dispatch(effEditOpen, 0, 0, subject.host->parentHandle()) == 0)
            return CheckResult::failed(std::string("effEditOpen answered 0 (") + round + ")");
        timings += std::string(timings.empty() ? "" : ", ") + round + " open " + std::to_string(millisecondsSince(start)) + " ms";
        if (std::string fault = rectangleFault(instance, "after effEditOpen"); !fault.empty())
            return CheckResult::failed(fault);
        for (const int rate : kIdleRatesHz)
            idleFor(instance, *subject.host, rate, kIdlePeriodPerRate);
        instance.dispatch(effEditClose);
        subject.host->pumpMessages();
    }
    return CheckResult::passed(timings);
}

CheckResult checkEditorWhileProcessing(const CheckContext& context)
{
    EditorSubject subject = editorSubject(context);
    if (!subject.unavailable.empty())
        return CheckResult::skipped(subject.unavailable);
    const Instance& instance = *subject.instance;
    instance.resume(kSampleRate, kBlockFrames);
    std::atomic<bool> done{false};
    std::string fault;
    std::thread audio([&] {
        EffectBuffers buffers(instance, kBlockFrames);
        for (int32 block = 0; !done.load() && fault.empty(); ++block) {
            fillSignal(buffers.inputs, SignalKind::noise, block * kBlockFrames, kSampleRate, context.seed);
            fault = processAndJudge(instance, buffers).fault;
        }
    });
    const bool opened = instance.dispatch(effEditOpen, 0, 0, subject.host->parentHandle()) != 0;
    std::mt19937 random(context.seed);
    const int sets = context.level > 5 ? kStrictParameterSets : kParameterSets;
    for (int set = 0; set < sets && opened; ++set) {
        for (int32 p = 0; p < instance.effect().numParams; ++p)
            instance.setParameter(p, std::uniform_real_distribution<float>(0.0f, 1.0f)(random));
        subject.host->pumpMessages();
        instance.dispatch(effEditIdle);
        std::this_thread::sleep_for(kParameterSetInterval);
    }
    if (opened)
        instance.dispatch(effEditClose);
    done = true;
    audio.join();
    instance.suspend();
    if (!opened)
        return CheckResult::failed("effEditOpen answered 0 while audio was processed");
    return fault.empty() ? CheckResult::passed(std::to_string(sets) + " parameter sets 10 ms apart")
                         : CheckResult::failed("processing while the editor was open: " + fault);
}

CheckResult checkEditorOpenTwice(const CheckContext& context)
{
    EditorSubject subject = editorSubject(context);
    if (!subject.unavailable.empty())
        return CheckResult::skipped(subject.unavailable);
    const Instance& instance = *subject.instance;
    instance.dispatch(effEditOpen, 0, 0, subject.host->parentHandle());
    instance.dispatch(effEditOpen, 0, 0, subject.host->parentHandle());
    idleFor(instance, *subject.host, kIdleRatesHz[1], kIdlePeriodPerRate);
    instance.dispatch(effEditClose);
    subject.host->pumpMessages();
    return CheckResult::passed();
}

CheckResult checkCloseWithEditorOpen(const CheckContext& context)
{
    EditorSubject subject = editorSubject(context);
    if (!subject.unavailable.empty())
        return CheckResult::skipped(subject.unavailable);
    subject.instance->dispatch(effEditOpen, 0, 0, subject.host->parentHandle());
    idleFor(*subject.instance, *subject.host, kIdleRatesHz[1], kIdlePeriodPerRate);
    // The instance goes with its editor still open: effClose must take the editor down too.
    subject.instance.reset();
    subject.host->pumpMessages();
    return CheckResult::passed();
}

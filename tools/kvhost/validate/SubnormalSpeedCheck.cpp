// Level 8: subnormal input must not slow processing down, as it does where a plug-in's
// arithmetic falls into the processor's slow path for such numbers (a stall a host hears as
// dropouts when a track fades to silence).
#include "Checks.h"

#include "BlockJudge.h"
#include "TestSignal.h"

#include <algorithm>
#include <chrono>
#include <cstdio>

namespace {
constexpr float kSampleRate = 44100.0f;
constexpr int32 kBlockFrames = 256;
constexpr int kBlocksPerRound = 64;
constexpr int kRounds = 15;
// A busy machine can slow a whole measurement; only a slowdown every attempt sees counts.
constexpr int kAttempts = 3;
constexpr double kAllowedSlowdown = 1.5;
// An attempt runs rounds for at least this long, so that for a plug-in with little work per
// block its fastest rounds are spread beyond a short busy spell of the machine...
constexpr double kAttemptMinimumSeconds = 0.1;
// ... and ends early once its rounds have taken this long, so a plug-in many times slower on
// subnormal input (hundreds of times, where every such operation takes a microcode assist) is
// reported with its slowdown well inside the check's time limit instead of timing out.
constexpr double kAttemptSeconds = 2.0;

struct FedInstance {
    FedInstance(const Subject& subject, SignalKind signal, std::uint32_t seed)
        : instance(subject.create()), buffers(*instance, kBlockFrames)
    {
        instance->resume(kSampleRate, kBlockFrames);
        fillSignal(buffers.inputs, signal, 0, kSampleRate, seed);
    }
    ~FedInstance() { instance->suspend(); }

    double roundSeconds()
    {
        const auto start = std::chrono::steady_clock::now();
        for (int b = 0; b < kBlocksPerRound; ++b)
            instance->processBlock(buffers.inputs.pointers(), buffers.outputs.pointers(), kBlockFrames);
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    }

    std::unique_ptr<Instance> instance;
    EffectBuffers buffers;
};

// The fastest round of each, alternating so that other load on the machine meets both alike.
// Each instance keeps its own input, so a plug-in with state (a reverb's tail) holds subnormal
// numbers in it too.
double slowdown(FedInstance& normal, FedInstance& subnormal)
{
    double fastestNormal = 1e30;
    double fastestSubnormal = 1e30;
    double spent = 0.0;
    for (int round = 0; (round < kRounds || spent < kAttemptMinimumSeconds) && spent < kAttemptSeconds; ++round) {
        const double normalSeconds = normal.roundSeconds();
        const double subnormalSeconds = subnormal.roundSeconds();
        fastestNormal = std::min(fastestNormal, normalSeconds);
        fastestSubnormal = std::min(fastestSubnormal, subnormalSeconds);
        spent += normalSeconds + subnormalSeconds;
    }
    return fastestSubnormal / std::max(fastestNormal, 1e-12);
}
} // namespace

CheckResult checkSubnormalSpeed(const CheckContext& context)
{
    FedInstance normal(context.subject, SignalKind::noise, context.seed);
    FedInstance subnormal(context.subject, SignalKind::subnormalNoise, context.seed);
    double ratio = 0.0;
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        ratio = slowdown(normal, subnormal);
        if (ratio <= kAllowedSlowdown)
            break;
    }
    char text[96];
    std::snprintf(text, sizeof text, "subnormal input takes %.2f times as long as normal input", ratio);
    return ratio > kAllowedSlowdown ? CheckResult::failed(text) : CheckResult::passed(text);
}

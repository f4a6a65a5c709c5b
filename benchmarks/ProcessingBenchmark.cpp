// processReplacing against the plain per-sample loop it replaced, in nanoseconds per
// channel-sample, for small, middle and large blocks and for a block of subnormal samples.
// Both run in this one program on the same data, so their ratio is a fair comparison; the
// summary at the end prints it.
#include "KestrovanelVst.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <limits>
#include <utility>
#include <memory>
#include <random>
#include <string>
#include <vector>

namespace {
constexpr int kChannels = 2;
// Long enough that no branch predictor learns it: each iteration processes the next block.
constexpr std::size_t kStreamFrames = 1 << 16;
constexpr double kStreamRate = 44100.0;
constexpr double kPi = 3.14159265358979323846;
// Subnormal floats: below the smallest normal float 1.18e-38.
constexpr float kSubnormalScale = 1e-39f;

enum class Signal { Music, Subnormal };

intptr silentHost(AEffect*, int32 opcode, int32, intptr, void*, float)
{
    return opcode == audioMasterVersion ? 2400 : 0;
}

// A guitar-like chord at about -20 dBFS, or the same shape scaled into the subnormal range.
float streamSample(std::size_t frame, int channel, Signal signal)
{
    const double t = static_cast<double>(frame) / kStreamRate;
    const double chord = std::sin(2 * kPi * 110.0 * t) + 0.6 * std::sin(2 * kPi * 164.8 * t + channel)
                         + 0.4 * std::sin(2 * kPi * 220.0 * t + 2 * channel);
    const double envelope = 0.05 * (1.0 + 0.5 * std::sin(2 * kPi * 3.0 * t));
    return static_cast<float>(chord * envelope * (signal == Signal::Subnormal ? kSubnormalScale : 1.0));
}

// One effect at its default program (30 dB of gain, Amount 49.5 %) and a stereo stream that
// successive blocks walk through.
struct Fixture {
    Fixture(int blockFrames, Signal signal)
        : effect(createEffectInstance(silentHost)), frames(static_cast<std::size_t>(blockFrames))
    {
        for (int c = 0; c < kChannels; ++c) {
            stream[c].resize(kStreamFrames + frames);
            for (std::size_t i = 0; i < stream[c].size(); ++i)
                stream[c][i] = streamSample(i % kStreamFrames, c, signal);
            output[c].resize(frames);
            outputs[c] = output[c].data();
        }
    }

    // The input pointers of the next block of the stream.
    float** nextBlock()
    {
        position = (position + frames) % kStreamFrames;
        for (int c = 0; c < kChannels; ++c)
            inputs[c] = stream[c].data() + position;
        return inputs;
    }

    std::unique_ptr<AudioEffect> effect;
    std::size_t frames;
    std::size_t position = 0;
    std::vector<float> stream[kChannels];
    std::vector<float> output[kChannels];
    float* inputs[kChannels] = {};
    float* outputs[kChannels] = {};
};

// The straightforward loop: both waveshapers one sample at a time, Output read for every sample.
class ScalarReference {
public:
    ScalarReference()
    {
        const double gainLinear = static_cast<float>(std::pow(10.0, 0.5 * 3.0));
        const double amount = static_cast<float>(0.5 * 99.0) / 100.0;
        for (kestrovanel& shaper : shapers) {
            shaper.SetGain(gainLinear);
            shaper.SetAmount(amount);
        }
    }

    void process(float** inputs, float** outputs, int32 frames)
    {
        for (int32 i = 0; i < frames; ++i) {
            const float level = output.load(std::memory_order_relaxed);
            outputs[0][i] = shapers[0].forSample(inputs[0][i]) * level;
            outputs[1][i] = shapers[1].forSample(inputs[1][i]) * level;
        }
    }

private:
    kestrovanel shapers[kChannels];
    std::atomic<float> output{1.0f};
};

void reportChannelSamples(benchmark::State& state, int frames)
{
    state.SetItemsProcessed(state.iterations() * frames * kChannels);
    state.counters["channel_samples"] = frames * kChannels;
}

void processReplacing(benchmark::State& state, Signal signal)
{
    const int frames = static_cast<int>(state.range(0));
    Fixture fixture(frames, signal);
    for (auto _ : state) {
        fixture.effect->processReplacing(fixture.nextBlock(), fixture.outputs, frames);
        benchmark::DoNotOptimize(fixture.output[1].data());
        benchmark::ClobberMemory();
    }
    reportChannelSamples(state, frames);
}

void scalarReference(benchmark::State& state, Signal signal)
{
    const int frames = static_cast<int>(state.range(0));
    Fixture fixture(frames, signal);
    ScalarReference reference;
    for (auto _ : state) {
        reference.process(fixture.nextBlock(), fixture.outputs, frames);
        benchmark::DoNotOptimize(fixture.output[1].data());
        benchmark::ClobberMemory();
    }
    reportChannelSamples(state, frames);
}

void registerPair(const char* label, Signal signal, std::initializer_list<int64_t> blocks)
{
    for (int64_t frames : blocks) {
        benchmark::RegisterBenchmark(("reference/" + std::string(label)).c_str(), scalarReference, signal)->Arg(frames);
        benchmark::RegisterBenchmark(("processReplacing/" + std::string(label)).c_str(), processReplacing, signal)->Arg(frames);
    }
}

double timeUnitNanoseconds(benchmark::TimeUnit unit)
{
    return unit == benchmark::kSecond ? 1e9 : unit == benchmark::kMillisecond ? 1e6 : unit == benchmark::kMicrosecond ? 1e3 : 1.0;
}

// Collects the runs so the ratios can be printed once every benchmark has finished.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Iteration || run.aggregate_name == "median")
                nanoseconds.emplace_back(run.run_name.str(), run.GetAdjustedCPUTime() * timeUnitNanoseconds(run.time_unit)
                                                                 / run.counters.at("channel_samples").value);
    }

    void printRatios() const
    {
        std::printf("\nCPU time per channel-sample; speed-up = reference / processReplacing\n");
        std::printf("%-28s %12s %12s %8s\n", "signal/block frames", "reference", "processing", "speed-up");
        // Each reference run is reported just before its processReplacing run.
        for (std::size_t i = 1; i < nanoseconds.size(); ++i) {
            const auto& [referenceName, referenceNs] = nanoseconds[i - 1];
            const auto& [name, processingNs] = nanoseconds[i];
            if (referenceName.rfind("reference/", 0) == 0 && name.rfind("processReplacing/", 0) == 0)
                std::printf("%-28s %9.3f ns %9.3f ns %7.2fx\n", name.substr(name.find('/') + 1).c_str(), referenceNs,
                            processingNs, referenceNs / processingNs);
        }
    }

private:
    std::vector<std::pair<std::string, double>> nanoseconds;
};
} // namespace

int main(int argc, char** argv)
{
    registerPair("music", Signal::Music, {32, 256, 4096});
    registerPair("subnormal", Signal::Subnormal, {4096});
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.printRatios();
    benchmark::Shutdown();
    return 0;
}

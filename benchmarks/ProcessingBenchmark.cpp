// processReplacing against two yardsticks measured in the same run, in nanoseconds per
// channel-sample: the plain per-sample loop it replaced, and the tight loop (the same arithmetic
// once per channel over the block at the same vector width). The three take turns, batch by
// batch, so load from other programs falls on all of them alike; the table reports each one's
// median and processReplacing's share of the tight loop's speed. Every contender's output is
// first compared bit for bit with the reference's; any mismatch fails the run.
//
//   kestrovanel_benchmark [--rounds N]     KV_BENCH_WIDTH=sse2|avx|avx512 forces a width
#include "EffectSettings.h"
#include "KestrovanelVst.h"
#include "simd/BlockShaperVariants.h"
#include "tight/TightLoops.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <random>
#include <string>
#include <vector>

namespace {
constexpr int kChannels = 2;
// Long enough that no branch predictor learns it; streamed blocks walk through it.
constexpr int32 kStreamFrames = 1 << 16;
// About 20 us of processReplacing per batch: short next to the scheduler's time slices, so on
// a shared machine most batches run uninterrupted and the median is one of them.
constexpr double kBatchChannelSamples = 1 << 15;
constexpr int kDefaultRounds = 301;
// Subnormal floats: below the smallest normal float 1.18e-38.
constexpr float kSubnormalScale = 1e-39f;
// With the default program's 30 dB of gain this drives the curve well into both clamps.
constexpr float kSignalPeak = 0.1f;

struct Width {
    const char* name;
    bool (*supported)();
    BlockShaperProc shaper;
    TightLoopProc tight;
};

bool hasSse2()
{
    return __builtin_cpu_supports("sse2");
}

bool hasAvx()
{
    return __builtin_cpu_supports("avx");
}

bool hasAvx512()
{
    return __builtin_cpu_supports("avx512f");
}

const Width kWidths[] = {
    {"avx512", hasAvx512, shapeBlockAvx512, tightLoopAvx512},
    {"avx", hasAvx, shapeBlockAvx, tightLoopAvx},
    {"sse2", hasSse2, shapeBlockSse2, tightLoopSse2},
};

// The widest the processor runs, or the one KV_BENCH_WIDTH names; null if that is not available.
const Width* chosenWidth()
{
    __builtin_cpu_init();
    const char* forced = std::getenv("KV_BENCH_WIDTH");
    for (const Width& width : kWidths)
        if (forced == nullptr ? width.supported() : std::strcmp(forced, width.name) == 0)
            return width.supported() ? &width : nullptr;
    return nullptr;
}

intptr silentHost(AEffect*, int32 opcode, int32, intptr, void*, float)
{
    return opcode == audioMasterVersion ? 2400 : 0;
}

enum class Signal { Random, Subnormal };
enum class Feed { Streamed, Repeated };

// The three contenders, each writing its own outputs.
enum Contender { kReference, kTight, kProcessReplacing, kContenders };
const char* const kContenderNames[kContenders] = {"reference", "tight loop", "processReplacing"};

// The effect at its default program (30 dB of gain, Amount 49.5 %, Output 1) and waveshapers
// set the same way for the two yardsticks.
class Contenders {
public:
    explicit Contenders(const Width& width) : effect(new KestrovanelVst(silentHost, width.shaper)), tight(width.tight)
    {
        const double gainLinear = static_cast<float>(std::pow(10.0, 0.5 * 3.0));
        const double amount = static_cast<float>(0.5 * 99.0) / 100.0;
        for (kestrovanel& shaper : shapers) {
            shaper.SetGain(gainLinear);
            shaper.SetAmount(amount);
        }
    }

    void process(Contender contender, float** inputs, float** outputs, int32 frames)
    {
        if (contender == kProcessReplacing)
            effect->processReplacing(inputs, outputs, frames);
        else if (contender == kTight)
            tight({{inputs[0], inputs[1]}, {outputs[0], outputs[1]}, kChannels}, frames,
                  tightSettings.read());
        else
            processReference(inputs, outputs, frames);
    }

private:
    // The straightforward loop: both waveshapers one sample at a time, Output read every sample.
    void processReference(float** inputs, float** outputs, int32 frames)
    {
        for (int32 i = 0; i < frames; ++i) {
            const float level = output.load(std::memory_order_relaxed);
            outputs[0][i] = shapers[0].forSample(inputs[0][i]) * level;
            outputs[1][i] = shapers[1].forSample(inputs[1][i]) * level;
        }
    }

    std::unique_ptr<AudioEffect> effect;
    TightLoopProc tight;
    kestrovanel shapers[kChannels];
    std::atomic<float> output{1.0f};
    std::atomic<uint32> changes{0};
    const EffectSettings tightSettings{shapers[0], shapers[1], output, changes};
};

// A stereo stream of random samples; a streamed feed hands out its next block each time, a
// repeated feed always the first.
class Stream {
public:
    Stream(Signal signal, Feed feedMode, int32 blockFrames) : feed(feedMode), frames(blockFrames)
    {
        std::mt19937 random(2718);
        std::uniform_real_distribution<float> sample(-kSignalPeak, kSignalPeak);
        const float scale = signal == Signal::Subnormal ? kSubnormalScale : 1.0f;
        for (int c = 0; c < kChannels; ++c) {
            samples[c].resize(static_cast<std::size_t>(kStreamFrames + frames));
            for (float& s : samples[c])
                s = sample(random) * scale;
        }
    }

    float** nextBlock()
    {
        if (feed == Feed::Streamed)
            position = (position + frames) % kStreamFrames;
        for (int c = 0; c < kChannels; ++c)
            inputs[c] = samples[c].data() + position;
        return inputs;
    }

    int32 blocksInStream() const { return feed == Feed::Streamed ? kStreamFrames / frames : 1; }

private:
    Feed feed;
    int32 frames;
    int32 position = 0;
    std::vector<float> samples[kChannels];
    float* inputs[kChannels] = {};
};

struct Outputs {
    explicit Outputs(int32 frames)
    {
        for (int c = 0; c < kChannels; ++c) {
            buffers[c].resize(static_cast<std::size_t>(frames));
            pointers[c] = buffers[c].data();
        }
    }
    std::vector<float> buffers[kChannels];
    float* pointers[kChannels] = {};
};

// Samples whose bits differ from the reference's, over every block the feed hands out.
long mismatches(Contenders& contenders, Stream& stream, int32 frames)
{
    Outputs outputs[kContenders] = {Outputs(frames), Outputs(frames), Outputs(frames)};
    long count = 0;
    for (int32 block = 0; block < stream.blocksInStream(); ++block) {
        float** inputs = stream.nextBlock();
        for (int contender = 0; contender < kContenders; ++contender)
            contenders.process(static_cast<Contender>(contender), inputs, outputs[contender].pointers, frames);
        for (int contender = kTight; contender < kContenders; ++contender)
            for (int c = 0; c < kChannels; ++c)
                for (int32 i = 0; i < frames; ++i)
                    if (std::memcmp(&outputs[contender].buffers[c][i], &outputs[kReference].buffers[c][i], sizeof(float)) != 0)
                        ++count;
    }
    return count;
}

double median(std::vector<double> values)
{
    std::nth_element(values.begin(), values.begin() + values.size() / 2, values.end());
    return values[values.size() / 2];
}

struct Row {
    const char* signal;
    const char* feed;
    int32 frames;
    double nanoseconds[kContenders];
    // Medians of the per-round ratios: each compares batches run moments apart.
    double share;
    double speedUp;
    long mismatches;
};

Row measure(const Width& width, Signal signal, Feed feed, int32 frames, int rounds)
{
    Contenders contenders(width);
    Stream stream(signal, feed, frames);
    Outputs outputs(frames);
    Row row{signal == Signal::Random ? "random" : "subnormal", feed == Feed::Streamed ? "streamed" : "repeated", frames,
            {}, 0.0, 0.0, mismatches(contenders, stream, frames)};
    const double channelSamples = static_cast<double>(frames) * kChannels;
    const int batch = std::max(1, static_cast<int>(kBatchChannelSamples / channelSamples));
    std::vector<double> times[kContenders];
    for (int round = 0; round < rounds; ++round) {
        // Each round starts with the next contender, so none always follows the same one.
        for (int turn = 0; turn < kContenders; ++turn) {
            const auto contender = static_cast<Contender>((round + turn) % kContenders);
            const auto start = std::chrono::steady_clock::now();
            for (int b = 0; b < batch; ++b) {
                contenders.process(contender, stream.nextBlock(), outputs.pointers, frames);
                // Keeps the compiler from merging or dropping the inlined reference's stores.
                asm volatile("" ::: "memory");
            }
            const std::chrono::duration<double, std::nano> elapsed = std::chrono::steady_clock::now() - start;
            times[contender].push_back(elapsed.count() / (batch * channelSamples));
        }
    }
    std::vector<double> shares;
    std::vector<double> speedUps;
    for (int round = 0; round < rounds; ++round) {
        shares.push_back(times[kTight][round] / times[kProcessReplacing][round]);
        speedUps.push_back(times[kReference][round] / times[kProcessReplacing][round]);
    }
    for (int contender = 0; contender < kContenders; ++contender)
        row.nanoseconds[contender] = median(times[contender]);
    row.share = median(shares);
    row.speedUp = median(speedUps);
    return row;
}

int roundsFrom(int argc, char** argv)
{
    for (int i = 1; i + 1 < argc; ++i)
        if (std::strcmp(argv[i], "--rounds") == 0)
            return std::max(1, std::atoi(argv[i + 1]));
    return kDefaultRounds;
}
} // namespace

int main(int argc, char** argv)
{
    const Width* width = chosenWidth();
    if (width == nullptr) {
        std::fprintf(stderr, "KV_BENCH_WIDTH names no width this processor runs (avx512, avx, sse2)\n");
        return 2;
    }
    const int rounds = roundsFrom(argc, argv);
    std::printf("%s lanes, %d-bit build, median of %d alternating rounds; ns per channel-sample\n", width->name,
                static_cast<int>(sizeof(void*) * 8), rounds);
    std::printf("share = tight loop time / processReplacing time, speed-up = reference time / processReplacing time,\n"
                "each the median of the rounds' ratios\n\n");
    std::printf("%-10s %-9s %6s %10s %11s %17s %6s %9s %11s\n", "signal", "feed", "frames", kContenderNames[kReference],
                kContenderNames[kTight], kContenderNames[kProcessReplacing], "share", "speed-up", "mismatches");
    struct Case {
        Signal signal;
        Feed feed;
        int32 frames;
    };
    const Case cases[] = {{Signal::Random, Feed::Streamed, 32},   {Signal::Random, Feed::Streamed, 256},
                          {Signal::Random, Feed::Streamed, 4096}, {Signal::Random, Feed::Repeated, 32},
                          {Signal::Random, Feed::Repeated, 256},  {Signal::Random, Feed::Repeated, 4096},
                          {Signal::Subnormal, Feed::Streamed, 4096}};
    long totalMismatches = 0;
    for (const Case& c : cases) {
        const Row row = measure(*width, c.signal, c.feed, c.frames, rounds);
        totalMismatches += row.mismatches;
        std::printf("%-10s %-9s %6d %7.3f ns %8.3f ns %14.3f ns %6.3f %8.2fx %11ld\n", row.signal, row.feed,
                    static_cast<int>(row.frames), row.nanoseconds[kReference], row.nanoseconds[kTight],
                    row.nanoseconds[kProcessReplacing], row.share, row.speedUp, row.mismatches);
        std::fflush(stdout);
    }
    return totalMismatches == 0 ? 0 : 1;
}

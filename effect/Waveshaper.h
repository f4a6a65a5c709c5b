// The sound of the effect: a memoryless soft-clipping curve with an input gain and an
// asymmetric clamp to [-1.0, 0.5]. One instance per channel.
#pragma once

#include <atomic>

class kestrovanel {
public:
    kestrovanel() = default;
    virtual ~kestrovanel() = default;

    kestrovanel(const kestrovanel&) = delete;
    kestrovanel& operator=(const kestrovanel&) = delete;

    void SetGain(double g);
    // Requires a < 1.0.
    void SetAmount(double a);

    double forSample(double x) const;
    // The variant processing uses: the same curve, rounded to float after the gain and after the curve.
    float forSample(float x) const;

    double getGain() const { return gain.load(std::memory_order_relaxed); }
    double getShapeFactor() const { return shapeFactor.load(std::memory_order_relaxed); }

private:
    // Written by the host's user-interface thread while the audio thread reads them; a sample
    // may see the old gain with the new shape factor, never a torn value.
    std::atomic<double> gain{1.0};
    std::atomic<double> amount{0.0};
    std::atomic<double> shapeFactor{0.0};
};

// The float gained sample at which the curve, rounded to float, reaches the upper bound exactly:
// every gained sample from -1 up to it needs no clamp, and every larger one (infinity too) gives
// the bound, so a block shaper may cap gained samples to [-1, bound] instead of clamping its
// output. NaN where no such sample is known: a negative, non-finite or huge shape factor.
double upperInputBound(double shapeFactor);

#include "EffectSettings.h"

void SettingsCache::refill(uint32 changes, const EffectSettings& source)
{
    for (int32 channel = 0; channel < kShaperChannels; ++channel) {
        const kestrovanel& shaper = source.shaper(channel);
        const double shapeFactor = shaper.getShapeFactor();
        record.channel[channel] = {shaper.getGain(), shapeFactor, boundOf(shapeFactor)};
    }
    record.output = source.outputLevel();
    recordChanges = changes;
    filled = true;
}

double SettingsCache::boundOf(double shapeFactor)
{
    if (shapeFactor != boundFactor) {
        boundFactor = shapeFactor;
        bound = upperInputBound(shapeFactor);
    }
    return bound;
}

// Peak and RMS level of a whole buffer, in dBFS.
#pragma once

#include "AudioBuffer.h"

struct Levels {
    double peakDb;
    double rmsDb;
};

Levels measureLevels(const AudioBuffer& audio);

// The demo's built-in input signals, generated rather than shipped: a decaying plucked string
// and a sine sweep, stereo.
#pragma once

#include "AudioBuffer.h"

constexpr int kDemoSampleRate = 44100;

// A plucked low E: harmonics that fade faster the higher they are, slightly detuned between
// the channels, peaking near -6 dBFS.
AudioBuffer pluckedString();
// A logarithmic sine sweep from 40 Hz to 12 kHz at -12 dBFS, the same in both channels.
AudioBuffer sineSweep();

// One program of the bank: the three normalised parameter values and a name.
#pragma once

constexpr int kProgramNameBytes = 24;

struct kestrovanelProgram {
    float gain = 0.5f;
    float amount = 0.5f;
    float output = 1.0f;
    char name[kProgramNameBytes] = "Default";
};

// The six programs: switching loads all three parameters, names live in 24-byte fields.
#include "KestrovanelVst.h"

#include <cstdio>
#include <cstring>

namespace {
constexpr const char* kDefaultProgramName = "Default";
// The indexed query has a fixed bound of its own, independent of the program count.
constexpr int32 kLastIndexedProgram = 5;
} // namespace

void KestrovanelVst::setProgram(int32 program)
{
    if (program < 0 || program >= numPrograms)
        return;
    curProgram = program;
    const kestrovanelProgram values = programs[program];
    setParameter(kGain, values.gain);
    setParameter(kAmount, values.amount);
    setParameter(kOutput, values.output);
}

void KestrovanelVst::setProgramName(char* name)
{
    // Longer names are cut to the 23 characters the field holds.
    if (name == nullptr)
        return;
    char* field = currentProgram().name;
    std::strncpy(field, name, kProgramNameBytes - 1);
    field[kProgramNameBytes - 1] = '\0';
}

void KestrovanelVst::getProgramName(char* name)
{
    const char* stored = currentProgram().name;
    if (std::strcmp(stored, kDefaultProgramName) == 0)
        std::snprintf(name, kProgramNameBytes, "%s %d", kDefaultProgramName, static_cast<int>(curProgram) + 1);
    else
        std::strcpy(name, stored);
}

bool KestrovanelVst::getProgramNameIndexed(int32 /*category*/, int32 index, char* text)
{
    if (index < 0 || index > kLastIndexedProgram || index >= numPrograms)
        return false;
    std::strcpy(text, programs[index].name);
    return true;
}

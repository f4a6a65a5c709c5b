// Defaults of AudioEffectX that are more than one line: resume, the arrangement query and the category.
#include "AudioEffectX.h"

#include "CanDoStrings.h"

AudioEffectX::AudioEffectX(audioMasterCallback hostCallback, int32 programCount, int32 parameterCount)
    : AudioEffect(hostCallback, programCount, parameterCount)
{
}

void AudioEffectX::resume()
{
    const bool wantsMidi = (cEffect.flags & effFlagsIsSynth) != 0
                           || canDo(const_cast<char*>(PlugCanDos::canDoReceiveVstMidiEvent)) == 1;
    if (wantsMidi)
        __wantEventsDeprecated(1);
}

bool AudioEffectX::getSpeakerArrangement(VstSpeakerArrangement** input, VstSpeakerArrangement** output)
{
    if (input != nullptr)
        *input = nullptr;
    if (output != nullptr)
        *output = nullptr;
    return false;
}

int32 AudioEffectX::getPlugCategory()
{
    return (cEffect.flags & effFlagsIsSynth) != 0 ? kPlugCategSynth : kPlugCategUnknown;
}

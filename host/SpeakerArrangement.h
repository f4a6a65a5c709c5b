// Speaker arrangement records of the published interface; only the arrangement utilities use them.
#pragma once

#include "HostTypes.h"

struct VstSpeakerProperties {
    float azimuth;
    float elevation;
    float radius;
    float reserved;
    char name[64];
    int32 type;
    char future[28];
};

struct VstSpeakerArrangement {
    int32 type;
    int32 numChannels;
    // Declared for eight channels; the record really holds numChannels entries.
    VstSpeakerProperties speakers[8];
};

// Bytes of an arrangement record that holds the given number of speakers.
constexpr std::size_t speakerArrangementBytes(int32 numChannels)
{
    return offsetof(VstSpeakerArrangement, speakers) + sizeof(VstSpeakerProperties) * static_cast<std::size_t>(numChannels);
}

// Speaker-arrangement utilities of AudioEffectX: allocate, release, copy and match records.
#include "SpeakerArrangement.h"

#include "AudioEffectX.h"

#include <cstdlib>
#include <cstring>

namespace {
// The record holds numChannels speakers, more than the declared eight when allocated for more.
VstSpeakerProperties* speakerAt(VstSpeakerArrangement* arrangement, int32 channel)
{
    VstSpeakerProperties* first = arrangement->speakers;
    return first + channel;
}
} // namespace

bool AudioEffectX::allocateArrangement(VstSpeakerArrangement** arrangement, int32 numChannels)
{
    if (arrangement == nullptr || numChannels < 0)
        return false;
    deallocateArrangement(arrangement);
    void* memory = std::calloc(1, speakerArrangementBytes(numChannels));
    if (memory == nullptr)
        return false;
    *arrangement = static_cast<VstSpeakerArrangement*>(memory);
    (*arrangement)->numChannels = numChannels;
    return true;
}

bool AudioEffectX::deallocateArrangement(VstSpeakerArrangement** arrangement)
{
    if (arrangement != nullptr && *arrangement != nullptr) {
        std::free(*arrangement);
        *arrangement = nullptr;
    }
    return true;
}

bool AudioEffectX::copySpeaker(VstSpeakerProperties* to, VstSpeakerProperties* from)
{
    if (to == nullptr || from == nullptr)
        return false;
    const std::size_t nameLength = strnlen(from->name, sizeof(from->name) - 1);
    std::memcpy(to->name, from->name, nameLength);
    std::memset(to->name + nameLength, 0, sizeof(to->name) - nameLength);
    to->type = from->type;
    to->azimuth = from->azimuth;
    to->elevation = from->elevation;
    to->radius = from->radius;
    to->reserved = from->reserved;
    std::memcpy(to->future, from->future, sizeof(to->future));
    return true;
}

bool AudioEffectX::matchArrangement(VstSpeakerArrangement** to, VstSpeakerArrangement* from)
{
    if (from == nullptr)
        return false;
    if (!deallocateArrangement(to) || !allocateArrangement(to, from->numChannels))
        return false;
    (*to)->type = from->type;
    for (int32 channel = 0; channel < from->numChannels; ++channel) {
        if (!copySpeaker(speakerAt(*to, channel), speakerAt(from, channel)))
            return false;
    }
    return true;
}

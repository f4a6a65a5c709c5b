#include "GalleryEffect.h"

#include "GalleryEditor.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>

namespace {
constexpr int32 kGalleryId = 0x4B76476C; // 'KvGl'
// Parameter names stay within the 8 characters hosts reserve for them.
constexpr std::size_t kNameBytes = 9;
constexpr std::size_t kDisplayBytes = 9;

bool isParameter(int32 index)
{
    return index >= 0 && index < gallery::kParameterCount;
}

// NaN and infinities count as full scale: the meter shows that something is wrong.
float blockPeak(const float* samples, int32 sampleFrames)
{
    float peak = 0.0f;
    for (int32 i = 0; i < sampleFrames; ++i) {
        const float magnitude = std::fabs(samples[i]);
        if (!(magnitude <= 1.0f))
            return 1.0f;
        if (magnitude > peak)
            peak = magnitude;
    }
    return peak;
}
} // namespace

AudioEffect* createEffectInstance(audioMasterCallback audioMaster)
{
    return new GalleryEffect(audioMaster);
}

GalleryEffect::GalleryEffect(audioMasterCallback hostCallback) : AudioEffectX(hostCallback, 1, gallery::kParameterCount)
{
    for (std::atomic<float>& parameter : parameters)
        parameter.store(0.0f);
    // The base deletes its editor.
    setEditor(new GalleryEditor(this));
    cEffect.numInputs = 2;
    cEffect.numOutputs = 2;
    cEffect.uniqueID = kGalleryId;
    AudioEffectX::resume();
}

void GalleryEffect::processReplacing(float** inputs, float** outputs, int32 sampleFrames)
{
    if (inputs == nullptr || outputs == nullptr || sampleFrames <= 0)
        return;
    float peak = 0.0f;
    for (int channel = 0; channel < 2; ++channel) {
        if (inputs[channel] == nullptr || outputs[channel] == nullptr)
            continue;
        // Not fmax: in the 32-bit DLL that is a library call, and on Intel processors it made a
        // block with a subnormal peak take 1.8 times as long. Neither side can be NaN here.
        peak = std::max(peak, blockPeak(inputs[channel], sampleFrames));
        std::memmove(outputs[channel], inputs[channel], sizeof(float) * static_cast<std::size_t>(sampleFrames));
    }
    float held = inputPeak.load(std::memory_order_relaxed);
    while (peak > held && !inputPeak.compare_exchange_weak(held, peak, std::memory_order_relaxed)) {
    }
}

float GalleryEffect::takeInputPeak()
{
    return inputPeak.exchange(0.0f, std::memory_order_relaxed);
}

bool GalleryEffect::beginEdit(int32 index)
{
    return isParameter(index) && AudioEffectX::beginEdit(index);
}

bool GalleryEffect::endEdit(int32 index)
{
    return isParameter(index) && AudioEffectX::endEdit(index);
}

void GalleryEffect::setParameter(int32 index, float value)
{
    if (!isParameter(index))
        return;
    // The controls' values are fractions of their range; NaN and strays become the nearer end.
    if (!(value >= 0.0f))
        value = 0.0f;
    else if (value > 1.0f)
        value = 1.0f;
    parameters[index].store(value);
}

float GalleryEffect::getParameter(int32 index)
{
    return isParameter(index) ? parameters[index].load() : 0.0f;
}

void GalleryEffect::getParameterName(int32 index, char* text)
{
    if (text != nullptr && isParameter(index))
        std::snprintf(text, kNameBytes, "%s", gallery::kParameterNames[index]);
}

void GalleryEffect::getParameterDisplay(int32 index, char* text)
{
    if (text == nullptr || !isParameter(index))
        return;
    const float value = parameters[index].load();
    if (index == gallery::kPage)
        std::snprintf(text, kDisplayBytes, "%s", gallery::kPageNames[gallery::pageAt(value)]);
    else
        std::snprintf(text, kDisplayBytes, "%.2f", static_cast<double>(value));
}

bool GalleryEffect::getEffectName(char* name)
{
    std::strcpy(name, "KV Gallery");
    return true;
}

bool GalleryEffect::getProductString(char* text)
{
    std::strcpy(text, "Kestrovanel Gallery");
    return true;
}

bool GalleryEffect::getVendorString(char* text)
{
    std::strcpy(text, "Halbergmoor Lab");
    return true;
}

int32 GalleryEffect::getPlugCategory()
{
    return kPlugCategEffect;
}

// The gallery plug-in: a stereo pass-through whose automatable parameters are the values of
// the controls its editor shows, one parameter per control, and the page the editor shows.
#pragma once

#include "AudioEffectX.h"
#include "GalleryLayout.h"

#include <atomic>

class GalleryEffect : public AudioEffectX {
public:
    explicit GalleryEffect(audioMasterCallback hostCallback);

    void processReplacing(float** inputs, float** outputs, int32 sampleFrames) override;
    void setParameter(int32 index, float value) override;
    float getParameter(int32 index) override;
    void getParameterName(int32 index, char* text) override;
    void getParameterDisplay(int32 index, char* text) override;
    bool getEffectName(char* name) override;
    bool getVendorString(char* text) override;
    bool getProductString(char* text) override;
    int32 getPlugCategory() override;

private:
    // Written by the host's automation thread, read by the editor's idle.
    std::atomic<float> parameters[gallery::kParameterCount];
};

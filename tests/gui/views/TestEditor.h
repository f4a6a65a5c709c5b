// An effect and editor that stand in for the plug-in's, with a host callback whose answers the
// tests choose: whether the host grants "sizeWindow", and what it was asked.
#pragma once

#include "AEffGUIEditor.h"
#include "AudioEffectX.h"

struct HostLog {
    bool grantsSizeWindow = false;
    int sizeWindowRequests = 0;
    int requestedWidth = 0;
    int requestedHeight = 0;
    int beginEdits = 0;
    int endEdits = 0;
};

class TestEffect : public AudioEffectX {
public:
    explicit TestEffect(HostLog& log);
    ~TestEffect() override;

    void processReplacing(float** inputs, float** outputs, int32 sampleFrames) override;
};

class TestEditor : public AEffGUIEditor {
public:
    explicit TestEditor(AudioEffect* effect_) : AEffGUIEditor(effect_) {}

    void doIdleStuff() override { ++idleCalls; }
    int idleCalls = 0;
};

// Base class of a VST 1 effect: owns the record handed to the host, answers the VST 1 opcodes
// with defaults, sends the basic host requests and formats parameter values as text.
#pragma once

#include "HostTypes.h"

class AEffEditor;

class AudioEffect {
public:
    AudioEffect(audioMasterCallback hostCallback, int32 programCount, int32 parameterCount);
    virtual ~AudioEffect();

    AudioEffect(const AudioEffect&) = delete;
    AudioEffect& operator=(const AudioEffect&) = delete;

    virtual intptr dispatcher(int32 opcode, int32 index, intptr value, void* ptr, float opt);

    virtual void open() {}
    virtual void close() {}
    virtual void suspend() {}
    virtual void resume() {}

    virtual void setSampleRate(float newSampleRate) { sampleRate = newSampleRate; }
    virtual void setBlockSize(int32 newBlockSize) { blockSize = newBlockSize; }

    virtual void processReplacing(float** inputs, float** outputs, int32 sampleFrames) = 0;
    virtual void processDoubleReplacing(double** /*inputs*/, double** /*outputs*/, int32 /*sampleFrames*/) {}

    virtual void setParameter(int32 /*index*/, float /*value*/) {}
    virtual float getParameter(int32 /*index*/) { return 0.0f; }
    virtual void setParameterAutomated(int32 index, float value);

    virtual int32 getProgram() { return curProgram; }
    virtual void setProgram(int32 program) { curProgram = program; }
    virtual void setProgramName(char* /*name*/) {}
    virtual void getProgramName(char* name);
    virtual void getParameterLabel(int32 index, char* label);
    virtual void getParameterDisplay(int32 index, char* text);
    virtual void getParameterName(int32 index, char* text);

    virtual int32 getChunk(void** /*data*/, bool /*isPreset*/) { return 0; }
    virtual int32 setChunk(void* /*data*/, int32 /*byteSize*/, bool /*isPreset*/) { return 0; }

    virtual void setUniqueID(int32 iD) { cEffect.uniqueID = iD; }
    virtual void setNumInputs(int32 inputs) { cEffect.numInputs = inputs; }
    virtual void setNumOutputs(int32 outputs) { cEffect.numOutputs = outputs; }
    virtual void canProcessReplacing(bool state) { setFlag(effFlagsCanReplacing, state); }
    virtual void canDoubleReplacing(bool state) { setFlag(effFlagsCanDoubleReplacing, state); }
    virtual void programsAreChunks(bool state) { setFlag(effFlagsProgramChunks, state); }
    virtual void setInitialDelay(int32 delay) { cEffect.initialDelay = delay; }

    virtual AEffEditor* getEditor() { return editor; }
    virtual AEffect* getAeffect() { return &cEffect; }
    virtual float getSampleRate() { return sampleRate; }
    virtual int32 getBlockSize() { return blockSize; }

    virtual int32 getMasterVersion();
    virtual int32 getCurrentUniqueId();
    virtual int32 masterIdle();

    virtual void dB2string(float value, char* text, int32 maxLen);
    virtual void Hz2string(float samples, char* text, int32 maxLen);
    virtual void ms2string(float samples, char* text, int32 maxLen);
    virtual void float2string(float value, char* text, int32 maxLen);
    virtual void int2string(int32 value, char* text, int32 maxLen);

    virtual void __processDeprecated(float** /*inputs*/, float** /*outputs*/, int32 /*sampleFrames*/) {}
    virtual float __getVuDeprecated() { return 0.0f; }
    virtual void __hasVuDeprecated(bool state) { setFlag(effFlagsHasVu, state); }
    virtual void __hasClipDeprecated(bool state) { setFlag(effFlagsHasClip, state); }
    virtual void __canMonoDeprecated(bool state) { setFlag(effFlagsCanMono, state); }
    virtual void __setRealtimeQualitiesDeprecated(int32 qualities) { cEffect.realQualities = qualities; }
    virtual void __setOfflineQualitiesDeprecated(int32 qualities) { cEffect.offQualities = qualities; }
    virtual bool __isInputConnectedDeprecated(int32 input);
    virtual bool __isOutputConnectedDeprecated(int32 output);

    // Not virtual: the editor flag must follow the pointer exactly.
    void setEditor(AEffEditor* newEditor);

    // Record callbacks: the host calls these through the record, they forward to the object.
    static intptr dispatchEffectClass(AEffect* e, int32 opcode, int32 index, intptr value, void* ptr, float opt);
    static void __processClassDeprecated(AEffect* e, float** inputs, float** outputs, int32 sampleFrames);
    static void setParameterClass(AEffect* e, int32 index, float value);
    static float getParameterClass(AEffect* e, int32 index);
    static void processClassReplacing(AEffect* e, float** inputs, float** outputs, int32 sampleFrames);
    static void processClassDoubleReplacing(AEffect* e, double** inputs, double** outputs, int32 sampleFrames);

protected:
    void setFlag(int32 flag, bool state);
    // Sends one request to the host; 0 when the effect has no host callback.
    intptr callHost(int32 opcode, int32 index = 0, intptr value = 0, void* ptr = nullptr, float opt = 0.0f);

    audioMasterCallback audioMaster;
    AEffEditor* editor;
    float sampleRate;
    int32 blockSize;
    int32 numPrograms;
    int32 numParams;
    int32 curProgram;
    AEffect cEffect;
};

// Defined by the effect: creates the one effect object an entry-point call hands to the host.
AudioEffect* createEffectInstance(audioMasterCallback audioMaster);

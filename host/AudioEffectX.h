// Base class of a VST 2 effect: adds the VST 2 opcodes, their default answers, the VST 2 host
// requests and the speaker-arrangement utilities to AudioEffect.
#pragma once

#include "AudioEffect.h"

struct VstSpeakerArrangement;
struct VstSpeakerProperties;

class AudioEffectX : public AudioEffect {
public:
    AudioEffectX(audioMasterCallback hostCallback, int32 programCount, int32 parameterCount);

    intptr dispatcher(int32 opcode, int32 index, intptr value, void* ptr, float opt) override;
    void resume() override;

    virtual bool canParameterBeAutomated(int32 /*index*/) { return true; }
    virtual bool string2parameter(int32 /*index*/, char* /*text*/) { return false; }
    virtual bool getParameterProperties(int32 /*index*/, VstParameterProperties* /*p*/) { return false; }
    virtual bool beginEdit(int32 index);
    virtual bool endEdit(int32 index);
    virtual bool getProgramNameIndexed(int32 /*category*/, int32 /*index*/, char* /*text*/) { return false; }
    virtual bool beginSetProgram() { return false; }
    virtual bool endSetProgram() { return false; }
    virtual int32 beginLoadBank(VstPatchChunkInfo* /*ptr*/) { return 0; }
    virtual int32 beginLoadProgram(VstPatchChunkInfo* /*ptr*/) { return 0; }
    virtual bool ioChanged();
    virtual float updateSampleRate();
    virtual int32 updateBlockSize();
    virtual int32 getInputLatency();
    virtual int32 getOutputLatency();
    virtual bool getInputProperties(int32 /*index*/, VstPinProperties* /*properties*/) { return false; }
    virtual bool getOutputProperties(int32 /*index*/, VstPinProperties* /*properties*/) { return false; }
    virtual bool setSpeakerArrangement(VstSpeakerArrangement* /*input*/, VstSpeakerArrangement* /*output*/) { return false; }
    virtual bool getSpeakerArrangement(VstSpeakerArrangement** input, VstSpeakerArrangement** output);
    virtual bool setBypass(bool /*onOff*/) { return false; }
    virtual bool setPanLaw(int32 /*type*/, float /*value*/) { return false; }
    virtual bool setProcessPrecision(int32 /*precision*/) { return false; }
    virtual int32 getNumMidiInputChannels() { return 0; }
    virtual int32 getNumMidiOutputChannels() { return 0; }
    virtual VstTimeInfo* getTimeInfo(int32 filter);
    virtual int32 getCurrentProcessLevel();
    virtual int32 getAutomationState();
    virtual int32 processEvents(VstEvents* /*events*/) { return 0; }
    virtual int32 startProcess() { return 0; }
    virtual int32 stopProcess() { return 0; }
    virtual bool processVariableIo(VstVariableIo* /*varIo*/) { return false; }
    virtual intptr setTotalSampleToProcess(intptr value) { return value; }
    virtual bool getHostVendorString(char* text);
    virtual bool getHostProductString(char* text);
    virtual int32 getHostVendorVersion();
    virtual intptr hostVendorSpecific(int32 intArg, intptr valueArg, void* ptrArg, float floatArg);
    virtual int32 canHostDo(char* text);
    virtual int32 getHostLanguage();
    virtual void isSynth(bool state) { setFlag(effFlagsIsSynth, state); }
    virtual void noTail(bool state) { setFlag(effFlagsNoSoundInStop, state); }
    virtual int32 getGetTailSize() { return 0; }
    virtual void* getDirectory();
    virtual bool getEffectName(char* /*name*/) { return false; }
    virtual bool getVendorString(char* /*text*/) { return false; }
    virtual bool getProductString(char* /*text*/) { return false; }
    virtual int32 getVendorVersion() { return 0; }
    virtual intptr vendorSpecific(int32 /*index*/, intptr /*value*/, void* /*ptr*/, float /*opt*/) { return 0; }
    virtual int32 canDo(char* /*text*/) { return 0; }
    virtual int32 getVstVersion() { return 2400; }
    virtual int32 getPlugCategory();
    virtual int32 getMidiProgramName(int32 /*channel*/, MidiProgramName* /*name*/) { return 0; }
    virtual int32 getCurrentMidiProgram(int32 /*channel*/, MidiProgramName* /*current*/) { return -1; }
    virtual int32 getMidiProgramCategory(int32 /*channel*/, MidiProgramCategory* /*category*/) { return 0; }
    virtual bool hasMidiProgramsChanged(int32 /*channel*/) { return false; }
    virtual bool getMidiKeyName(int32 /*channel*/, MidiKeyName* /*keyName*/) { return false; }
    virtual bool updateDisplay();
    virtual bool sizeWindow(int32 width, int32 height);
    virtual bool openFileSelector(VstFileSelect* select);
    virtual bool closeFileSelector(VstFileSelect* select);
    virtual int32 getNextShellPlugin(char* /*name*/) { return 0; }
    virtual bool allocateArrangement(VstSpeakerArrangement** arrangement, int32 numChannels);
    virtual bool deallocateArrangement(VstSpeakerArrangement** arrangement);
    virtual bool copySpeaker(VstSpeakerProperties* to, VstSpeakerProperties* from);
    virtual bool matchArrangement(VstSpeakerArrangement** to, VstSpeakerArrangement* from);
    virtual bool offlineRead(VstOfflineTask* offline, VstOfflineOption option, bool readSource = true);
    virtual bool offlineWrite(VstOfflineTask* offline, VstOfflineOption option);
    virtual bool offlineStart(VstAudioFile* ptr, int32 numAudioFiles, int32 numNewAudioFiles);
    virtual int32 offlineGetCurrentPass();
    virtual int32 offlineGetCurrentMetaPass();
    virtual bool offlineNotify(VstAudioFile* /*ptr*/, int32 /*numAudioFiles*/, bool /*start*/) { return false; }
    virtual bool offlinePrepare(VstOfflineTask* /*offline*/, int32 /*count*/) { return false; }
    virtual bool offlineRun(VstOfflineTask* /*offline*/, int32 /*count*/) { return false; }
    virtual int32 offlineGetNumPasses() { return 0; }
    virtual int32 offlineGetNumMetaPasses() { return 0; }
    virtual int32 __wantEventsDeprecated(int32 filter);
    virtual int32 __tempoAtDeprecated(int32 pos);
    virtual int32 __getNumAutomatableParametersDeprecated();
    virtual int32 __getParameterQuantizationDeprecated();
    virtual int32 __getNumCategoriesDeprecated() { return 1; }
    virtual bool __copyProgramDeprecated(int32 /*destination*/) { return false; }
    virtual bool __needIdleDeprecated();
    virtual AEffect* __getPreviousPlugDeprecated(int32 input);
    virtual AEffect* __getNextPlugDeprecated(int32 output);
    virtual void __inputConnectedDeprecated(int32 /*index*/, bool /*state*/) {}
    virtual void __outputConnectedDeprecated(int32 /*index*/, bool /*state*/) {}
    virtual int32 __willProcessReplacingDeprecated();
    virtual void __wantAsyncOperationDeprecated(bool state) { setFlag(effFlagsExtIsAsync, state); }
    virtual void __hasExternalBufferDeprecated(bool state) { setFlag(effFlagsExtHasBuffer, state); }
    virtual int32 __reportCurrentPositionDeprecated() { return 0; }
    virtual float* __reportDestinationBufferDeprecated() { return nullptr; }
    virtual void __setOutputSamplerateDeprecated(float samplerate);
    virtual VstSpeakerArrangement* __getInputSpeakerArrangementDeprecated();
    virtual VstSpeakerArrangement* __getOutputSpeakerArrangementDeprecated();
    virtual void* __openWindowDeprecated(__VstWindowDeprecated* window);
    virtual bool __closeWindowDeprecated(__VstWindowDeprecated* window);
    virtual void __setBlockSizeAndSampleRateDeprecated(int32 newBlockSize, float newSampleRate)
    {
        blockSize = newBlockSize;
        sampleRate = newSampleRate;
    }
    virtual bool __getErrorTextDeprecated(char* /*text*/) { return false; }
    virtual void* __getIconDeprecated() { return nullptr; }
    virtual bool __setViewPositionDeprecated(int32 /*x*/, int32 /*y*/) { return false; }
    virtual int32 __fxIdleDeprecated() { return 0; }
    virtual bool __keysRequiredDeprecated() { return false; }
    virtual bool __getChunkFileDeprecated(void* nativePath);
    virtual bool sendVstEventsToHost(VstEvents* events);
};

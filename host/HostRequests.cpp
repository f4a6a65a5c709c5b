// Requests the effect sends to its host. Each one tests for a host callback first and answers
// a fixed default without one, so an effect works the same in a host that passes none.
#include "AudioEffectX.h"

intptr AudioEffect::callHost(int32 opcode, int32 index, intptr value, void* ptr, float opt)
{
    return audioMaster != nullptr ? audioMaster(&cEffect, opcode, index, value, ptr, opt) : 0;
}

namespace {
template <typename T>
T* asPointer(intptr answer)
{
    return reinterpret_cast<T*>(answer);
}
} // namespace

// [SECTION] AudioEffect

void AudioEffect::setParameterAutomated(int32 index, float value)
{
    // The effect holds the value before the host hears of it.
    setParameter(index, value);
    callHost(audioMasterAutomate, index, 0, nullptr, value);
}

int32 AudioEffect::getMasterVersion()
{
    if (audioMaster == nullptr)
        return 1;
    const intptr answer = callHost(audioMasterVersion);
    return answer != 0 ? static_cast<int32>(answer) : 1;
}

int32 AudioEffect::getCurrentUniqueId()
{
    return static_cast<int32>(callHost(audioMasterCurrentId));
}

int32 AudioEffect::masterIdle()
{
    return static_cast<int32>(callHost(audioMasterIdle));
}

bool AudioEffect::__isInputConnectedDeprecated(int32 input)
{
    return callHost(audioMasterPinConnected, input, 0) == 0;
}

bool AudioEffect::__isOutputConnectedDeprecated(int32 output)
{
    return callHost(audioMasterPinConnected, output, 1) == 0;
}

// [SECTION] AudioEffectX

int32 AudioEffectX::__wantEventsDeprecated(int32 filter)
{
    return static_cast<int32>(callHost(audioMasterWantMidi, 0, filter));
}

VstTimeInfo* AudioEffectX::getTimeInfo(int32 filter)
{
    return asPointer<VstTimeInfo>(callHost(audioMasterGetTime, 0, filter));
}

bool AudioEffectX::sendVstEventsToHost(VstEvents* events)
{
    return callHost(audioMasterProcessEvents, 0, 0, events) == 1;
}

int32 AudioEffectX::__tempoAtDeprecated(int32 pos)
{
    return static_cast<int32>(callHost(audioMasterTempoAt, 0, pos));
}

int32 AudioEffectX::__getNumAutomatableParametersDeprecated()
{
    return static_cast<int32>(callHost(audioMasterGetNumAutomatableParameters));
}

int32 AudioEffectX::__getParameterQuantizationDeprecated()
{
    return static_cast<int32>(callHost(audioMasterGetParameterQuantization));
}

bool AudioEffectX::ioChanged()
{
    return callHost(audioMasterIOChanged) != 0;
}

bool AudioEffectX::__needIdleDeprecated()
{
    return callHost(audioMasterNeedIdle) != 0;
}

bool AudioEffectX::sizeWindow(int32 width, int32 height)
{
    return callHost(audioMasterSizeWindow, width, height) != 0;
}

float AudioEffectX::updateSampleRate()
{
    const intptr answer = callHost(audioMasterGetSampleRate);
    if (answer > 0)
        sampleRate = static_cast<float>(answer);
    return sampleRate;
}

int32 AudioEffectX::updateBlockSize()
{
    const intptr answer = callHost(audioMasterGetBlockSize);
    if (answer > 0)
        blockSize = static_cast<int32>(answer);
    return blockSize;
}

int32 AudioEffectX::getInputLatency()
{
    return static_cast<int32>(callHost(audioMasterGetInputLatency));
}

int32 AudioEffectX::getOutputLatency()
{
    return static_cast<int32>(callHost(audioMasterGetOutputLatency));
}

AEffect* AudioEffectX::__getPreviousPlugDeprecated(int32 /*input*/)
{
    return asPointer<AEffect>(callHost(audioMasterGetPreviousPlug));
}

AEffect* AudioEffectX::__getNextPlugDeprecated(int32 /*output*/)
{
    return asPointer<AEffect>(callHost(audioMasterGetNextPlug));
}

int32 AudioEffectX::__willProcessReplacingDeprecated()
{
    return static_cast<int32>(callHost(audioMasterWillReplaceOrAccumulate));
}

int32 AudioEffectX::getCurrentProcessLevel()
{
    return static_cast<int32>(callHost(audioMasterGetCurrentProcessLevel));
}

int32 AudioEffectX::getAutomationState()
{
    return static_cast<int32>(callHost(audioMasterGetAutomationState));
}

bool AudioEffectX::offlineStart(VstAudioFile* files, int32 numAudioFiles, int32 numNewAudioFiles)
{
    return callHost(audioMasterOfflineStart, numNewAudioFiles, numAudioFiles, files) != 0;
}

bool AudioEffectX::offlineRead(VstOfflineTask* offline, VstOfflineOption option, bool readSource)
{
    return callHost(audioMasterOfflineRead, readSource ? 1 : 0, option, offline) != 0;
}

bool AudioEffectX::offlineWrite(VstOfflineTask* offline, VstOfflineOption option)
{
    return callHost(audioMasterOfflineWrite, 0, option, offline) != 0;
}

int32 AudioEffectX::offlineGetCurrentPass()
{
    return callHost(audioMasterOfflineGetCurrentPass) != 0 ? 1 : 0;
}

int32 AudioEffectX::offlineGetCurrentMetaPass()
{
    return callHost(audioMasterOfflineGetCurrentMetaPass) != 0 ? 1 : 0;
}

void AudioEffectX::__setOutputSamplerateDeprecated(float samplerate)
{
    callHost(audioMasterSetOutputSampleRate, 0, 0, nullptr, samplerate);
}

VstSpeakerArrangement* AudioEffectX::__getOutputSpeakerArrangementDeprecated()
{
    return asPointer<VstSpeakerArrangement>(callHost(audioMasterGetOutputSpeakerArrangement));
}

bool AudioEffectX::getHostVendorString(char* text)
{
    return callHost(audioMasterGetVendorString, 0, 0, text) != 0;
}

bool AudioEffectX::getHostProductString(char* text)
{
    return callHost(audioMasterGetProductString, 0, 0, text) != 0;
}

int32 AudioEffectX::getHostVendorVersion()
{
    return static_cast<int32>(callHost(audioMasterGetVendorVersion));
}

intptr AudioEffectX::hostVendorSpecific(int32 intArg, intptr valueArg, void* ptrArg, float floatArg)
{
    return callHost(audioMasterVendorSpecific, intArg, valueArg, ptrArg, floatArg);
}

int32 AudioEffectX::canHostDo(char* text)
{
    return callHost(audioMasterCanDo, 0, 0, text) != 0 ? 1 : 0;
}

int32 AudioEffectX::getHostLanguage()
{
    return static_cast<int32>(callHost(audioMasterGetLanguage));
}

void* AudioEffectX::__openWindowDeprecated(__VstWindowDeprecated* window)
{
    return asPointer<void>(callHost(audioMasterOpenWindow, 0, 0, window));
}

bool AudioEffectX::__closeWindowDeprecated(__VstWindowDeprecated* window)
{
    return callHost(audioMasterCloseWindow, 0, 0, window) != 0;
}

void* AudioEffectX::getDirectory()
{
    return asPointer<void>(callHost(audioMasterGetDirectory));
}

bool AudioEffectX::updateDisplay()
{
    return callHost(audioMasterUpdateDisplay) != 0;
}

bool AudioEffectX::beginEdit(int32 index)
{
    return callHost(audioMasterBeginEdit, index) != 0;
}

bool AudioEffectX::endEdit(int32 index)
{
    return callHost(audioMasterEndEdit, index) != 0;
}

bool AudioEffectX::openFileSelector(VstFileSelect* select)
{
    return callHost(audioMasterOpenFileSelector, 0, 0, select) != 0;
}

bool AudioEffectX::closeFileSelector(VstFileSelect* select)
{
    return callHost(audioMasterCloseFileSelector, 0, 0, select) != 0;
}

bool AudioEffectX::__getChunkFileDeprecated(void* nativePath)
{
    return callHost(audioMasterGetChunkFile, 0, 0, nativePath) != 0;
}

VstSpeakerArrangement* AudioEffectX::__getInputSpeakerArrangementDeprecated()
{
    return asPointer<VstSpeakerArrangement>(callHost(audioMasterGetInputSpeakerArrangement));
}

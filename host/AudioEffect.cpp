// Construction of the effect record, the record callbacks and the defaults of AudioEffect.
#include "AudioEffect.h"

#include "AEffEditor.h"
#include "HostEntry.h"

#include <cstring>

namespace {
constexpr float kDefaultSampleRate = 44100.0f;
constexpr int32 kDefaultBlockSize = 1024;
constexpr int32 kDefaultUniqueId = fourCharacterId('N', 'o', 'E', 'f');

AudioEffect* objectOf(AEffect* e)
{
    return e != nullptr ? static_cast<AudioEffect*>(e->object) : nullptr;
}
} // namespace

AudioEffect::AudioEffect(audioMasterCallback hostCallback, int32 programCount, int32 parameterCount)
    : audioMaster(hostCallback),
      editor(nullptr),
      sampleRate(kDefaultSampleRate),
      blockSize(kDefaultBlockSize),
      numPrograms(programCount),
      numParams(parameterCount),
      curProgram(0)
{
    std::memset(&cEffect, 0, sizeof(cEffect));
    cEffect.magic = kEffectMagic;
    cEffect.dispatcher = dispatchEffectClass;
    cEffect.process = __processClassDeprecated;
    cEffect.setParameter = setParameterClass;
    cEffect.getParameter = getParameterClass;
    cEffect.numPrograms = programCount;
    cEffect.numParams = parameterCount;
    cEffect.numInputs = 1;
    cEffect.numOutputs = 2;
    cEffect.ioRatio = 1.0f;
    cEffect.object = this;
    cEffect.uniqueID = kDefaultUniqueId;
    cEffect.version = 1;
    cEffect.processReplacing = processClassReplacing;
    cEffect.flags = effFlagsCanReplacing;
    cEffect.processDoubleReplacing = processClassDoubleReplacing;
}

AudioEffect::~AudioEffect()
{
    delete editor;
}

void AudioEffect::setEditor(AEffEditor* newEditor)
{
    editor = newEditor;
    setFlag(effFlagsHasEditor, newEditor != nullptr);
}

void AudioEffect::setFlag(int32 flag, bool state)
{
    if (state)
        cEffect.flags |= flag;
    else
        cEffect.flags &= ~flag;
}

void AudioEffect::getProgramName(char* name)
{
    *name = '\0';
}

void AudioEffect::getParameterLabel(int32 /*index*/, char* label)
{
    *label = '\0';
}

void AudioEffect::getParameterDisplay(int32 /*index*/, char* text)
{
    *text = '\0';
}

void AudioEffect::getParameterName(int32 /*index*/, char* text)
{
    *text = '\0';
}

KV_HOST_ENTRY intptr AudioEffect::dispatchEffectClass(AEffect* e, int32 opcode, int32 index, intptr value, void* ptr,
                                                      float opt)
{
    AudioEffect* effect = objectOf(e);
    if (effect == nullptr)
        return 0;
    if (opcode == effClose) {
        effect->dispatcher(opcode, index, value, ptr, opt);
        delete effect;
        return 1;
    }
    return effect->dispatcher(opcode, index, value, ptr, opt);
}

KV_HOST_ENTRY void AudioEffect::__processClassDeprecated(AEffect* e, float** inputs, float** outputs,
                                                         int32 sampleFrames)
{
    if (AudioEffect* effect = objectOf(e))
        effect->__processDeprecated(inputs, outputs, sampleFrames);
}

KV_HOST_ENTRY void AudioEffect::setParameterClass(AEffect* e, int32 index, float value)
{
    if (AudioEffect* effect = objectOf(e))
        effect->setParameter(index, value);
}

KV_HOST_ENTRY float AudioEffect::getParameterClass(AEffect* e, int32 index)
{
    AudioEffect* effect = objectOf(e);
    return effect != nullptr ? effect->getParameter(index) : 0.0f;
}

KV_HOST_ENTRY void AudioEffect::processClassReplacing(AEffect* e, float** inputs, float** outputs, int32 sampleFrames)
{
    if (AudioEffect* effect = objectOf(e))
        effect->processReplacing(inputs, outputs, sampleFrames);
}

KV_HOST_ENTRY void AudioEffect::processClassDoubleReplacing(AEffect* e, double** inputs, double** outputs,
                                                            int32 sampleFrames)
{
    if (AudioEffect* effect = objectOf(e))
        effect->processDoubleReplacing(inputs, outputs, sampleFrames);
}

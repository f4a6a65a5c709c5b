// Turns each host opcode into one operation of the effect or of its editor. AudioEffect
// answers the VST 1 opcodes 0 to 24, AudioEffectX the VST 2 opcodes 25 to 79.
#include "AEffEditor.h"
#include "AudioEffectX.h"

#include <cstring>

namespace {
constexpr intptr kIdentifyAnswer = fourCharacterId('N', 'v', 'E', 'f');
constexpr uint32 kLastVst1Opcode = effSetChunk;
constexpr uint32 kFirstVst2Opcode = effProcessEvents;
constexpr uint32 kLastVst2Opcode = effGetNumMidiOutputChannels;

intptr answer(bool result)
{
    return result ? 1 : 0;
}

// A float option read as an integer; a host may send anything, so out-of-range values give 0.
int32 truncateToInt32(float value)
{
    if (!(value > -2147483648.0f && value < 2147483648.0f))
        return 0;
    return static_cast<int32>(value);
}

VstKeyCode keyCodeFrom(int32 index, intptr value, float opt)
{
    VstKeyCode keyCode;
    std::memset(&keyCode, 0, sizeof(keyCode));
    keyCode.character = index;
    keyCode.virt = static_cast<unsigned char>(value & 0xFF);
    keyCode.modifier = static_cast<unsigned char>(truncateToInt32(opt) & 0xFF);
    return keyCode;
}

// Opcodes whose operation reads or writes the host's buffer at ptr; without one they do nothing.
bool needsBuffer(int32 opcode)
{
    switch (opcode) {
    case effSetProgramName:
    case effGetProgramName:
    case effGetParamLabel:
    case effGetParamDisplay:
    case effGetParamName:
    case effEditGetRect:
    case effGetProgramNameIndexed:
    case effGetEffectName:
    case effGetVendorString:
    case effGetProductString:
    case effCanDo:
    case effString2Parameter:
    case effShellGetNextPlugin:
        return true;
    default:
        return false;
    }
}

char* asText(void* ptr)
{
    return static_cast<char*>(ptr);
}
} // namespace

intptr AudioEffect::dispatcher(int32 opcode, int32 index, intptr value, void* ptr, float opt)
{
    if (static_cast<uint32>(opcode) > kLastVst1Opcode)
        return 0;

    if (ptr == nullptr && needsBuffer(opcode))
        return 0;

    switch (opcode) {
    case effOpen:
        open();
        return 0;
    case effClose:
        close();
        return 0;
    case effSetProgram:
        if (value >= 0 && value < numPrograms)
            setProgram(static_cast<int32>(value));
        return 0;
    case effGetProgram:
        return getProgram();
    case effSetProgramName:
        setProgramName(asText(ptr));
        return 0;
    case effGetProgramName:
        getProgramName(asText(ptr));
        return 0;
    case effGetParamLabel:
        getParameterLabel(index, asText(ptr));
        return 0;
    case effGetParamDisplay:
        getParameterDisplay(index, asText(ptr));
        return 0;
    case effGetParamName:
        getParameterName(index, asText(ptr));
        return 0;
    case effSetSampleRate:
        setSampleRate(opt);
        return 0;
    case effSetBlockSize:
        setBlockSize(static_cast<int32>(value));
        return 0;
    case effMainsChanged:
        if (value == 0)
            suspend();
        else
            resume();
        return 0;
    case effEditGetRect:
        return editor != nullptr ? answer(editor->getRect(static_cast<ERect**>(ptr))) : 0;
    case effEditOpen:
        return editor != nullptr ? answer(editor->open(ptr)) : 0;
    case effEditClose:
        if (editor != nullptr)
            editor->close();
        return 0;
    case effEditIdle:
        if (editor != nullptr)
            editor->idle();
        return 0;
    case effIdentify:
        return kIdentifyAnswer;
    case effGetChunk:
        return ptr != nullptr ? getChunk(static_cast<void**>(ptr), index != 0) : 0;
    case effSetChunk:
        return setChunk(ptr, static_cast<int32>(value), index != 0);
    default:
        return 0;
    }
}

intptr AudioEffectX::dispatcher(int32 opcode, int32 index, intptr value, void* ptr, float opt)
{
    if (static_cast<uint32>(opcode) - kFirstVst2Opcode > kLastVst2Opcode - kFirstVst2Opcode)
        return AudioEffect::dispatcher(opcode, index, value, ptr, opt);

    if (ptr == nullptr && needsBuffer(opcode))
        return 0;

    switch (opcode) {
    case effProcessEvents:
        return processEvents(static_cast<VstEvents*>(ptr));
    case effCanBeAutomated:
        return answer(canParameterBeAutomated(index));
    case effString2Parameter:
        return answer(string2parameter(index, asText(ptr)));
    case effGetProgramNameIndexed:
        return answer(getProgramNameIndexed(static_cast<int32>(value), index, asText(ptr)));
    case effGetInputProperties:
        return answer(getInputProperties(index, static_cast<VstPinProperties*>(ptr)));
    case effGetOutputProperties:
        return answer(getOutputProperties(index, static_cast<VstPinProperties*>(ptr)));
    case effGetPlugCategory:
        return getPlugCategory();
    case effOfflineNotify:
        return answer(offlineNotify(static_cast<VstAudioFile*>(ptr), static_cast<int32>(value), index != 0));
    case effOfflinePrepare:
        return answer(offlinePrepare(static_cast<VstOfflineTask*>(ptr), static_cast<int32>(value)));
    case effOfflineRun:
        return answer(offlineRun(static_cast<VstOfflineTask*>(ptr), static_cast<int32>(value)));
    case effProcessVarIo:
        return answer(processVariableIo(static_cast<VstVariableIo*>(ptr)));
    case effSetSpeakerArrangement:
        return answer(setSpeakerArrangement(reinterpret_cast<VstSpeakerArrangement*>(value),
                                            static_cast<VstSpeakerArrangement*>(ptr)));
    case effSetBypass:
        return answer(setBypass(value != 0));
    case effGetEffectName:
        return answer(getEffectName(asText(ptr)));
    case effGetVendorString:
        return answer(getVendorString(asText(ptr)));
    case effGetProductString:
        return answer(getProductString(asText(ptr)));
    case effGetVendorVersion:
        return getVendorVersion();
    case effVendorSpecific:
        return vendorSpecific(index, value, ptr, opt);
    case effCanDo:
        return canDo(asText(ptr));
    case effGetTailSize:
        return getGetTailSize();
    case effGetParameterProperties:
        return answer(getParameterProperties(index, static_cast<VstParameterProperties*>(ptr)));
    case effGetVstVersion:
        return getVstVersion();
    case effEditKeyDown:
    case effEditKeyUp: {
        if (editor == nullptr)
            return 0;
        VstKeyCode keyCode = keyCodeFrom(index, value, opt);
        return answer(opcode == effEditKeyDown ? editor->onKeyDown(keyCode) : editor->onKeyUp(keyCode));
    }
    case effSetEditKnobMode:
        return editor != nullptr ? answer(editor->setKnobMode(static_cast<int32>(value))) : 0;
    case effGetMidiProgramName:
        return getMidiProgramName(index, static_cast<MidiProgramName*>(ptr));
    case effGetCurrentMidiProgram:
        return getCurrentMidiProgram(index, static_cast<MidiProgramName*>(ptr));
    case effGetMidiProgramCategory:
        return getMidiProgramCategory(index, static_cast<MidiProgramCategory*>(ptr));
    case effHasMidiProgramsChanged:
        return answer(hasMidiProgramsChanged(index));
    case effGetMidiKeyName:
        return answer(getMidiKeyName(index, static_cast<MidiKeyName*>(ptr)));
    case effBeginSetProgram:
        return answer(beginSetProgram());
    case effEndSetProgram:
        return answer(endSetProgram());
    case effGetSpeakerArrangement:
        return answer(getSpeakerArrangement(reinterpret_cast<VstSpeakerArrangement**>(value),
                                            static_cast<VstSpeakerArrangement**>(ptr)));
    case effShellGetNextPlugin:
        return getNextShellPlugin(asText(ptr));
    case effStartProcess:
        return startProcess();
    case effStopProcess:
        return stopProcess();
    case effSetTotalSampleToProcess:
        return setTotalSampleToProcess(value);
    case effSetPanLaw:
        return answer(setPanLaw(static_cast<int32>(value), opt));
    case effBeginLoadBank:
        return beginLoadBank(static_cast<VstPatchChunkInfo*>(ptr));
    case effBeginLoadProgram:
        return beginLoadProgram(static_cast<VstPatchChunkInfo*>(ptr));
    case effSetProcessPrecision:
        return answer(setProcessPrecision(static_cast<int32>(value)));
    case effGetNumMidiInputChannels:
        return getNumMidiInputChannels();
    case effGetNumMidiOutputChannels:
        return getNumMidiOutputChannels();
    default:
        return 0;
    }
}

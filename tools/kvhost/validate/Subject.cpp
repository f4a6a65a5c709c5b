#include "Subject.h"

#include <algorithm>
#include <atomic>
#include <vector>

namespace {
constexpr intptr kHostVstVersion = 2400;
std::atomic<intptr> hostVersionAnswer{kHostVstVersion};

PluginEntryProc findEntry(const PluginModule& module)
{
    // Linux plug-ins often export only the oldest name, "main"; hosts accept it.
    for (const char* name : {"VSTPluginMain", "MAIN", "main"})
        if (PluginEntryProc entry = module.entryPoint(name))
            return entry;
    return nullptr;
}
} // namespace

intptr validationHostCallback(AEffect* /*effect*/, int32 opcode, int32 /*index*/, intptr /*value*/, void* /*ptr*/, float /*opt*/)
{
    return opcode == audioMasterVersion ? hostVersionAnswer.load() : 0;
}

void setHostVersionAnswer(intptr versionAnswer)
{
    hostVersionAnswer = versionAnswer;
}

std::string recordProblem(const AEffect* record)
{
    if (record == nullptr)
        return "the entry point returned no effect record";
    if (record->magic != kEffectMagic)
        return "the record's magic is not 'VstP'";
    if (record->dispatcher == nullptr || record->setParameter == nullptr || record->getParameter == nullptr)
        return "the record has a null dispatcher, setParameter or getParameter";
    if ((record->flags & effFlagsCanReplacing) != 0 ? record->processReplacing == nullptr : record->process == nullptr)
        return "the record has no process callback for the processing it announces";
    if (record->numParams < 0 || record->numParams > kMaxSaneParameters)
        return "absurd parameter count " + std::to_string(record->numParams);
    if (record->numPrograms < 0 || record->numPrograms > kMaxSanePrograms)
        return "absurd program count " + std::to_string(record->numPrograms);
    if (record->numInputs < 0 || record->numInputs > kMaxSaneChannels || record->numOutputs < 0
        || record->numOutputs > kMaxSaneChannels)
        return "absurd channel counts " + std::to_string(record->numInputs) + " in, "
               + std::to_string(record->numOutputs) + " out";
    return {};
}

Instance::~Instance()
{
    dispatch(effClose);
}

intptr Instance::dispatch(int32 opcode, int32 index, intptr value, void* ptr, float opt) const
{
    return record->dispatcher(record, opcode, index, value, ptr, opt);
}

void Instance::resume(float sampleRate, int32 blockSize) const
{
    dispatch(effSetSampleRate, 0, 0, nullptr, sampleRate);
    dispatch(effSetBlockSize, 0, blockSize);
    dispatch(effMainsChanged, 0, 1);
    dispatch(effStartProcess);
}

void Instance::suspend() const
{
    dispatch(effStopProcess);
    dispatch(effMainsChanged, 0, 0);
}

void Instance::processBlock(float** inputs, float** outputs, int32 frames) const
{
    if ((record->flags & effFlagsCanReplacing) != 0) {
        record->processReplacing(record, inputs, outputs, frames);
        return;
    }
    for (int32 c = 0; c < record->numOutputs; ++c)
        std::fill(outputs[c], outputs[c] + frames, 0.0f);
    record->process(record, inputs, outputs, frames);
}

Subject::Subject(const std::string& path) : libraryPath(path), module(path), entry(findEntry(module))
{
    if (entry == nullptr) {
        problem = "no VSTPluginMain, MAIN or main entry point";
        return;
    }
    // A record is made once here only to see whether it can be driven at all.
    AEffect* probe = entry(validationHostCallback);
    problem = recordProblem(probe);
    if (problem.empty())
        probe->dispatcher(probe, effClose, 0, 0, nullptr, 0.0f);
}

std::unique_ptr<Instance> Subject::create() const
{
    AEffect* record = entry(validationHostCallback);
    if (!recordProblem(record).empty())
        return nullptr;
    auto instance = std::make_unique<Instance>(record);
    instance->dispatch(effOpen);
    return instance;
}

// The plug-in under validation: its library loaded by path and effects created from its entry
// point with a host callback of the validator's own. Nothing here trusts the record: counts
// are bounded and a record the validator cannot drive is reported, not used.
#pragma once

#include "../PluginModule.h"

#include <memory>
#include <string>

// Limits beyond which a count in the record is taken as garbage.
constexpr int32 kMaxSaneParameters = 10000;
constexpr int32 kMaxSanePrograms = 10000;
constexpr int32 kMaxSaneChannels = 64;

class Instance {
public:
    explicit Instance(AEffect* effectRecord) : record(effectRecord) {}
    // Sends effClose.
    ~Instance();
    Instance(const Instance&) = delete;
    Instance& operator=(const Instance&) = delete;

    AEffect& effect() const { return *record; }
    intptr dispatch(int32 opcode, int32 index = 0, intptr value = 0, void* ptr = nullptr, float opt = 0.0f) const;
    void setParameter(int32 index, float value) const { record->setParameter(record, index, value); }
    float getParameter(int32 index) const { return record->getParameter(record, index); }
    // effSetSampleRate and effSetBlockSize, then effMainsChanged on and effStartProcess.
    void resume(float sampleRate, int32 blockSize) const;
    // effStopProcess and effMainsChanged off.
    void suspend() const;
    // processReplacing, or process on zeroed outputs when the effect cannot replace.
    void processBlock(float** inputs, float** outputs, int32 frames) const;

private:
    AEffect* record;
};

class Subject {
public:
    // Throws KvhostError when the library does not load.
    explicit Subject(const std::string& path);

    // Why no effect can be driven (no entry point, no record, bad magic, null callbacks,
    // absurd counts); empty when instances can be made.
    const std::string& unusable() const { return problem; }
    // A new effect after effOpen; null when the entry point refuses.
    std::unique_ptr<Instance> create() const;

    PluginEntryProc entryPoint() const { return entry; }
    const std::string& path() const { return libraryPath; }

private:
    std::string libraryPath;
    PluginModule module;
    PluginEntryProc entry = nullptr;
    std::string problem;
};

// The reason a record cannot be driven safely; empty for a usable one.
std::string recordProblem(const AEffect* record);

// The host callback every validation instance gets. With versionAnswer 0 the host claims no
// version at all, for the check that a plug-in refuses such a host cleanly.
intptr validationHostCallback(AEffect* effect, int32 opcode, int32 index, intptr value, void* ptr, float opt);
void setHostVersionAnswer(intptr versionAnswer);

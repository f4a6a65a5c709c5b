// Drives one VST 2.4 effect only through its entry point and record, as a host does: opens it,
// answers its requests, sets parameters and programs, and processes audio in blocks.
#pragma once

#include "AudioBuffer.h"
#include "PluginModule.h"

#include <functional>
#include <string>

class PluginHost {
public:
    // Loads the library and creates the effect (effOpen included). Throws KvhostError.
    explicit PluginHost(const std::string& pluginPath);
    // Sends effClose.
    ~PluginHost();

    PluginHost(const PluginHost&) = delete;
    PluginHost& operator=(const PluginHost&) = delete;

    AEffect& effect() const { return *record; }
    intptr dispatch(int32 opcode, int32 index = 0, intptr value = 0, void* ptr = nullptr, float opt = 0.0f) const;
    // A text the effect writes into a host buffer for the given opcode.
    std::string text(int32 opcode, int32 index = 0, intptr value = 0) const;

    void setParameter(int32 index, float value) const;
    float getParameter(int32 index) const;
    // Index of the parameter with this name (letter case ignored) or number; throws KvhostError.
    int32 parameterIndex(const std::string& nameOrNumber) const;
    // Throws KvhostError for a program the effect does not have.
    void selectProgram(int32 program) const;

    // Processes the whole buffer in blocks, mono fed to both inputs, with the start and stop
    // calls hosts make around processing; reports progress as a fraction after every block.
    AudioBuffer process(const AudioBuffer& input, int32 blockSize, float sampleRate,
                        const std::function<void(double)>& progress = nullptr) const;

private:
    PluginModule module;
    AEffect* record;
};

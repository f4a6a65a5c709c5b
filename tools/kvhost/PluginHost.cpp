#include "PluginHost.h"

#include "KvhostError.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <vector>

namespace {
constexpr intptr kHostVstVersion = 2400;
constexpr std::size_t kTextBufferBytes = 256;

intptr hostCallback(AEffect* /*effect*/, int32 opcode, int32 /*index*/, intptr /*value*/, void* /*ptr*/, float /*opt*/)
{
    // The version is the one answer an effect needs from kvhost; every other request is
    // answered "not supported".
    return opcode == audioMasterVersion ? kHostVstVersion : 0;
}

std::string lowerCase(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

// Planar channel buffers of one block, as the record's process calls want them.
struct BlockBuffers {
    BlockBuffers(int32 channelCount, int32 blockSize)
        : storage(static_cast<std::size_t>(channelCount), std::vector<float>(static_cast<std::size_t>(blockSize))),
          pointers(static_cast<std::size_t>(channelCount))
    {
        for (std::size_t c = 0; c < storage.size(); ++c)
            pointers[c] = storage[c].data();
    }
    std::vector<std::vector<float>> storage;
    std::vector<float*> pointers;
};
} // namespace

PluginHost::PluginHost(const std::string& pluginPath) : module(pluginPath), record(module.createEffect(hostCallback))
{
    dispatch(effOpen);
}

PluginHost::~PluginHost()
{
    dispatch(effClose);
}

intptr PluginHost::dispatch(int32 opcode, int32 index, intptr value, void* ptr, float opt) const
{
    return record->dispatcher(record, opcode, index, value, ptr, opt);
}

std::string PluginHost::text(int32 opcode, int32 index, intptr value) const
{
    char buffer[kTextBufferBytes] = {};
    dispatch(opcode, index, value, buffer);
    buffer[kTextBufferBytes - 1] = '\0';
    return buffer;
}

void PluginHost::setParameter(int32 index, float value) const
{
    record->setParameter(record, index, value);
}

float PluginHost::getParameter(int32 index) const
{
    return record->getParameter(record, index);
}

int32 PluginHost::parameterIndex(const std::string& nameOrNumber) const
{
    for (int32 index = 0; index < record->numParams; ++index)
        if (lowerCase(text(effGetParamName, index)) == lowerCase(nameOrNumber) || std::to_string(index) == nameOrNumber)
            return index;
    throw KvhostError("no parameter named '" + nameOrNumber + "' (see kvhost info)");
}

void PluginHost::selectProgram(int32 program) const
{
    if (program < 0 || program >= record->numPrograms)
        throw KvhostError("no program " + std::to_string(program) + " (the plug-in has "
                          + std::to_string(record->numPrograms) + ", numbered from 0)");
    dispatch(effSetProgram, 0, program);
}

AudioBuffer PluginHost::process(const AudioBuffer& input, int32 blockSize, float sampleRate,
                                const std::function<void(double)>& progress) const
{
    if (record->numOutputs < input.channels)
        throw KvhostError("the plug-in has " + std::to_string(record->numOutputs) + " outputs; the file has "
                          + std::to_string(input.channels) + " channels");
    const bool replacing = (record->flags & effFlagsCanReplacing) != 0;
    BlockBuffers inputs(std::max(record->numInputs, 1), blockSize);
    BlockBuffers outputs(record->numOutputs, blockSize);
    AudioBuffer output = input;
    const std::size_t frames = input.frames();
    const auto channels = static_cast<std::size_t>(input.channels);

    dispatch(effSetSampleRate, 0, 0, nullptr, sampleRate);
    dispatch(effSetBlockSize, 0, blockSize);
    dispatch(effMainsChanged, 0, 1);
    dispatch(effStartProcess);
    for (std::size_t start = 0; start < frames; start += static_cast<std::size_t>(blockSize)) {
        const std::size_t count = std::min(frames - start, static_cast<std::size_t>(blockSize));
        // A mono file feeds every input.
        for (std::size_t c = 0; c < inputs.storage.size(); ++c)
            for (std::size_t i = 0; i < count; ++i)
                inputs.storage[c][i] = input.samples[(start + i) * channels + std::min(c, channels - 1)];
        if (replacing) {
            record->processReplacing(record, inputs.pointers.data(), outputs.pointers.data(), static_cast<int32>(count));
        } else {
            for (auto& channel : outputs.storage)
                std::fill(channel.begin(), channel.end(), 0.0f);
            record->process(record, inputs.pointers.data(), outputs.pointers.data(), static_cast<int32>(count));
        }
        for (std::size_t c = 0; c < channels; ++c)
            for (std::size_t i = 0; i < count; ++i)
                output.samples[(start + i) * channels + c] = outputs.storage[c][i];
        if (progress)
            progress(static_cast<double>(start + count) / static_cast<double>(frames));
    }
    dispatch(effStopProcess);
    dispatch(effMainsChanged, 0, 0);
    return output;
}

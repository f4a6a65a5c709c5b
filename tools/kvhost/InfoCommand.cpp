// kvhost info: who the plug-in says it is, its parameters and its programs.
#include "Commands.h"
#include "PluginHost.h"

#include <cstdio>

namespace {
struct FlagName {
    int32 bit;
    const char* name;
};

const FlagName kFlagNames[] = {
    {effFlagsHasEditor, "HasEditor"},         {effFlagsHasClip, "HasClip"},
    {effFlagsHasVu, "HasVu"},                 {effFlagsCanMono, "CanMono"},
    {effFlagsCanReplacing, "CanReplacing"},   {effFlagsProgramChunks, "ProgramChunks"},
    {effFlagsIsSynth, "IsSynth"},             {effFlagsNoSoundInStop, "NoSoundInStop"},
    {effFlagsExtIsAsync, "ExtIsAsync"},       {effFlagsExtHasBuffer, "ExtHasBuffer"},
    {effFlagsCanDoubleReplacing, "CanDoubleReplacing"},
};

std::string fourCharacters(int32 id)
{
    std::string text;
    for (int shift = 24; shift >= 0; shift -= 8) {
        const char c = static_cast<char>((static_cast<uint32>(id) >> shift) & 0xFF);
        text += (c >= 0x20 && c < 0x7F) ? c : '?';
    }
    return text;
}

std::string flagNames(int32 flags)
{
    std::string text;
    for (const FlagName& flag : kFlagNames)
        if ((flags & flag.bit) != 0)
            text += (text.empty() ? "" : " ") + std::string(flag.name);
    return text.empty() ? "none" : text;
}

void printIdentity(const PluginHost& host)
{
    const AEffect& effect = host.effect();
    std::printf("Effect name:    %s\n", host.text(effGetEffectName).c_str());
    std::printf("Product:        %s\n", host.text(effGetProductString).c_str());
    std::printf("Vendor:         %s\n", host.text(effGetVendorString).c_str());
    std::printf("Vendor version: %ld\n", static_cast<long>(host.dispatch(effGetVendorVersion)));
    std::printf("Unique id:      '%s' (0x%08X)\n", fourCharacters(effect.uniqueID).c_str(), static_cast<unsigned>(effect.uniqueID));
    std::printf("Category:       %ld\n", static_cast<long>(host.dispatch(effGetPlugCategory)));
    std::printf("VST version:    %ld\n", static_cast<long>(host.dispatch(effGetVstVersion)));
    std::printf("Inputs:         %d\n", effect.numInputs);
    std::printf("Outputs:        %d\n", effect.numOutputs);
    std::printf("Flags:          0x%X (%s)\n", static_cast<unsigned>(effect.flags), flagNames(effect.flags).c_str());
}

void printParameters(const PluginHost& host)
{
    std::printf("\nParameters (%d):\n", host.effect().numParams);
    for (int32 index = 0; index < host.effect().numParams; ++index)
        std::printf("  %2d  %-12s %8.6f  %-10s %s\n", index, host.text(effGetParamName, index).c_str(),
                    static_cast<double>(host.getParameter(index)), host.text(effGetParamDisplay, index).c_str(),
                    host.text(effGetParamLabel, index).c_str());
}

void printPrograms(const PluginHost& host)
{
    std::printf("\nPrograms (%d):\n", host.effect().numPrograms);
    for (int32 index = 0; index < host.effect().numPrograms; ++index) {
        const std::string indexed = host.text(effGetProgramNameIndexed, index);
        std::printf("  %2d  %s\n", index, indexed.c_str());
    }
}
} // namespace

void runInfo(const Arguments& arguments, const std::string& pluginPath)
{
    if (!arguments.empty())
        throw UsageError("info takes no arguments");
    const PluginHost host(pluginPath);
    printIdentity(host);
    printParameters(host);
    printPrograms(host);
}

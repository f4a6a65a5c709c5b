// kvhost: a command-line VST 2.4 host for Kestrovanel or any other VST 2.4 effect.
#include "Commands.h"
#include "PluginModule.h"
#include "validate/ValidateCommand.h"

#include <cstdio>
#include <cstring>
#include <exception>

namespace {
constexpr int kFailure = 1;
constexpr int kUsageFailure = 2;

const char* const kUsage =
    "usage: kvhost [--plugin PATH] info\n"
    "       kvhost [--plugin PATH] process IN.wav OUT.wav [--param NAME=VALUE ...] [--program N]\n"
    "                                     [--block N] [--rate HZ]\n"
    "       kvhost [--plugin PATH] demo [FOLDER]\n"
    "       kvhost [--plugin PATH] editor [--screenshot FILE.png] [--drag X Y DX DY]\n"
    "                                     [--file-selector PATH...]\n"
    "       kvhost validate PLUGIN [--level N] [--seed N] [--skip-editor] [--only NAME...]\n"
    "                              [--timeout-ms N] [--json FILE]\n"
    "With --file-selector, kvhost offers the plug-in a file selector that answers with the\n"
    "given paths (none: cancelled) and prints each request.\n"
    "The plug-in defaults to the Kestrovanel library beside kvhost. WAV files may be 16- or\n"
    "24-bit PCM or 32-bit float, mono or stereo; parameter values run from 0 to 1.\n";

int run(Arguments arguments)
{
    std::string pluginPath = PluginModule::defaultPath();
    if (arguments.size() >= 2 && arguments[0] == "--plugin") {
        pluginPath = arguments[1];
        arguments.erase(arguments.begin(), arguments.begin() + 2);
    }
    if (arguments.empty() || arguments[0] == "--help" || arguments[0] == "-h") {
        std::fputs(kUsage, arguments.empty() ? stderr : stdout);
        return arguments.empty() ? kUsageFailure : 0;
    }
    const std::string command = arguments[0];
    arguments.erase(arguments.begin());
    if (command == "info")
        runInfo(arguments, pluginPath);
    else if (command == "process")
        runProcess(arguments, pluginPath);
    else if (command == "demo")
        runDemo(arguments, pluginPath);
    else if (command == "editor")
        runEditor(arguments, pluginPath);
    else if (command == "validate")
        runValidate(arguments);
    else if (command == "validate-child")
        runValidateChild(arguments);
    else
        throw UsageError("unknown command '" + command + "'");
    return 0;
}
} // namespace

int main(int argc, char** argv)
{
    try {
        return run(Arguments(argv + 1, argv + argc));
    } catch (const ValidationFailed&) {
        return kFailure;
    } catch (const UsageError& error) {
        std::fprintf(stderr, "kvhost: %s (kvhost --help shows the usage)\n", error.what());
        return kUsageFailure;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "kvhost: %s\n", error.what());
        return kFailure;
    }
}

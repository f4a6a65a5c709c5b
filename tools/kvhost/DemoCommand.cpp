// kvhost demo [FOLDER]: renders the built-in signals through the plug-in at a few settings and
// writes the inputs, the outputs, a level table and each setting's transfer curve.
#include "Commands.h"
#include "CurvePlot.h"
#include "DemoSignals.h"
#include "LevelMeter.h"
#include "PluginHost.h"
#include "WavWriter.h"

#include <cstdio>
#include <filesystem>
#include <iterator>

namespace {
constexpr const char* kDefaultFolder = "kvhost-demo";
constexpr int32 kBlockSize = 512;
constexpr float kCurveRange = 1.5f;
constexpr int kCurvePoints = 1200;
// Far past the clamp at any setting, so the output shows where the clamp bounds land.
constexpr float kClampProbe = 1000.0f;

struct DemoSetting {
    const char* name;
    float gain;
    float amount;
    float output;
};

// From barely touched to fully saturated; Output keeps the louder ones in range.
const DemoSetting kSettings[] = {
    {"clean", 0.0f, 0.0f, 1.0f},
    {"warm", 0.15f, 0.3f, 0.9f},
    {"drive", 0.5f, 0.5f, 0.7f},
    {"fuzz", 1.0f, 0.99f, 0.5f},
};

struct DemoSignal {
    const char* name;
    AudioBuffer audio;
};

void apply(const PluginHost& host, const DemoSetting& setting)
{
    host.setParameter(host.parameterIndex("Gain"), setting.gain);
    host.setParameter(host.parameterIndex("Amount"), setting.amount);
    host.setParameter(host.parameterIndex("Output"), setting.output);
}

AudioBuffer inputRamp()
{
    AudioBuffer ramp;
    ramp.channels = 1;
    ramp.sampleRate = kDemoSampleRate;
    for (int i = 0; i < kCurvePoints; ++i)
        ramp.samples.push_back(-kCurveRange + 2.0f * kCurveRange * static_cast<float>(i) / (kCurvePoints - 1));
    return ramp;
}

// "Gain 12.0 dB   Amount 30 %   Output -0.9 dB", as the plug-in displays its parameters.
std::string parameterTexts(const PluginHost& host)
{
    std::string texts;
    for (int32 index = 0; index < host.effect().numParams; ++index)
        texts += (index > 0 ? "   " : "") + host.text(effGetParamName, index) + " " + host.text(effGetParamDisplay, index)
                 + " " + host.text(effGetParamLabel, index);
    return texts;
}

CurvePlot curvePlot(const PluginHost& host, const char* settingName, const AudioBuffer& ramp)
{
    AudioBuffer probe = ramp;
    probe.samples = {-kClampProbe, kClampProbe};
    const AudioBuffer clamped = host.process(probe, kBlockSize, kDemoSampleRate);
    const AudioBuffer curve = host.process(ramp, kBlockSize, kDemoSampleRate);
    return {settingName, parameterTexts(host), ramp.samples, curve.samples, clamped.samples[0], clamped.samples[1]};
}

void printLevels(const char* label, const std::vector<Levels>& levels)
{
    std::printf("%-8s", label);
    for (const Levels& level : levels)
        std::printf("  %7.1f %7.1f", level.peakDb, level.rmsDb);
    std::printf("\n");
}

std::string pathIn(const std::filesystem::path& folder, const std::string& name)
{
    return (folder / name).string();
}
} // namespace

void runDemo(const Arguments& arguments, const std::string& pluginPath)
{
    if (arguments.size() > 1)
        throw UsageError("demo takes at most an output folder");
    const std::filesystem::path folder = arguments.empty() ? kDefaultFolder : arguments[0];
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error)
        throw KvhostError(folder.string() + ": cannot create folder (" + error.message() + ")");

    const DemoSignal signals[] = {{"pluck", pluckedString()}, {"sweep", sineSweep()}};
    std::printf("Levels of both channels in dBFS:\n%-8s", "");
    for (const DemoSignal& signal : signals)
        std::printf("  %-15s", signal.name);
    std::printf("\n%-8s", "");
    for (std::size_t i = 0; i < std::size(signals); ++i)
        std::printf("  %7s %7s", "peak", "RMS");
    std::printf("\n");

    std::vector<Levels> inputLevels;
    for (const DemoSignal& signal : signals) {
        writeWav(pathIn(folder, std::string("input-") + signal.name + ".wav"), signal.audio);
        inputLevels.push_back(measureLevels(signal.audio));
    }
    printLevels("input", inputLevels);

    const PluginHost host(pluginPath);
    const AudioBuffer ramp = inputRamp();
    for (const DemoSetting& setting : kSettings) {
        apply(host, setting);
        std::vector<Levels> levels;
        for (const DemoSignal& signal : signals) {
            const AudioBuffer output = host.process(signal.audio, kBlockSize, kDemoSampleRate);
            writeWav(pathIn(folder, std::string(signal.name) + "-" + setting.name + ".wav"), output);
            levels.push_back(measureLevels(output));
        }
        printLevels(setting.name, levels);
        writeCurvePlot(pathIn(folder, std::string("curve-") + setting.name + ".png"), curvePlot(host, setting.name, ramp));
    }
    std::printf("\nSettings (Gain, Amount, Output as the host sends them, 0 to 1):\n");
    for (const DemoSetting& setting : kSettings)
        std::printf("  %-6s %.2f %.2f %.2f\n", setting.name, static_cast<double>(setting.gain),
                    static_cast<double>(setting.amount), static_cast<double>(setting.output));
    std::printf("Wrote inputs, outputs and curve-*.png transfer curves to %s\n", folder.string().c_str());
}

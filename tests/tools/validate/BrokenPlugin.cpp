// A small stereo gain effect with one deliberate fault, chosen at build time by BROKEN_FAULT,
// for the tests that kvhost validate catches each fault with the right check.
#include "HostTypes.h"

#include <chrono>
#include <cstdio>
#include <cmath>
#include <cstring>
#include <limits>
#include <thread>
#include <vector>

#if defined(_WIN32)
#include <windows.h>
#define BROKEN_EXPORT extern "C" __declspec(dllexport)
#else
#include <X11/Xlib.h>
#define BROKEN_EXPORT extern "C" __attribute__((visibility("default")))
#endif

namespace {
enum class Fault {
    none,
    displayOverrun,
    nanOutput,
    frameOverrun,
    allocation,
    unterminatedProgramName,
    hang,
    crashOnBadProgram,
    nullCallbacks,
    absurdCounts,
    garbageAnswers,
    crashOnSecondEditorOpen,
    subnormalSlowdown,
    monoWritesSecondOutput,
    editorWindowLeftBehind,
};
constexpr Fault kFault = Fault::BROKEN_FAULT;

constexpr int32 kParameters = 2;
constexpr int32 kPrograms = 3;
constexpr std::size_t kNameBytes = 24;
constexpr std::size_t kParameterTextBytes = 8;
constexpr std::size_t kOverrunBytes = 256;

struct Plugin {
    AEffect record{};
    float parameters[kParameters] = {0.5f, 0.5f};
    int32 program = 0;
    char names[kPrograms][kNameBytes] = {"First", "Second", "Third"};
    bool editorOpen = false;
};

// An editor that draws nothing; enough for the host to open and close it.
ERect editorRectangle = {0, 0, 100, 200};

// A child window of the host's that effEditClose forgets to take away again.
void openForgottenWindow(void* parent)
{
#if defined(_WIN32)
    CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE, 0, 0, editorRectangle.right, editorRectangle.bottom,
                    static_cast<HWND>(parent), nullptr, nullptr, nullptr);
#else
    // The connection stays open too, or the server would take the window with it.
    if (Display* display = XOpenDisplay(nullptr)) {
        const Window window = XCreateSimpleWindow(display, reinterpret_cast<Window>(parent), 0, 0,
                                                  editorRectangle.right, editorRectangle.bottom, 0, 0, 0);
        // Embedding marks as a good editor sets them (version 0, mapped), so only the leftover fails.
        const long embedInfo[2] = {0, 1};
        XChangeProperty(display, window, XInternAtom(display, "_XEMBED_INFO", False), XInternAtom(display, "_XEMBED_INFO", False),
                        32, PropModeReplace, reinterpret_cast<const unsigned char*>(embedInfo), 2);
        XMapWindow(display, window);
        XSync(display, False);
    }
#endif
}

Plugin& pluginOf(AEffect* effect)
{
    return *static_cast<Plugin*>(effect->object);
}

void copyText(void* destination, const char* text, std::size_t size)
{
    auto* out = static_cast<char*>(destination);
    std::strncpy(out, text, size - 1);
    out[size - 1] = '\0';
}

void parameterDisplay(const Plugin& plugin, int32 index, void* ptr)
{
    if (kFault == Fault::displayOverrun) {
        // Fills the host's whole buffer and puts the terminator one byte past it.
        std::memset(ptr, 'x', kOverrunBytes);
        static_cast<char*>(ptr)[kOverrunBytes] = '\0';
        return;
    }
    char text[16];
    std::snprintf(text, sizeof text, "%.2f", static_cast<double>(plugin.parameters[index]));
    copyText(ptr, text, kParameterTextBytes + 1);
}

void programName(const Plugin& plugin, int32 program, void* ptr)
{
    if (kFault == Fault::unterminatedProgramName) {
        std::memset(ptr, 'p', kNameBytes);
        return;
    }
    copyText(ptr, plugin.names[program], kNameBytes);
}

intptr dispatcher(AEffect* effect, int32 opcode, int32 index, intptr value, void* ptr, float /*opt*/)
{
    if (kFault == Fault::garbageAnswers)
        return static_cast<intptr>(0x5EADBEEF);
    Plugin& plugin = pluginOf(effect);
    const bool validParameter = index >= 0 && index < kParameters && ptr != nullptr;
    const bool validProgram = index >= 0 && index < kPrograms && ptr != nullptr;
    switch (opcode) {
    case effClose:
        delete &plugin;
        return 1;
    case effSetProgram:
        if (kFault == Fault::crashOnBadProgram && (value < 0 || value >= kPrograms))
            *static_cast<volatile int*>(nullptr) = 1;
        if (value >= 0 && value < kPrograms)
            plugin.program = static_cast<int32>(value);
        return 0;
    case effGetProgram:
        return plugin.program;
    case effSetProgramName:
        if (ptr != nullptr)
            copyText(plugin.names[plugin.program], static_cast<const char*>(ptr), kNameBytes);
        return 0;
    case effGetProgramName:
        if (ptr != nullptr)
            programName(plugin, plugin.program, ptr);
        return 0;
    case effGetProgramNameIndexed:
        if (!validProgram)
            return 0;
        programName(plugin, index, ptr);
        return 1;
    case effGetParamName:
        if (validParameter)
            copyText(ptr, index == 0 ? "Left" : "Right", kParameterTextBytes + 1);
        return 0;
    case effGetParamLabel:
        if (validParameter)
            copyText(ptr, "x", kParameterTextBytes + 1);
        return 0;
    case effGetParamDisplay:
        if (validParameter)
            parameterDisplay(plugin, index, ptr);
        return 0;
    case effGetEffectName:
    case effGetProductString:
        if (ptr != nullptr)
            copyText(ptr, "Broken", kNameBytes);
        return 1;
    case effGetVendorString:
        while (kFault == Fault::hang)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        if (ptr != nullptr)
            copyText(ptr, "Kestrovanel tests", kNameBytes);
        return 1;
    case effEditGetRect:
        if (ptr != nullptr)
            *static_cast<ERect**>(ptr) = &editorRectangle;
        return 1;
    case effEditOpen:
        if (kFault == Fault::crashOnSecondEditorOpen && plugin.editorOpen)
            *static_cast<volatile int*>(nullptr) = 1;
        if (kFault == Fault::editorWindowLeftBehind && ptr != nullptr)
            openForgottenWindow(ptr);
        plugin.editorOpen = true;
        return 1;
    case effEditClose:
        plugin.editorOpen = false;
        return 0;
    case effCanBeAutomated:
        return index >= 0 && index < kParameters ? 1 : 0;
    case effGetVstVersion:
        return 2400;
    default:
        return 0;
    }
}

void setParameter(AEffect* effect, int32 index, float value)
{
    if (index >= 0 && index < kParameters && value >= 0.0f && value <= 1.0f)
        pluginOf(effect).parameters[index] = value;
}

float getParameter(AEffect* effect, int32 index)
{
    return index >= 0 && index < kParameters ? pluginOf(effect).parameters[index] : 0.0f;
}

// The subnormal fault stands for arithmetic that takes the processor's slow path on subnormal
// numbers. The other variants flush them, so that only their own fault shows on processors
// whose multiplication is slow on such numbers too.
float slowOnSubnormal(float sample)
{
    if (std::fpclassify(sample) != FP_SUBNORMAL)
        return sample;
    if (kFault != Fault::subnormalSlowdown)
        return 0.0f;
    volatile float spent = sample;
    for (int i = 0; i < 200; ++i)
        spent = spent * 1.0001f;
    return spent;
}

void processReplacing(AEffect* effect, float** inputs, float** outputs, int32 frames)
{
    const Plugin& plugin = pluginOf(effect);
    // The mono variant reads its one input for both channels but still writes two outputs.
    const int32 inputCount = effect->numInputs;
    const int32 written = kFault == Fault::frameOverrun ? frames + 1 : frames;
    if (kFault == Fault::allocation) {
        const std::vector<float> scratch(static_cast<std::size_t>(frames));
        (void)scratch;
    }
    for (int32 c = 0; c < 2; ++c)
        for (int32 i = 0; i < written; ++i) {
            const float in = i < frames ? slowOnSubnormal(inputs[c % inputCount][i]) : 0.0f;
            outputs[c][i] = kFault == Fault::nanOutput && in == 0.0f ? std::numeric_limits<float>::quiet_NaN()
                                                                      : in * 2.0f * plugin.parameters[c];
        }
}

void process(AEffect* effect, float** inputs, float** outputs, int32 frames)
{
    processReplacing(effect, inputs, outputs, frames);
}
} // namespace

BROKEN_EXPORT AEffect* VSTPluginMain(audioMasterCallback audioMaster)
{
    if (audioMaster == nullptr || audioMaster(nullptr, audioMasterVersion, 0, 0, nullptr, 0.0f) == 0)
        return nullptr;
    auto* plugin = new Plugin;
    AEffect& record = plugin->record;
    record.magic = kEffectMagic;
    record.object = plugin;
    record.dispatcher = dispatcher;
    record.process = process;
    record.processReplacing = processReplacing;
    record.setParameter = setParameter;
    record.getParameter = getParameter;
    record.numParams = kParameters;
    record.numPrograms = kPrograms;
    record.numInputs = kFault == Fault::monoWritesSecondOutput ? 1 : 2;
    record.numOutputs = 2;
    const bool hasEditor = kFault == Fault::crashOnSecondEditorOpen || kFault == Fault::editorWindowLeftBehind;
    record.flags = effFlagsCanReplacing | (hasEditor ? effFlagsHasEditor : 0);
    record.uniqueID = fourCharacterId('K', 'v', 'B', 'k');
    if (kFault == Fault::nullCallbacks)
        record.dispatcher = nullptr;
    if (kFault == Fault::absurdCounts) {
        record.numParams = 1000000000;
        record.numPrograms = -5;
    }
    return &record;
}

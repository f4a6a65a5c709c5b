// kvhost validate catches real faults: each deliberately broken plug-in fails the check made
// for its fault with a clear reason, the run goes on past crashes and hangs, and a good
// plug-in (ours, and others built with another framework) passes.
#include "KvhostRunner.h"
#include "PluginLibrary.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace {
#if defined(_WIN32)
constexpr const char* kLibrarySuffix = ".dll";
#else
constexpr const char* kLibrarySuffix = ".so";
#endif
// The last check at level 10: its result shows the run went all the way.
constexpr const char* kLastCheck = "process-wide-state";
// Long enough for the slowest honest check (1000 parameter sets 10 ms apart with the editor
// open, under Wine), short enough that the hanging variant costs little.
constexpr const char* kHangTimeoutMs = "20000";
// The gallery redraws its whole page at each of those sets; under the sanitizers on a busy
// machine that takes longer, and a good plug-in must not fail for it.
constexpr const char* kGoodPluginTimeoutMs = "60000";

std::string besideTests(const std::string& name)
{
    return (std::filesystem::path(PluginLibrary::builtPluginPath()).parent_path() / name).string();
}

struct Validation {
    int exitStatus;
    std::string json;

    // The JSON line of one check, empty when the run never reached it.
    std::string check(const std::string& name) const
    {
        const std::size_t at = json.find("{\"name\": \"" + name + "\"");
        return at == std::string::npos ? std::string() : json.substr(at, json.find('\n', at) - at);
    }
};

Validation validate(const std::string& plugin, const std::string& level, const char* timeoutMs = kHangTimeoutMs)
{
    const std::string jsonPath = scratchFolder(::testing::UnitTest::GetInstance()->current_test_info()->name()) + "/results.json";
    const KvhostResult result = runKvhost({"validate", plugin, "--level", level, "--timeout-ms", timeoutMs, "--json", jsonPath});
    std::ifstream file(jsonPath);
    return {result.exitStatus, std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>())};
}

struct BrokenVariant {
    const char* library;
    const char* check;
    const char* reason;
    // A fault confined to one opcode fails no other check.
    bool onlyFailure = false;
    // Editor faults show only where kvhost can open a host window.
    bool needsDisplay = false;
};

bool displayAvailable()
{
#if defined(_WIN32)
    return true;
#else
    return std::getenv("DISPLAY") != nullptr;
#endif
}

const BrokenVariant kBrokenVariants[] = {
    {"broken-display-overrun", "parameter-texts", "past the end of a 256-byte buffer"},
    {"broken-nan-output", "process-signals", "NaN in channel 0"},
    {"broken-frame-overrun", "process-signals", "written past the last of 1 frames"},
    {"broken-unterminated-program-name", "program-names", "not terminated within 24 bytes"},
    {"broken-hang", "identity-texts", "no answer within 20000 ms (hung)", true},
    {"broken-crash-on-bad-program", "program-out-of-range", "the plug-in crashed the process"},
    {"broken-null-callbacks", "entry-point", "null dispatcher"},
    {"broken-absurd-counts", "entry-point", "absurd parameter count 1000000000"},
    {"broken-garbage-answers", "unknown-opcodes", "answered 1588444911"},
    {"broken-subnormal-slowdown", "subnormal-speed", "times as long as normal input", true},
    {"broken-mono-writes-second-output", "null-second-output", "the plug-in crashed the process", true},
    {"broken-editor-window-left-behind", "editor-open-close", "1 window(s) left in the host's window after effEditClose",
     false, true},
    {"broken-crash-on-second-editor-open", "editor-open-twice", "the plug-in crashed the process", false, true},
#if !defined(_WIN32)
    // The Windows plug-in carries its own allocator, which kvhost cannot watch.
    {"broken-allocation", "process-allocation", "heap allocation(s) in 50 calls of processReplacing"},
#endif
};
} // namespace

TEST(ValidateBrokenPlugins, EachFaultFailsItsCheckWithTheReasonAndTheRunFinishes)
{
    for (const BrokenVariant& variant : kBrokenVariants) {
        if (variant.needsDisplay && !displayAvailable())
            continue;
        SCOPED_TRACE(variant.library);
        const Validation validation = validate(besideTests(std::string(variant.library) + kLibrarySuffix), "10");
        EXPECT_EQ(validation.exitStatus, 1);
        const std::string line = validation.check(variant.check);
        EXPECT_NE(line.find("\"status\": \"FAIL\""), std::string::npos) << line;
        EXPECT_NE(line.find(variant.reason), std::string::npos) << line;
        EXPECT_FALSE(validation.check(kLastCheck).empty()) << "the run stopped early:\n" << validation.json;
        if (variant.onlyFailure) {
            EXPECT_NE(validation.json.find("\"failed\": 1,"), std::string::npos) << validation.json;
        }
    }
}

TEST(ValidateGoodPlugins, KestrovanelPassesEveryLevel)
{
    const Validation validation = validate(PluginLibrary::builtPluginPath(), "10", kGoodPluginTimeoutMs);
    EXPECT_EQ(validation.exitStatus, 0) << validation.json;
    EXPECT_NE(validation.json.find("\"failed\": 0,"), std::string::npos) << validation.json;
}

TEST(ValidateGoodPlugins, TheGalleryPassesEveryLevel)
{
    const Validation validation = validate(besideTests(std::string("kestrovanel_gallery") + kLibrarySuffix), "10", kGoodPluginTimeoutMs);
    EXPECT_EQ(validation.exitStatus, 0) << validation.json;
    EXPECT_NE(validation.json.find("\"failed\": 0,"), std::string::npos) << validation.json;
}

#if !defined(_WIN32)
// Debian's packages of plug-ins made with other frameworks, the ones a user here would load;
// MaBitcrush has one input and two outputs.
TEST(ValidateGoodPlugins, DebianPluginsPassTheHostCompatibilityLevel)
{
    const char* const plugins[] = {"/usr/lib/lxvst/DragonflyRoomReverb-vst.so", "/usr/lib/vst/3BandEQ-vst.so",
                                   "/usr/lib/vst/MVerb-vst.so", "/usr/lib/vst/MaBitcrush-vst.so"};
    for (const char* plugin : plugins) {
        if (!std::filesystem::exists(plugin))
            GTEST_SKIP() << plugin << " is absent: install dragonfly-reverb-vst and dpf-plugins-vst (tools/bootstrap)";
        SCOPED_TRACE(plugin);
        const Validation validation = validate(plugin, "5");
        EXPECT_EQ(validation.exitStatus, 0) << validation.json;
    }
}

// Its parameter names run past the interface's 8 characters: a warning for hosts, a failure
// at the strict levels.
TEST(ValidateGoodPlugins, LongParameterNamesFailOnlyTheStrictLevels)
{
    const char* const plugin = "/usr/lib/vst/3BandEQ-vst.so";
    if (!std::filesystem::exists(plugin))
        GTEST_SKIP() << plugin << " is absent: install dpf-plugins-vst (tools/bootstrap)";
    EXPECT_NE(validate(plugin, "5").check("parameter-texts").find("\"status\": \"PASS\", \"reason\": \"warning: a parameter text is longer than 8 characters"),
              std::string::npos);
    const std::string strict = validate(plugin, "8").check("parameter-texts");
    EXPECT_NE(strict.find("\"status\": \"FAIL\""), std::string::npos) << strict;
    EXPECT_NE(strict.find("Mid-High Freq"), std::string::npos) << strict;
}
#endif

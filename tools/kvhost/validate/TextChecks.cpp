// Levels 1 and 2: identity and parameter texts kept within their buffers, automation flags and
// opcodes the plug-in does not know.
#include "Checks.h"

#include "GuardedText.h"

#include <climits>
#include <random>

namespace {
constexpr std::size_t kEffectNameBytes = 32;
constexpr std::size_t kVendorTextBytes = 64;
// Hosts hand parameter texts larger buffers than the interface's 8 characters; this is the
// size beyond which no host is safe.
constexpr std::size_t kParameterTextBytes = 256;
constexpr std::size_t kParameterTextLimit = 8;
constexpr int kStrictTextLevel = 8;
} // namespace

std::string readText(const Instance& instance, int32 opcode, int32 index, std::size_t size, std::string& fault)
{
    GuardedText buffer(size);
    instance.dispatch(opcode, index, 0, buffer.data());
    fault = buffer.fault();
    return fault.empty() ? buffer.text() : std::string();
}

std::string at(const std::string& where, const std::string& what)
{
    return where + ": " + what;
}

CheckResult checkIdentityTexts(const CheckContext& context)
{
    const auto instance = context.subject.create();
    const struct {
        const char* name;
        int32 opcode;
        std::size_t size;
    } texts[] = {{"effect name", effGetEffectName, kEffectNameBytes},
                 {"vendor", effGetVendorString, kVendorTextBytes},
                 {"product", effGetProductString, kVendorTextBytes}};
    for (const auto& text : texts) {
        std::string fault;
        readText(*instance, text.opcode, 0, text.size, fault);
        if (!fault.empty())
            return CheckResult::failed(at(text.name, fault));
    }
    return CheckResult::passed();
}

CheckResult checkParameterTexts(const CheckContext& context)
{
    const auto instance = context.subject.create();
    std::mt19937 random(context.seed);
    std::string longest;
    for (int32 p = 0; p < instance->effect().numParams; ++p) {
        const std::string where = "parameter " + std::to_string(p);
        const float values[] = {0.0f, 0.5f, 1.0f, std::uniform_real_distribution<float>(0.0f, 1.0f)(random)};
        for (const float value : values) {
            instance->setParameter(p, value);
            const std::pair<const char*, int32> texts[] = {
                {"name", effGetParamName}, {"label", effGetParamLabel}, {"display", effGetParamDisplay}};
            for (const auto& [textName, opcode] : texts) {
                std::string fault;
                const std::string text = readText(*instance, opcode, p, kParameterTextBytes, fault);
                if (!fault.empty())
                    return CheckResult::failed(at(where + " " + textName + " at " + std::to_string(value), fault));
                if (text.size() > kParameterTextLimit && text.size() > longest.size())
                    longest = text;
            }
        }
    }
    if (longest.empty())
        return CheckResult::passed();
    const std::string note = "a parameter text is longer than 8 characters: \"" + longest + "\"";
    return context.level >= kStrictTextLevel ? CheckResult::failed(note) : CheckResult::passed("warning: " + note);
}

CheckResult checkCanBeAutomated(const CheckContext& context)
{
    const auto instance = context.subject.create();
    for (int32 p = 0; p < instance->effect().numParams; ++p) {
        const intptr answer = instance->dispatch(effCanBeAutomated, p);
        if (answer != 0 && answer != 1)
            return CheckResult::failed("effCanBeAutomated for parameter " + std::to_string(p) + " answered "
                                       + std::to_string(answer) + ", not 0 or 1");
    }
    return CheckResult::passed();
}

CheckResult checkUnknownOpcodes(const CheckContext& context)
{
    const auto instance = context.subject.create();
    for (const int32 opcode : {128, 1000, 65535, INT_MAX, -1, -100, INT_MIN}) {
        GuardedText buffer(kParameterTextBytes);
        const intptr answer = instance->dispatch(opcode, 0, 0, buffer.data());
        if (answer != 0)
            return CheckResult::failed("unknown opcode " + std::to_string(opcode) + " answered " + std::to_string(answer));
    }
    return CheckResult::passed();
}

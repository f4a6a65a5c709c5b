// Level 2: programs listed, selected, named and kept apart, and instances kept apart.
#include "Checks.h"

#include "GuardedText.h"

#include <climits>
#include <vector>

namespace {
constexpr std::size_t kProgramNameBytes = 24;
constexpr int kOverlongNameCharacters = 100;

// Every program's name as effGetProgramNameIndexed gives it, or the first fault.
std::vector<std::string> programNames(const Instance& instance, std::string& fault)
{
    std::vector<std::string> names;
    for (int32 p = 0; p < instance.effect().numPrograms && fault.empty(); ++p) {
        std::string textFault;
        names.push_back(readText(instance, effGetProgramNameIndexed, p, kProgramNameBytes, textFault));
        if (!textFault.empty())
            fault = at("program " + std::to_string(p) + " name", textFault);
    }
    return names;
}

std::string currentProgramName(const Instance& instance, std::string& fault)
{
    std::string textFault;
    const std::string name = readText(instance, effGetProgramName, 0, kProgramNameBytes, textFault);
    if (!textFault.empty())
        fault = at("current program name", textFault);
    return name;
}
} // namespace

CheckResult checkProgramNames(const CheckContext& context)
{
    const auto instance = context.subject.create();
    std::string fault;
    programNames(*instance, fault);
    currentProgramName(*instance, fault);
    return fault.empty() ? CheckResult::passed() : CheckResult::failed(fault);
}

CheckResult checkProgramSelection(const CheckContext& context)
{
    const auto instance = context.subject.create();
    const int32 programs = instance->effect().numPrograms;
    if (programs == 0)
        return CheckResult::skipped("the plug-in has no programs");
    const intptr original = instance->dispatch(effGetProgram);
    for (int32 p = 0; p < programs; ++p) {
        instance->dispatch(effSetProgram, 0, p);
        if (instance->dispatch(effGetProgram) != p)
            return CheckResult::failed("effSetProgram " + std::to_string(p) + " left effGetProgram at "
                                       + std::to_string(instance->dispatch(effGetProgram)));
    }
    instance->dispatch(effSetProgram, 0, original);
    if (instance->dispatch(effGetProgram) != original)
        return CheckResult::failed("the original program " + std::to_string(original) + " could not be restored");
    return CheckResult::passed();
}

CheckResult checkProgramOutOfRange(const CheckContext& context)
{
    const auto instance = context.subject.create();
    const int32 programs = instance->effect().numPrograms;
    if (programs == 0)
        return CheckResult::skipped("the plug-in has no programs");
    for (const intptr index : {intptr{-1}, intptr{programs}, intptr{programs} + 1, intptr{INT_MAX}, intptr{INT_MIN}}) {
        instance->dispatch(effSetProgram, 0, index);
        const intptr current = instance->dispatch(effGetProgram);
        if (current < 0 || current >= programs)
            return CheckResult::failed("effSetProgram " + std::to_string(index) + " left effGetProgram at "
                                       + std::to_string(current) + ", outside 0 to " + std::to_string(programs - 1));
    }
    return CheckResult::passed();
}

CheckResult checkProgramNameOverlong(const CheckContext& context)
{
    const auto instance = context.subject.create();
    if (instance->effect().numPrograms == 0)
        return CheckResult::skipped("the plug-in has no programs");
    std::string fault;
    const std::vector<std::string> before = programNames(*instance, fault);
    const intptr current = instance->dispatch(effGetProgram);
    std::string overlong(kOverlongNameCharacters, 'N');
    instance->dispatch(effSetProgramName, 0, 0, overlong.data());
    currentProgramName(*instance, fault);
    const std::vector<std::string> after = programNames(*instance, fault);
    if (!fault.empty())
        return CheckResult::failed("after a 100-character name: " + fault);
    for (std::size_t p = 0; p < before.size(); ++p)
        if (static_cast<intptr>(p) != current && before[p] != after[p])
            return CheckResult::failed("renaming program " + std::to_string(current) + " changed program "
                                       + std::to_string(p) + "'s name to \"" + after[p] + "\"");
    return CheckResult::passed();
}

CheckResult checkTwoInstances(const CheckContext& context)
{
    const auto first = context.subject.create();
    const auto second = context.subject.create();
    const int32 parameters = first->effect().numParams;
    std::vector<float> values;
    for (int32 p = 0; p < parameters; ++p)
        values.push_back(second->getParameter(p));
    std::string fault;
    const intptr program = second->dispatch(effGetProgram);
    const std::string name = currentProgramName(*second, fault);
    for (int32 p = 0; p < parameters; ++p)
        first->setParameter(p, values[static_cast<std::size_t>(p)] < 0.5f ? 0.9f : 0.1f);
    // Renamed before the switch, so the name changed is that of the program the other shows.
    char other[] = "Other";
    first->dispatch(effSetProgramName, 0, 0, other);
    if (first->effect().numPrograms > 1)
        first->dispatch(effSetProgram, 0, program == 0 ? 1 : 0);
    for (int32 p = 0; p < parameters; ++p)
        if (second->getParameter(p) != values[static_cast<std::size_t>(p)])
            return CheckResult::failed("a change of parameter " + std::to_string(p) + " in one instance showed in the other");
    if (second->dispatch(effGetProgram) != program)
        return CheckResult::failed("a program change in one instance showed in the other");
    if (currentProgramName(*second, fault) != name)
        return CheckResult::failed("a program name change in one instance showed in the other");
    return fault.empty() ? CheckResult::passed() : CheckResult::failed(fault);
}

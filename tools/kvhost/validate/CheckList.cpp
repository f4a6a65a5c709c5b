#include "Checks.h"

#include <cstring>

const std::vector<Check>& allChecks()
{
    static const std::vector<Check> checks = {
        {"entry-point", 1, "identity", checkEntryPoint},
        {"version-zero", 1, "identity", checkVersionZero},
        {"identity-texts", 1, "identity", checkIdentityTexts},
        {"parameter-texts", 2, "parameters", checkParameterTexts},
        {"can-be-automated", 2, "parameters", checkCanBeAutomated},
        {"unknown-opcodes", 2, "parameters", checkUnknownOpcodes},
        {"program-names", 2, "programs", checkProgramNames},
        {"program-selection", 2, "programs", checkProgramSelection},
        {"program-out-of-range", 2, "programs", checkProgramOutOfRange},
        {"program-name-overlong", 2, "programs", checkProgramNameOverlong},
        {"two-instances", 2, "programs", checkTwoInstances},
        {"process-signals", 3, "processing", checkProcessSignals},
        {"process-in-place", 3, "processing", checkProcessInPlace},
        {"automation-sub-blocks", 3, "processing", checkAutomationSubBlocks},
        {"suspend-resume", 3, "processing", checkSuspendResume},
        {"editor-open-close", 4, "editor", checkEditorOpenClose},
        {"editor-while-processing", 5, "editor", checkEditorWhileProcessing},
        {"editor-open-twice", 7, "editor", checkEditorOpenTwice},
        {"close-with-editor-open", 7, "editor", checkCloseWithEditorOpen},
        {"parameter-fuzz", 6, "stress", checkParameterFuzz},
        {"concurrent-parameters", 6, "stress", checkConcurrentParameters},
        {"program-switch-processing", 6, "stress", checkProgramSwitchWhileProcessing},
        {"library-reload", 7, "stress", checkLibraryReload},
        {"process-allocation", 8, "state", checkProcessAllocation},
        {"locale-displays", 9, "state", checkLocaleDisplays},
        {"floating-point-state", 10, "state", checkFloatingPointState},
        {"process-wide-state", 10, "state", checkProcessWideState},
    };
    return checks;
}

const Check* findCheck(const std::string& name)
{
    for (const Check& check : allChecks())
        if (name == check.name)
            return &check;
    return nullptr;
}

// The check functions, one per named check; CheckList.cpp gives each its name and level.
#pragma once

#include "Check.h"

CheckResult checkEntryPoint(const CheckContext& context);
CheckResult checkVersionZero(const CheckContext& context);
CheckResult checkIdentityTexts(const CheckContext& context);
CheckResult checkParameterTexts(const CheckContext& context);
CheckResult checkCanBeAutomated(const CheckContext& context);
CheckResult checkUnknownOpcodes(const CheckContext& context);
CheckResult checkProgramNames(const CheckContext& context);
CheckResult checkProgramSelection(const CheckContext& context);
CheckResult checkProgramOutOfRange(const CheckContext& context);
CheckResult checkProgramNameOverlong(const CheckContext& context);
CheckResult checkTwoInstances(const CheckContext& context);
CheckResult checkProcessSignals(const CheckContext& context);
CheckResult checkProcessInPlace(const CheckContext& context);
CheckResult checkAutomationSubBlocks(const CheckContext& context);
CheckResult checkSuspendResume(const CheckContext& context);
CheckResult checkEditorOpenClose(const CheckContext& context);
CheckResult checkEditorWhileProcessing(const CheckContext& context);
CheckResult checkEditorOpenTwice(const CheckContext& context);
CheckResult checkCloseWithEditorOpen(const CheckContext& context);
CheckResult checkParameterFuzz(const CheckContext& context);
CheckResult checkConcurrentParameters(const CheckContext& context);
CheckResult checkProgramSwitchWhileProcessing(const CheckContext& context);
CheckResult checkLibraryReload(const CheckContext& context);
CheckResult checkProcessAllocation(const CheckContext& context);
CheckResult checkLocaleDisplays(const CheckContext& context);
CheckResult checkFloatingPointState(const CheckContext& context);
CheckResult checkProcessWideState(const CheckContext& context);

// Level 1: the entry point and its record, and a host that claims no version.
#include "Checks.h"

CheckResult checkEntryPoint(const CheckContext& context)
{
    if (!context.subject.unusable().empty())
        return CheckResult::failed(context.subject.unusable());
    return CheckResult::passed();
}

CheckResult checkVersionZero(const CheckContext& context)
{
    setHostVersionAnswer(0);
    AEffect* record = context.subject.entryPoint()(validationHostCallback);
    setHostVersionAnswer(2400);
    if (record == nullptr)
        return CheckResult::passed("the plug-in refused a host of version 0");
    if (!recordProblem(record).empty())
        return CheckResult::failed("answered a host of version 0 with a broken record: " + recordProblem(record));
    record->dispatcher(record, effOpen, 0, 0, nullptr, 0.0f);
    record->dispatcher(record, effClose, 0, 0, nullptr, 0.0f);
    return CheckResult::passed("the plug-in accepted a host of version 0");
}

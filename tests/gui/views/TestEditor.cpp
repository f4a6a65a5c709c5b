#include "TestEditor.h"

#include <cstring>

namespace {
// One effect at a time talks to the host.
HostLog* currentLog = nullptr;

intptr answerHost(AEffect* /*effect*/, int32 opcode, int32 index, intptr value, void* ptr, float /*opt*/)
{
    if (currentLog == nullptr)
        return 0;
    switch (opcode) {
    case audioMasterCanDo:
        return currentLog->grantsSizeWindow && std::strcmp(static_cast<const char*>(ptr), "sizeWindow") == 0 ? 1 : 0;
    case audioMasterSizeWindow:
        ++currentLog->sizeWindowRequests;
        currentLog->requestedWidth = index;
        currentLog->requestedHeight = static_cast<int>(value);
        return currentLog->grantsSizeWindow ? 1 : 0;
    case audioMasterBeginEdit:
        ++currentLog->beginEdits;
        return 1;
    case audioMasterEndEdit:
        ++currentLog->endEdits;
        return 1;
    default:
        return 0;
    }
}
} // namespace

TestEffect::TestEffect(HostLog& log) : AudioEffectX(answerHost, 1, 1)
{
    currentLog = &log;
}

TestEffect::~TestEffect()
{
    currentLog = nullptr;
}

void TestEffect::processReplacing(float** /*inputs*/, float** /*outputs*/, int32 /*sampleFrames*/) {}

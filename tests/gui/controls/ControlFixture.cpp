#include "ControlFixture.h"

namespace {
HostEdits* currentEdits = nullptr;

intptr countEdits(AEffect* /*effect*/, int32 opcode, int32 index, intptr /*value*/, void* /*ptr*/, float /*opt*/)
{
    if (currentEdits == nullptr)
        return 0;
    if (opcode == audioMasterBeginEdit)
        currentEdits->begins.push_back(index);
    else if (opcode == audioMasterEndEdit)
        currentEdits->ends.push_back(index);
    return 1;
}
} // namespace

CountingEffect::CountingEffect(HostEdits& edits) : AudioEffectX(countEdits, 1, 3)
{
    currentEdits = &edits;
}

CountingEffect::~CountingEffect()
{
    currentEdits = nullptr;
}

ControlFixture::ControlFixture()
{
    fake::reset();
    fake::input.tickStep = 0;
    editor = new ScriptedEditor(&effect);
    frame = new VSTGUI::CFrame(VSTGUI::CRect(0, 0, 351, 256), nullptr, editor);
    context = new VSTGUI::CDrawContext(frame, nullptr, nullptr);
}

ControlFixture::~ControlFixture()
{
    context->forget();
    frame->forget();
}

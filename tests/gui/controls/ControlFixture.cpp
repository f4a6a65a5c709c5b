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

void ControlFixture::drag(VSTGUI::CView* view, VSTGUI::CPoint start, std::vector<VSTGUI::CPoint> path,
                          std::function<void(int)> duringPass, std::int32_t extraButtons)
{
    holdKey(VSTGUI::platform::InputKey::physicalLeftButton, true);
    fake::input.cursorPath = path;
    fake::input.cursorReads = 0;
    const int lastPass = static_cast<int>(path.size());
    editor->passes = 0;
    editor->onIdle = [this, lastPass, duringPass](int pass) {
        if (duringPass)
            duringPass(pass);
        if (pass >= lastPass)
            holdKey(VSTGUI::platform::InputKey::physicalLeftButton, false);
    };
    view->mouse(context, start, VSTGUI::kMouseLeft | extraButtons);
}

void ControlFixture::dragWithRedraw(VSTGUI::CView* view, VSTGUI::CPoint start, std::vector<VSTGUI::CPoint> path,
                                    std::function<void(int)> duringPass)
{
    drag(view, start, std::move(path), [this, view, duringPass](int pass) {
        if (view->isDirty())
            view->draw(context);
        if (duringPass)
            duringPass(pass);
    });
}

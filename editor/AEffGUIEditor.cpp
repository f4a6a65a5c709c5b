// Index: [SECTION] Life cycle, Host opcodes, Edits, Idle throttling.
#include "AEffGUIEditor.h"

#include "CDrawContext.h"
#include "CFrame.h"
#include "platform/FrameWindow.h"
#include "platform/PendingPaint.h"

#include <chrono>
#include <thread>

namespace {
// A tracking loop calling doIdleStuff sleeps this long while no idle pass is due.
constexpr uint32 kIdleWaitMs = 4;
// An idle pass makes the next one due this much later...
constexpr uint32 kIdleIntervalMs = 100;
// ...but one comes this much earlier already.
constexpr uint32 kIdleEarlyMs = 50;
constexpr int32 kKeyHandled = 1;

// Tick counts wrap after 49.7 days; differences stay meaningful across the wrap.
bool isEarlier(uint32 ticks, uint32 than)
{
    return static_cast<int32>(ticks - than) < 0;
}
} // namespace

// [SECTION] Life cycle

AEffGUIEditor::AEffGUIEditor(AudioEffect* effect_) : AEffEditor(effect_)
{
    lastTicks = getTicks();
    if (effect != nullptr)
        effect->setEditor(this);
}

// An editor that goes before its effect (one the effect does not own) must not be deleted
// again by it.
AEffGUIEditor::~AEffGUIEditor()
{
    if (effect != nullptr && effect->getEditor() == this)
        effect->setEditor(nullptr);
    if (dragAndDropReady)
        VSTGUI::platform::uninitializeDragAndDrop();
}

// [SECTION] Host opcodes

bool AEffGUIEditor::getRect(ERect** rectangle)
{
    *rectangle = &rect;
    return true;
}

bool AEffGUIEditor::open(void* ptr)
{
    AEffEditor::open(ptr);
    if (!dragAndDropReady)
        dragAndDropReady = VSTGUI::platform::initializeDragAndDrop();
    return true;
}

void AEffGUIEditor::close()
{
    AEffEditor::close();
    if (dragAndDropReady)
        VSTGUI::platform::uninitializeDragAndDrop();
    dragAndDropReady = false;
}

void AEffGUIEditor::idle()
{
    if (inIdleStuff || frame == nullptr)
        return;
    VSTGUI::platform::dispatchWindowEvents(frame->getPlatformWindow());
    // The events may have closed the editor (the host's idle inside a pop-up's loop).
    if (frame != nullptr)
        frame->idle();
}

// A key the frame's window already handled itself is not handled again; the host hears the
// answer the views gave then.
bool AEffGUIEditor::onKeyDown(VstKeyCode& keyCode)
{
    if (frame == nullptr)
        return false;
    bool handled = false;
    if (VSTGUI::platform::takeKeyDeliveredByWindow(frame->getPlatformWindow(), keyCode, true, handled))
        return handled;
    return frame->onKeyDown(keyCode) == kKeyHandled;
}

bool AEffGUIEditor::onKeyUp(VstKeyCode& keyCode)
{
    if (frame == nullptr)
        return false;
    bool handled = false;
    if (VSTGUI::platform::takeKeyDeliveredByWindow(frame->getPlatformWindow(), keyCode, false, handled))
        return handled;
    return frame->onKeyUp(keyCode) == kKeyHandled;
}

// The frame's own window, not the host's parent, measures the pointer.
bool AEffGUIEditor::onWheel(float distance)
{
    if (frame == nullptr)
        return false;
    auto* context = new VSTGUI::CDrawContext(frame, nullptr, frame->getPlatformWindow());
    VSTGUI::CPoint where(0, 0);
    context->getMouseLocation(where);
    const bool handled = frame->onWheel(context, where, distance);
    context->forget();
    return handled;
}

bool AEffGUIEditor::setKnobMode(int32 mode)
{
    knobMode = mode;
    return true;
}

// [SECTION] Edits

bool AEffGUIEditor::beginEdit(int32 index)
{
    ++editsInProgress;
    return effect != nullptr && asEffectX()->beginEdit(index);
}

bool AEffGUIEditor::endEdit(int32 index)
{
    if (editsInProgress > 0)
        --editsInProgress;
    return effect != nullptr && asEffectX()->endEdit(index);
}

// [SECTION] Idle throttling

void AEffGUIEditor::wait(uint32 milliseconds)
{
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

void AEffGUIEditor::doIdleStuff()
{
    uint32 now = getTicks();
    if (isEarlier(now, lastTicks)) {
        wait(kIdleWaitMs);
        now += kIdleWaitMs;
        if (isEarlier(now, lastTicks - kIdleEarlyMs))
            return;
    }
    idle();
    VSTGUI::platform::dispatchOnePendingPaint();
    lastTicks = now + kIdleIntervalMs;
    // A host that answers audioMasterIdle with effEditIdle must not redraw the frame from
    // inside a redraw.
    inIdleStuff = true;
    if (effect != nullptr)
        effect->masterIdle();
    inIdleStuff = false;
}

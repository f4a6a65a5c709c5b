#include "kestrovanelGui.h"

#include "CBitmap.h"
#include "CFrame.h"
#include "controls/CKnob.h"
#include "controls/CTextLabel.h"

#include <cstdio>

using VSTGUI::CBitmap;
using VSTGUI::CColor;
using VSTGUI::CFrame;
using VSTGUI::CKnob;
using VSTGUI::CRect;
using VSTGUI::CTextLabel;

namespace {
constexpr std::int32_t kBackgroundImage = 100;
constexpr std::int32_t kKnobImage = 101;
constexpr std::int32_t kHandleImage = 102;

constexpr std::int32_t kKnobLeft[kestrovanelGui::kKnobCount] = {55, 152, 244};
constexpr std::int32_t kKnobTop = 130;
constexpr std::int32_t kLabelTop = 200;
constexpr std::int32_t kLabelBottom = 220;
constexpr std::int32_t kLabelWidth = 50;
constexpr CColor kLabelBackColor = {120, 145, 236, 0};

// The effect writes at most a few characters of each; these leave room for any effect.
constexpr std::size_t kParameterTextBytes = 32;

std::int16_t asRectEdge(std::int32_t pixels)
{
    return static_cast<std::int16_t>(pixels);
}
} // namespace

kestrovanelGui::kestrovanelGui(AudioEffect* effect_)
    : AEffGUIEditor(effect_), background(new CBitmap(kBackgroundImage))
{
    rect.top = 0;
    rect.left = 0;
    rect.bottom = asRectEdge(background->getHeight());
    rect.right = asRectEdge(background->getWidth());
}

kestrovanelGui::~kestrovanelGui()
{
    destroyFrame();
    background->forget();
}

bool kestrovanelGui::open(void* parentWindow)
{
    // Some hosts never send effEditClose before the next open.
    close();
    if (parentWindow == nullptr || frame != nullptr)
        return false;
    AEffGUIEditor::open(parentWindow);
    frame = new CFrame(CRect(0, 0, background->getWidth(), background->getHeight()), parentWindow, this);
    if (frame->getPlatformWindow() == nullptr) {
        close();
        return false;
    }
    frame->setBackground(background);
    addKnobsAndLabels();
    return true;
}

void kestrovanelGui::addKnobsAndLabels()
{
    auto* knobBody = new CBitmap(kKnobImage);
    auto* handle = new CBitmap(kHandleImage);
    CKnob* knobs[kKnobCount] = {};
    for (std::int32_t tag = 0; tag < kKnobCount; ++tag) {
        const CRect knobRect(kKnobLeft[tag], kKnobTop, kKnobLeft[tag] + knobBody->getWidth(),
                             kKnobTop + knobBody->getHeight());
        knobs[tag] = new CKnob(knobRect, this, tag, knobBody, handle, VSTGUI::CPoint(0, 0));
        knobs[tag]->setValue(effect->getParameter(tag));
    }
    for (std::int32_t tag = 0; tag < kKnobCount; ++tag) {
        char text[kLabelTextBytes];
        getDisplay(tag, text);
        const CRect labelRect(kKnobLeft[tag], kLabelTop, kKnobLeft[tag] + kLabelWidth, kLabelBottom);
        labels[tag] = new CTextLabel(labelRect, text, nullptr, 0);
        labels[tag]->setBackColor(kLabelBackColor);
    }
    // The frame takes over the first reference of each view.
    for (CKnob* knob : knobs)
        frame->addView(knob);
    for (CTextLabel* label : labels)
        frame->addView(label);
    knobBody->forget();
    handle->forget();
}

void kestrovanelGui::close()
{
    closePending = isEditing();
    if (!closePending)
        destroyFrame();
}

void kestrovanelGui::destroyFrame()
{
    for (CTextLabel*& label : labels)
        label = nullptr;
    if (frame != nullptr) {
        CFrame* closing = frame;
        frame = nullptr;
        closing->forget();
    }
    AEffGUIEditor::close();
}

void kestrovanelGui::idle()
{
    if (closePending && !isEditing() && !inIdleStuff)
        close();
    AEffGUIEditor::idle();
}

void kestrovanelGui::valueChanged(VSTGUI::CDrawContext* /*context*/, VSTGUI::CControl* control)
{
    const std::int32_t tag = control->getTag();
    if (tag < 0 || tag >= kKnobCount)
        return;
    effect->setParameter(tag, control->getValue());
    if (labels[tag] == nullptr)
        return;
    char text[kLabelTextBytes];
    getDisplay(tag, text);
    labels[tag]->setText(text);
    labels[tag]->setDirty(true);
}

void kestrovanelGui::getDisplay(std::int32_t index, char* text)
{
    char display[kParameterTextBytes] = {};
    char unit[kParameterTextBytes] = {};
    effect->getParameterDisplay(index, display);
    effect->getParameterLabel(index, unit);
    display[kParameterTextBytes - 1] = '\0';
    unit[kParameterTextBytes - 1] = '\0';
    std::snprintf(text, kLabelTextBytes, "%s%s", display, unit);
}

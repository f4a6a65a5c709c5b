#include "ReferenceLabel.h"

#include "CFrame.h"
#include "PanelHost.h"
#include "controls/CTextLabel.h"

namespace {
constexpr int kReferenceX = 700;
constexpr int kReferenceY = 80;
constexpr int kLabelWidth = 50;
constexpr int kLabelHeight = 20;
constexpr VSTGUI::CColor kLabelBackColor = {120, 145, 236, 0};
} // namespace

std::vector<VSTGUI::CColor> referenceLabelPixels(const char* text)
{
    HostWindow window(kLabelWidth, kLabelHeight, nullptr, kReferenceX, kReferenceY);
    auto* frame = new VSTGUI::CFrame(VSTGUI::CRect(0, 0, kLabelWidth, kLabelHeight), window.handle(), nullptr);
    auto* label = new VSTGUI::CTextLabel(VSTGUI::CRect(0, 0, kLabelWidth, kLabelHeight), text);
    label->setBackColor(kLabelBackColor);
    frame->addView(label);
    UpdateWindow(window.handle());
    pumpMessages();
    std::vector<VSTGUI::CColor> result = pixelsOf(window.handle(), 0, 0, kLabelWidth, kLabelHeight);
    frame->forget();
    return result;
}

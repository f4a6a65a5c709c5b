// Views that show what the tree did to them: a solid colour that counts its drawings, and a
// view that records the events it receives.
#pragma once

#include "CColor.h"
#include "CView.h"

#include <cstdint>

// Fills its rectangle with one colour. Counts the live instances, for leak checks.
class ColourView : public VSTGUI::CView {
public:
    ColourView(const VSTGUI::CRect& size, VSTGUI::CColor colour_);
    ~ColourView() override;

    void draw(VSTGUI::CDrawContext* context) override;

    void setColour(VSTGUI::CColor value) { colour = value; }
    int drawCount = 0;

    static int liveCount;

private:
    VSTGUI::CColor colour;
};

class RecordingView : public VSTGUI::CView {
public:
    explicit RecordingView(const VSTGUI::CRect& size) : CView(size) {}

    void mouse(VSTGUI::CDrawContext* context, VSTGUI::CPoint& where, std::int32_t buttons) override;
    bool onWheel(VSTGUI::CDrawContext* context, const VSTGUI::CPoint& where, float distance) override;
    std::int32_t onKeyDown(VstKeyCode& keyCode) override;
    void looseFocus(VSTGUI::CDrawContext* context) override;

    int clicks = 0;
    VSTGUI::CPoint lastClick;
    int wheelTurns = 0;
    float lastDistance = 0.0f;
    VSTGUI::CPoint lastWheelPoint;
    int keys = 0;
    std::int32_t keyResult = -1;
    int focusLosses = 0;
};

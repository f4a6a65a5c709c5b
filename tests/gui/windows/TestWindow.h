// A visible top-level window with a frame, for tests that draw on a real window surface and
// read the pixels back. The window lives for the whole test program.
#pragma once

#include "CDrawContext.h"
#include "CFrame.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <memory>

class TestWindow : public ::testing::Test {
protected:
    static constexpr int kWidth = 320;
    static constexpr int kHeight = 240;

    TestWindow();
    ~TestWindow() override;

    // A new context on the window, cleared to black; released with forget().
    VSTGUI::CDrawContext* newClearedContext();

    HWND window;
    std::unique_ptr<VSTGUI::CFrame> frame;
};

// Owns one reference of a counted object for the span of a scope.
template <typename Counted>
struct Forgetting {
    void operator()(Counted* counted) const { counted->forget(); }
};
template <typename Counted>
using Held = std::unique_ptr<Counted, Forgetting<Counted>>;

// Pixels of the rectangle (view coordinates of context) whose colour equals color.
int countPixels(VSTGUI::CDrawContext& context, const VSTGUI::CRect& area, const VSTGUI::CColor& color);

// Tests that need an X server skip, saying so, when DISPLAY names none.
#pragma once

#include "X11PanelHost.h"

#include <gtest/gtest.h>

class X11DisplayTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        display = openTestDisplay();
        if (display == nullptr)
            GTEST_SKIP() << "no X display: set DISPLAY to an X server (Xvfb) to run the editor tests";
    }

    ~X11DisplayTest() override
    {
        if (display != nullptr)
            closeTestDisplay(display);
    }

    Display* display = nullptr;
};

// The plug-in lives in the host's process: opening, using and closing its editor must leave
// the floating-point mode, the locale and the DPI awareness as the host set them.
#include "PanelHost.h"

#include <gtest/gtest.h>

#include <float.h>
#include <xmmintrin.h>

#include <clocale>
#include <string>

TEST(HostState, TheEditorLeavesFloatingPointModeLocaleAndDpiAwarenessAsFound)
{
    const unsigned int controlWord = _controlfp(0, 0);
    const unsigned int mxcsr = _mm_getcsr();
    const std::string locale = std::setlocale(LC_ALL, nullptr);
    const BOOL dpiAware = IsProcessDPIAware();
    {
        PanelHost panel;
        ASSERT_TRUE(panel.openEditor());
        const POINT centre = panel.toScreen(PanelLayout::knobCentre(0));
        panel.perform([centre] { performWheel(centre, 1); });
        panel.idle();
        panel.closeEditor();
    }
    EXPECT_EQ(_controlfp(0, 0), controlWord);
    EXPECT_EQ(_mm_getcsr(), mxcsr);
    EXPECT_EQ(std::setlocale(LC_ALL, nullptr), locale);
    EXPECT_EQ(IsProcessDPIAware(), dpiAware);
}

// The editor opened and closed on the user-interface thread while the host's audio thread
// processes and automates parameters, as hosts do.
#include "PanelHost.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cmath>
#include <thread>
#include <vector>

namespace {
constexpr int kCycles = 20;
constexpr int kBlockFrames = 256;
} // namespace

TEST(EditorConcurrency, OpeningAndClosingWhileAnotherThreadProcessesAndAutomates)
{
    PanelHost panel;
    AEffect* effect = panel.host().effect();
    std::atomic<bool> running{true};
    std::atomic<bool> finite{true};
    std::thread audio([effect, &running, &finite] {
        std::vector<float> left(kBlockFrames, 0.25f), right(kBlockFrames, -0.25f);
        std::vector<float> outLeft(kBlockFrames), outRight(kBlockFrames);
        float* inputs[] = {left.data(), right.data()};
        float* outputs[] = {outLeft.data(), outRight.data()};
        float automation = 0.0f;
        while (running.load()) {
            automation = automation >= 1.0f ? 0.0f : automation + 0.01f;
            effect->setParameter(effect, 0, automation);
            effect->processReplacing(effect, inputs, outputs, kBlockFrames);
            if (!std::isfinite(outLeft[0]) || !std::isfinite(outRight[kBlockFrames - 1]))
                finite = false;
        }
    });
    for (int cycle = 0; cycle < kCycles; ++cycle) {
        ASSERT_TRUE(panel.openEditor());
        panel.closeEditor();
    }
    running = false;
    audio.join();
    EXPECT_TRUE(finite.load());
}

// A frame without a window, an editor whose idle passes run a script (so a drag loop can be
// fed pointer and key changes pass by pass), an effect that counts the edit requests reaching
// the host, and a listener that records what it hears. Input comes from the fake platform.
#pragma once

#include "AEffGUIEditor.h"
#include "CDrawContext.h"
#include "CFrame.h"
#include "FakePlatform.h"
#include "controls/CControl.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

struct HostEdits {
    std::vector<int> begins;
    std::vector<int> ends;
};

class CountingEffect : public AudioEffectX {
public:
    explicit CountingEffect(HostEdits& edits);
    ~CountingEffect() override;
    void processReplacing(float** /*inputs*/, float** /*outputs*/, int32 /*sampleFrames*/) override {}
};

class ScriptedEditor : public AEffGUIEditor {
public:
    explicit ScriptedEditor(AudioEffect* effect_) : AEffGUIEditor(effect_) {}
    void doIdleStuff() override
    {
        ++passes;
        if (onIdle)
            onIdle(passes);
    }
    int passes = 0;
    std::function<void(int)> onIdle;
};

class RecordingListener : public VSTGUI::CControlListener {
public:
    void valueChanged(VSTGUI::CDrawContext* context, VSTGUI::CControl* control) override
    {
        values.push_back(control->getValue());
        contexts.push_back(context);
    }
    std::vector<float> values;
    std::vector<VSTGUI::CDrawContext*> contexts;
};

class ControlFixture : public ::testing::Test {
protected:
    ControlFixture();
    ~ControlFixture() override;

    // Adds the view to the frame, which keeps it alive for the test.
    template <typename View>
    View* add(View* view)
    {
        frame->addView(view);
        return view;
    }
    void holdKey(VSTGUI::platform::InputKey key, bool down) { fake::input.keysDown[static_cast<int>(key)] = down; }
    // Presses the left button at start, moves along the path one point per loop pass, runs
    // what a pass asks for, and releases after the last point.
    void drag(VSTGUI::CView* view, VSTGUI::CPoint start, std::vector<VSTGUI::CPoint> path,
              std::function<void(int)> duringPass = nullptr, std::int32_t extraButtons = 0);
    // The same with the view redrawn at every idle pass, as the frame's idle does on screen,
    // so the listener hears only of changes from the value drawn last.
    void dragWithRedraw(VSTGUI::CView* view, VSTGUI::CPoint start, std::vector<VSTGUI::CPoint> path,
                        std::function<void(int)> duringPass = nullptr);

    HostEdits edits;
    CountingEffect effect{edits};
    ScriptedEditor* editor;  // owned by the effect
    VSTGUI::CFrame* frame;
    VSTGUI::CDrawContext* context;
    RecordingListener listener;
};

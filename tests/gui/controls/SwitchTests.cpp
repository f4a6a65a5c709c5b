// Buttons and switches: the frame each draws for a value, the value each takes from the
// pointer, and the begin/end bracket and listener calls of their gestures.
#include "ControlFixture.h"
#include "StripBitmap.h"

#include "controls/CHorizontalSwitch.h"
#include "controls/CKickButton.h"
#include "controls/COnOffButton.h"
#include "controls/CRockerSwitch.h"
#include "controls/CVerticalSwitch.h"

using namespace VSTGUI;
using platform::InputKey;

namespace {
class ModifierTakingListener : public RecordingListener {
public:
    std::int32_t controlModifierClicked(CDrawContext*, CControl*, std::int32_t button) override
    {
        offered.push_back(button);
        return 1;
    }
    std::vector<std::int32_t> offered;
};

class Switches : public ControlFixture {
protected:
    ~Switches() override
    {
        for (StripBitmap* strip : strips)
            strip->forget();
    }
    StripBitmap* strip(std::int32_t width, std::int32_t height)
    {
        strips.push_back(new StripBitmap(*frame, width, height));
        return strips.back();
    }
    static CPoint drawnFrom(CControl* control, float value, CDrawContext* context)
    {
        control->setValue(value);
        control->draw(context);
        return static_cast<StripBitmap*>(control->getBackground())->lastSource();
    }
    void click(CControl* control, CPoint where, std::int32_t buttons = kMouseLeft)
    {
        control->mouse(context, where, buttons);
    }
    std::vector<StripBitmap*> strips;
    CPoint origin{0, 0};
};
} // namespace

TEST_F(Switches, OnOffButtonTogglesByTruncationAndDrawsTheLowerHalfWhenOn)
{
    auto* button = add(new COnOffButton(CRect(0, 0, 20, 20), &listener, 3, strip(20, 40), 0));
    EXPECT_EQ(drawnFrom(button, 0.0f, context), CPoint(0, 0));
    EXPECT_EQ(drawnFrom(button, 0.5f, context), CPoint(0, 20));
    button->setValue(0.7f);
    click(button, CPoint(5, 5));
    EXPECT_FLOAT_EQ(button->getValue(), 1.0f);
    click(button, CPoint(5, 5));
    EXPECT_FLOAT_EQ(button->getValue(), 0.0f);
    EXPECT_EQ(listener.values, (std::vector<float>{1.0f, 0.0f}));
    EXPECT_EQ(edits.begins, (std::vector<int>{3, 3}));
    EXPECT_EQ(edits.ends, (std::vector<int>{3, 3}));
    click(button, CPoint(5, 5), kMouseRight);
    EXPECT_EQ(listener.values.size(), 2u);
}

TEST_F(Switches, OnOffButtonStyleDecidesWhetherTheListenerHearsBeforeOrAfterIdle)
{
    std::vector<int> passesAtNotification;
    struct PassListener : CControlListener {
        ScriptedEditor* editor;
        std::vector<int>* seen;
        void valueChanged(CDrawContext*, CControl*) override { seen->push_back(editor->passes); }
    } passListener;
    passListener.editor = editor;
    passListener.seen = &passesAtNotification;
    auto* button = add(new COnOffButton(CRect(0, 0, 20, 20), &passListener, 3, strip(20, 40), 1));
    click(button, CPoint(5, 5));
    button->setStyle(0);
    click(button, CPoint(5, 5));
    EXPECT_EQ(passesAtNotification, (std::vector<int>{0, 2}));
}

TEST_F(Switches, KickButtonReportsThePressThenZero)
{
    auto* kick = add(new CKickButton(CRect(0, 0, 20, 20), &listener, 6, strip(20, 40), origin));
    dragWithRedraw(kick, CPoint(5, 5), {CPoint(5, 5), CPoint(6, 6)});
    EXPECT_EQ(listener.values, (std::vector<float>{1.0f, 0.0f}));
    EXPECT_EQ(edits.begins, std::vector<int>{6});
    EXPECT_EQ(edits.ends, std::vector<int>{6});

    listener.values.clear();
    kick->draw(context);
    dragWithRedraw(kick, CPoint(5, 5), {CPoint(5, 5), CPoint(60, 60), CPoint(60, 60)});
    // Outside it shows the entry value again, then the release reports 0.
    EXPECT_EQ(listener.values, (std::vector<float>{1.0f, 0.0f, 0.0f}));

    listener.values.clear();
    click(kick, CPoint(5, 5));
    EXPECT_EQ(listener.values, (std::vector<float>{1.0f, 0.0f}));
    EXPECT_EQ(drawnFrom(kick, 1.0f, context), CPoint(0, 20));
    EXPECT_EQ(drawnFrom(kick, 0.0f, context), CPoint(0, 0));
}

TEST_F(Switches, VerticalSwitchMapsBandsToPositionsAndClampsOutside)
{
    auto* vertical = add(new CVerticalSwitch(CRect(0, 100, 20, 200), &listener, 7, strip(20, 400), origin));
    const std::pair<int, float> cases[] = {{100, 0.0f}, {124, 0.0f}, {125, 1.0f / 3.0f}, {149, 1.0f / 3.0f},
                                           {175, 1.0f}, {199, 1.0f}, {50, 0.0f}, {260, 1.0f}};
    for (auto [y, expected] : cases) {
        dragWithRedraw(vertical, CPoint(10, y), {CPoint(10, y)});
        EXPECT_FLOAT_EQ(vertical->getValue(), expected) << y;
    }
    EXPECT_EQ(edits.begins.size(), std::size(cases));
    EXPECT_EQ(edits.ends.size(), std::size(cases));
    EXPECT_EQ(drawnFrom(vertical, 2.0f / 3.0f, context), CPoint(0, 200));
    // Out-of-range values stay on the strip.
    EXPECT_EQ(drawnFrom(vertical, 7.0f, context), CPoint(0, 300));
    EXPECT_EQ(drawnFrom(vertical, -3.0f, context), CPoint(0, 0));
}

TEST_F(Switches, VerticalSwitchControlClickSetsZeroAndRightClickDoesNothing)
{
    auto* vertical = add(new CVerticalSwitch(CRect(0, 100, 20, 200), &listener, 7, strip(20, 400), origin));
    vertical->setValue(1.0f);
    click(vertical, CPoint(10, 150), kMouseRight);
    EXPECT_FLOAT_EQ(vertical->getValue(), 1.0f);
    click(vertical, CPoint(10, 150), kMouseLeft | kKeyControl);
    EXPECT_FLOAT_EQ(vertical->getValue(), 0.0f);
    EXPECT_EQ(edits.begins, std::vector<int>{7});
}

TEST_F(Switches, SwitchesWithoutPositionsOrBitmapStayAtZero)
{
    auto* single = add(new CVerticalSwitch(CRect(0, 0, 20, 20), &listener, 7, 1, 20, 1, strip(20, 20), origin));
    dragWithRedraw(single, CPoint(10, 15), {CPoint(10, 15)});
    EXPECT_FLOAT_EQ(single->getValue(), 0.0f);
    auto* bare = add(new CVerticalSwitch(CRect(0, 0, 20, 20), &listener, 7, nullptr, origin));
    dragWithRedraw(bare, CPoint(10, 15), {CPoint(10, 15)});
    EXPECT_FLOAT_EQ(bare->getValue(), 0.0f);
    auto* horizontal = add(new CHorizontalSwitch(CRect(0, 0, 20, 20), &listener, 8, nullptr, origin));
    dragWithRedraw(horizontal, CPoint(15, 10), {CPoint(15, 10)});
    EXPECT_FLOAT_EQ(horizontal->getValue(), 0.0f);
    EXPECT_EQ(edits.begins.size(), 2u);
}

TEST_F(Switches, HorizontalSwitchMapsAlongXAndOffersModifiedRightClicks)
{
    // Three positions across a 90-pixel bitmap; frames 30 pixels apart downwards.
    auto* horizontal =
        add(new CHorizontalSwitch(CRect(10, 0, 100, 30), &listener, 8, 3, 30, 3, strip(90, 90), origin));
    dragWithRedraw(horizontal, CPoint(50, 10), {CPoint(50, 10)});
    EXPECT_FLOAT_EQ(horizontal->getValue(), 0.5f);
    dragWithRedraw(horizontal, CPoint(99, 10), {CPoint(99, 10)});
    EXPECT_FLOAT_EQ(horizontal->getValue(), 1.0f);
    EXPECT_EQ(drawnFrom(horizontal, 0.5f, context), CPoint(0, 30));

    ModifierTakingListener taker;
    auto* offering = add(new CHorizontalSwitch(CRect(10, 0, 100, 30), &taker, 8, 3, 30, 3, strip(90, 90), origin));
    click(offering, CPoint(20, 10), kMouseRight | kKeyShift);
    EXPECT_EQ(taker.offered, std::vector<std::int32_t>{kMouseRight | kKeyShift});
}

// The on/off button and the vertical switch test for the left button before they offer a
// modified click, so a modified right click never reaches their listener; a modified left
// click does.
TEST_F(Switches, OnOffButtonAndVerticalSwitchOfferOnlyModifiedLeftClicks)
{
    ModifierTakingListener taker;
    auto* button = add(new COnOffButton(CRect(0, 0, 20, 20), &taker, 3, strip(20, 40), 0));
    auto* vertical = add(new CVerticalSwitch(CRect(0, 100, 20, 200), &taker, 7, strip(20, 400), origin));
    click(button, CPoint(5, 5), kMouseRight | kKeyShift);
    click(vertical, CPoint(10, 150), kMouseRight | kKeyShift);
    EXPECT_TRUE(taker.offered.empty());
    click(button, CPoint(5, 5), kMouseLeft | kKeyShift);
    click(vertical, CPoint(10, 150), kMouseLeft | kKeyShift);
    EXPECT_EQ(taker.offered, (std::vector<std::int32_t>{kMouseLeft | kKeyShift, kMouseLeft | kKeyShift}));
    EXPECT_FLOAT_EQ(button->getValue(), 0.0f);
    EXPECT_TRUE(edits.begins.empty());
}

TEST_F(Switches, RockerShowsThePressedHalfAndSpringsBackToZero)
{
    auto* rocker = add(new CRockerSwitch(CRect(0, 0, 20, 40), &listener, 9, 40, strip(20, 120), origin, 0));
    // Shown once, as on an open editor: a fresh control's last drawn value is -1.
    rocker->draw(context);
    std::vector<CPoint> shownWhilePressed;
    dragWithRedraw(rocker, CPoint(10, 5), {CPoint(10, 5), CPoint(10, 5)}, [&](int pass) {
        if (pass == 1) {
            rocker->draw(context);
            shownWhilePressed.push_back(static_cast<StripBitmap*>(rocker->getBackground())->lastSource());
        }
    });
    EXPECT_EQ(shownWhilePressed, std::vector<CPoint>{CPoint(0, 0)});
    EXPECT_EQ(listener.values, (std::vector<float>{-1.0f, 0.0f}));
    EXPECT_EQ(drawnFrom(rocker, 0.0f, context), CPoint(0, 40));
    EXPECT_EQ(drawnFrom(rocker, 1.0f, context), CPoint(0, 80));
    EXPECT_EQ(edits.begins, std::vector<int>{9});
    EXPECT_EQ(edits.ends, std::vector<int>{9});

    listener.values.clear();
    drawnFrom(rocker, 0.0f, context);
    dragWithRedraw(rocker, CPoint(10, 30), {CPoint(10, 30)});
    EXPECT_EQ(listener.values, (std::vector<float>{1.0f, 0.0f}));

    listener.values.clear();
    EXPECT_TRUE(rocker->onWheel(context, CPoint(10, 10), 1.0f));
    EXPECT_EQ(listener.values, (std::vector<float>{-1.0f, 0.0f}));
    EXPECT_EQ(edits.begins.size(), 3u);
    EXPECT_EQ(edits.ends.size(), 3u);
}

TEST_F(Switches, HorizontalRockerSplitsLeftAndRight)
{
    auto* rocker = add(new CRockerSwitch(CRect(0, 0, 40, 20), &listener, 9, 20, strip(40, 60), origin, 1));
    rocker->draw(context);
    dragWithRedraw(rocker, CPoint(30, 10), {CPoint(30, 10)});
    EXPECT_EQ(listener.values, (std::vector<float>{1.0f, 0.0f}));
    listener.values.clear();
    dragWithRedraw(rocker, CPoint(20, 10), {CPoint(20, 10)});
    EXPECT_EQ(listener.values, (std::vector<float>{-1.0f, 0.0f}));
}

TEST_F(Switches, TypeNamesFallBackToTheBase)
{
    CPoint none;
    auto* onOff = add(new COnOffButton(CRect(0, 0, 2, 2), nullptr, 0, nullptr));
    auto* kick = add(new CKickButton(CRect(0, 0, 2, 2), nullptr, 0, nullptr, none));
    auto* rocker = add(new CRockerSwitch(CRect(0, 0, 2, 2), nullptr, 0, nullptr, none));
    auto* vertical = add(new CVerticalSwitch(CRect(0, 0, 2, 2), nullptr, 0, nullptr, none));
    auto* horizontal = add(new CHorizontalSwitch(CRect(0, 0, 2, 2), nullptr, 0, nullptr, none));
    EXPECT_TRUE(onOff->isTypeOf("COnOffButton") && onOff->isTypeOf("CControl") && onOff->isTypeOf("CView"));
    EXPECT_TRUE(kick->isTypeOf("CKickButton") && !kick->isTypeOf("COnOffButton"));
    EXPECT_TRUE(rocker->isTypeOf("CRockerSwitch") && vertical->isTypeOf("CVerticalSwitch"));
    EXPECT_TRUE(horizontal->isTypeOf("CHorizontalSwitch") && !horizontal->isTypeOf("CVerticalSwitch"));
    EXPECT_FLOAT_EQ(vertical->getDefaultValue(), 0.0f);
}

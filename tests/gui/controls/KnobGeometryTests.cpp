// The knob's mapping between values and angles, as the handle shows it and as a pointer
// position is read back: the minimum at 225 degrees, the maximum at -45 degrees, clockwise,
// with the gap at the bottom snapping to the nearer end.
#include "ControlFixture.h"

#include "CBitmap.h"
#include "controls/CKnob.h"

#include <cmath>

using namespace VSTGUI;

namespace {
constexpr std::int32_t kHandleImage = 102;

class KnobGeometry : public ControlFixture {
protected:
    KnobGeometry() : handle(new CBitmap(kHandleImage))
    {
        knob = add(new CKnob(CRect(0, 0, 50, 50), &listener, 0, nullptr, handle));
    }
    ~KnobGeometry() override { handle->forget(); }

    CPoint handleAt(float value)
    {
        knob->setValue(value);
        CPoint point;
        knob->valueToPoint(point);
        return point;
    }

    // A knob-local point 20 pixels from the centre at an angle in degrees.
    float valueAt(double degrees)
    {
        const double radians = degrees * 3.14159265358979 / 180.0;
        CPoint point(static_cast<std::int32_t>(std::lround(25.0 + 20.0 * std::cos(radians))),
                     static_cast<std::int32_t>(std::lround(25.0 - 20.0 * std::sin(radians))));
        return knob->valueFromPoint(point);
    }

    CBitmap* handle;
    CKnob* knob = nullptr;
};
} // namespace

TEST_F(KnobGeometry, AFivePixelHandleSitsFivePixelsInsideTheKnob)
{
    ASSERT_EQ(handle->getWidth(), 5);
    EXPECT_EQ(knob->getInsetValue(), 5);
    EXPECT_EQ(handleAt(0.0f), CPoint(11, 39));
    EXPECT_EQ(handleAt(0.25f), CPoint(7, 17));
    EXPECT_EQ(handleAt(0.5f), CPoint(25, 5));
    EXPECT_EQ(handleAt(0.75f), CPoint(43, 17));
    EXPECT_EQ(handleAt(1.0f), CPoint(39, 39));
}

TEST_F(KnobGeometry, AKnobWithoutHandleBitmapDrawsItsLineThreePixelsInside)
{
    CKnob* plain = add(new CKnob(CRect(0, 0, 50, 50), nullptr, 1, nullptr, nullptr));
    EXPECT_EQ(plain->getInsetValue(), 3);
}

TEST_F(KnobGeometry, PointsReadBackAsTheValuesOfTheirAngles)
{
    EXPECT_NEAR(valueAt(90.0), 0.5f, 1e-6f);
    EXPECT_NEAR(valueAt(180.0), 1.0f / 6.0f, 1e-6f);
    EXPECT_NEAR(valueAt(0.0), 5.0f / 6.0f, 1e-6f);
    EXPECT_NEAR(valueAt(225.0), 0.0f, 0.01f);
    EXPECT_NEAR(valueAt(-45.0), 1.0f, 0.01f);
}

TEST_F(KnobGeometry, PointsInTheGapSnapToTheNearerEnd)
{
    EXPECT_FLOAT_EQ(valueAt(250.0), 0.0f);
    EXPECT_FLOAT_EQ(valueAt(260.0), 0.0f);
    EXPECT_FLOAT_EQ(valueAt(280.0), 1.0f);
    EXPECT_FLOAT_EQ(valueAt(290.0), 1.0f);
}

TEST_F(KnobGeometry, TheCentreReadsAsAngleZero)
{
    CPoint centre(25, 25);
    EXPECT_NEAR(knob->valueFromPoint(centre), 5.0f / 6.0f, 1e-6f);
}

TEST_F(KnobGeometry, ANewRangeNeedsTheAnglesSetAgain)
{
    knob->setMax(2.0f);
    EXPECT_EQ(handleAt(1.0f), CPoint(39, 39)) << "the old mapping until recomputed";
    knob->setStartAngle(knob->getStartAngle());
    EXPECT_EQ(handleAt(1.0f), CPoint(25, 5));
}

TEST_F(KnobGeometry, ACounterClockwiseRangeMapsTheOtherWay)
{
    knob->setStartAngle(-3.14159265f / 4.0f);
    knob->setRangeAngle(3.0f * 3.14159265f / 2.0f);
    EXPECT_NEAR(valueAt(90.0), 0.5f, 1e-5f);
    EXPECT_NEAR(valueAt(0.0), 1.0f / 6.0f, 1e-5f);
    EXPECT_FLOAT_EQ(valueAt(250.0), 1.0f);
    EXPECT_FLOAT_EQ(valueAt(290.0), 0.0f);
}

TEST_F(KnobGeometry, AKnobAnswersToItsOwnAndItsBasesClassNames)
{
    EXPECT_TRUE(knob->isTypeOf("CKnob"));
    EXPECT_TRUE(knob->isTypeOf("CControl"));
    EXPECT_TRUE(knob->isTypeOf("CView"));
    EXPECT_FALSE(knob->isTypeOf("CParamDisplay"));
}

// The curve and its clamp at the values where mistakes show.
#include "Waveshaper.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

TEST(Waveshaper, ShapeFactorFromAmount)
{
    kestrovanel curve;
    for (auto [amount, factor] : {std::pair{0.0, 0.0}, {0.5, 2.0}, {0.9, 18.0}, {0.99, 198.0}}) {
        curve.SetAmount(amount);
        EXPECT_NEAR(curve.getShapeFactor(), factor, 1e-9) << amount;
    }
}

TEST(Waveshaper, ClampWindowIsMinusOneToOneHalf)
{
    kestrovanel curve;
    curve.SetGain(1.0);
    curve.SetAmount(0.5);
    EXPECT_EQ(curve.forSample(0.25), 0.5);
    EXPECT_EQ(curve.forSample(-0.25), -0.5);
    EXPECT_NEAR(curve.forSample(0.1), 0.25, 1e-12);
    EXPECT_EQ(curve.forSample(1.0), 0.5);
    EXPECT_EQ(curve.forSample(-1.0), -1.0);

    curve.SetAmount(0.0);
    EXPECT_EQ(curve.forSample(0.4), 0.4);
    EXPECT_EQ(curve.forSample(0.7), 0.5);
    EXPECT_EQ(curve.forSample(-0.7), -0.7);
    EXPECT_EQ(curve.forSample(-1.5), -1.0);
}

TEST(Waveshaper, ZeroStaysZeroAndNaNPassesThrough)
{
    kestrovanel curve;
    for (double gain : {1.0, 31.62, 1000.0}) {
        for (double amount : {0.0, 0.495, 0.99}) {
            curve.SetGain(gain);
            curve.SetAmount(amount);
            EXPECT_EQ(curve.forSample(0.0), 0.0);
            EXPECT_EQ(curve.forSample(0.0f), 0.0f);
            EXPECT_TRUE(std::isnan(curve.forSample(std::nan(""))));
        }
    }
}

TEST(Waveshaper, SteepCurveAtHighAmount)
{
    kestrovanel curve;
    curve.SetGain(1.0);
    curve.SetAmount(0.99);
    EXPECT_EQ(curve.forSample(0.0051), 0.5);
    EXPECT_EQ(curve.forSample(-1.0), -1.0);
    EXPECT_EQ(curve.forSample(-3.0), -1.0);
    EXPECT_NEAR(curve.forSample(-0.99), -0.99995, 1e-5);
}

TEST(Waveshaper, FloatVariantIsTheDoubleCurveRoundedTwice)
{
    kestrovanel curve;
    curve.SetGain(1.0);
    for (double amount : {0.0, 0.5, 0.99}) {
        curve.SetAmount(amount);
        for (float x : {0.25f, -0.25f, 0.1f, 1.0f, -1.0f, 0.4f, 0.7f, -0.7f, -1.5f, -0.99f}) {
            const double k = curve.getShapeFactor();
            const float g = x;
            const double y = static_cast<float>((k + 1.0) * g / (1.0 + k * std::fabs(static_cast<double>(g))));
            const float expected = static_cast<float>(y < -1.0 ? -1.0 : (y > 0.5 ? 0.5 : y));
            EXPECT_EQ(curve.forSample(x), expected) << x << " at " << amount;
        }
    }
}

TEST(Waveshaper, HugeInputsGiveTheBoundInsteadOfNaN)
{
    kestrovanel curve;
    curve.SetGain(1000.0);
    for (double amount : {0.0, 0.5, 0.99}) {
        curve.SetAmount(amount);
        EXPECT_EQ(curve.forSample(std::numeric_limits<float>::max()), 0.5f);
        EXPECT_EQ(curve.forSample(-std::numeric_limits<float>::max()), -1.0f);
        EXPECT_EQ(curve.forSample(std::numeric_limits<double>::max()), 0.5);
        EXPECT_EQ(curve.forSample(-std::numeric_limits<double>::max()), -1.0);
    }
}

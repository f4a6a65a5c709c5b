// The curve and its clamp at the values where mistakes show.
#include "Waveshaper.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <vector>

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

// The block shapers cap gained samples at this bound instead of clamping their output, so it
// must be exactly where the rounded curve first reaches 0.5, for every Amount the effect can set
// (its parameter's 99 % and the Amounts just below it included).
TEST(Waveshaper, UpperInputBoundIsWhereTheCurveFirstReachesTheUpperBound)
{
    kestrovanel curve;
    std::mt19937 random(2718);
    std::uniform_real_distribution<float> percent(0.0f, 99.0f);
    std::vector<float> percents = {0.0f, 1e-30f, 1e-7f, 49.5f, 98.99999f, 99.0f};
    for (int i = 0; i < 5000; ++i)
        percents.push_back(percent(random));
    for (float p : percents) {
        curve.SetAmount(p / 100.0);
        const double bound = upperInputBound(curve.getShapeFactor());
        ASSERT_FALSE(std::isnan(bound)) << p;
        const float g = static_cast<float>(bound);
        ASSERT_EQ(static_cast<double>(g), bound) << p;
        EXPECT_EQ(curve.forSample(g), 0.5f) << p;
        EXPECT_LT(curve.forSample(std::nextafter(g, 0.0f)), 0.5f) << p;
    }
}

TEST(Waveshaper, UpperInputBoundIsUnknownForFactorsTheCurveCannotBeBoundedAt)
{
    for (double shapeFactor : {-0.5, -1e-300, 1e7, std::numeric_limits<double>::infinity(),
                               std::numeric_limits<double>::quiet_NaN()})
        EXPECT_TRUE(std::isnan(upperInputBound(shapeFactor))) << shapeFactor;
}

// The gallery plug-in through its effect record, loaded by path as a host loads it: identity,
// bit-exact stereo pass-through, and parameters that keep to 0..1 whatever the host sends.
#include "GalleryLayout.h"
#include "TestHost.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {
constexpr int32 kParameters = gallery::kParameterCount;

class GalleryEffect : public ::testing::Test {
protected:
    GalleryEffect() { effect = host.open(); }
    ~GalleryEffect() override
    {
        if (effect != nullptr)
            host.close();
    }
    TestHost host;
    AEffect* effect = nullptr;
};
} // namespace

TEST_F(GalleryEffect, HasItsOwnIdentityAndOneParameterPerControlAndThePage)
{
    ASSERT_NE(effect, nullptr);
    EXPECT_EQ(effect->uniqueID, 0x4B76476C);
    EXPECT_EQ(effect->numInputs, 2);
    EXPECT_EQ(effect->numOutputs, 2);
    EXPECT_EQ(effect->numParams, kParameters);
    EXPECT_EQ(host.text(effGetEffectName), "KV Gallery");
    EXPECT_EQ(host.text(effGetVendorString), "Halbergmoor Lab");
    EXPECT_EQ(host.text(effGetParamName, 0), "AnimKnob");
    EXPECT_EQ(host.text(effGetParamName, kParameters - 1), "Page");
    EXPECT_EQ(host.text(effGetParamName, kParameters), "");
}

TEST_F(GalleryEffect, PassesBothChannelsThroughUnchanged)
{
    ASSERT_NE(effect, nullptr);
    std::vector<float> left(300), right(300), outLeft(300, 9.0f), outRight(300, 9.0f);
    for (std::size_t i = 0; i < left.size(); ++i) {
        left[i] = std::sin(0.01f * static_cast<float>(i));
        right[i] = -0.5f + 1e-7f * static_cast<float>(i);
    }
    float* inputs[] = {left.data(), right.data()};
    float* outputs[] = {outLeft.data(), outRight.data()};
    host.process(inputs, outputs, 300);
    EXPECT_EQ(outLeft, left);
    EXPECT_EQ(outRight, right);
}

TEST_F(GalleryEffect, ParametersStayWithinTheUnitRange)
{
    ASSERT_NE(effect, nullptr);
    host.setParameter(3, 0.25f);
    EXPECT_FLOAT_EQ(host.getParameter(3), 0.25f);
    EXPECT_EQ(host.text(effGetParamDisplay, 3), "0.25");
    host.setParameter(3, 7.0f);
    EXPECT_FLOAT_EQ(host.getParameter(3), 1.0f);
    host.setParameter(3, -2.0f);
    EXPECT_FLOAT_EQ(host.getParameter(3), 0.0f);
    host.setParameter(3, std::nanf(""));
    EXPECT_FLOAT_EQ(host.getParameter(3), 0.0f);
    host.setParameter(kParameters, 0.5f);
    host.setParameter(-1, 0.5f);
    EXPECT_FLOAT_EQ(host.getParameter(kParameters), 0.0f);
    EXPECT_FLOAT_EQ(host.getParameter(-1), 0.0f);
}

TEST_F(GalleryEffect, ThePageParameterShowsThePageItSelects)
{
    ASSERT_NE(effect, nullptr);
    for (int32 page = 0; page < gallery::kPageCount; ++page) {
        host.setParameter(gallery::kPage, gallery::pageValue(static_cast<gallery::Page>(page)));
        EXPECT_EQ(host.text(effGetParamDisplay, gallery::kPage), gallery::kPageNames[page]);
    }
    host.setParameter(gallery::kPage, 1.0f);
    EXPECT_EQ(host.text(effGetParamDisplay, gallery::kPage), gallery::kPageNames[gallery::kPageCount - 1]);
}

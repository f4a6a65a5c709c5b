// The three parameters as a host sees them: values, names, labels and display texts.
#include "TestHost.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

namespace {
class Parameters : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_NE(host.open(), nullptr); }
    std::string display(int32 index) { return host.text(effGetParamDisplay, index); }
    TestHost host;
};

struct DisplayRow {
    float value;
    const char* gain;
    const char* amount;
    const char* output;
};
} // namespace

TEST_F(Parameters, FreshEffectHoldsProgramZero)
{
    EXPECT_EQ(host.getParameter(0), 0.5f);
    EXPECT_EQ(host.getParameter(1), 0.5f);
    EXPECT_EQ(host.getParameter(2), 1.0f);
    EXPECT_EQ(display(0), "30.00");
    EXPECT_EQ(display(1), "49");
    EXPECT_EQ(display(2), "0.000");
}

TEST_F(Parameters, NamesAndLabels)
{
    EXPECT_EQ(host.text(effGetParamName, 0), "Gain");
    EXPECT_EQ(host.text(effGetParamName, 1), "Amount");
    EXPECT_EQ(host.text(effGetParamName, 2), "Output");
    EXPECT_EQ(host.text(effGetParamLabel, 0), "dB");
    EXPECT_EQ(host.text(effGetParamLabel, 1), "%");
    EXPECT_EQ(host.text(effGetParamLabel, 2), "dB");
}

TEST_F(Parameters, DisplayTexts)
{
    const DisplayRow rows[] = {
        {0.0f, "0.000", "0", "-oo"},     {0.1f, "6.000", "9.", "-20.0"}, {0.25f, "15.00", "24", "-12.0"},
        {0.5f, "30.00", "49", "-6.02"}, {0.75f, "45.00", "74", "-2.49"}, {1.0f, "60.00", "99", "0.000"},
        {0.005f, "0.300", "0.", "-46.0"},
    };
    for (const DisplayRow& row : rows) {
        for (int32 index = 0; index < 3; ++index)
            host.setParameter(index, row.value);
        EXPECT_EQ(display(0), row.gain) << row.value;
        EXPECT_EQ(display(1), row.amount) << row.value;
        EXPECT_EQ(display(2), row.output) << row.value;
    }
}

TEST_F(Parameters, DisplaysFitAnEightByteHostBuffer)
{
    for (float value : {0.0f, 0.001f, 0.1f, 0.33333f, 0.999f, 1.0f}) {
        for (int32 index = 0; index < 3; ++index) {
            host.setParameter(index, value);
            char buffer[16];
            std::memset(buffer, '#', sizeof(buffer));
            host.dispatch(effGetParamDisplay, index, 0, buffer);
            EXPECT_LT(strnlen(buffer, sizeof(buffer)), 8u);
            EXPECT_EQ(buffer[8], '#');
        }
    }
}

TEST_F(Parameters, OutOfRangeIndicesChangeAndWriteNothing)
{
    for (int32 index : {3, -1, 1000, static_cast<int32>(0x80000000)}) {
        host.setParameter(index, 0.7f);
        EXPECT_EQ(host.getParameter(index), 0.0f);
        for (int32 opcode : {effGetParamName, effGetParamLabel, effGetParamDisplay}) {
            char buffer[8] = "keep";
            host.dispatch(opcode, index, 0, buffer);
            EXPECT_STREQ(buffer, "keep");
        }
    }
    EXPECT_EQ(host.getParameter(0), 0.5f);
    EXPECT_EQ(host.getParameter(1), 0.5f);
    EXPECT_EQ(host.getParameter(2), 1.0f);
}

TEST_F(Parameters, ValuesOutsideZeroToOneAreBroughtIntoRange)
{
    host.setParameter(0, 2.0f);
    host.setParameter(1, -5.0f);
    host.setParameter(2, std::nanf(""));
    EXPECT_EQ(host.getParameter(0), 1.0f);
    EXPECT_EQ(host.getParameter(1), 0.0f);
    EXPECT_EQ(host.getParameter(2), 0.0f);
    EXPECT_EQ(display(0), "60.00");
}

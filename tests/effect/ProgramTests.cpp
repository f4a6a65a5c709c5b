// Six programs that remember their settings and names.
#include "TestHost.h"

#include <gtest/gtest.h>

#include <cstring>
#include <limits>
#include <string>

namespace {
class Programs : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_NE(host.open(), nullptr); }
    std::string programName() { return host.text(effGetProgramName); }
    void rename(const char* name) { host.dispatch(effSetProgramName, 0, 0, const_cast<char*>(name)); }
    TestHost host;
};
} // namespace

TEST_F(Programs, DefaultNamesCarryTheirNumber)
{
    EXPECT_EQ(programName(), "Default 1");
    host.dispatch(effSetProgram, 0, 3);
    EXPECT_EQ(host.dispatch(effGetProgram), 3);
    EXPECT_EQ(programName(), "Default 4");
    host.dispatch(effSetProgram, 0, 5);
    EXPECT_EQ(programName(), "Default 6");
}

TEST_F(Programs, IndexedNamesHaveNoNumber)
{
    char text[32] = "keep";
    EXPECT_EQ(host.dispatch(effGetProgramNameIndexed, 3, 0, text), 1);
    EXPECT_STREQ(text, "Default");
    for (int32 index : {6, -1, 1000}) {
        std::strcpy(text, "keep");
        EXPECT_EQ(host.dispatch(effGetProgramNameIndexed, index, 0, text), 0);
        EXPECT_STREQ(text, "keep");
    }
}

TEST_F(Programs, OutOfRangeSelectionIsIgnored)
{
    host.dispatch(effSetProgram, 0, 2);
    for (intptr program : {intptr{6}, intptr{-1}, std::numeric_limits<intptr>::max(), std::numeric_limits<intptr>::min()}) {
        EXPECT_EQ(host.dispatch(effSetProgram, 0, program), 0);
        EXPECT_EQ(host.dispatch(effGetProgram), 2);
    }
}

TEST_F(Programs, EachProgramRemembersItsSettings)
{
    host.dispatch(effSetProgram, 0, 1);
    host.setParameter(0, 0.8f);
    host.dispatch(effSetProgram, 0, 2);
    host.setParameter(1, 0.1f);
    host.setParameter(2, 0.3f);
    host.dispatch(effSetProgram, 0, 0);
    EXPECT_EQ(host.getParameter(0), 0.5f);
    host.dispatch(effSetProgram, 0, 1);
    EXPECT_EQ(host.getParameter(0), 0.8f);
    host.dispatch(effSetProgram, 0, 2);
    EXPECT_EQ(host.getParameter(1), 0.1f);
    EXPECT_EQ(host.getParameter(2), 0.3f);
    EXPECT_EQ(host.getParameter(0), 0.5f);
}

TEST_F(Programs, RenamingOnlyTouchesTheCurrentProgram)
{
    host.dispatch(effSetProgram, 0, 2);
    rename("Crunch");
    EXPECT_EQ(programName(), "Crunch");
    host.dispatch(effSetProgram, 0, 0);
    EXPECT_EQ(programName(), "Default 1");
    host.dispatch(effSetProgram, 0, 2);
    rename("Default");
    EXPECT_EQ(programName(), "Default 3");
    rename("default");
    EXPECT_EQ(programName(), "default");
}

TEST_F(Programs, LongNamesAreCutToTheField)
{
    const std::string longName(300, 'x');
    rename(longName.c_str());
    char text[64];
    std::memset(text, '#', sizeof(text));
    host.dispatch(effGetProgramName, 0, 0, text);
    EXPECT_EQ(std::string(text), std::string(23, 'x'));
    EXPECT_EQ(text[24], '#');
    std::memset(text, '#', sizeof(text));
    EXPECT_EQ(host.dispatch(effGetProgramNameIndexed, 0, 0, text), 1);
    EXPECT_EQ(std::string(text), std::string(23, 'x'));
    EXPECT_EQ(text[24], '#');
}

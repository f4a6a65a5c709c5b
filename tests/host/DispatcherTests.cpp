// Every opcode a host may send gets an answer, and hostile arguments get a safe one.
#include "TestHost.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

namespace {
class Dispatcher : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_NE(host.open(), nullptr); }
    TestHost host;
};
} // namespace

TEST_F(Dispatcher, AnswersIdentity)
{
    EXPECT_EQ(host.dispatch(effGetVstVersion), 2400);
    EXPECT_EQ(host.dispatch(effGetPlugCategory), 1);
    EXPECT_EQ(host.dispatch(effGetVendorVersion), 1000);
    EXPECT_EQ(host.dispatch(effIdentify), 0x4E764566);
    EXPECT_EQ(host.text(effGetEffectName), "Kestrovanel");
    EXPECT_EQ(host.text(effGetProductString), "Kestrovanel");
    EXPECT_EQ(host.text(effGetVendorString), "Halbergmoor");
    EXPECT_EQ(host.dispatch(effGetEffectName, 0, 0, nullptr), 0);
}

TEST_F(Dispatcher, OffersNoOptionalFeatures)
{
    for (const char* feature : {"receiveVstMidiEvent", "bypass", "sendVstEvents", "offline", ""})
        EXPECT_EQ(host.dispatch(effCanDo, 0, 0, const_cast<char*>(feature)), 0) << feature;
    EXPECT_EQ(host.dispatch(effCanDo, 0, 0, nullptr), 0);
    EXPECT_EQ(host.dispatch(effGetTailSize), 0);
    EXPECT_EQ(host.dispatch(effSetBypass, 0, 1), 0);
    EXPECT_EQ(host.dispatch(effGetCurrentMidiProgram), -1);
    EXPECT_EQ(host.dispatch(effCanBeAutomated, 2), 1);
    EXPECT_EQ(host.dispatch(effSetTotalSampleToProcess, 0, 4096), 4096);
    EXPECT_EQ(host.dispatch(effGetNumMidiInputChannels), 0);
}

TEST_F(Dispatcher, ChunkAndArrangementQueriesLeaveTheHostsPointersAlone)
{
    void* chunk = &host;
    EXPECT_EQ(host.dispatch(effGetChunk, 0, 0, &chunk), 0);
    EXPECT_EQ(chunk, &host);

    void* input = &host;
    void* output = &host;
    EXPECT_EQ(host.dispatch(effGetSpeakerArrangement, 0, reinterpret_cast<intptr>(&input), &output), 0);
    EXPECT_EQ(input, nullptr);
    EXPECT_EQ(output, nullptr);
    EXPECT_EQ(host.dispatch(effGetSpeakerArrangement), 0);
}

TEST_F(Dispatcher, UnknownAndDeprecatedOpcodesAnswerZero)
{
    for (int32 opcode : {-1, 80, 81, 1000, 0x7FFFFFFF, static_cast<int32>(0x80000000), 9, 16, 17, 18, 20, 21, 28, 30,
                         31, 32, 36, 37, 43, 46, 53, 54, 55, 57})
        EXPECT_EQ(host.dispatch(opcode, 3, 7, nullptr, 1.5f), 0) << opcode;
}

TEST_F(Dispatcher, LifecycleOpcodesSendNothingToTheHost)
{
    const std::size_t before = host.requests().size();
    host.dispatch(effOpen);
    host.dispatch(effSetSampleRate, 0, 0, nullptr, 96000.0f);
    host.dispatch(effSetBlockSize, 0, 512);
    host.dispatch(effMainsChanged, 0, 1);
    host.dispatch(effMainsChanged, 0, 0);
    host.dispatch(effMainsChanged, 0, -7);
    EXPECT_EQ(host.requests().size(), before);
}

TEST_F(Dispatcher, TextOpcodesWithoutBufferAnswerZero)
{
    for (int32 opcode : {effGetProgramName, effSetProgramName, effGetParamLabel, effGetParamDisplay, effGetParamName,
                         effGetVendorString, effGetProductString, effGetProgramNameIndexed, effString2Parameter,
                         effShellGetNextPlugin})
        EXPECT_EQ(host.dispatch(opcode), 0) << opcode;
}

TEST_F(Dispatcher, OddSampleRatesAndKeyOptionsAreHarmless)
{
    host.dispatch(effSetSampleRate, 0, 0, nullptr, -1.0f);
    host.dispatch(effSetSampleRate, 0, 0, nullptr, std::nanf(""));
    EXPECT_EQ(host.dispatch(effEditKeyDown, 65, 0x1FF, nullptr, 1e30f), 0);
    EXPECT_EQ(host.dispatch(effEditKeyUp, 65, -1, nullptr, std::nanf("")), 0);
}

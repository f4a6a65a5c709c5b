// A host loads the library by path and receives the effect record through the entry points.
#include "TestHost.h"

#include <gtest/gtest.h>

namespace {
const char* const kEntryNames[] = {"VSTPluginMain", "MAIN"};
}

TEST(EntryPoint, EveryEntryNameGivesAWorkingEffect)
{
    for (const char* name : kEntryNames) {
        TestHost host;
        ASSERT_TRUE(host.library().isLoaded());
        ASSERT_NE(host.open(name), nullptr) << name;
        EXPECT_EQ(host.effect()->magic, fourCharacterId('V', 's', 't', 'P'));
        EXPECT_EQ(host.close(), 1);
    }
}

#if defined(_WIN32)
TEST(EntryPoint, OlderHostsFindLowercaseMain)
{
    TestHost host;
    ASSERT_NE(host.open("main"), nullptr);
}
#endif

TEST(EntryPoint, AskTheHostForItsVersionFirst)
{
    TestHost host;
    ASSERT_NE(host.open(), nullptr);
    ASSERT_FALSE(host.requests().empty());
    EXPECT_EQ(host.requests().front().opcode, audioMasterVersion);
}

TEST(EntryPoint, HostAnsweringVersionZeroGetsNothing)
{
    for (const char* name : kEntryNames) {
        TestHost host;
        host.answer(audioMasterVersion, 0);
        EXPECT_EQ(host.open(name), nullptr) << name;
    }
}

TEST(EntryPoint, NullCallbackGetsNothing)
{
    TestHost host;
    EXPECT_EQ(host.library().entryPoint("VSTPluginMain")(nullptr), nullptr);
}

TEST(EffectRecord, DescribesTheOverdrive)
{
    TestHost host;
    AEffect* effect = host.open();
    ASSERT_NE(effect, nullptr);
    EXPECT_EQ(effect->version, 1);
    EXPECT_EQ(effect->ioRatio, 1.0f);
    EXPECT_EQ(effect->numPrograms, 6);
    EXPECT_EQ(effect->numParams, 3);
    EXPECT_EQ(effect->numInputs, 2);
    EXPECT_EQ(effect->numOutputs, 2);
    EXPECT_EQ(effect->flags, effFlagsHasEditor | effFlagsCanReplacing);
    EXPECT_EQ(effect->uniqueID, 0x6B766E6C);
    EXPECT_EQ(effect->initialDelay, 0);
    EXPECT_NE(effect->object, nullptr);
    EXPECT_EQ(effect->user, nullptr);
    for (const char* callback : {reinterpret_cast<const char*>(effect->dispatcher),
                                 reinterpret_cast<const char*>(effect->process),
                                 reinterpret_cast<const char*>(effect->setParameter),
                                 reinterpret_cast<const char*>(effect->getParameter),
                                 reinterpret_cast<const char*>(effect->processReplacing),
                                 reinterpret_cast<const char*>(effect->processDoubleReplacing)})
        EXPECT_NE(callback, nullptr);
    for (char byte : effect->future)
        EXPECT_EQ(byte, 0);
}

TEST(EffectRecord, EachEntryCallMakesAnIndependentEffect)
{
    TestHost host;
    PluginEntryProc entry = host.library().entryPoint("VSTPluginMain");
    AEffect* first = entry(TestHost::callback);
    AEffect* second = entry(TestHost::callback);
    ASSERT_NE(first, nullptr);
    ASSERT_NE(second, nullptr);
    EXPECT_NE(first, second);
    first->setParameter(first, 0, 0.9f);
    EXPECT_EQ(second->getParameter(second, 0), 0.5f);
    EXPECT_EQ(first->dispatcher(first, effClose, 0, 0, nullptr, 0.0f), 1);
    EXPECT_EQ(second->getParameter(second, 0), 0.5f);
    EXPECT_EQ(second->dispatcher(second, effClose, 0, 0, nullptr, 0.0f), 1);
}

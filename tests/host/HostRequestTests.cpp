// Requests to the host: what is sent, how answers are read, and the answers without a host.
#include "AEffEditor.h"
#include "RecordingEffect.h"
#include "SpeakerArrangement.h"

#include <gtest/gtest.h>

#include <cstring>

TEST(HostRequests, WithoutHostEveryRequestAnswersItsDefault)
{
    RecordingEffect effect(false);
    EXPECT_EQ(effect.getMasterVersion(), 1);
    EXPECT_EQ(effect.canHostDo(const_cast<char*>("sizeWindow")), 0);
    EXPECT_TRUE(effect.__isInputConnectedDeprecated(0));
    EXPECT_EQ(effect.updateSampleRate(), 44100.0f);
    EXPECT_EQ(effect.updateBlockSize(), 1024);
    EXPECT_EQ(effect.getTimeInfo(0), nullptr);
    EXPECT_FALSE(effect.beginEdit(0));
    EXPECT_FALSE(effect.sizeWindow(100, 100));
    effect.setParameterAutomated(1, 0.25f);
    ASSERT_EQ(effect.parameterCalls.size(), 1u);
}

TEST(HostRequests, AnswersAreReadAsDocumented)
{
    RecordingEffect effect;
    effect.nextAnswer = 0;
    EXPECT_EQ(effect.getMasterVersion(), 1);
    effect.nextAnswer = -1;
    EXPECT_EQ(effect.canHostDo(const_cast<char*>("sizeWindow")), 1);
    EXPECT_TRUE(effect.beginEdit(2));
    EXPECT_FALSE(effect.sendVstEventsToHost(nullptr));
    effect.nextAnswer = 1;
    EXPECT_TRUE(effect.sendVstEventsToHost(nullptr));
    EXPECT_FALSE(effect.__isInputConnectedDeprecated(0));
    effect.nextAnswer = 512;
    EXPECT_EQ(effect.updateBlockSize(), 512);
    effect.nextAnswer = 0;
    EXPECT_EQ(effect.updateBlockSize(), 512);
    effect.nextAnswer = -5;
    EXPECT_EQ(effect.updateSampleRate(), 44100.0f);
    effect.nextAnswer = 48000;
    EXPECT_EQ(effect.updateSampleRate(), 48000.0f);
}

TEST(HostRequests, RequestsCarryTheirOpcodeAndArguments)
{
    RecordingEffect effect;
    effect.beginEdit(2);
    effect.endEdit(2);
    effect.sizeWindow(351, 256);
    effect.__isOutputConnectedDeprecated(3);
    effect.offlineRead(nullptr, VstOfflineOption{}, true);
    ASSERT_EQ(effect.requests.size(), 5u);
    EXPECT_EQ(effect.requests[0].opcode, audioMasterBeginEdit);
    EXPECT_EQ(effect.requests[0].index, 2);
    EXPECT_EQ(effect.requests[1].opcode, audioMasterEndEdit);
    EXPECT_EQ(effect.requests[2].opcode, audioMasterSizeWindow);
    EXPECT_EQ(effect.requests[2].index, 351);
    EXPECT_EQ(effect.requests[2].value, 256);
    EXPECT_EQ(effect.requests[3].opcode, audioMasterPinConnected);
    EXPECT_EQ(effect.requests[3].index, 3);
    EXPECT_EQ(effect.requests[3].value, 1);
    EXPECT_EQ(effect.requests[4].opcode, audioMasterOfflineRead);
    EXPECT_EQ(effect.requests[4].index, 1);
}

TEST(HostRequests, AutomationSetsTheValueBeforeTellingTheHost)
{
    RecordingEffect effect;
    effect.setParameterAutomated(1, 0.25f);
    ASSERT_EQ(effect.parameterCalls.size(), 1u);
    EXPECT_EQ(effect.parameterCalls[0].index, 1);
    EXPECT_EQ(effect.parameterCalls[0].opt, 0.25f);
    EXPECT_EQ(effect.requestsWhenSet, 0u);
    ASSERT_EQ(effect.requests.size(), 1u);
    EXPECT_EQ(effect.requests[0].opcode, audioMasterAutomate);
    EXPECT_EQ(effect.requests[0].index, 1);
    EXPECT_EQ(effect.requests[0].opt, 0.25f);
}

TEST(HostRequests, ResumeAsksForNothingForAnEffect)
{
    RecordingEffect effect;
    effect.resume();
    EXPECT_TRUE(effect.requests.empty());
    effect.isSynth(true);
    effect.resume();
    ASSERT_EQ(effect.requests.size(), 1u);
    EXPECT_EQ(effect.requests[0].opcode, audioMasterWantMidi);
    EXPECT_EQ(effect.getPlugCategory(), kPlugCategSynth);
}

TEST(EditorFlag, FollowsTheEditorPointerOnly)
{
    RecordingEffect effect;
    AEffEditor editor(&effect);
    effect.noTail(true);
    effect.setEditor(&editor);
    EXPECT_EQ(effect.getAeffect()->flags, effFlagsHasEditor | effFlagsCanReplacing | effFlagsNoSoundInStop);
    effect.setEditor(nullptr);
    EXPECT_EQ(effect.getAeffect()->flags, effFlagsCanReplacing | effFlagsNoSoundInStop);
}

TEST(SpeakerArrangements, AllocateMatchAndRelease)
{
    RecordingEffect effect;
    VstSpeakerArrangement* source = nullptr;
    ASSERT_TRUE(effect.allocateArrangement(&source, 2));
    EXPECT_EQ(source->numChannels, 2);
    EXPECT_EQ(source->type, 0);
    source->type = 1;
    std::strcpy(source->speakers[0].name, "L");
    std::memset(source->speakers[1].name, 'R', sizeof(source->speakers[1].name));
    source->speakers[1].azimuth = 0.5f;
    source->speakers[1].future[27] = 9;

    VstSpeakerArrangement* copy = nullptr;
    ASSERT_TRUE(effect.matchArrangement(&copy, source));
    EXPECT_EQ(copy->type, 1);
    EXPECT_EQ(copy->numChannels, 2);
    EXPECT_STREQ(copy->speakers[0].name, "L");
    EXPECT_EQ(std::strlen(copy->speakers[1].name), 63u);
    EXPECT_EQ(copy->speakers[1].azimuth, 0.5f);
    EXPECT_EQ(copy->speakers[1].future[27], 9);

    EXPECT_FALSE(effect.matchArrangement(&copy, nullptr));
    EXPECT_FALSE(effect.copySpeaker(nullptr, &source->speakers[0]));
    EXPECT_TRUE(effect.deallocateArrangement(&copy));
    EXPECT_EQ(copy, nullptr);
    EXPECT_TRUE(effect.deallocateArrangement(&copy));
    EXPECT_TRUE(effect.deallocateArrangement(&source));
}

TEST(SpeakerArrangements, MoreThanEightChannels)
{
    RecordingEffect effect;
    VstSpeakerArrangement* source = nullptr;
    ASSERT_TRUE(effect.allocateArrangement(&source, 12));
    VstSpeakerProperties* speakers = source->speakers;
    speakers[11].type = 5;
    VstSpeakerArrangement* copy = nullptr;
    ASSERT_TRUE(effect.matchArrangement(&copy, source));
    VstSpeakerProperties* copied = copy->speakers;
    EXPECT_EQ(copied[11].type, 5);
    effect.deallocateArrangement(&copy);
    effect.deallocateArrangement(&source);
}

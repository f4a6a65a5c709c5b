// The host's own selector: used only when the host offers both halves of it; every kind of
// request reaches the host as the plug-in filled it, the host's answer is what run returns,
// and the host, not the selector, releases what the host put into the record.
#include "CFileSelector.h"
#include "SelectorEffect.h"

#include <gtest/gtest.h>

#include <string>

using VSTGUI::CFileSelector;

namespace {
class HostSelector : public ::testing::Test {
protected:
    HostSelector()
    {
        effect.capabilities = {"openFileSelector", "closeFileSelector"};
        effect.onOpen = [this](VstFileSelect* record) {
            if (record->command == kVstMultipleFilesLoad) {
                record->returnMultiplePaths = hostPaths;
                record->nbReturnPath = 2;
            } else {
                record->returnPath = hostPath;
                record->sizeReturnPath = sizeof(hostPath);
                record->nbReturnPath = 1;
            }
            return intptr{1};
        };
        effect.onClose = [this](VstFileSelect* record) {
            closedPath = record->returnPath;
            closedPaths = record->returnMultiplePaths;
            record->returnPath = nullptr;
            record->returnMultiplePaths = nullptr;
            return intptr{1};
        };
    }

    int countOf(int32 opcode) const
    {
        int count = 0;
        for (const SelectorRequest& request : effect.requests)
            count += request.opcode == opcode ? 1 : 0;
        return count;
    }

    SelectorEffect effect;
    char hostPath[16] = "/host/one.wav";
    char first[16] = "/host/a.wav";
    char second[16] = "/host/b.wav";
    char* hostPaths[2] = {first, second};
    char* closedPath = nullptr;
    char** closedPaths = nullptr;
};
} // namespace

TEST_F(HostSelector, EveryKindReachesTheHostAsFilledAndTheAnswerComesBack)
{
    VstFileType types[] = {makeFileType("Wave", "wav", "wav"), makeFileType("Aiff", "aif", "aiff")};
    char initial[] = "/music";
    for (int32 command : {kVstFileLoad, kVstFileSave, kVstMultipleFilesLoad, kVstDirectorySelect}) {
        SCOPED_TRACE(command);
        effect.requests.clear();
        VstFileSelect request = makeRequest(command, "Pick one");
        request.nbFileTypes = 2;
        request.fileTypes = types;
        request.initialPath = initial;
        {
            CFileSelector selector(&effect);
            const std::int32_t expected = command == kVstMultipleFilesLoad ? 2 : 1;
            EXPECT_EQ(selector.run(&request), expected);
            ASSERT_EQ(countOf(audioMasterOpenFileSelector), 1);
            const SelectorRequest& open = effect.requests.back();
            EXPECT_EQ(open.record, &request);
            EXPECT_EQ(open.command, command);
            EXPECT_EQ(open.nbFileTypes, 2);
            EXPECT_EQ(open.fileTypes, types);
            EXPECT_EQ(open.title, "Pick one");
            EXPECT_EQ(open.initialPath, "/music");
            if (command == kVstMultipleFilesLoad) {
                EXPECT_EQ(request.returnMultiplePaths, hostPaths);
            } else {
                EXPECT_STREQ(request.returnPath, "/host/one.wav");
            }
            EXPECT_EQ(countOf(audioMasterCloseFileSelector), 0);
        }
        ASSERT_EQ(countOf(audioMasterCloseFileSelector), 1);
        EXPECT_EQ(effect.requests.back().record, &request);
        EXPECT_EQ(command == kVstMultipleFilesLoad ? static_cast<void*>(closedPaths) : closedPath,
                  command == kVstMultipleFilesLoad ? static_cast<void*>(hostPaths) : hostPath);
    }
}

TEST_F(HostSelector, ASecondRunClosesTheFirstAnswerBeforeAsking)
{
    VstFileSelect request = makeRequest(kVstFileLoad);
    CFileSelector selector(&effect);
    EXPECT_EQ(selector.run(&request), 1);
    EXPECT_EQ(selector.run(&request), 1);
    ASSERT_EQ(effect.requests.size(), 3u);
    EXPECT_EQ(effect.requests[0].opcode, audioMasterOpenFileSelector);
    EXPECT_EQ(effect.requests[1].opcode, audioMasterCloseFileSelector);
    EXPECT_EQ(effect.requests[2].opcode, audioMasterOpenFileSelector);
}

TEST_F(HostSelector, AHostThatFailsOrAnswersOddlyGivesNothingToRelease)
{
    effect.onOpen = [](VstFileSelect* record) {
        record->nbReturnPath = 5;
        return intptr{0};
    };
    VstFileSelect request = makeRequest(kVstFileLoad);
    {
        CFileSelector selector(&effect);
        EXPECT_EQ(selector.run(&request), 0);
    }
    EXPECT_EQ(countOf(audioMasterCloseFileSelector), 0);

    effect.onOpen = [](VstFileSelect* record) {
        record->nbReturnPath = -3;
        return intptr{1};
    };
    CFileSelector selector(&effect);
    EXPECT_EQ(selector.run(&request), 0);
}

TEST_F(HostSelector, TheCallersBufferIsEmptiedAndANullRecordIsRefused)
{
    effect.onOpen = [](VstFileSelect*) { return intptr{1}; };
    char buffer[32] = "left over";
    VstFileSelect request = makeRequest(kVstFileSave);
    request.returnPath = buffer;
    request.nbReturnPath = 7;
    CFileSelector selector(&effect);
    EXPECT_EQ(selector.run(&request), 0);
    EXPECT_STREQ(buffer, "");
    EXPECT_EQ(selector.run(nullptr), 0);
}

TEST(HostWithoutSelector, AHostOfferingOnlyOpeningIsNotAsked)
{
    SelectorEffect effect;
    effect.capabilities = {"openFileSelector"};
    VstFileSelect request = makeRequest(42);
    CFileSelector selector(&effect);
    EXPECT_EQ(selector.run(&request), 0);
    EXPECT_TRUE(effect.requests.empty());
}

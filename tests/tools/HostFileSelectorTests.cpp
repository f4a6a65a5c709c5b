// kvhost's offered file selector (editor --file-selector PATH...): it claims both halves of
// the selector, fills each kind of request with its paths, refuses a path the plug-in's buffer
// cannot hold, and releases its answer on close.
#include "HostFileSelector.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

namespace {
VstFileSelect request(int32 command)
{
    VstFileSelect record = {};
    record.command = command;
    return record;
}
} // namespace

TEST(HostFileSelector, AnswersEveryKindWithItsPathsAndReleasesOnClose)
{
    HostFileSelector selector({"/x/a.wav", "/x/b.wav"});
    EXPECT_EQ(selector.canDo("openFileSelector"), 1);
    EXPECT_EQ(selector.canDo("closeFileSelector"), 1);
    EXPECT_EQ(selector.canDo("sizeWindow"), 0);
    EXPECT_EQ(selector.canDo(nullptr), 0);

    for (int32 command : {kVstFileLoad, kVstFileSave, kVstDirectorySelect}) {
        VstFileSelect record = request(command);
        ASSERT_EQ(selector.open(&record), 1);
        EXPECT_EQ(record.nbReturnPath, 1);
        EXPECT_STREQ(record.returnPath, "/x/a.wav");
        EXPECT_EQ(record.sizeReturnPath, 9);
        EXPECT_EQ(selector.close(&record), 1);
        EXPECT_EQ(record.returnPath, nullptr);
        EXPECT_EQ(selector.close(&record), 0);
    }
    VstFileSelect several = request(kVstMultipleFilesLoad);
    ASSERT_EQ(selector.open(&several), 1);
    ASSERT_EQ(several.nbReturnPath, 2);
    EXPECT_STREQ(several.returnMultiplePaths[1], "/x/b.wav");
    EXPECT_EQ(selector.close(&several), 1);
    EXPECT_EQ(several.returnMultiplePaths, nullptr);
}

TEST(HostFileSelector, KeepsWithinThePlugInsBufferAndCancelsWithoutPaths)
{
    HostFileSelector selector({"/a/path/longer/than/sixteen.wav"});
    struct Guarded {
        char buffer[16];
        char guard[16];
    } guarded = {};
    std::fill(std::begin(guarded.guard), std::end(guarded.guard), 'G');
    VstFileSelect record = request(kVstFileLoad);
    record.returnPath = guarded.buffer;
    record.sizeReturnPath = sizeof(guarded.buffer);
    EXPECT_EQ(selector.open(&record), 0);
    EXPECT_EQ(std::string(guarded.guard, sizeof(guarded.guard)), std::string(16, 'G'));

    HostFileSelector cancelling({});
    VstFileSelect other = request(kVstFileLoad);
    EXPECT_EQ(cancelling.open(&other), 0);
    EXPECT_EQ(cancelling.open(nullptr), 0);
    VstFileSelect unknown = request(9);
    EXPECT_EQ(selector.open(&unknown), 0);
}

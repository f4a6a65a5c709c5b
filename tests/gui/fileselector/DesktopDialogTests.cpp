// Without a host selector on Linux: the desktop's dialog program is asked with the request's
// title, folder and filters, its answer lands in the record with the record's conventions,
// and deleting the selector releases what it allocated. Without a program the request is
// cancelled with a clear answer.
#include "CFileSelector.h"
#include "FakeDialogProgram.h"
#include "SelectorEffect.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

using VSTGUI::CFileSelector;

namespace {
std::vector<std::string> filtersIn(const std::vector<std::string>& arguments)
{
    std::vector<std::string> filters;
    for (const std::string& argument : arguments)
        if (argument.rfind("--file-filter=", 0) == 0)
            filters.push_back(argument.substr(14));
    return filters;
}

bool has(const std::vector<std::string>& arguments, const std::string& argument)
{
    return std::find(arguments.begin(), arguments.end(), argument) != arguments.end();
}

class DesktopDialog : public ::testing::Test {
protected:
    FakeDialogProgram zenity{{"zenity"}};
    SelectorEffect effect;
    VstFileType waveAndAiff[2] = {makeFileType("Wave", "wav", "wav"), makeFileType("Aiff", "aif", "aiff")};
    char initial[8] = "/music";
};
} // namespace

TEST_F(DesktopDialog, LoadAsksWithTitleFolderAndEveryFilterAndAllocatesThePath)
{
    zenity.answer("/music/take one.wav\n");
    VstFileSelect request = makeRequest(kVstFileLoad, "Open a take");
    request.nbFileTypes = 2;
    request.fileTypes = waveAndAiff;
    request.initialPath = initial;
    {
        CFileSelector selector(&effect);
        ASSERT_EQ(selector.run(&request), 1);
        const std::vector<std::string> arguments = zenity.arguments();
        ASSERT_GE(arguments.size(), 2u);
        EXPECT_EQ(arguments[0], "zenity");
        EXPECT_EQ(arguments[1], "--file-selection");
        EXPECT_TRUE(has(arguments, "--title=Open a take"));
        EXPECT_TRUE(has(arguments, "--filename=/music/"));
        EXPECT_FALSE(has(arguments, "--save") || has(arguments, "--multiple") || has(arguments, "--directory"));
        EXPECT_EQ(filtersIn(arguments), (std::vector<std::string>{"Wave (.wav) | *.wav", "Aiff (.aif) | *.aif *.aiff",
                                                                 "All Types: (*.wav;*.aif;*.aiff) | *.wav *.aif *.aiff",
                                                                 "Any Type (*.*) | *.*"}));
        EXPECT_STREQ(request.returnPath, "/music/take one.wav");
        EXPECT_EQ(request.sizeReturnPath, 20);
        EXPECT_EQ(request.reserved, 1);
        EXPECT_EQ(request.nbReturnPath, 1);
        EXPECT_FALSE(selector.isDialogUnavailable());
    }
    EXPECT_EQ(request.returnPath, nullptr);
    EXPECT_EQ(request.sizeReturnPath, 0);
    EXPECT_TRUE(effect.requests.empty());
}

TEST_F(DesktopDialog, OneTypeGetsAnAllTypesEntryOnlyWithASecondExtension)
{
    zenity.answer("/a.wav\n");
    VstFileSelect request = makeRequest(kVstFileLoad);
    request.nbFileTypes = 1;
    request.fileTypes = &waveAndAiff[0];
    CFileSelector selector(&effect);
    selector.run(&request);
    EXPECT_EQ(filtersIn(zenity.arguments()), (std::vector<std::string>{"Wave (.wav) | *.wav", "Any Type (*.*) | *.*"}));
    request.fileTypes = &waveAndAiff[1];
    selector.run(&request);
    EXPECT_EQ(filtersIn(zenity.arguments()),
              (std::vector<std::string>{"Aiff (.aif) | *.aif *.aiff", "All Types: (*.aif;*.aiff) | *.aif *.aiff",
                                        "Any Type (*.*) | *.*"}));
}

TEST_F(DesktopDialog, SaveOffersTheDosTypesOnlyAndFillsTheCallersBuffer)
{
    zenity.answer("/music/new mix.wav\n");
    char buffer[CFileSelector::kReturnPathCapacity] = "old";
    VstFileSelect request = makeRequest(kVstFileSave, "Save the mix");
    request.nbFileTypes = 2;
    request.fileTypes = waveAndAiff;
    request.returnPath = buffer;
    {
        CFileSelector selector(&effect);
        ASSERT_EQ(selector.run(&request), 1);
        EXPECT_TRUE(has(zenity.arguments(), "--save"));
        EXPECT_EQ(filtersIn(zenity.arguments()), (std::vector<std::string>{"Wave (.wav) | *.wav", "Aiff (.aif) | *.aif"}));
        EXPECT_EQ(request.reserved, 0);
    }
    EXPECT_EQ(request.returnPath, buffer);
    EXPECT_STREQ(buffer, "/music/new mix.wav");
}

TEST_F(DesktopDialog, MultipleFilesComeBackAsAListThatDeletingReleases)
{
    zenity.answer("/x/a.wav\n/x/b.wav\n/x/c d.wav\n");
    VstFileSelect request = makeRequest(kVstMultipleFilesLoad);
    {
        CFileSelector selector(&effect);
        ASSERT_EQ(selector.run(&request), 3);
        EXPECT_TRUE(has(zenity.arguments(), "--multiple"));
        EXPECT_TRUE(has(zenity.arguments(), "--separator=\n"));
        ASSERT_NE(request.returnMultiplePaths, nullptr);
        EXPECT_STREQ(request.returnMultiplePaths[0], "/x/a.wav");
        EXPECT_STREQ(request.returnMultiplePaths[1], "/x/b.wav");
        EXPECT_STREQ(request.returnMultiplePaths[2], "/x/c d.wav");
        EXPECT_EQ(request.nbReturnPath, 3);
    }
    EXPECT_EQ(request.returnMultiplePaths, nullptr);
    EXPECT_EQ(request.nbReturnPath, 0);
}

TEST_F(DesktopDialog, AFolderIsChosenWithoutFilters)
{
    zenity.answer("/music/takes\n");
    VstFileSelect request = makeRequest(kVstDirectorySelect, "Where to");
    request.nbFileTypes = 2;
    request.fileTypes = waveAndAiff;
    CFileSelector selector(&effect);
    ASSERT_EQ(selector.run(&request), 1);
    EXPECT_TRUE(has(zenity.arguments(), "--directory"));
    EXPECT_TRUE(filtersIn(zenity.arguments()).empty());
    EXPECT_STREQ(request.returnPath, "/music/takes");
}

TEST_F(DesktopDialog, CancellingLeavesNothingAndTheCallersBufferEmpty)
{
    zenity.answer("", 1);
    char buffer[64] = "previous";
    VstFileSelect request = makeRequest(kVstFileLoad);
    request.returnPath = buffer;
    CFileSelector selector(&effect);
    EXPECT_EQ(selector.run(&request), 0);
    EXPECT_EQ(request.nbReturnPath, 0);
    EXPECT_STREQ(buffer, "");
    EXPECT_FALSE(selector.isDialogUnavailable());
}

TEST_F(DesktopDialog, APathLongerThanTheCallersBufferIsRefusedNotWrittenPastIt)
{
    struct Guarded {
        char buffer[16];
        char guard[16];
    } guarded;
    std::fill(std::begin(guarded.guard), std::end(guarded.guard), 'G');
    zenity.answer("/a/path/longer/than/sixteen.wav\n");
    VstFileSelect request = makeRequest(kVstFileLoad);
    request.returnPath = guarded.buffer;
    request.sizeReturnPath = sizeof(guarded.buffer);
    CFileSelector selector(&effect);
    EXPECT_EQ(selector.run(&request), 0);
    EXPECT_EQ(request.nbReturnPath, 0);
    EXPECT_STREQ(guarded.buffer, "");
    EXPECT_EQ(std::string(guarded.guard, sizeof(guarded.guard)), std::string(16, 'G'));

    const std::string longPath = "/" + std::string(CFileSelector::kReturnPathCapacity, 'p');
    zenity.answer(longPath + "\n");
    std::string unsized(CFileSelector::kReturnPathCapacity + 8, 'G');
    request.returnPath = &unsized[0];
    request.sizeReturnPath = 0;
    EXPECT_EQ(selector.run(&request), 0);
    EXPECT_EQ(unsized.substr(CFileSelector::kReturnPathCapacity), std::string(8, 'G'));

    request.returnPath = nullptr;
    EXPECT_EQ(selector.run(&request), 1);
    EXPECT_EQ(request.returnPath, longPath);
}

TEST_F(DesktopDialog, AnUnknownCommandShowsNoDialog)
{
    VstFileSelect request = makeRequest(7);
    CFileSelector selector(&effect);
    EXPECT_EQ(selector.run(&request), 0);
    EXPECT_TRUE(zenity.arguments().empty());
}

TEST(DesktopDialogFallback, KdialogIsAskedWhenThereIsNoZenity)
{
    FakeDialogProgram kdialog({"kdialog"});
    kdialog.answer("/music/a.wav\n");
    SelectorEffect effect;
    VstFileType wave = makeFileType("Wave", "wav", "");
    char initial[] = "/music";
    VstFileSelect request = makeRequest(kVstFileLoad, "Open");
    request.nbFileTypes = 1;
    request.fileTypes = &wave;
    request.initialPath = initial;
    CFileSelector selector(&effect);
    ASSERT_EQ(selector.run(&request), 1);
    EXPECT_EQ(kdialog.arguments(), (std::vector<std::string>{"kdialog", "--title", "Open", "--getopenfilename",
                                                            "/music", "*.wav|Wave (.wav)\n*.*|Any Type (*.*)"}));
    EXPECT_STREQ(request.returnPath, "/music/a.wav");
}

TEST(DesktopDialogFallback, WithoutADialogProgramTheRequestIsCancelledAndSaysSo)
{
    FakeDialogProgram none({});
    SelectorEffect effect;
    char buffer[32] = "previous";
    VstFileSelect request = makeRequest(kVstFileLoad);
    request.returnPath = buffer;
    CFileSelector selector(&effect);
    EXPECT_EQ(selector.run(&request), 0);
    EXPECT_TRUE(selector.isDialogUnavailable());
    EXPECT_STREQ(buffer, "");
}

// Without a host selector on Windows: the common dialogs and the folder browser come up with
// the request's title, folder and file types, a second thread chooses with real keyboard
// input, and every answer lands in the record with the record's conventions. COM is prepared
// for the dialogs without disturbing a thread the host set up in another apartment model.
#include "CFileSelector.h"
#include "DialogDriver.h"
#include "SelectorEffect.h"

#include <gtest/gtest.h>

#include <objbase.h>

#include <algorithm>
#include <fstream>
#include <string>

using VSTGUI::CFileSelector;

namespace {
class CommonDialog : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        char temp[MAX_PATH] = {};
        GetTempPathA(sizeof(temp), temp);
        folder = std::string(temp) + "kv-file-selector-" + std::to_string(GetCurrentProcessId());
        CreateDirectoryA(folder.c_str(), nullptr);
        CreateDirectoryA((folder + "\\chosen").c_str(), nullptr);
        for (const char* name : {"a.wav", "b.wav", "c.aif"})
            std::ofstream(folder + "\\" + name) << "RIFF";
    }

    static void TearDownTestSuite()
    {
        for (const char* name : {"a.wav", "b.wav", "c.aif", "new.wav"})
            DeleteFileA((folder + "\\" + name).c_str());
        RemoveDirectoryA((folder + "\\chosen").c_str());
        RemoveDirectoryA(folder.c_str());
    }

    VstFileSelect request(int32 command, const char* title)
    {
        VstFileSelect record = makeRequest(command, title);
        record.nbFileTypes = 2;
        record.fileTypes = types;
        initial = folder;
        record.initialPath = &initial[0];
        return record;
    }

    static inline std::string folder;
    std::string initial;
    VstFileType types[2] = {makeFileType("Wave", "wav", "wav"), makeFileType("Aiff", "aif", "aiff")};
    SelectorEffect effect;
};
} // namespace

TEST_F(CommonDialog, OpenChoosesAnExistingFileAmongTheRequestsTypes)
{
    VstFileSelect record = request(kVstFileLoad, "Open a take");
    {
        CFileSelector selector(&effect);
        DialogDriver driver({typed("a.wav"), pressed(VK_RETURN)}, "Open a take");
        EXPECT_EQ(selector.run(&record), 1);
        const DialogSeen& seen = driver.seen();
        ASSERT_TRUE(seen.found);
        EXPECT_EQ(seen.caption, "Open a take");
        EXPECT_EQ(seen.fileTypes, (std::vector<std::string>{"Wave (.wav)", "Aiff (.aif)",
                                                            "All Types: (*.wav;*.aif;*.aiff)", "Any Type (*.*)"}));
        ASSERT_NE(record.returnPath, nullptr);
        EXPECT_STRCASEEQ(record.returnPath, (folder + "\\a.wav").c_str());
        EXPECT_EQ(record.sizeReturnPath, static_cast<int32>(folder.size() + 7));
        EXPECT_EQ(record.reserved, 1);
    }
    EXPECT_EQ(record.returnPath, nullptr);
    EXPECT_EQ(record.sizeReturnPath, 0);
}

TEST_F(CommonDialog, SeveralFilesComeBackAsFolderAndName)
{
    VstFileSelect record = request(kVstMultipleFilesLoad, "Open takes");
    CFileSelector selector(&effect);
    DialogDriver driver({typed("\"a.wav\" \"b.wav\""), pressed(VK_RETURN)}, "Open takes");
    ASSERT_EQ(selector.run(&record), 2);
    ASSERT_TRUE(driver.seen().found);
    std::vector<std::string> paths(record.returnMultiplePaths, record.returnMultiplePaths + 2);
    std::sort(paths.begin(), paths.end());
    EXPECT_STRCASEEQ(paths[0].c_str(), (folder + "\\a.wav").c_str());
    EXPECT_STRCASEEQ(paths[1].c_str(), (folder + "\\b.wav").c_str());
}

TEST_F(CommonDialog, SaveTakesANewNameWithTheFirstTypesExtension)
{
    char buffer[CFileSelector::kReturnPathCapacity] = "old";
    VstFileSelect record = request(kVstFileSave, "Save the mix");
    record.returnPath = buffer;
    CFileSelector selector(&effect);
    DialogDriver driver({typed("new"), pressed(VK_RETURN)}, "Save the mix - [");
    ASSERT_EQ(selector.run(&record), 1);
    const DialogSeen& seen = driver.seen();
    ASSERT_TRUE(seen.found);
    EXPECT_EQ(seen.fileTypes, (std::vector<std::string>{"Wave (.wav)", "Aiff (.aif)"}));
    EXPECT_STRCASEEQ(buffer, (folder + "\\new.wav").c_str());
    EXPECT_EQ(record.reserved, 0);
}

TEST_F(CommonDialog, TheFolderBrowserChoosesAFolder)
{
    VstFileSelect record = request(kVstDirectorySelect, "Where to");
    initial = folder + "\\chosen";
    record.initialPath = &initial[0];
    CFileSelector selector(&effect);
    DialogDriver driver({pressed(VK_RETURN)}, "Where to");
    ASSERT_EQ(selector.run(&record), 1);
    ASSERT_TRUE(driver.seen().found);
    EXPECT_STRCASEEQ(record.returnPath, (folder + "\\chosen").c_str());
}

TEST_F(CommonDialog, CancellingAnswersNothing)
{
    char buffer[64] = "previous";
    VstFileSelect record = request(kVstFileLoad, "Cancel me");
    record.returnPath = buffer;
    CFileSelector selector(&effect);
    DialogDriver driver({pressed(VK_ESCAPE)}, "Cancel me");
    EXPECT_EQ(selector.run(&record), 0);
    ASSERT_TRUE(driver.seen().found);
    EXPECT_EQ(record.nbReturnPath, 0);
    EXPECT_STREQ(buffer, "");
}

TEST_F(CommonDialog, APathLongerThanTheCallersBufferIsRefused)
{
    struct Guarded {
        char buffer[16];
        char guard[16];
    } guarded;
    std::fill(std::begin(guarded.guard), std::end(guarded.guard), 'G');
    VstFileSelect record = request(kVstFileLoad, "Too long");
    record.returnPath = guarded.buffer;
    record.sizeReturnPath = sizeof(guarded.buffer);
    CFileSelector selector(&effect);
    DialogDriver driver({typed("a.wav"), pressed(VK_RETURN)}, "Too long");
    EXPECT_EQ(selector.run(&record), 0);
    ASSERT_TRUE(driver.seen().found);
    EXPECT_STREQ(guarded.buffer, "");
    EXPECT_EQ(std::string(guarded.guard, sizeof(guarded.guard)), std::string(16, 'G'));
}

TEST_F(CommonDialog, AThreadInTheOtherApartmentModelKeepsItsSetup)
{
    ASSERT_EQ(CoInitializeEx(nullptr, COINIT_MULTITHREADED), S_OK);
    VstFileSelect record = request(kVstDirectorySelect, "Other model");
    initial = folder + "\\chosen";
    record.initialPath = &initial[0];
    {
        CFileSelector selector(&effect);
        DialogDriver driver({pressed(VK_RETURN)}, "Other model");
        EXPECT_EQ(selector.run(&record), 1);
        EXPECT_TRUE(driver.seen().found);
    }
    EXPECT_EQ(CoInitializeEx(nullptr, COINIT_MULTITHREADED), S_FALSE);
    CoUninitialize();
    CoUninitialize();
}

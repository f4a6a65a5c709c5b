// The items a drag container reads from a sender's data object: text cut at its terminator or
// at the end of its block, file names of any length, shortcuts replaced by their targets.
#include "CDragContainer.h"
#include "DropHost.h"
#include "TestDataObject.h"

#include <gtest/gtest.h>

#include <shlobj.h>

#include <cstring>
#include <string>
#include <vector>

using namespace VSTGUI;

namespace {
struct ReadItem {
    std::int32_t type;
    std::int32_t size;
    std::string bytes;
    bool terminated;
};

// Every item, as first and next give them, and the type after the last.
std::vector<ReadItem> readAll(CDragContainer& drag, std::int32_t& typeAfterLast)
{
    std::vector<ReadItem> items;
    std::int32_t size = 0;
    std::int32_t type = kDragItemNone;
    for (void* bytes = drag.first(size, type); bytes != nullptr; bytes = drag.next(size, type)) {
        const char* text = static_cast<const char*>(bytes);
        const std::size_t length = type == kDragItemText ? static_cast<std::size_t>(size - 1) : size;
        items.push_back({type, size, std::string(text, length), text[length] == '\0'});
    }
    typeAfterLast = type;
    return items;
}

std::vector<ReadItem> readAll(TestDataObject& data)
{
    CDragContainer drag(&data);
    std::int32_t typeAfterLast = 0;
    std::vector<ReadItem> items = readAll(drag, typeAfterLast);
    EXPECT_EQ(typeAfterLast, kDragItemNone);
    EXPECT_EQ(static_cast<std::size_t>(drag.getCount()), items.size());
    return items;
}

class DragContainerItems : public ::testing::Test {
protected:
    void TearDown() override { EXPECT_EQ(data.blocksReleased, data.blocksHandedOut); }
    TestDataObject data;
};
} // namespace

TEST_F(DragContainerItems, TextCountsItsTerminatorAndEndsAtTheFirstOne)
{
    data.offer(CF_TEXT, std::string("abcde\0", 6));
    std::vector<ReadItem> items = readAll(data);
    ASSERT_EQ(items.size(), 1u);
    EXPECT_EQ(items[0].type, kDragItemText);
    EXPECT_EQ(items[0].size, 6);
    EXPECT_EQ(items[0].bytes, "abcde");

    data.offer(CF_TEXT, std::string("ab\0slack\0\0", 10));
    items = readAll(data);
    ASSERT_EQ(items.size(), 1u);
    EXPECT_EQ(items[0].size, 3) << "what follows the terminator is not text";
    EXPECT_EQ(items[0].bytes, "ab");
}

TEST_F(DragContainerItems, TextWithoutTerminatorIsReadToTheBlocksEndAndTerminated)
{
    data.offer(CF_TEXT, "abcdef");
    const std::vector<ReadItem> items = readAll(data);
    ASSERT_EQ(items.size(), 1u);
    EXPECT_EQ(items[0].size, 7);
    EXPECT_EQ(items[0].bytes, "abcdef");
    EXPECT_TRUE(items[0].terminated);
}

TEST_F(DragContainerItems, EmptyTextBlockIsOneItemThatReadsAsNothing)
{
    data.offer(CF_TEXT, "");
    CDragContainer drag(&data);
    EXPECT_EQ(drag.getCount(), 1);
    EXPECT_EQ(drag.getType(0), kDragItemText);
    std::int32_t size = -1;
    std::int32_t type = 0;
    EXPECT_EQ(drag.first(size, type), nullptr);
    EXPECT_EQ(size, 0);
    EXPECT_EQ(type, kDragItemNone);
}

TEST_F(DragContainerItems, TextWinsOverFilesAndIsReadOnce)
{
    data.offerText("both");
    data.offerFiles({"C:\\one.txt", "C:\\two.txt"});
    CDragContainer drag(&data);
    EXPECT_EQ(drag.getType(7), kDragItemText);
    std::int32_t typeAfterLast = 0;
    const std::vector<ReadItem> items = readAll(drag, typeAfterLast);
    ASSERT_EQ(items.size(), 1u);
    EXPECT_EQ(items[0].bytes, "both");
    std::int32_t size = 0;
    std::int32_t type = 0;
    EXPECT_NE(drag.first(size, type), nullptr) << "first starts over";
}

TEST_F(DragContainerItems, FilesComeInOrderAtAnyLengthAndInEitherCharacterWidth)
{
    const std::string longPath = "C:\\" + std::string(3000, 'd') + ".txt";
    data.offerFiles({"C:\\a.txt", longPath, "C:\\c.wav"});
    CDragContainer drag(&data);
    EXPECT_EQ(drag.getType(0), kDragItemFile);
    std::int32_t typeAfterLast = 0;
    std::vector<ReadItem> items = readAll(drag, typeAfterLast);
    ASSERT_EQ(items.size(), 3u);
    EXPECT_EQ(items[0].bytes, "C:\\a.txt");
    EXPECT_EQ(items[0].size, 8);
    EXPECT_EQ(items[1].bytes, longPath) << "a long name is not cut short";
    EXPECT_EQ(items[1].size, static_cast<std::int32_t>(longPath.size()));
    EXPECT_EQ(items[2].bytes, "C:\\c.wav");
    EXPECT_EQ(typeAfterLast, kDragItemNone);

    DROPFILES header = {};
    header.pFiles = sizeof(DROPFILES);
    header.fWide = TRUE;
    const std::wstring names = std::wstring(L"C:\\wide.txt") + L'\0' + L'\0';
    data.offer(CF_HDROP, std::string(reinterpret_cast<const char*>(&header), sizeof(header)) +
                             std::string(reinterpret_cast<const char*>(names.data()), names.size() * sizeof(wchar_t)));
    items = readAll(data);
    ASSERT_EQ(items.size(), 1u);
    EXPECT_EQ(items[0].bytes, "C:\\wide.txt");
}

TEST_F(DragContainerItems, ShortcutsAreReplacedByTheirTargetsUnlessUnreadable)
{
    const std::string target = makeFile("dropped target file.txt");
    const std::string shortcut = testFolder() + "\\Shortcut To Target.LNK";
    ASSERT_TRUE(makeShortcut(shortcut, target));
    const std::string broken = makeFile("broken.lnk", "not a shortcut");
    const std::string plain = makeFile("plain.txt");
    data.offerFiles({shortcut, broken, plain});
    const std::vector<ReadItem> items = readAll(data);
    ASSERT_EQ(items.size(), 3u);
    EXPECT_EQ(longPathOf(items[0].bytes), longPathOf(target));
    EXPECT_LE(items[0].bytes.size(), target.size());
    EXPECT_EQ(items[1].bytes, broken);
    EXPECT_EQ(items[2].bytes, plain);
}

TEST_F(DragContainerItems, WithoutDataObjectThereIsNothing)
{
    CDragContainer drag(nullptr);
    EXPECT_EQ(drag.getCount(), 0);
    std::int32_t size = -1;
    std::int32_t type = 0;
    EXPECT_EQ(drag.next(size, type), nullptr);
    EXPECT_EQ(type, kDragItemNone);
}

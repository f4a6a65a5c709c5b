// The gallery's option menus through the built plug-in, with real input: a click opens the
// pop-up, keys choose in it and in its sub-menus, and the host sees the chosen entry's
// parameter; Escape chooses nothing; the entries' kinds and the scheme's drawing read back
// from the open pop-ups; closing the editor during a pop-up ends it and leaves no window; open
// and close cycles with a pop-up up at close leak nothing.
#include "OpenMenus.h"
#include "PanelHost.h"
#include "ProcessResources.h"
#include "pages/MenuPage.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <iterator>
#include <string>
#include <vector>

using namespace gallery;

namespace {
constexpr int kNestedCount = static_cast<int>(std::size(kNestedEntries)) + 1;
constexpr int kStringsCount = static_cast<int>(std::size(kStringsEntries)) + 1;
constexpr int kLowCount = static_cast<int>(std::size(kLowEntries));
constexpr int kSchemeItemHeight = 18;
// Inside every item of the scheme, clear of its text, its check mark and its separator lines.
constexpr POINT kItemBackground = {3, 2};
constexpr POINT kCheckMarkCentre = {10, 8};
constexpr int kCycles = 1000;
constexpr SIZE_T kAllowedGrowthBytes = 512 * 1024;
constexpr DWORD kPollMs = 10;
constexpr int kPolls = 300;

float entryValue(int position, int count)
{
    return static_cast<float>(position) / static_cast<float>(count - 1);
}

// The marker of a "-G" or "-T" entry is not shown.
std::string shownText(const char* entry)
{
    return entry[0] == '-' && entry[1] != '\0' ? entry + 2 : entry;
}

// [SECTION] Gestures of the input thread

ShownMenu openMenuBy(POINT click)
{
    performClick(click);
    if (!waitForMenuCount(1))
        return {nullptr, nullptr};
    return shownMenus().front();
}

// Highlights the sub-menu entry at position and opens its sub-menu with the Right key.
ShownMenu enterSubMenu(const ShownMenu& shown, int position)
{
    if (!highlightItem(shown.menu, position))
        return {nullptr, nullptr};
    const HMENU subMenu = GetSubMenu(shown.menu, position);
    pressKey(VK_RIGHT);
    for (int poll = 0; poll < kPolls && shownMenuOf(subMenu).window == nullptr; ++poll)
        Sleep(kPollMs);
    const ShownMenu opened = shownMenuOf(subMenu);
    if (opened.window != nullptr)
        waitForHighlight(subMenu);
    return opened;
}

bool chooseItem(const ShownMenu& shown, int position)
{
    if (!highlightItem(shown.menu, position))
        return false;
    pressKey(VK_RETURN);
    return waitForMenuCount(0);
}

// Escape once for every pop-up shown, the innermost first.
bool leaveMenus()
{
    for (std::size_t shown = shownMenus().size(); shown > 0; --shown) {
        pressKey(VK_ESCAPE);
        if (!waitForMenuCount(shown - 1))
            return false;
    }
    return true;
}

// The path of positions from the top pop-up to the item to choose, sub-menus entered on the way.
bool choosePath(POINT click, std::vector<int> path)
{
    ShownMenu shown = openMenuBy(click);
    for (std::size_t level = 0; level + 1 < path.size() && shown.window != nullptr; ++level)
        shown = enterSubMenu(shown, path[level]);
    if (shown.window != nullptr && chooseItem(shown, path.back()))
        return true;
    leaveMenus();
    return false;
}

// The items of the top pop-up and of each sub-menu entered along path, then Escape out.
std::vector<std::vector<MenuItem>> readPath(POINT click, std::vector<int> path)
{
    std::vector<std::vector<MenuItem>> levels;
    ShownMenu shown = openMenuBy(click);
    if (shown.window != nullptr)
        levels.push_back(itemsOf(shown));
    for (std::size_t level = 0; level < path.size() && shown.window != nullptr; ++level) {
        shown = enterSubMenu(shown, path[level]);
        if (shown.window != nullptr)
            levels.push_back(itemsOf(shown));
    }
    leaveMenus();
    return levels;
}

// Without the settling time of a gesture: the cycles are many.
void sendLeftButton(bool down)
{
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = down ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP;
    SendInput(1, &input, sizeof(INPUT));
}

// [SECTION] Closing from the host's timer while a pop-up is up

PanelHost* closingGallery = nullptr;
bool closedDuringPopup = false;

// The host idles, reads a parameter and closes the editor, all inside the pop-up's loop.
void CALLBACK closeWhenMenuShown(HWND, UINT, UINT_PTR timer, DWORD)
{
    if (shownMenus().empty())
        return;
    KillTimer(nullptr, timer);
    closingGallery->host().dispatch(effEditIdle);
    closingGallery->host().getParameter(kNestedMenu);
    closingGallery->host().dispatch(effEditClose);
    closedDuringPopup = true;
}

class MenuPage : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_NE(gallery.host().effect(), nullptr);
        gallery.host().setParameter(kPage, pageValue(kMenuPage));
        ASSERT_TRUE(gallery.openEditor());
    }
    void TearDown() override { gallery.closeEditor(); }

    POINT screenPointOf(const VSTGUI::CRect& menu) const
    {
        return gallery.toScreen(
            {kPageLeft + (menu.left + menu.right) / 2, kPageTop + (menu.top + menu.bottom) / 2});
    }
    void expectMenuValues(float nested, float strings, float low)
    {
        EXPECT_FLOAT_EQ(gallery.host().getParameter(kNestedMenu), nested);
        EXPECT_FLOAT_EQ(gallery.host().getParameter(kNestedSubMenu), strings);
        EXPECT_FLOAT_EQ(gallery.host().getParameter(kNestedDeepMenu), low);
    }
    // Arms the timer that closes the editor once a pop-up is shown.
    void closeAtPopup()
    {
        closingGallery = &gallery;
        closedDuringPopup = false;
        SetTimer(nullptr, 0, USER_TIMER_MINIMUM, closeWhenMenuShown);
    }

    PanelHost gallery{SIZE{kEditorWidth, kEditorHeight}};
};
} // namespace

TEST_F(MenuPage, KeysChooseAtEveryDepthAndTheHostSeesTheChosenEntry)
{
    const POINT nested = screenPointOf(kNestedMenuArea);
    const int organ = 2;
    const int viola = 1;
    const int bass = 1;
    bool chosen = false;
    gallery.perform([&] { chosen = choosePath(nested, {organ}); });
    ASSERT_TRUE(chosen);
    expectMenuValues(entryValue(organ, kNestedCount), 0.0f, 0.0f);

    gallery.perform([&] { chosen = choosePath(nested, {static_cast<int>(kStringsPosition), viola}); });
    ASSERT_TRUE(chosen);
    expectMenuValues(entryValue(organ, kNestedCount), entryValue(viola, kStringsCount), 0.0f);

    gallery.perform([&] {
        chosen = choosePath(nested, {static_cast<int>(kStringsPosition), static_cast<int>(kLowPosition), bass});
    });
    ASSERT_TRUE(chosen);
    expectMenuValues(entryValue(organ, kNestedCount), entryValue(viola, kStringsCount), entryValue(bass, kLowCount));

    // Each chosen entry is its menu's current one now: the one with the check mark.
    std::vector<std::vector<MenuItem>> levels;
    gallery.perform(
        [&] { levels = readPath(nested, {static_cast<int>(kStringsPosition), static_cast<int>(kLowPosition)}); });
    ASSERT_EQ(levels.size(), 3u);
    const int current[] = {organ, viola, bass};
    for (std::size_t level = 0; level < levels.size(); ++level)
        for (std::size_t item = 0; item < levels[level].size(); ++item)
            EXPECT_EQ((levels[level][item].state & MF_CHECKED) != 0, static_cast<int>(item) == current[level])
                << "level " << level << ", item " << item;
}

TEST_F(MenuPage, EscapeChoosesNothingAndTellsNoOne)
{
    const POINT nested = screenPointOf(kNestedMenuArea);
    gallery.takeRequests({});
    bool left = false;
    gallery.perform([&] {
        const ShownMenu top = openMenuBy(nested);
        left = top.window != nullptr && enterSubMenu(top, static_cast<int>(kStringsPosition)).window != nullptr
               && highlightItem(GetSubMenu(top.menu, static_cast<int>(kStringsPosition)), 1);
        left = leaveMenus() && left;
    });
    EXPECT_TRUE(left);
    expectMenuValues(0.0f, 0.0f, 0.0f);
    EXPECT_TRUE(gallery.takeRequests({audioMasterAutomate}).empty());
}

TEST_F(MenuPage, EntryKindsReadBackFromTheOpenPopups)
{
    std::vector<std::vector<MenuItem>> levels;
    gallery.perform([&] {
        levels = readPath(screenPointOf(kNestedMenuArea),
                          {static_cast<int>(kStringsPosition), static_cast<int>(kLowPosition)});
    });
    ASSERT_EQ(levels.size(), 3u);
    const std::vector<MenuItem>& top = levels[0];
    ASSERT_EQ(top.size(), static_cast<std::size_t>(kNestedCount));
    EXPECT_EQ(top[0].text, "Instruments");
    EXPECT_EQ(top[0].state & (MF_DISABLED | MF_GRAYED), static_cast<UINT>(MF_DISABLED)) << "a title is not grey";
    EXPECT_EQ(top[1].text, "Piano");
    EXPECT_EQ(top[1].state & (MF_DISABLED | MF_GRAYED | MF_CHECKED), 0u);
    EXPECT_NE(top[3].type & MFT_SEPARATOR, 0u);
    EXPECT_EQ(top[4].text, "Harpsichord");
    EXPECT_NE(top[4].state & MF_GRAYED, 0u);
    EXPECT_EQ(top[kStringsPosition].text, kStringsTitle);
    EXPECT_NE(top[kStringsPosition].subMenu, nullptr);
    EXPECT_EQ(top[6].text, "Drums");
    for (const MenuItem& item : top)
        EXPECT_EQ(item.state & MF_CHECKED, 0u) << "the current entry is the title, which shows no check";

    const std::vector<MenuItem>& strings = levels[1];
    ASSERT_EQ(strings.size(), static_cast<std::size_t>(kStringsCount));
    EXPECT_EQ(strings[0].text, "Violin");
    EXPECT_NE(strings[0].state & MF_CHECKED, 0u) << "the current entry has the check mark";
    EXPECT_EQ(strings[1].text, "Viola");
    EXPECT_EQ(strings[kLowPosition].text, kLowTitle);
    EXPECT_NE(strings[kLowPosition].subMenu, nullptr);

    const std::vector<MenuItem>& low = levels[2];
    ASSERT_EQ(low.size(), static_cast<std::size_t>(kLowCount));
    for (int item = 0; item < kLowCount; ++item)
        EXPECT_EQ(low[item].text, shownText(kLowEntries[item]));
    EXPECT_NE(low[2].state & MF_GRAYED, 0u);
}

TEST_F(MenuPage, TheLongMenuBreaksIntoColumnsAndNumbersItsEntries)
{
    // 32 / 47 in floats, times 47, falls just short of 32: the host still means entry 32.
    const int hostChosen = 32;
    gallery.host().setParameter(kColumnMenu, entryValue(hostChosen, kColumnEntries));
    gallery.idle();
    std::vector<std::vector<MenuItem>> levels;
    gallery.perform([&] { levels = readPath(screenPointOf(kColumnMenuArea), {}); });
    ASSERT_EQ(levels.size(), 1u);
    const std::vector<MenuItem>& items = levels[0];
    ASSERT_EQ(items.size(), static_cast<std::size_t>(kColumnEntries));
    for (int item = 0; item < kColumnEntries; ++item) {
        char expected[32];
        std::snprintf(expected, sizeof(expected), "%02d Step %d", item + 1, item + 1);
        EXPECT_EQ(items[item].text, expected);
        EXPECT_EQ((items[item].type & MFT_MENUBARBREAK) != 0, item > 0 && item % kColumnItems == 0) << "item " << item;
        EXPECT_EQ((items[item].state & MF_CHECKED) != 0, item == hostChosen) << "item " << item;
    }
    EXPECT_GT(items[kColumnItems].area.left, items[0].area.right - 1) << "the second column is right of the first";
    EXPECT_EQ(items[kColumnItems].area.top, items[0].area.top);
}

TEST_F(MenuPage, TheSchemeMeasuresAndDrawsEveryItem)
{
    const POINT click = screenPointOf(kSchemeMenuArea);
    std::vector<MenuItem> items;
    std::vector<bool> drawnPlain;
    bool checkDrawn = false;
    bool highlightDrawn = false;
    gallery.perform([&] {
        const ShownMenu shown = openMenuBy(click);
        if (shown.window == nullptr)
            return;
        items = itemsOf(shown);
        for (const MenuItem& item : items)
            drawnPlain.push_back(waitForItemPixel(shown, item, kItemBackground, kSchemeBackground));
        checkDrawn = !items.empty() && waitForItemPixel(shown, items[0], kCheckMarkCentre, kSchemeText);
        highlightDrawn = items.size() > 1 && highlightItem(shown.menu, 1)
                         && waitForItemPixel(shown, items[1], kItemBackground, kSchemeSelection);
        leaveMenus();
    });
    ASSERT_EQ(items.size(), std::size(kSchemeEntries));
    ASSERT_EQ(drawnPlain.size(), items.size());
    for (std::size_t item = 0; item < items.size(); ++item) {
        EXPECT_NE(items[item].type & MFT_OWNERDRAW, 0u) << "item " << item;
        EXPECT_EQ(items[item].area.bottom - items[item].area.top, kSchemeItemHeight) << "item " << item;
        EXPECT_TRUE(drawnPlain[item]) << "item " << item << " shows the scheme's background";
    }
    EXPECT_TRUE(checkDrawn) << "the current entry's check mark is the scheme's";
    EXPECT_TRUE(highlightDrawn) << "the highlighted item shows the scheme's selection";
    EXPECT_NE(items[4].state & MF_GRAYED, 0u);
}

TEST_F(MenuPage, ClosingTheEditorDuringAPopupEndsItAndLeavesNoWindow)
{
    const POINT nested = screenPointOf(kNestedMenuArea);
    gallery.takeRequests({});
    closeAtPopup();
    bool ended = false;
    gallery.perform([&] {
        performClick(nested);
        ended = waitForMenuCount(0);
        if (!ended)
            leaveMenus();
    });
    EXPECT_TRUE(closedDuringPopup);
    EXPECT_TRUE(ended);
    EXPECT_TRUE(shownMenus().empty());
    EXPECT_EQ(childWindowCount(gallery.window().handle()), 0);
    expectMenuValues(0.0f, 0.0f, 0.0f);
    EXPECT_TRUE(gallery.takeRequests({audioMasterAutomate}).empty());

    // The editor opens again and its menus work.
    ASSERT_TRUE(gallery.openEditor());
    bool chosen = false;
    gallery.perform([&] { chosen = choosePath(nested, {1}); });
    EXPECT_TRUE(chosen);
    expectMenuValues(entryValue(1, kNestedCount), 0.0f, 0.0f);
}

TEST_F(MenuPage, OpenCloseCyclesWithAPopupUpAtCloseLeakNothing)
{
    const POINT nested = screenPointOf(kNestedMenuArea);
    gallery.closeEditor();
    moveCursorTo(nested);
    const ResourceUse before = resourceUse();
    for (int cycle = 0; cycle < kCycles; ++cycle) {
        ASSERT_NE(gallery.host().dispatch(effEditOpen, 0, 0, gallery.window().handle()), 0);
        UpdateWindow(gallery.window().handle());
        closeAtPopup();
        sendLeftButton(true);
        for (int poll = 0; poll < kPolls && !closedDuringPopup; ++poll) {
            MsgWaitForMultipleObjects(0, nullptr, FALSE, kPollMs, QS_ALLINPUT);
            pumpMessages();
        }
        sendLeftButton(false);
        pumpMessages();
        ASSERT_TRUE(closedDuringPopup) << "cycle " << cycle;
        ASSERT_TRUE(shownMenus().empty()) << "cycle " << cycle;
    }
    const ResourceUse after = resourceUse();
    EXPECT_EQ(after.gdiObjects, before.gdiObjects);
    EXPECT_EQ(after.userObjects, before.userObjects);
    EXPECT_LT(after.privateBytes, before.privateBytes + kAllowedGrowthBytes);
    EXPECT_EQ(childWindowCount(gallery.window().handle()), 0);
}

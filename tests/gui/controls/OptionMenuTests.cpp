// The option menu through the headless pop-up: the entries it keeps, the items the pop-up is
// built from, what a choice (or none) does to the current entry, the listener and the host's
// edit gesture, and a pop-up whose program changes under it while it is shown.
#include "ControlFixture.h"

#include "controls/COptionMenu.h"
#include "controls/COptionMenuScheme.h"
#include "platform/headless/HeadlessPopupMenu.h"

#include <cmath>
#include <limits>
#include <string>

using namespace VSTGUI;
namespace popup = VSTGUI::platform::headless;

namespace {
class RecordingMenuListener : public CControlListener {
public:
    void valueChanged(CDrawContext* /*context*/, CControl* control) override
    {
        controls.push_back(control);
        values.push_back(control->getValue());
    }
    std::vector<CControl*> controls;
    std::vector<float> values;
};

class OptionMenus : public ControlFixture {
protected:
    ~OptionMenus() override { popup::setPopupChooser(nullptr); }

    COptionMenu* makeMenu(std::int32_t style = 0)
    {
        return add(new COptionMenu(CRect(10, 20, 110, 40), &menuListener, 7, nullptr, nullptr, style));
    }
    // A left click while the chooser answers command.
    void choose(COptionMenu* menu, std::uint32_t command)
    {
        popup::setPopupChooser([this, command](const popup::ShownPopup& shown) {
            items = shown.items;
            where = shown.screenPoint;
            return command;
        });
        CPoint point(15, 25);
        menu->mouse(context, point, kMouseLeft);
    }
    std::string entry(COptionMenu* menu, std::int32_t index)
    {
        char text[kMenuEntryBytes] = {};
        return menu->getEntry(index, text) ? std::string(text) : std::string("<none>");
    }
    std::vector<std::string> shownStrings() const
    {
        std::vector<std::string> texts;
        for (const auto& call : fake::calls) {
            if (call.rfind("text \"", 0) == 0)
                texts.push_back(call.substr(6, call.find('"', 6) - 6));
        }
        return texts;
    }

    RecordingMenuListener menuListener;
    std::vector<popup::PopupItem> items;
    CPoint where;
};

std::uint32_t flagsOf(const popup::PopupItem& item)
{
    return item.flags;
}
} // namespace

TEST_F(OptionMenus, EntryTextsBecomePopupItemsOfEachKind)
{
    COptionMenu* menu = makeMenu(kCheckStyle);
    auto* inner = new COptionMenu(CRect(), nullptr, 0);
    inner->addEntry("Deep");
    menu->addEntry("Plain");
    menu->addEntry("-");
    menu->addEntry("-GGrey");
    menu->addEntry("-THead");
    ASSERT_TRUE(menu->addEntry(inner, "Inner"));
    inner->forget();
    menu->checkEntry(0, true);

    choose(menu, 0);
    ASSERT_EQ(items.size(), 5u);
    EXPECT_EQ(items[0].text, "Plain");
    EXPECT_EQ(flagsOf(items[0]), platform::kPopupChecked);
    EXPECT_EQ(flagsOf(items[1]), platform::kPopupSeparator);
    EXPECT_EQ(items[2].text, "Grey");
    EXPECT_EQ(flagsOf(items[2]), platform::kPopupGrey);
    EXPECT_EQ(items[3].text, "Head");
    EXPECT_EQ(flagsOf(items[3]), platform::kPopupDisabled);
    EXPECT_TRUE(items[4].isSubMenu);
    EXPECT_EQ(items[4].text, "Inner");
    ASSERT_EQ(items[4].subItems.size(), 1u);
    EXPECT_EQ(items[4].subItems[0].text, "Deep");
    // Numbers run on past the five entries of the outer menu.
    EXPECT_EQ(items[4].subItems[0].command, 6u);
    EXPECT_EQ(items[0].command, 1u);
    EXPECT_EQ(items[0].painter, nullptr);
    // Opened under the control, in screen coordinates.
    EXPECT_EQ(where.x, fake::input.windowOrigin.x + 10);
    EXPECT_EQ(where.y, fake::input.windowOrigin.y + 40);
    EXPECT_EQ(popup::livePopupMenus(), 0);
}

TEST_F(OptionMenus, CheckMarksFollowTheStyle)
{
    COptionMenu* current = makeMenu(kCheckCurrentStyle);
    current->addEntry("A");
    current->addEntry("B");
    current->setCurrent(1);
    current->checkEntry(0, true);
    choose(current, 0);
    EXPECT_EQ(flagsOf(items[0]), 0u);
    EXPECT_EQ(flagsOf(items[1]), platform::kPopupChecked);

    COptionMenu* toggles = makeMenu(kCheckStyle);
    toggles->addEntry("A");
    toggles->addEntry("B");
    choose(toggles, 2);
    EXPECT_TRUE(toggles->isCheckEntry(1));
    choose(toggles, 2);
    EXPECT_FALSE(toggles->isCheckEntry(1));
    EXPECT_TRUE(toggles->checkEntryAlone(0));
    EXPECT_TRUE(toggles->isCheckEntry(0));
    EXPECT_FALSE(toggles->checkEntry(2, true));
    EXPECT_FALSE(toggles->isCheckEntry(-1));
}

TEST_F(OptionMenus, ColumnBreaksComeEveryNEntriesBelowOneHundredSixty)
{
    COptionMenu* menu = makeMenu();
    for (int i = 0; i < 159; ++i)
        menu->addEntry(std::to_string(i).c_str());
    menu->setNbItemsPerColumn(40);
    choose(menu, 0);
    std::vector<int> breaks;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if ((items[i].flags & platform::kPopupColumnBreak) != 0)
            breaks.push_back(static_cast<int>(i));
    }
    EXPECT_EQ(breaks, (std::vector<int>{40, 80, 120}));

    menu->addEntry("159");
    choose(menu, 0);
    for (const auto& item : items)
        EXPECT_EQ(item.flags & platform::kPopupColumnBreak, 0u);
}

TEST_F(OptionMenus, ChoosingMakesTheEntryCurrentAndTellsTheListenerOnceInsideTheGesture)
{
    COptionMenu* menu = makeMenu();
    menu->addEntry("A");
    menu->addEntry("B");
    menu->addEntry("C");
    choose(menu, 3);
    EXPECT_EQ(menu->getCurrent(), 2);
    EXPECT_FLOAT_EQ(menu->getValue(), 2.0f);
    EXPECT_EQ(menuListener.controls, (std::vector<CControl*>{menu}));
    std::int32_t index = -1;
    EXPECT_EQ(menu->getLastItemMenu(index), menu);
    EXPECT_EQ(index, 2);
    EXPECT_EQ(edits.begins, (std::vector<int>{7}));
    EXPECT_EQ(edits.ends, (std::vector<int>{7}));
    EXPECT_EQ(frame->getFocusView(), nullptr);
}

TEST_F(OptionMenus, LeavingThePopupChoosesNothingAndTellsNoOne)
{
    COptionMenu* menu = makeMenu();
    menu->addEntry("A");
    menu->addEntry("B");
    choose(menu, 0);
    EXPECT_EQ(menu->getCurrent(), 0);
    EXPECT_TRUE(menuListener.controls.empty());
    std::int32_t index = 0;
    EXPECT_EQ(menu->getLastItemMenu(index), nullptr);
    EXPECT_EQ(index, -1);
    EXPECT_EQ(edits.begins.size(), edits.ends.size());
}

TEST_F(OptionMenus, ChoicesInNestedSubMenusNameTheSubMenuAndThePositionInIt)
{
    COptionMenu* menu = makeMenu();
    auto* first = new COptionMenu(CRect(), nullptr, 0);
    auto* second = new COptionMenu(CRect(), nullptr, 0);
    auto* deepest = new COptionMenu(CRect(), nullptr, 0);
    deepest->addEntry("X");
    deepest->addEntry("Y");
    first->addEntry("F0");
    first->addEntry(deepest, "Deeper");
    second->addEntry("S0");
    second->addEntry("S1");
    menu->addEntry("Top");
    menu->addEntry(first, "First");
    menu->addEntry(second, "Second");
    deepest->forget();
    first->forget();
    second->forget();

    // Numbers: menu 1-3, first 4-5, deepest 6-7, second 8-9.
    choose(menu, 7);
    ASSERT_EQ(menuListener.controls.size(), 1u);
    EXPECT_EQ(menuListener.controls[0], deepest);
    EXPECT_FLOAT_EQ(deepest->getValue(), 1.0f);
    EXPECT_EQ(deepest->getCurrent(), 1);
    std::int32_t index = -1;
    EXPECT_EQ(menu->getLastItemMenu(index), deepest);
    EXPECT_EQ(index, 1);

    choose(menu, 9);
    EXPECT_EQ(menuListener.controls.back(), second);
    EXPECT_FLOAT_EQ(second->getValue(), 1.0f);
    // The outer menu keeps its entry.
    EXPECT_EQ(menu->getCurrent(), 0);
    EXPECT_EQ(menu->getSubMenu(1), second);
    EXPECT_EQ(menu->getSubMenu(2), nullptr);
}

TEST_F(OptionMenus, PrefixNumbersShowInThePopupOnly)
{
    COptionMenu* menu = makeMenu();
    menu->setPrefixNumbers(3);
    menu->addEntry("Alpha");
    menu->addEntry("Beta");
    EXPECT_EQ(entry(menu, 0), "01 Alpha");
    EXPECT_EQ(entry(menu, 1), "02 Beta");
    menu->draw(context);
    EXPECT_EQ(shownStrings(), (std::vector<std::string>{"Alpha"}));

    auto* inner = new COptionMenu(CRect(), nullptr, 0);
    menu->addEntry(inner, "Sub");
    inner->forget();
    EXPECT_EQ(entry(menu, 2), "-M03 Sub");

    COptionMenu* small = makeMenu();
    small->setPrefixNumbers(2);
    for (int i = 0; i < 10; ++i)
        small->addEntry("Entry");
    EXPECT_EQ(entry(small, 9), "10 Entry");
    small->setCurrent(9);
    fake::calls.clear();
    small->draw(context);
    // A number longer than the prefix's width is still taken off whole.
    EXPECT_EQ(shownStrings(), (std::vector<std::string>{"Entry"}));
}

TEST_F(OptionMenus, InsertingAndRemovingMoveTheCurrentEntryWithTheRest)
{
    COptionMenu* menu = makeMenu();
    EXPECT_EQ(menu->getCurrent(), -1);
    menu->addEntry("A");
    EXPECT_EQ(menu->getCurrent(), 0);
    menu->addEntry("B");
    menu->addEntry("C");
    menu->setCurrent(2);
    menu->addEntry("New", 0);
    EXPECT_EQ(menu->getCurrent(), 3);
    EXPECT_EQ(entry(menu, 0), "New");
    menu->addEntry("Last", 99);
    EXPECT_EQ(entry(menu, 4), "Last");

    EXPECT_TRUE(menu->removeEntry(0));
    EXPECT_EQ(menu->getCurrent(), 2);
    EXPECT_EQ(entry(menu, 0), "A");
    EXPECT_FALSE(menu->removeEntry(4));
    EXPECT_FALSE(menu->removeEntry(-1));
    EXPECT_EQ(menu->getIndex("Last"), 3);
    EXPECT_EQ(menu->getIndex("Missing"), -1);
    EXPECT_EQ(menu->getIndex(nullptr), -1);
    // The first entry removed while current: the next one is current.
    menu->setCurrent(0);
    EXPECT_TRUE(menu->removeEntry(0));
    EXPECT_EQ(menu->getCurrent(), 0);
    menu->removeAllEntry();
    EXPECT_EQ(menu->getNbEntries(), 0);
    EXPECT_EQ(menu->getCurrent(), -1);
}

TEST_F(OptionMenus, CurrentCountsOnlyChoosableEntriesWhenAsked)
{
    COptionMenu* menu = makeMenu();
    menu->addEntry("-THead");
    menu->addEntry("A");
    menu->addEntry("-");
    menu->addEntry("B");
    EXPECT_TRUE(menu->setCurrent(1, false));
    EXPECT_EQ(menu->getCurrent(), 3);
    EXPECT_EQ(menu->getCurrent(nullptr, false), 1);
    char text[kMenuEntryBytes] = {};
    EXPECT_EQ(menu->getCurrent(text, true), 3);
    EXPECT_STREQ(text, "B");
    EXPECT_FALSE(menu->setCurrent(2, true));
    EXPECT_FALSE(menu->setCurrent(2, false));
    EXPECT_FALSE(menu->setCurrent(4, true));
    EXPECT_EQ(menu->getCurrent(), 3);
}

TEST_F(OptionMenus, SetValueTakesOnlyIndicesOfEntries)
{
    COptionMenu* menu = makeMenu(kCheckStyle);
    menu->addEntry("A");
    menu->addEntry("B");
    menu->setValue(1.7f);
    EXPECT_EQ(menu->getCurrent(), 1);
    EXPECT_TRUE(menu->isCheckEntry(1));
    for (float odd : {2.0f, -1.0f, std::numeric_limits<float>::quiet_NaN(), std::numeric_limits<float>::infinity(),
                      1e30f, -1e30f}) {
        menu->setValue(odd);
        EXPECT_EQ(menu->getCurrent(), 1);
        EXPECT_FLOAT_EQ(menu->getValue(), 1.7f);
    }
}

TEST_F(OptionMenus, TextsAndCountsStayWithinTheirLimits)
{
    COptionMenu* menu = makeMenu();
    const std::string longText(400, 'x');
    ASSERT_TRUE(menu->addEntry(longText.c_str()));
    EXPECT_EQ(entry(menu, 0), std::string(kMenuEntryBytes - 1, 'x'));
    ASSERT_TRUE(menu->setEntry(0, (std::string(300, 'y')).c_str()));
    EXPECT_EQ(entry(menu, 0), std::string(kMenuEntryBytes - 1, 'y'));
    menu->setPrefixNumbers(4);
    ASSERT_TRUE(menu->addEntry(longText.c_str()));
    EXPECT_EQ(entry(menu, 1), "002 " + std::string(kMenuEntryBytes - 5, 'x'));
    EXPECT_FALSE(menu->addEntry(static_cast<const char*>(nullptr)));
    EXPECT_FALSE(menu->setEntry(5, "z"));
    EXPECT_FALSE(menu->setEntry(0, nullptr));
    char text[kMenuEntryBytes];
    EXPECT_FALSE(menu->getEntry(2, text));

    menu->removeAllEntry();
    for (int i = 0; i < kMaxMenuEntries; ++i)
        ASSERT_TRUE(menu->addEntry("e"));
    EXPECT_FALSE(menu->addEntry("one too many"));
    auto* inner = new COptionMenu(CRect(), nullptr, 0);
    EXPECT_FALSE(menu->addEntry(inner, "sub"));
    EXPECT_FALSE(menu->addEntry(static_cast<COptionMenu*>(nullptr), "sub"));
    inner->forget();
    EXPECT_EQ(menu->getNbEntries(), kMaxMenuEntries);
}

TEST_F(OptionMenus, SubMenusCannotHoldTheirOwnParentAndGoWithTheirEntry)
{
    COptionMenu* menu = makeMenu();
    auto* inner = new COptionMenu(CRect(), nullptr, 0);
    auto* other = new COptionMenu(CRect(), nullptr, 0);
    other->addEntry("O");
    ASSERT_TRUE(menu->addEntry(inner, "Inner"));
    EXPECT_FALSE(menu->addEntry(menu, "Self"));
    EXPECT_FALSE(inner->addEntry(menu, "Parent"));
    ASSERT_TRUE(menu->addEntry(other, "Other"));
    EXPECT_EQ(inner->getNbReference(), 2);
    EXPECT_TRUE(menu->removeEntry(0));
    EXPECT_EQ(inner->getNbReference(), 1);
    inner->forget();
    // The remaining sub-menu entry still opens its own sub-menu.
    EXPECT_EQ(menu->getSubMenu(0), other);
    choose(menu, 2);
    EXPECT_EQ(menuListener.controls, (std::vector<CControl*>{other}));
    other->forget();
}

TEST_F(OptionMenus, AModifierClickGoesToTheListenerOnly)
{
    class TakingListener : public CControlListener {
    public:
        void valueChanged(CDrawContext*, CControl*) override {}
        std::int32_t controlModifierClicked(CDrawContext*, CControl*, std::int32_t) override { return 1; }
    } taking;
    COptionMenu* menu = add(new COptionMenu(CRect(10, 20, 110, 40), &taking, 7));
    menu->addEntry("A");
    bool shown = false;
    popup::setPopupChooser([&shown](const popup::ShownPopup&) {
        shown = true;
        return 0u;
    });
    CPoint point(15, 25);
    menu->mouse(context, point, kMouseLeft | kKeyShift);
    EXPECT_FALSE(shown);
    menu->mouse(context, point, kMouseMiddle);
    EXPECT_FALSE(shown);
    EXPECT_TRUE(edits.begins.empty());
}

TEST_F(OptionMenus, ASchemeDrawsEveryItemOfEveryMenuItReaches)
{
    COptionMenu* menu = makeMenu();
    auto* inner = new COptionMenu(CRect(), nullptr, 0);
    inner->addEntry("I");
    menu->addEntry("A");
    menu->addEntry("-");
    menu->addEntry(inner, "Inner");
    inner->forget();
    auto* scheme = new COptionMenuScheme;
    gOptionMenuScheme = scheme;
    choose(menu, 0);
    gOptionMenuScheme = nullptr;
    for (const auto& item : items)
        EXPECT_NE(item.painter, nullptr) << item.text;
    EXPECT_NE(items[2].subItems[0].painter, nullptr);

    CPoint size;
    scheme->getItemSize("-", context, size);
    EXPECT_EQ(size, CPoint(6, 18));
    scheme->getItemSize("Four", context, size);
    EXPECT_EQ(size, CPoint(context->getStringWidth("Four") + 18, 18));

    fake::calls.clear();
    scheme->drawItem("Left\tRight", 0, kMenuItemChecked, context, CRect(0, 0, 200, 18));
    EXPECT_EQ(shownStrings(), (std::vector<std::string>{"Left", "Right"}));
    scheme->forget();
}

TEST_F(OptionMenus, ThePopupSurvivesTheProgramChangingUnderIt)
{
    COptionMenu* menu = makeMenu();
    menu->addEntry("A");
    menu->addEntry("B");
    menu->remember();

    // The menu leaves the frame while shown: the choice is dropped, the gesture still ends.
    popup::setPopupChooser([this, menu](const popup::ShownPopup&) {
        frame->removeView(menu);
        return 2u;
    });
    CPoint point(15, 25);
    menu->mouse(context, point, kMouseLeft);
    EXPECT_TRUE(menuListener.controls.empty());
    EXPECT_EQ(edits.begins.size(), 1u);
    EXPECT_EQ(edits.ends.size(), 1u);

    // Entries and sub-menus removed while shown: nothing dangles, no choice is made. The
    // frame takes the test's reference back.
    add(menu);
    auto* inner = new COptionMenu(CRect(), nullptr, 0);
    inner->addEntry("I");
    menu->addEntry(inner, "Inner");
    inner->forget();
    popup::setPopupChooser([menu](const popup::ShownPopup&) {
        menu->removeAllEntry();
        return 4u;
    });
    menu->mouse(context, point, kMouseLeft);
    EXPECT_TRUE(menuListener.controls.empty());

    // The focus taken away (as an editor closing does) ends the pop-up without a choice.
    menu->addEntry("A");
    bool ended = false;
    popup::setPopupChooser([this, &ended](const popup::ShownPopup&) {
        frame->setFocusView(nullptr);
        ended = popup::wasPopupEnded();
        return 1u;
    });
    menu->mouse(context, point, kMouseLeft);
    EXPECT_TRUE(ended);
    EXPECT_TRUE(menuListener.controls.empty());
    EXPECT_EQ(edits.begins.size(), edits.ends.size());
    EXPECT_EQ(popup::livePopupMenus(), 0);
}

TEST_F(OptionMenus, IdentifiesItselfAndItsBases)
{
    COptionMenu* menu = makeMenu();
    for (const char* name : {"COptionMenu", "CParamDisplay", "CControl", "CView"})
        EXPECT_TRUE(menu->isTypeOf(name)) << name;
    EXPECT_FALSE(menu->isTypeOf("CTextEdit"));
}

#include "platform/menu/ContextMenus.h"

#include <gtest/gtest.h>

using namespace platform;

namespace {

// Puts the real popup and an empty sink back when a test ends.
struct MenuTest : ::testing::Test {
    ~MenuTest() override
    {
        ContextMenus::setTracker({});
        ContextMenus::setCommandSink({});
    }
};

}  // namespace

TEST_F(MenuTest, ARegisteredMenuIsFoundByIdAndReplacedByTheNextOfTheSameId)
{
    EXPECT_EQ(ContextMenus::find(4242), nullptr);
    ContextMenus::registerMenu(4242, "Bearbeiten", {{57635, "&Ausschneiden", false}});
    ContextMenus::registerMenu(4242, "Bearbeiten", {{57634, "&Kopieren", false}, {0, {}, true}});
    const QList<MenuItem>* items = ContextMenus::find(4242);
    ASSERT_NE(items, nullptr);
    ASSERT_EQ(items->size(), 2);
    EXPECT_EQ(items->at(0).commandId, 57634);
    EXPECT_TRUE(items->at(1).separator);
}

TEST_F(MenuTest, TheChosenCommandGoesToTheSinkAndNoChoiceSendsNothing)
{
    ContextMenus::sendCommand(57637);  // without a sink a command is dropped
    QList<int> sent;
    ContextMenus::setCommandSink([&](int command) { sent.append(command); });
    ContextMenus::registerMenu(4243, "Bearbeiten", {{57637, "E&infügen", false}});
    QPoint shownAt;
    int answer = 57637;
    ContextMenus::setTracker([&](const QList<MenuItem>& items, QPoint at) {
        shownAt = at;
        return items.isEmpty() ? 0 : answer;
    });
    EXPECT_TRUE(ContextMenus::showPopupMenu(4243, {30, 40}));
    EXPECT_EQ(shownAt, QPoint(30, 40));
    answer = 0;
    EXPECT_TRUE(ContextMenus::showPopupMenu(4243, {30, 40}));
    EXPECT_FALSE(ContextMenus::showPopupMenu(4244, {30, 40}));
    EXPECT_EQ(sent, QList<int>{57637});
}
